#include <QApplication>

#include "app/windowicon.h"
#include "check/commandline.h"
#include "forms/values.h"
#include "pack/packcommand.h"
#include "ui/formwindow.h"
#include "ui/language.h"
#include "ui/packservice.h"
#include "ui/registry.h"

int main(int argc, char* argv[]) {
  // "--check" and "--help" need no window system: decided before any QApplication exists.
  if (tf::cli::isCommandLine(argc, argv))
    return tf::cli::runCommandLine(argc, argv, &tf::packcli::openPack,
                                   [] { tf::useSystemLanguage(); });
  QApplication app(argc, argv);
  // Settings that the program remembers across runs (QSettings) are kept under this name.
  QApplication::setOrganizationName(QStringLiteral("tessaform"));
  QApplication::setApplicationName(QStringLiteral("tessaform"));
  tf::setProgramIdentity();
  tf::useSystemLanguage();           // Chinese on a Chinese desktop, English elsewhere
  qAddPostRoutine(tf::resetValues);  // exit clean-up: release every program-wide value

  std::unique_ptr<tf::FormWindow> mainWindow = tf::buildWindow(QStringLiteral("MainWindow"));
  mainWindow->show();
  // The remembered pack is read in the background; the window does not wait for it.
  tf::PackService::instance().loadRemembered();
  return app.exec();
}
