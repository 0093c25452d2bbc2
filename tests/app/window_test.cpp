// The main window: title, controls and their layout, menus, picture, and the
// ways the program ends.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app.h"
#include "app/main_menu.h"
#include "app/main_win.h"
#include "app/moonscape.h"
#include "app/pic_canvas.h"

using zelvor::CheckerEnvironment;
using zelvor::MainWin;

namespace {

struct ControlRow {
  const char* name;
  QRect start;
  bool left, top, right, bottom;
};

// The layout table: name, geometry in a 780 by 580 content area, anchors.
const ControlRow kControls[] = {
    {"StaticText1", QRect(226, 14, 181, 24), false, false, false, false},
    {"ListBox2", QRect(20, 226, 188, 172), true, true, false, true},
    {"StaticText2", QRect(20, 201, 156, 24), false, false, false, false},
    {"StaticText3", QRect(20, 400, 162, 22), true, false, false, true},
    {"ListBox3", QRect(20, 424, 188, 136), true, false, false, true},
    {"StatusEditField", QRect(226, 41, 534, 519), true, true, true, true},
    {"PicCanvas", QRect(20, 41, 188, 157), false, false, false, false},
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir prefs_;
  CheckerEnvironment Environment() const {
    return {prefs_.path().toStdString() + "/", prefs_.path().toStdString()};
  }
  static QWidget* Control(MainWin& win, const char* name) {
    return win.contentArea().findChild<QWidget*>(QString::fromLatin1(name));
  }

 private slots:
  void titleCarriesVersion() {
    MainWin win(Environment());
    QCOMPARE(win.windowTitle(), QStringLiteral("Zelvor - Kestrane - v0.16"));
    QCOMPARE(zelvor::App::Version(), QStringLiteral("0.16"));
    auto* app = dynamic_cast<zelvor::App*>(QCoreApplication::instance());
    QVERIFY(app != nullptr);
    QCOMPARE(app->version, QStringLiteral("0.16"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("0.16"));
  }

  void controlsAtStart() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    QCOMPARE(win.contentArea().size(), QSize(780, 580));
    // The content area lies right below the menu bar.
    QCOMPARE(win.contentArea().geometry().top(), win.menuBar()->geometry().bottom() + 1);
    QStringList created;
    for (QObject* child : win.contentArea().children()) {
      if (child->isWidgetType()) created << child->objectName();
    }
    QCOMPARE(created, (QStringList{"StaticText1", "ListBox2", "StaticText2", "StaticText3",
                                   "ListBox3", "StatusEditField", "PicCanvas"}));
    for (const ControlRow& row : kControls) {
      QWidget* control = Control(win, row.name);
      QVERIFY2(control != nullptr, row.name);
      QCOMPARE(control->geometry(), row.start);
      QVERIFY2(control->isVisible() && control->isEnabled(), row.name);
    }
    // None overlaps another.
    for (const ControlRow& a : kControls) {
      for (const ControlRow& b : kControls) {
        if (&a != &b) QVERIFY2(!a.start.intersects(b.start), a.name);
      }
    }
  }

  void controlKindsAndTexts() {
    MainWin win(Environment());
    QCOMPARE(qobject_cast<QLabel*>(Control(win, "StaticText1"))->text(), QStringLiteral("Status Reports"));
    QCOMPARE(qobject_cast<QLabel*>(Control(win, "StaticText2"))->text(), QStringLiteral("Location Files"));
    QCOMPARE(qobject_cast<QLabel*>(Control(win, "StaticText3"))->text(), QStringLiteral("Message Files"));
    for (const char* name : {"ListBox2", "ListBox3"}) {
      auto* list = qobject_cast<QListWidget*>(Control(win, name));
      QVERIFY2(list != nullptr, name);
      QCOMPARE(list->count(), 0);
      QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
      QCOMPARE(list->dragDropMode(), QAbstractItemView::NoDragDrop);
      QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    auto* report = qobject_cast<QPlainTextEdit*>(Control(win, "StatusEditField"));
    QVERIFY(report != nullptr);
    QVERIFY(report->isReadOnly());
    QVERIFY(report->toPlainText().isEmpty());
    QCOMPARE(report->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(report->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(report->tabChangesFocus());
    auto* canvas = dynamic_cast<zelvor::PicCanvas*>(Control(win, "PicCanvas"));
    QVERIFY(canvas != nullptr);
    QCOMPARE(canvas->focusPolicy(), Qt::NoFocus);
  }

  void reportCannotBeTypedInto() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    auto* report = qobject_cast<QPlainTextEdit*>(Control(win, "StatusEditField"));
    report->setFocus();
    QTest::keyClicks(report, QStringLiteral("typed"));
    QVERIFY(report->toPlainText().isEmpty());
  }

  void controlsFollowAnchorsOnResize() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    const int grownWidth = 220;
    const int grownHeight = 150;
    win.resize(win.size() + QSize(grownWidth, grownHeight));
    QTRY_COMPARE(win.contentArea().size(), QSize(780 + grownWidth, 580 + grownHeight));
    for (const ControlRow& row : kControls) {
      QRect expected = row.start;
      if (row.left && row.right) expected.setWidth(expected.width() + grownWidth);
      if (row.top && row.bottom) {
        expected.setHeight(expected.height() + grownHeight);
      } else if (row.bottom) {
        expected.translate(0, grownHeight);
      }
      QCOMPARE(Control(win, row.name)->geometry(), expected);
    }
    // The 20-pixel margins on the right and at the bottom stay.
    const QRect report = Control(win, "StatusEditField")->geometry();
    QCOMPARE(win.contentArea().width() - report.right() - 1, 20);
    QCOMPARE(win.contentArea().height() - report.bottom() - 1, 20);
    const QRect list2 = Control(win, "ListBox2")->geometry();
    const QRect label3 = Control(win, "StaticText3")->geometry();
    QCOMPARE(label3.top() - list2.bottom() - 1, 2);

    // And back to the start size.
    win.resize(win.size() - QSize(grownWidth, grownHeight));
    QTRY_COMPARE(win.contentArea().size(), QSize(780, 580));
    for (const ControlRow& row : kControls) QCOMPARE(Control(win, row.name)->geometry(), row.start);
  }

  void cannotShrinkBelowStartSize() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    QCOMPARE(win.contentArea().minimumSize(), QSize(780, 580));
    QCOMPARE(win.contentArea().maximumSize(), QSize(32000, 32000));
    QVERIFY(win.minimumHeight() >= 580);
    QCOMPARE(win.minimumWidth(), 780);
    win.resize(300, 200);
    QTest::qWait(50);
    QCOMPARE(win.contentArea().size(), QSize(780, 580));
  }

  void titleBarButtons() {
    MainWin win(Environment());
    const Qt::WindowFlags flags = win.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowFullscreenButtonHint));
  }

  void menuTree() {
    MainWin win(Environment());
    zelvor::MainMenu& bar = win.mainMenu();
    QCOMPARE(win.menuBar(), &bar);
    const QList<QAction*> menus = bar.actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->objectName(), QStringLiteral("FileMenu"));
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("FileMenu"));
    QCOMPARE(menus[1]->objectName(), QStringLiteral("ActionMenu"));
    QCOMPARE(menus[1]->text(), QStringLiteral("Action"));
    for (QAction* menu : menus) QVERIFY(menu->shortcut().isEmpty());

    const QList<QAction*> file = menus[0]->menu()->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0]->objectName(), QStringLiteral("FileLoad"));
    QCOMPARE(file[0]->text(), QStringLiteral("Load"));
    QCOMPARE(file[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(file[1]->objectName(), QStringLiteral("UntitledItem"));
    QVERIFY(file[1]->isSeparator());
    QVERIFY(file[1]->shortcut().isEmpty());
    QCOMPARE(file[2]->objectName(), QStringLiteral("FileQuit"));
    QCOMPARE(file[2]->text(), QStringLiteral("Quit"));
    QCOMPARE(file[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(file[2]->menuRole(), QAction::QuitRole);

    const QList<QAction*> action = menus[1]->menu()->actions();
    QCOMPARE(action.size(), 2);
    QCOMPARE(action[0]->objectName(), QStringLiteral("ActionTest"));
    QCOMPARE(action[0]->text(), QStringLiteral("Test"));
    QCOMPARE(action[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    QCOMPARE(action[1]->objectName(), QStringLiteral("ActionClear"));
    QCOMPARE(action[1]->text(), QStringLiteral("Clear Display"));
    QVERIFY(action[1]->shortcut().isEmpty());

    // Every item can be chosen at any time.
    for (const char* name : {"FileMenu", "FileLoad", "FileQuit", "ActionMenu", "ActionTest", "ActionClear"}) {
      QVERIFY2(bar.Item(name) != nullptr && bar.Item(name)->isEnabled(), name);
    }
    QVERIFY(bar.Item("NoSuchItem") == nullptr);
  }

  void moonscapeIsPaintedOnceAndFitted() {
    const QImage& first = zelvor::Moonscape();
    const QImage& second = zelvor::Moonscape();
    QCOMPARE(&first, &second);
    QCOMPARE(first.size(), QSize(188, 157));
    // A picture, not a flat colour: a dark sky above a light plain.
    QVERIFY(qGray(first.pixel(94, 5)) < 60);
    QVERIFY(qGray(first.pixel(60, 150)) > 60);
    MainWin win(Environment());
    auto* canvas = dynamic_cast<zelvor::PicCanvas*>(Control(win, "PicCanvas"));
    QCOMPARE(canvas->Shown().size(), QSize(188, 157));
    QCOMPARE(canvas->Shown().toImage().convertToFormat(first.format()), first);
  }

  void iconIsPainted() {
    const QImage icon = zelvor::PaintIcon(64);
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);   // a rounded corner
    QCOMPARE(qAlpha(icon.pixel(32, 32)), 255);
    QVERIFY(!QApplication::windowIcon().isNull());
  }

  void quitItemEndsTheEventLoop() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    QTimer::singleShot(0, &win, [&win] { win.mainMenu().Item("FileQuit")->trigger(); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });  // not ended: fail
    QCOMPARE(QApplication::exec(), 0);
  }

  void closeFromTheWindowManagerEndsLikeQuit() {
    MainWin win(Environment());
    win.show();
    QVERIFY(QTest::qWaitForWindowExposed(&win));
    QTimer::singleShot(0, &win, [&win] { win.close(); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!win.isVisible());
  }

  void shortcutsRunTheCommands() {
    MainWin win(Environment());
    int chooserCalls = 0;
    win.SetFolderChooser([&](const std::string&) -> std::optional<std::string> {
      ++chooserCalls;
      return std::string(ZELVOR_SOURCE_DIR "/examples/clean-world");
    });
    win.show();
    QApplication::setActiveWindow(&win);
    QVERIFY(QTest::qWaitForWindowActive(&win));
    QTest::keySequence(&win, QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(chooserCalls, 1);
    QVERIFY(win.checker().loaded);
    auto* report = qobject_cast<QPlainTextEdit*>(Control(win, "StatusEditField"));
    QVERIFY(!report->toPlainText().contains(QStringLiteral("Testing")));
    QTest::keySequence(&win, QKeySequence(QStringLiteral("Ctrl+T")));
    QVERIFY(report->toPlainText().contains(QStringLiteral("      No errors in these files")));
  }
};

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  zelvor::App app(argc, argv);
  WindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
