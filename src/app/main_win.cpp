#include "app/main_win.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStandardPaths>
#include <QTextCharFormat>
#include <QTextCursor>

#include <utility>

#include "app/app.h"
#include "app/folder_dialog.h"
#include "app/main_menu.h"
#include "app/moonscape.h"
#include "app/pic_canvas.h"
#include "core/text.h"

namespace zelvor {
namespace {

// The area below the menu bar; lays its controls out again on every resize.
class ContentArea final : public QWidget {
 public:
  explicit ContentArea(std::function<void(QSize)> layOut) : layOut_(std::move(layOut)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    layOut_(event->size());
  }

 private:
  std::function<void(QSize)> layOut_;
};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A local path as the checker holds it: the file system's bytes.
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QListWidget* MakeListBox(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setDragDropMode(QAbstractItemView::NoDragDrop);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setUniformItemSizes(true);
  return list;
}

}  // namespace

MainWin::MainWin(CheckerEnvironment environment, MainMenu* menu, QWidget* parent)
    : QMainWindow(parent),
      menu_(menu != nullptr ? menu : new MainMenu),
      checker_(*this, std::move(environment)) {
  setObjectName(QStringLiteral("MainWin"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint);
  setMenuBar(menu_);

  auto* content = new ContentArea([this](QSize size) { LayoutControls(size); });
  content->setObjectName(QStringLiteral("ContentArea"));
  content->setMinimumSize(kStartWidth, kStartHeight);
  content->setMaximumSize(kMaxSide, kMaxSide);
  setCentralWidget(content);
  CreateControls();
  LayoutControls(QSize(kStartWidth, kStartHeight));

  connect(menu_->Item("FileLoad"), &QAction::triggered, this, [this] { _FileLoad_Action(); });
  connect(menu_->Item("ActionTest"), &QAction::triggered, this, [this] { _ActionTest_Action(); });
  connect(menu_->Item("ActionClear"), &QAction::triggered, this, [this] { _ActionClear_Action(); });

  SetFolderChooser(nullptr);
  setWindowTitle(Title());
  // The window follows the content area's limits, plus the menu bar.
  layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
  layout()->activate();
  resize(minimumSize());
}

MainWin::~MainWin() {
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

CheckerEnvironment MainWin::DefaultEnvironment() {
  CheckerEnvironment environment;
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (!config.isEmpty()) environment.preferencesFolder = LocalPath(config) + "/";
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty() || !QDir(documents).exists()) {
    documents = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
  }
  environment.documentsFolder = LocalPath(documents);
  return environment;
}

QString MainWin::Title() { return QStringLiteral("Zelvor - Kestrane - v") + App::Version(); }

void MainWin::CreateControls() {
  QWidget* content = centralWidget();
  // In this order; the anchors say which edges each control follows.
  staticText1_ = MakeLabel(content, "StaticText1", QStringLiteral("Status Reports"));
  anchors_.push_back({staticText1_, QRect(226, 14, 181, 24), false, false, false, false});

  listBox2_ = MakeListBox(content, "ListBox2");
  anchors_.push_back({listBox2_, QRect(20, 226, 188, 172), true, true, false, true});

  staticText2_ = MakeLabel(content, "StaticText2", QStringLiteral("Location Files"));
  anchors_.push_back({staticText2_, QRect(20, 201, 156, 24), false, false, false, false});

  staticText3_ = MakeLabel(content, "StaticText3", QStringLiteral("Message Files"));
  anchors_.push_back({staticText3_, QRect(20, 400, 162, 22), true, false, false, true});

  listBox3_ = MakeListBox(content, "ListBox3");
  anchors_.push_back({listBox3_, QRect(20, 424, 188, 136), true, false, false, true});

  statusEditField_ = new QPlainTextEdit(content);
  statusEditField_->setObjectName(QStringLiteral("StatusEditField"));
  statusEditField_->setReadOnly(true);
  statusEditField_->setUndoRedoEnabled(false);
  statusEditField_->setTabChangesFocus(true);
  statusEditField_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  statusEditField_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  statusEditField_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = statusEditField_->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  statusEditField_->setPalette(palette);
  anchors_.push_back({statusEditField_, QRect(226, 41, 534, 519), true, true, true, true});

  picCanvas_ = new PicCanvas(content);
  picCanvas_->setObjectName(QStringLiteral("PicCanvas"));
  picCanvas_->SetBackdrop(Moonscape());
  anchors_.push_back({picCanvas_, QRect(20, 41, 188, 157), false, false, false, false});
}

void MainWin::LayoutControls(QSize content) {
  const int grownWidth = content.width() - kStartWidth;
  const int grownHeight = content.height() - kStartHeight;
  for (const Anchored& a : anchors_) {
    QRect r = a.start;
    // Left and right: both margins kept; right only: moves; else stays.
    if (a.left && a.right) {
      r.setWidth(r.width() + grownWidth);
    } else if (a.right) {
      r.translate(grownWidth, 0);
    }
    // Top and bottom: both margins kept; bottom only: moves; else stays.
    if (a.top && a.bottom) {
      r.setHeight(r.height() + grownHeight);
    } else if (a.bottom) {
      r.translate(0, grownHeight);
    }
    a.widget->setGeometry(r);
  }
}

void MainWin::SetFolderChooser(FolderChooser chooser) {
  if (chooser) {
    chooser_ = std::move(chooser);
  } else {
    chooser_ = [this](const std::string& start) { return ChooseFolderWithDialog(this, start); };
  }
}

// --- Commands ----------------------------------------------------------------

bool MainWin::_FileLoad_Action() {
  RunCommand(&Checker::LoadCommand);
  return false;
}

bool MainWin::_ActionTest_Action() {
  RunCommand(&Checker::TestCommand);
  return false;
}

bool MainWin::_ActionClear_Action() {
  RunCommand(&Checker::ClearDisplay);
  return false;
}

bool MainWin::RunCommand(void (Checker::*command)()) {
  if (running_) return false;
  running_ = true;
  SetBusyCursor(true);
  sinceYield_.invalidate();
  struct Finish {
    MainWin& window;
    ~Finish() {
      window.FlushReport();
      window.SetBusyCursor(false);
      window.running_ = false;
    }
  } finish{*this};
  (checker_.*command)();
  return true;
}

void MainWin::SetBusyCursor(bool busy) {
  if (busy == busyCursor_) return;
  busyCursor_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void MainWin::closeEvent(QCloseEvent* event) {
  // No close button, but a window manager may still ask: end as Quit does.
  event->accept();
  QCoreApplication::quit();
}

// --- CheckerView -----------------------------------------------------------------

void MainWin::AppendReport(std::string_view text, Rgb colour) {
  reportLength_ += Len(text);
  if (!pending_.empty() && pending_.back().colour == colour) {
    pending_.back().text += FromUtf8(text);
  } else {
    pending_.push_back({FromUtf8(text), colour});
  }
}

void MainWin::FlushReport() {
  if (pending_.empty()) return;
  QTextCursor cursor(statusEditField_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  for (const PendingRun& run : pending_) {
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(run.colour));
    cursor.insertText(run.text, format);
  }
  cursor.endEditBlock();
  pending_.clear();
  statusEditField_->moveCursor(QTextCursor::End);
  statusEditField_->ensureCursorVisible();
}

void MainWin::ClearReport() {
  pending_.clear();
  statusEditField_->clear();
  reportLength_ = 0;
}

void MainWin::ClearFileList() { listBox2_->clear(); }

void MainWin::AddFileRow(std::string_view text) { listBox2_->addItem(FromUtf8(text)); }

std::optional<std::string> MainWin::ChooseFolder(const std::string& startFolder) {
  FlushReport();
  // The ordinary cursor while the user chooses.
  const bool wasBusy = busyCursor_;
  SetBusyCursor(false);
  std::optional<std::string> chosen = chooser_(startFolder);
  SetBusyCursor(wasBusy);
  return chosen;
}

void MainWin::Yield() {
  if (sinceYield_.isValid() && sinceYield_.elapsed() < yieldIntervalMs_) return;
  FlushReport();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceYield_.start();
}

}  // namespace zelvor
