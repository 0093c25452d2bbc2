// Build tool: writes the application icon as a PNG, painted by the same code
// as the window's picture. Usage: zelvor-make-icon SIDE FILE
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <cstdio>

#include "app/moonscape.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zelvor-make-icon SIDE FILE\n");
    return 2;
  }
  const int side = QString::fromLocal8Bit(argv[1]).toInt();
  if (side <= 0) {
    std::fprintf(stderr, "zelvor-make-icon: bad size %s\n", argv[1]);
    return 2;
  }
  const QImage icon = zelvor::PaintIcon(side);
  if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "zelvor-make-icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
