#include "app/app.h"

#include "app/moonscape.h"
#include "core/version.h"

namespace zelvor {

App::App(int& argc, char** argv) : QApplication(argc, argv), version(Version()) {
  setApplicationName(QStringLiteral("zelvor"));
  setApplicationVersion(version);
  setDesktopFileName(QStringLiteral("zelvor"));
  setWindowIcon(AppIcon());
}

QString App::Version() {
  return QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size()));
}

}  // namespace zelvor
