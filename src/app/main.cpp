#include <QApplication>

#include "app/windowicon.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/language.h"
#include "ui/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Settings that the program remembers across runs (QSettings) are kept under this name.
  QApplication::setOrganizationName(QStringLiteral("tessaform"));
  QApplication::setApplicationName(QStringLiteral("tessaform"));
  tf::setProgramIdentity();
  tf::useSystemLanguage();           // Chinese on a Chinese desktop, English elsewhere
  qAddPostRoutine(tf::resetValues);  // exit clean-up: release every program-wide value

  std::unique_ptr<tf::FormWindow> mainWindow = tf::buildWindow(QStringLiteral("MainWindow"));
  mainWindow->show();
  return app.exec();
}
