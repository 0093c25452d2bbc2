// The window benchmark: the Load and Test commands of MainWin, offscreen,
// on a large world and on a world of 100,000 findings, timed until the whole
// report stands in the report field.
//
//   QT_QPA_PLATFORM=offscreen window_bench WORLD_FOLDER [RUNS]
//
// Prints the median seconds of each, with the goal beside it. Built only with
// the desktop window (bench/CMakeLists.txt); run by bench/run.
//
// What this relies on of MainWin: it is a QWidget, owns its checker, has the
// menu handlers _FileLoad_Action() and _ActionTest_Action(), takes a folder
// chooser (SetFolderChooser below) and shows the report in its one
// QPlainTextEdit. The preferences file goes to a temporary folder
// (XDG_CONFIG_HOME), never to the user's own.
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_win.h"

namespace {

using FolderChooser = std::function<std::optional<std::string>(const std::string&)>;

// Whether the report field's last line that is not empty is a verdict; only
// the last lines are looked at, so that waiting costs next to nothing.
bool ReportDone(const QPlainTextEdit& field) {
  for (QTextBlock block = field.document()->lastBlock(); block.isValid();
       block = block.previous()) {
    const QString text = block.text().trimmed();
    if (text.isEmpty()) continue;
    return text == QStringLiteral("----- Files have errors -----") ||
           text == QStringLiteral("No errors in these files");
  }
  return false;
}

// Seconds for one Load and Test of folder in a fresh window, the report
// included: events are processed until the verdict stands in the field.
double LoadAndTest(const std::string& folder) {
  zelvor::MainWin window;
  window.SetFolderChooser([folder](const std::string&) { return std::optional<std::string>(folder); });
  auto* field = window.findChild<QPlainTextEdit*>();
  if (field == nullptr) {
    std::fprintf(stderr, "window_bench: MainWin has no QPlainTextEdit report field\n");
    std::exit(2);
  }
  QElapsedTimer timer;
  timer.start();
  window._FileLoad_Action();
  window._ActionTest_Action();
  while (!ReportDone(*field)) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (timer.elapsed() > 120'000) {
      std::fprintf(stderr, "window_bench: no verdict after two minutes\n");
      std::exit(2);
    }
  }
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MedianOf(int runs, const std::string& folder) {
  std::vector<double> seconds;
  for (int i = 0; i < runs; ++i) seconds.push_back(LoadAndTest(folder));
  return Median(seconds);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_bench WORLD_FOLDER [RUNS]\n");
    return 2;
  }
  const std::string world = argv[1];
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  QTemporaryDir config;
  QTemporaryDir findings;
  if (!config.isValid() || !findings.isValid()) return 2;
  ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);

  // 100,000 end tags outside any location: one error line each.
  {
    std::ofstream out(findings.filePath(QStringLiteral("loose.loc")).toStdString(),
                      std::ios::binary);
    out << "<?xml version=\"1.0\"?>\r<kestrane-map title='Loose Ends'>\r";
    for (int i = 0; i < 100'000; ++i) out << "</location>\r";
    out << "</kestrane-map>\r";
  }

  const double large = MedianOf(runs, world);
  const double many = MedianOf(runs, findings.path().toStdString());
  std::printf("  load and test %s, report included: %.3f s (goal: under 2 s) -> %s\n",
              world.c_str(), large, large < 2.0 ? "met" : "NOT met");
  std::printf("  report of 100,000 findings: %.3f s (goal: under 5 s) -> %s\n", many,
              many < 5.0 ? "met" : "NOT met");
  return 0;
}
