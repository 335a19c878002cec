// The program's icon: each size is its own drawing (not a scaled one), and every window of the
// program carries the icon in its native window, where title bars and task bars take it from.

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWindow>

#include "app/windowicon.h"
#include "support/harness.h"

using namespace tf;

class DesktopIdentity : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { setProgramIdentity(); }

  void eachIconSize_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
      QTest::newRow(qPrintable(QString::number(size))) << size;
  }

  void eachIconSize() {
    QFETCH(int, size);
    const QImage drawn(QStringLiteral(":/assets/icons/tessaform-%1.png").arg(size));
    QVERIFY(!drawn.isNull());
    const QImage shown = QApplication::windowIcon().pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             drawn.convertToFormat(QImage::Format_ARGB32));
  }

  void eachWindow_data() {
    QTest::addColumn<QString>("window");
    for (const QString& name : registeredWindows()) QTest::newRow(qPrintable(name)) << name;
  }

  void eachWindow() {
    QFETCH(QString, window);
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open(window);
    QVERIFY(f->windowHandle() != nullptr);
    const QIcon icon = f->windowHandle()->icon();
    QCOMPARE(icon.cacheKey(), QApplication::windowIcon().cacheKey());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
  }
};

QTEST_MAIN(DesktopIdentity)
#include "test_desktop.moc"
