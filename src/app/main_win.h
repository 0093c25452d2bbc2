// The main window: owns the checker and shows it. Its controls are the
// checker's report field, its file list and (through a dialog) its folder
// chooser; its menu handlers run the checker's commands.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checker.h"
#include "core/checker_view.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace zelvor {

class MainMenu;
class PicCanvas;

class MainWin final : public QMainWindow, public CheckerView {
 public:
  // Given the start folder, the folder the user chose, or nothing on cancel.
  using FolderChooser = std::function<std::optional<std::string>(const std::string&)>;

  // The content area's size at start, also its minimum.
  static constexpr int kStartWidth = 780;
  static constexpr int kStartHeight = 580;
  static constexpr int kMaxSide = 32000;

  // menu: the menu bar to show, taken over; a new MainMenu when null.
  explicit MainWin(CheckerEnvironment environment = DefaultEnvironment(), MainMenu* menu = nullptr,
                   QWidget* parent = nullptr);
  ~MainWin() override;
  MainWin(const MainWin&) = delete;
  MainWin& operator=(const MainWin&) = delete;

  // The user's preferences folder and documents folder, as the desktop names
  // them.
  static CheckerEnvironment DefaultEnvironment();
  // "Zelvor - Kestrane - v" and the version.
  static QString Title();

  // Replaces the folder chooser (tests); an empty one restores the dialog.
  void SetFolderChooser(FolderChooser chooser);

  Checker& checker() { return checker_; }
  MainMenu& mainMenu() { return *menu_; }
  // The area below the menu bar that holds the controls.
  QWidget& contentArea() { return *centralWidget(); }

  // --- Menu handlers: each runs its command and returns false ----------------
  // A command given while another runs is ignored.
  bool _FileLoad_Action();
  bool _ActionTest_Action();
  bool _ActionClear_Action();
  bool CommandRunning() const { return running_; }

  // --- CheckerView -------------------------------------------------------------
  std::size_t ReportLength() const override { return reportLength_; }
  void AppendReport(std::string_view text, Rgb colour) override;
  void ClearReport() override;
  void ClearFileList() override;
  void AddFileRow(std::string_view text) override;
  std::optional<std::string> ChooseFolder(const std::string& startFolder) override;
  // Shows the report so far and lets the window paint, at most every
  // yield interval; user input waits until the command ends.
  void Yield() override;
  static constexpr int kYieldIntervalMs = 30;
  void SetYieldInterval(int milliseconds) { yieldIntervalMs_ = milliseconds; }

  // Writes the appended text that is still waiting into the report field.
  void FlushReport();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // A control and how it follows the content area's size.
  struct Anchored {
    QWidget* widget;
    QRect start;  // in a content area of kStartWidth by kStartHeight
    bool left, top, right, bottom;
  };
  // A run of appended text in one colour, not yet in the field.
  struct PendingRun {
    QString text;
    Rgb colour;
  };

  void CreateControls();
  void LayoutControls(QSize content);
  bool RunCommand(void (Checker::*command)());
  void SetBusyCursor(bool busy);

  MainMenu* menu_;
  QLabel* staticText1_ = nullptr;
  QListWidget* listBox2_ = nullptr;
  QLabel* staticText2_ = nullptr;
  QLabel* staticText3_ = nullptr;
  QListWidget* listBox3_ = nullptr;
  QPlainTextEdit* statusEditField_ = nullptr;
  PicCanvas* picCanvas_ = nullptr;
  std::vector<Anchored> anchors_;

  FolderChooser chooser_;
  std::vector<PendingRun> pending_;
  std::size_t reportLength_ = 0;
  bool running_ = false;
  bool busyCursor_ = false;
  QElapsedTimer sinceYield_;
  int yieldIntervalMs_ = kYieldIntervalMs;

  Checker checker_;
};

}  // namespace zelvor
