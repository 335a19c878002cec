// On a screen smaller than a window (a 1366×768 laptop; or, with TESSAFORM_SMALL_SCREEN set to
// "1920x1200@2", a 1200-pixel screen at 200 % scaling), the window opens at the screen's
// available size and scrolls: every control keeps its declared place on the scrolling canvas,
// and the lowest one can be scrolled to and reached by Tab.

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "support/harness.h"
#include "ui/focusorder.h"

using namespace tf;

namespace {

// The screen in pixels and the scaling; the windows see its size divided by the scaling.
struct Screen {
  QSize pixels{1366, 768};
  int scale = 1;
};

Screen chosenScreen() {
  Screen screen;
  const QString chosen = qEnvironmentVariable("TESSAFORM_SMALL_SCREEN");
  static const QRegularExpression form(QStringLiteral("^(\\d+)x(\\d+)@(\\d+)$"));
  const QRegularExpressionMatch m = form.match(chosen);
  if (m.hasMatch()) {
    screen.pixels = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    screen.scale = qMax(1, m.captured(3).toInt());
  }
  return screen;
}

const ControlDeclaration& lowest(const FormDeclaration& form) {
  const ControlDeclaration* low = nullptr;
  for (const ControlDeclaration& c : form.controls) {
    if (c.kind == ControlKind::FileDialog || c.x >= form.width || c.y >= form.height) continue;
    if (low == nullptr || c.y + c.h > low->y + low->h) low = &c;
  }
  return *low;
}

// Whether the control is in the part of the window the user sees.
bool inView(FormWindow& f, const QString& name) {
  QWidget* w = f.control(name);
  const QRect onWindow(w->mapTo(&f, QPoint(0, 0)), w->size());
  auto* area = f.findChild<QScrollArea*>();
  const QRect view(area->viewport()->mapTo(&f, QPoint(0, 0)), area->viewport()->size());
  // On each axis the control lies inside the view, or covers it when it is larger.
  const bool across = (onWindow.left() >= view.left() && onWindow.right() <= view.right()) ||
                      (onWindow.left() <= view.left() && onWindow.right() >= view.right());
  const bool down = (onWindow.top() >= view.top() && onWindow.bottom() <= view.bottom()) ||
                    (onWindow.top() <= view.top() && onWindow.bottom() >= view.bottom());
  return across && down;
}

// Whether enough of the control is in sight to work in it: a line of it at least.
bool partlyInView(FormWindow& f, const QString& name) {
  QWidget* w = f.control(name);
  const QRect onWindow(w->mapTo(&f, QPoint(0, 0)), w->size());
  auto* area = f.findChild<QScrollArea*>();
  const QRect view(area->viewport()->mapTo(&f, QPoint(0, 0)), area->viewport()->size());
  const QRect seen = onWindow.intersected(view);
  return seen.height() >= qMin(w->height(), 24) && seen.width() >= qMin(w->width(), 24);
}

}  // namespace

class SmallScreen : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const Screen screen = chosenScreen();
    QCOMPARE(QGuiApplication::primaryScreen()->size(), screen.pixels / screen.scale);
  }

  void eachWindow_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : registeredWindows()) QTest::newRow(qPrintable(name)) << name;
  }
  void eachWindow() {
    QFETCH(QString, window);
    test::Harness h;
    auto f = test::open(window);
    const FormDeclaration& form = f->declaration();
    const QRect available = f->screen()->availableGeometry();
    const QSize declared(form.width, form.height);
    const bool shrunk = f->size() != declared;
    QVERIFY(f->width() <= available.width() && f->height() <= available.height());
    // Too large for the screen: shrunk; with ample room: as declared, where it always opens.
    if (form.width > available.width() || form.height > available.height()) QVERIFY(shrunk);
    if (form.width + 100 <= available.width() && form.height + 100 <= available.height()) {
      QVERIFY(!shrunk);
      QCOMPARE(f->pos(), QPoint(50, 50));
    }
    QVERIFY(available.contains(f->geometry().topLeft()));
    for (const ControlDeclaration& c : form.controls)
      if (c.kind != ControlKind::FileDialog)
        QCOMPARE(f->control(c.name)->geometry(), QRect(c.x, c.y, c.w, c.h));

    // Only the direction that does not fit scrolls.
    auto* area = f->findChild<QScrollArea*>();
    if (form.width + 20 <= available.width()) QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    // Scrolled to its end, the window shows its lowest control: wholly, or as much of it as the
    // view holds when it is taller than the view.
    const ControlDeclaration& low = lowest(form);
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    area->horizontalScrollBar()->setValue(qMin(low.x, area->horizontalScrollBar()->maximum()));
    QCoreApplication::processEvents();
    const bool tallerThanView = low.h > area->viewport()->height();
    QVERIFY2(inView(*f, low.name) || (tallerThanView && partlyInView(*f, low.name)),
             qPrintable(low.name + " cannot be scrolled to"));
    if (!shrunk) return;

    // Tab to the last control in reading order brings it into sight.
    area->verticalScrollBar()->setValue(0);
    area->horizontalScrollBar()->setValue(0);
    const QStringList order = readingOrder(form);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    f->control(order.front())->setFocus();
    for (qsizetype i = 1; i < order.size(); ++i)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->control(order.back()));
    QVERIFY2(partlyInView(*f, order.back()), qPrintable(order.back() + " is out of sight"));
  }
};

// The virtual screen is chosen before the application starts.
int main(int argc, char* argv[]) {
  const Screen screen = chosenScreen();
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(QStringLiteral("{\"screens\": [{\"name\": \"laptop\", \"x\": 0, \"y\": 0, "
                            "\"width\": %1, \"height\": %2, \"logicalDpi\": 96}]}")
                 .arg(screen.pixels.width())
                 .arg(screen.pixels.height())
                 .toUtf8());
  file.close();
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toUtf8());
  qputenv("QT_SCALE_FACTOR", QByteArray::number(screen.scale));
  QApplication app(argc, argv);
  SmallScreen test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_smallscreen.moc"
