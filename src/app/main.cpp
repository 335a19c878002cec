#include <QApplication>
#include <QIcon>

#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tessaform"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
  qAddPostRoutine(tf::resetValues);  // exit clean-up: release every program-wide value

  std::unique_ptr<tf::FormWindow> mainWindow = tf::buildWindow(QStringLiteral("MainWindow"));
  mainWindow->show();
  return app.exec();
}
