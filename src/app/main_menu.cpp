#include "app/main_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

namespace zelvor {
namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& text) {
  auto* menu = new QMenu(text, &bar);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  bar.addMenu(menu);
  return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const QString& text, const char* shortcut) {
  QAction* item = menu.addAction(text);
  item->setObjectName(QString::fromLatin1(name));
  if (shortcut != nullptr) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  return item;
}

}  // namespace

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent) {
  setObjectName(QStringLiteral("MainMenu"));

  QMenu* file = AddMenu(*this, "FileMenu", QStringLiteral("&File"));
  AddItem(*file, "FileLoad", QStringLiteral("Load"), "Ctrl+L");
  file->addSeparator()->setObjectName(QStringLiteral("UntitledItem"));
  QAction* quit = AddItem(*file, "FileQuit", QStringLiteral("Quit"), "Ctrl+Q");
  // The toolkit's own quit item.
  quit->setMenuRole(QAction::QuitRole);
  connect(quit, &QAction::triggered, this, [] { QCoreApplication::quit(); });

  QMenu* action = AddMenu(*this, "ActionMenu", QStringLiteral("Action"));
  AddItem(*action, "ActionTest", QStringLiteral("Test"), "Ctrl+T");
  AddItem(*action, "ActionClear", QStringLiteral("Clear Display"), nullptr);
}

QAction* MainMenu::Item(const char* name) const {
  const QString wanted = QString::fromLatin1(name);
  for (QAction* top : actions()) {
    if (top->objectName() == wanted) return top;
    if (QMenu* menu = top->menu()) {
      for (QAction* item : menu->actions()) {
        if (item->objectName() == wanted) return item;
      }
    }
  }
  return nullptr;
}

QMenu* MainMenu::Menu(const char* name) const {
  QAction* item = Item(name);
  return item != nullptr ? item->menu() : nullptr;
}

}  // namespace zelvor
