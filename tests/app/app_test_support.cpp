#include "app_test_support.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "core/text.h"

namespace zelvor::testing {

MapFolder::MapFolder() { dir_.setAutoRemove(true); }

void MapFolder::Write(const QString& name, const QString& lines) const {
  QFile file(dir_.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(file.fileName()));
  QString text = lines;
  text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  file.write(text.toUtf8());
}

QList<ReportLine> ReadReport(const QPlainTextEdit& field) {
  QList<ReportLine> lines;
  for (QTextBlock block = field.document()->begin(); block.isValid(); block = block.next()) {
    ReportLine line{block.text(), kNoColour};
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid() || fragment.length() == 0) continue;
      const long colour = static_cast<long>(fragment.charFormat().foreground().color().rgb() & 0xFFFFFFu);
      if (line.colour == kNoColour) {
        line.colour = colour;
      } else if (line.colour != colour) {
        line.colour = kMixedColours;
      }
    }
    lines.append(line);
  }
  return lines;
}

QList<ReportLine> SplitRecorded(const std::vector<std::pair<std::string, Rgb>>& appended) {
  QList<ReportLine> lines{{QString(), kNoColour}};
  for (const auto& [text, colour] : appended) {
    const QString part = QString::fromStdString(text);
    for (const QChar c : part) {
      if (c == QLatin1Char('\n')) {
        lines.append({QString(), kNoColour});
        continue;
      }
      ReportLine& line = lines.back();
      line.text.append(c);
      const long value = static_cast<long>(colour);
      if (line.colour == kNoColour) {
        line.colour = value;
      } else if (line.colour != value) {
        line.colour = kMixedColours;
      }
    }
  }
  return lines;
}

QString Describe(const QList<ReportLine>& lines) {
  QString out;
  for (const ReportLine& line : lines) {
    out += QStringLiteral("[%1] %2\n").arg(line.colour, 0, 16).arg(line.text);
  }
  return out;
}

std::size_t ReferenceView::ReportLength() const {
  std::size_t length = 0;
  for (const auto& part : appended) length += Len(part.first);
  return length;
}

void ReferenceView::AppendReport(std::string_view text, Rgb colour) {
  appended.emplace_back(std::string(text), colour);
}

std::vector<std::pair<std::string, Rgb>> ReferenceReport(const std::string& folder) {
  ReferenceView view(folder);
  Checker checker(view, CheckerEnvironment{});
  checker.LoadCommand();
  checker.TestCommand();
  return view.appended;
}

}  // namespace zelvor::testing
