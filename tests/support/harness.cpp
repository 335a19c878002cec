#include "support/harness.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

namespace tf::test {
namespace {

// The offscreen platform's own screen is 800×600, smaller than several windows, which would then
// open shrunk and scrolling: the tests run on a virtual screen that every window fits on. Set
// before any application starts; a test that chose a platform of its own keeps it.
[[maybe_unused]] const bool kLargeScreen = [] {
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + TESSAFORM_TEST_SCREEN);
  return true;
}();

}  // namespace

Harness::Harness() {
  // Remembered settings (folders, the pack) live in a test-only place and start empty, so no
  // test sees what another test or the user's own program remembered.
  QStandardPaths::setTestModeEnabled(true);
  QSettings().clear();
  resetValues();
  setPlatform(&fake);
  setListFilePath(dir.filePath(QStringLiteral("临时文件.txt")));
}

Harness::~Harness() {
  setPlatform(nullptr);
  setListFilePath(QString());
  resetValues();
}

std::unique_ptr<FormWindow> open(const QString& windowName) {
  std::unique_ptr<FormWindow> f = buildWindow(windowName);
  if (!f) qFatal("no window named %s", qPrintable(windowName));
  f->show();
  QCoreApplication::processEvents();
  return f;
}

bool topmostAtCentre(FormWindow& f, const QString& name) {
  const ControlDeclaration& c = f.controlDeclaration(name);
  QWidget* target = f.control(name);
  QWidget* hit = f.childAt(QPoint(c.x + c.w / 2, c.y + c.h / 2));
  return hit != nullptr && (hit == target || target->isAncestorOf(hit));
}

void click(FormWindow& f, const QString& name) {
  if (!topmostAtCentre(f, name))
    qFatal("%s: %s is covered at its centre", qPrintable(f.windowName()), qPrintable(name));
  QTest::mouseClick(f.control(name), Qt::LeftButton);
}

void type(FormWindow& f, const QString& name, const QString& text) { f.setText(name, text); }

}  // namespace tf::test
