// The commands: Load, Test and Clear Display through the window, the
// preferences file, the folder chooser, and what the window does while a
// command runs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app.h"
#include "app/folder_dialog.h"
#include "app/main_win.h"
#include "app_test_support.h"

using zelvor::CheckerEnvironment;
using zelvor::MainWin;
using zelvor::testing::ReadReport;
using zelvor::testing::ReportLine;
using zelvor::testing::MapFolder;

namespace {

constexpr long kRed = 0xFF0000;
constexpr long kBlue = 0x0000FF;
constexpr long kPurple = 0x400040;

const char kExamples[] = ZELVOR_SOURCE_DIR "/examples";

// A chooser that answers from a list and remembers where it was opened.
struct ScriptedChooser {
  std::vector<std::optional<std::string>> answers;
  std::vector<std::string> starts;
  MainWin::FolderChooser Function() {
    return [this](const std::string& start) -> std::optional<std::string> {
      starts.push_back(start);
      if (answers.empty()) return std::nullopt;
      std::optional<std::string> answer = answers.front();
      answers.erase(answers.begin());
      return answer;
    };
  }
};

QStringList Rows(MainWin& win) {
  auto* list = win.contentArea().findChild<QListWidget*>(QStringLiteral("ListBox2"));
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

QPlainTextEdit& Report(MainWin& win) {
  return *win.contentArea().findChild<QPlainTextEdit*>(QStringLiteral("StatusEditField"));
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll();
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private:
  // A fresh preferences folder and documents folder for each test.
  std::unique_ptr<QTemporaryDir> prefs_;
  std::unique_ptr<QTemporaryDir> documents_;
  CheckerEnvironment Environment() const {
    return {prefs_->path().toStdString() + "/", documents_->path().toStdString()};
  }
  QString PrefsFile() const { return prefs_->path() + QStringLiteral("/Velmora/zelvorpref"); }

  // Three files: one without apostrophes, one titled, and one not loaded.
  static void FillWorld(const MapFolder& world) {
    world.Write(QStringLiteral("Z.LOC"),
                QStringLiteral("<?xml ?>\n<kestrane-map title='Zenith' from='1' to='Tarn.Tarn Space.20'>\n"
                               "<location num='1'>\n<name>Top</name>\n</location>\n</kestrane-map>\n"));
    world.Write(QStringLiteral("a.loc"), QStringLiteral("<?xml ?>\n<kestrane-map>\n</kestrane-map>\n"));
    world.Write(QStringLiteral("b.loc.old"),
                QStringLiteral("<?xml ?>\n<kestrane-map title='Second' from='' to=''>\n</kestrane-map>\n"));
    world.Write(QStringLiteral("c.b.loc"), QStringLiteral("<kestrane-map title='Never'>\n"));
    world.Write(QStringLiteral("notes.txt"), QStringLiteral("title='Nope'\n"));
  }

 private slots:
  void init() {
    prefs_ = std::make_unique<QTemporaryDir>();
    documents_ = std::make_unique<QTemporaryDir>();
  }

  void loadListsFilesByTitle() {
    MapFolder world;
    FillWorld(world);
    MainWin win(Environment());
    ScriptedChooser chooser{{world.PathStd()}, {}};
    win.SetFolderChooser(chooser.Function());
    QCOMPARE(win._FileLoad_Action(), false);

    QCOMPARE(Rows(win), (QStringList{"Zenith", "Untitled", "Second"}));
    QVERIFY(win.checker().loaded);
    const std::string folder = QDir(world.Path()).absolutePath().toStdString() + "/";
    QCOMPARE(win.checker().foldername, folder);
    QCOMPARE(win.checker().LocationFileName,
             (std::vector<std::string>{"Z.LOC", "a.loc", "b.loc.old"}));
    const QList<ReportLine> report = ReadReport(Report(win));
    const QList<ReportLine> expected{
        {QString::fromStdString(" Working Directory is " + folder), kPurple},
        {QString(), zelvor::testing::kNoColour},
        {QString(), zelvor::testing::kNoColour}};
    QVERIFY2(report == expected, qPrintable(zelvor::testing::Describe(report)));
    QCOMPARE(win.ReportLength(), Report(win).toPlainText().size());
    // The first Load of a first run opens the chooser in the documents folder.
    QCOMPARE(chooser.starts, (std::vector<std::string>{documents_->path().toStdString()}));
  }

  void loadReplacesAnEarlierLoad() {
    MapFolder first;
    FillWorld(first);
    MapFolder second;
    second.Write(QStringLiteral("only.loc"), QStringLiteral("<kestrane-map title='Only'>\n"));
    MainWin win(Environment());
    ScriptedChooser chooser{{first.PathStd(), second.PathStd()}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    win._ActionTest_Action();
    win._FileLoad_Action();
    QCOMPARE(Rows(win), QStringList{"Only"});
    QVERIFY(Report(win).toPlainText().startsWith(QStringLiteral(" Working Directory is ")));
    QVERIFY(!Report(win).toPlainText().contains(QStringLiteral("Testing")));
  }

  void cancelledLoadChangesOnlyLoaded() {
    MapFolder world;
    FillWorld(world);
    MainWin win(Environment());
    ScriptedChooser chooser{{world.PathStd(), std::nullopt}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    win._ActionTest_Action();
    const QStringList rows = Rows(win);
    const QList<ReportLine> report = ReadReport(Report(win));
    const std::string folder = win.checker().foldername;
    const auto names = win.checker().LocationFileName;
    const QByteArray saved = ReadFile(PrefsFile());
    const QDateTime savedAt = QFileInfo(PrefsFile()).lastModified();
    QTest::qWait(20);

    QCOMPARE(win._FileLoad_Action(), false);
    QVERIFY(!win.checker().loaded);
    QCOMPARE(Rows(win), rows);
    QVERIFY(ReadReport(Report(win)) == report);
    QCOMPARE(win.checker().foldername, folder);
    QCOMPARE(win.checker().LocationFileName, names);
    QCOMPARE(ReadFile(PrefsFile()), saved);
    QCOMPARE(QFileInfo(PrefsFile()).lastModified(), savedAt);

    // Test does nothing now, although the list still shows the files.
    win._ActionTest_Action();
    QVERIFY(ReadReport(Report(win)) == report);
  }

  void testWritesTheLinesInTheirColours() {
    const std::string folder = std::string(kExamples) + "/faulty-world";
    MainWin win(Environment());
    ScriptedChooser chooser{{folder}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    QCOMPARE(win._ActionTest_Action(), false);

    const QList<ReportLine> report = ReadReport(Report(win));
    // What the checker itself wrote, part by part, with its colours.
    const auto reference = zelvor::testing::ReferenceReport(folder);
    const QList<ReportLine> expected = zelvor::testing::SplitRecorded(reference);
    QVERIFY2(report == expected, qPrintable(zelvor::testing::Describe(report) + "---\n" +
                                            zelvor::testing::Describe(expected)));
    QString whole;
    for (const auto& part : reference) whole += QString::fromStdString(part.first);
    QCOMPARE(Report(win).toPlainText(), whole);
    QCOMPARE(win.ReportLength(), static_cast<std::size_t>(whole.size()));

    // And some lines as the user reads them.
    auto has = [&](const char* text, long colour) {
      return report.contains(ReportLine{QString::fromUtf8(text), colour});
    };
    QVERIFY(has(" Testing Bogmire", kPurple));
    QVERIFY(has("      Error - Loc end found outside a location", kRed));
    QVERIFY(has("      Error -  Map title must have 3 or more characters", kRed));
    QVERIFY(has("      Warning - Location 1 'north' link is one way only", kBlue));
    QVERIFY(has(" Testing completed", kPurple));
    QVERIFY(has("      ----- Files have errors -----", kPurple));
    QCOMPARE(Rows(win), (QStringList{"ab", "Bogmire", "Tarn space"}));
  }

  void testRunsAddBelowEachOther() {
    MainWin win(Environment());
    ScriptedChooser chooser{{std::string(kExamples) + "/clean-world"}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    win._ActionTest_Action();
    const QString once = Report(win).toPlainText();
    QVERIFY(once.endsWith(QStringLiteral("      No errors in these files\n")));
    win._ActionTest_Action();
    const QString header = once.left(once.indexOf(QStringLiteral(" Testing")));
    QCOMPARE(Report(win).toPlainText(), once + once.mid(header.size()));
  }

  void testBeforeAnyLoadDoesNothing() {
    MainWin win(Environment());
    QCOMPARE(win._ActionTest_Action(), false);
    QVERIFY(Report(win).toPlainText().isEmpty());
    QVERIFY(Rows(win).isEmpty());
    QCOMPARE(win.ReportLength(), std::size_t{0});
    QVERIFY(!win.checker().errors);
  }

  void clearDisplayEmptiesOnlyTheReport() {
    MainWin win(Environment());
    ScriptedChooser chooser{{std::string(kExamples) + "/faulty-world"}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    win._ActionTest_Action();
    const QStringList rows = Rows(win);
    const std::string folder = win.checker().foldername;
    QVERIFY(win.checker().errors);

    QCOMPARE(win._ActionClear_Action(), false);
    QVERIFY(Report(win).toPlainText().isEmpty());
    QCOMPARE(win.ReportLength(), std::size_t{0});
    QCOMPARE(Rows(win), rows);
    QVERIFY(win.checker().loaded);
    QVERIFY(win.checker().errors);
    QCOMPARE(win.checker().foldername, folder);
    QCOMPARE(chooser.starts.size(), std::size_t{1});

    // A following Test still checks the loaded files.
    win._ActionTest_Action();
    const QString text = Report(win).toPlainText();
    QVERIFY(text.startsWith(QStringLiteral(" Testing ab\n")));
    QVERIFY(text.endsWith(QStringLiteral("      ----- Files have errors -----\n\n")));
    const QList<ReportLine> report = ReadReport(Report(win));
    QCOMPARE(report.front().colour, kPurple);
  }

  void preferencesWrittenAfterAChoiceAndReadBack() {
    MapFolder world;
    FillWorld(world);
    const std::string folder = QDir(world.Path()).absolutePath().toStdString() + "/";
    {
      MainWin win(Environment());
      ScriptedChooser chooser{{world.PathStd()}, {}};
      win.SetFolderChooser(chooser.Function());
      QVERIFY(!QFile::exists(PrefsFile()));
      win._FileLoad_Action();
      QCOMPARE(ReadFile(PrefsFile()), QByteArray::fromStdString(folder + "\n"));
    }
    // The next run: the chooser opens at the saved folder; a cancel keeps it.
    MainWin win(Environment());
    ScriptedChooser chooser{{std::nullopt}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    QCOMPARE(chooser.starts, std::vector<std::string>{folder});
    QCOMPARE(win.checker().foldername, folder);
    QCOMPARE(ReadFile(PrefsFile()), QByteArray::fromStdString(folder + "\n"));
  }

  void cancelWritesNoPreferences() {
    MainWin win(Environment());
    ScriptedChooser chooser{{std::nullopt}, {}};
    win.SetFolderChooser(chooser.Function());
    win._FileLoad_Action();
    QVERIFY(!win.checker().loaded);
    QVERIFY(!QFile::exists(PrefsFile()));
    QVERIFY(!QDir(prefs_->path() + QStringLiteral("/Velmora")).exists());
  }

  void defaultEnvironmentUsesTheDesktopFolders() {
    const CheckerEnvironment env = MainWin::DefaultEnvironment();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(env.preferencesFolder, config.toStdString() + "/");
    // Test mode: never the user's real folder.
    QVERIFY(config.contains(QStringLiteral(".qttest")));
    QVERIFY(QDir::isAbsolutePath(QString::fromStdString(env.documentsFolder)));
  }

  // Set up, never shown: no test opens a real dialog.
  void folderDialogSettings() {
    MapFolder world;
    const std::unique_ptr<QFileDialog> dialog = zelvor::MakeFolderDialog(nullptr, world.PathStd());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("File Load Dialog"));
    QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Select"));
    QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
    QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
    QCOMPARE(dialog->directory().absolutePath(), QDir(world.Path()).absolutePath());
    auto* prompt = dialog->findChild<QLabel*>(QStringLiteral("PromptText"));
    QVERIFY(prompt != nullptr);
    QCOMPARE(prompt->text(), QStringLiteral("Please select the working directory containing your files"));
    QVERIFY(!prompt->isHidden());
    // The prompt stands above the folder view, in the dialog's own layout.
    auto* grid = qobject_cast<QGridLayout*>(dialog->layout());
    QVERIFY(grid != nullptr);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(prompt), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 0);
    QCOMPARE(column, 0);
    QCOMPARE(columnSpan, grid->columnCount());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
  }

  void busyWhileRunningAndCommandsWaitTheirTurn() {
    // One map large enough for the checker to yield many times.
    MapFolder world;
    QString map = QStringLiteral("<?xml ?>\n<kestrane-map title='Vastness' from='1' to='Tarn.Tarn Space.20'>\n");
    for (int i = 1; i <= 3000; ++i) {
      map += QStringLiteral("<location num='%1'>\n<name>Hall %1</name>\n<desc>Dust.</desc>\n"
                            "<exits north='%2'/>\n</location>\n")
                 .arg(i)
                 .arg(i % 3000 + 1);
    }
    map += QStringLiteral("</kestrane-map>\n");
    world.Write(QStringLiteral("vast.loc"), map);

    MainWin win(Environment());
    bool sawIdleCursorInChooser = false;
    bool clearIgnoredInChooser = false;
    win.SetFolderChooser([&](const std::string&) -> std::optional<std::string> {
      sawIdleCursorInChooser = QApplication::overrideCursor() == nullptr && win.CommandRunning();
      win._ActionClear_Action();
      clearIgnoredInChooser = win.ReportLength() == 0 && !win.checker().loaded;
      return world.PathStd();
    });
    win._FileLoad_Action();
    QVERIFY(sawIdleCursorInChooser);
    QVERIFY(clearIgnoredInChooser);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!win.CommandRunning());

    // During the run: a busy cursor, the report so far on screen, and a
    // second command ignored.
    win.SetYieldInterval(0);
    int ticks = 0;
    bool busy = false;
    bool shownSoFar = false;
    QTimer ticker;
    ticker.setInterval(0);
    connect(&ticker, &QTimer::timeout, &win, [&] {
      if (!win.CommandRunning()) return;
      if (++ticks == 1) {
        busy = QApplication::overrideCursor() != nullptr &&
               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        win._ActionTest_Action();
      }
      shownSoFar = shownSoFar || Report(win).toPlainText().contains(QStringLiteral(" Testing Vastness"));
    });
    ticker.start();
    win._ActionTest_Action();
    ticker.stop();
    QVERIFY(ticks > 1);
    QVERIFY(busy);
    QVERIFY(shownSoFar);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(Report(win).toPlainText().count(QStringLiteral(" Testing Vastness")), 1);
    const QString text = Report(win).toPlainText();
    QCOMPARE(text.count(QStringLiteral("      ----- Files have errors -----")) +
                 text.count(QStringLiteral("      No errors in these files")),
             1);
  }
};

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  zelvor::App app(argc, argv);
  CommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "commands_test.moc"
