// zelvor: the desktop window of the checker.
#include "app/app.h"
#include "app/main_win.h"

int main(int argc, char** argv) {
  zelvor::App app(argc, argv);
  zelvor::MainWin window;
  window.show();
  return zelvor::App::exec();
}
