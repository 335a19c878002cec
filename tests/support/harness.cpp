#include "support/harness.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

namespace tf::test {

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
