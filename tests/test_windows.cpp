// Every window of the program, built from its declaration: title, size, place, every control
// at its place with its name, and each control that a user clicks or types into reachable at
// its centre (no label or box lying on top of it).

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "support/harness.h"

using namespace tf;

class AllWindows : public QObject {
  Q_OBJECT

 private slots:
  void eachWindow_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : registeredWindows()) QTest::newRow(qPrintable(name)) << name;
  }

  void eachWindow() {
    QFETCH(QString, window);
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open(window);
    QCOMPARE(f->objectName(), window);
    QCOMPARE(f->size(), QSize(f->declaration().width, f->declaration().height));
    QCOMPARE(f->pos(), QPoint(50, 50));
    QCOMPARE(f->windowTitle(), f->declaration().title);
    for (const ControlDeclaration& c : f->declaration().controls) {
      if (c.kind == ControlKind::FileDialog) continue;
      QWidget* w = f->control(c.name);
      QCOMPARE(w->objectName(), c.name);
      QCOMPARE(w->geometry(), QRect(c.x, c.y, c.w, c.h));
      if (auto* b = qobject_cast<QAbstractButton*>(w)) QCOMPARE(b->text(), c.text);
      if (c.kind == ControlKind::Label) QCOMPARE(qobject_cast<QLabel*>(w)->text(), c.text);
      if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QCOMPARE(combo->currentText(), QString());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        QCOMPARE(items, c.items);
      }
      // Separator bars (caption-less buttons) only draw a bar; captions may lie across them.
      const bool separatorBar = c.kind == ControlKind::Button && c.text.isEmpty();
      const bool interactive = c.kind != ControlKind::Label && c.kind != ControlKind::Picture &&
                               c.kind != ControlKind::Progress && !separatorBar;
      const bool inSight = c.x + c.w / 2 < f->width() && c.y + c.h / 2 < f->height();
      if (interactive && inSight && !test::topmostAtCentre(*f, c.name))
        QFAIL(qPrintable(c.name + " is covered at its centre"));
    }
  }
};

QTEST_MAIN(AllWindows)
#include "test_windows.moc"
