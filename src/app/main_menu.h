// The menu bar: File (Load, a separator, Quit) and Action (Test, Clear
// Display). Menus and items are found by their object names.
#pragma once

#include <QMenuBar>

class QAction;
class QMenu;

namespace zelvor {

class MainMenu final : public QMenuBar {
 public:
  explicit MainMenu(QWidget* parent = nullptr);

  // The menu or item of that name (FileMenu, FileLoad, UntitledItem, FileQuit,
  // ActionMenu, ActionTest, ActionClear); null for any other name.
  QAction* Item(const char* name) const;
  QMenu* Menu(const char* name) const;
};

}  // namespace zelvor
