// Helpers for the window tests: map folders in temporary directories, the
// report field read back line by line with colours, and a view that records
// what a checker writes.
#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker.h"
#include "core/checker_view.h"

class QPlainTextEdit;

namespace zelvor::testing {

// A folder of map files that is removed with the object.
class MapFolder {
 public:
  MapFolder();
  // Writes a file; each "\n" of lines becomes the map format's carriage return.
  void Write(const QString& name, const QString& lines) const;
  // The folder's path, absolute, without a trailing "/".
  QString Path() const { return dir_.path(); }
  std::string PathStd() const { return Path().toStdString(); }

 private:
  QTemporaryDir dir_;
};

// One line of the report: its text and its colour; kNoColour for an empty
// line, kMixedColours when the line has more than one.
struct ReportLine {
  QString text;
  long colour;
  bool operator==(const ReportLine&) const = default;
};
inline constexpr long kNoColour = -1;
inline constexpr long kMixedColours = -2;

// The report field's lines, from its document's character formats.
QList<ReportLine> ReadReport(const QPlainTextEdit& field);
// The same from a text with the colours each part was written in.
QList<ReportLine> SplitRecorded(const std::vector<std::pair<std::string, Rgb>>& appended);
QString Describe(const QList<ReportLine>& lines);

// A view that records the report and rows and answers the chooser with a
// fixed folder.
class ReferenceView final : public CheckerView {
 public:
  explicit ReferenceView(std::string folder) : folder_(std::move(folder)) {}
  std::size_t ReportLength() const override;
  void AppendReport(std::string_view text, Rgb colour) override;
  void ClearReport() override { appended.clear(); }
  void ClearFileList() override { rows.clear(); }
  void AddFileRow(std::string_view text) override { rows.emplace_back(text); }
  std::optional<std::string> ChooseFolder(const std::string&) override { return folder_; }

  std::vector<std::pair<std::string, Rgb>> appended;
  std::vector<std::string> rows;

 private:
  std::string folder_;
};

// The report a fresh checker writes for Load (choosing folder) then Test.
std::vector<std::pair<std::string, Rgb>> ReferenceReport(const std::string& folder);

}  // namespace zelvor::testing
