// tessaform-screenshot WINDOW OUT.png: builds one window of the program by its name, as it looks
// when it opens, and saves a picture of it. scripts/screenshots.sh makes README's pictures with
// it under a virtual X server.

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTextStream>
#include <QWindow>

#include <cstdio>

#include "app/windowicon.h"
#include "ui/fakeplatform.h"
#include "ui/formwindow.h"
#include "ui/language.h"
#include "ui/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tessaform"));
  tf::setProgramIdentity();
  tf::useSystemLanguage();  // as the program does: LANG and the other locale variables decide
  QTextStream err(stderr);

  const QStringList args = QApplication::arguments();
  if (args.size() != 3) {
    err << "usage: tessaform-screenshot WINDOW OUT.png\nwindows: "
        << tf::registeredWindows().join(QStringLiteral(" ")) << "\n";
    return 2;
  }
  const QString& name = args.at(1);
  const QString& out = args.at(2);

  // A platform that never waits on a user, so that a notice a window shows as it opens cannot
  // hold the picture up.
  tf::FakePlatform quiet;
  tf::setPlatform(&quiet);

  std::unique_ptr<tf::FormWindow> window = tf::buildWindow(name);
  if (!window) {
    err << "no window is named " << name
        << "; windows: " << tf::registeredWindows().join(QStringLiteral(" ")) << "\n";
    return 1;
  }
  window->show();
  QElapsedTimer waited;
  waited.start();
  while (!window->windowHandle()->isExposed() && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  QApplication::processEvents();

  const QPixmap picture = window->grab();
  window.reset();
  tf::setPlatform(nullptr);
  if (!picture.save(out, "PNG")) {
    err << "cannot write " << out << "\n";
    return 1;
  }
  return 0;
}
