// The application object: the toolkit's application, carrying the version.
#pragma once

#include <QApplication>
#include <QString>

namespace zelvor {

class App final : public QApplication {
 public:
  App(int& argc, char** argv);

  // The version text shown in the window title.
  static QString Version();

  const QString version;
};

}  // namespace zelvor
