// Text services and the list file, without windows.

#include <QDir>
#include <QTest>

#include "support/harness.h"

using namespace tf;

class TextServices : public QObject {
  Q_OBJECT

 private slots:
  void splitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one line, no break") << "a" << QStringList{"a"};
    QTest::newRow("two ids, trailing break") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("two ids, no trailing break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty line between") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("a single break") << "\r\n" << QStringList{""};
    QTest::newRow("two breaks") << "\r\n\r\n" << QStringList{"", ""};
    QTest::newRow("lone LF and CR stay inside") << "a\nb\rc\r\nd" << QStringList{"a\nb\rc", "d"};
    QTest::newRow("CR before CR LF") << "a\r\r\nb" << QStringList{"a\r", "b"};
    QTest::newRow("Chinese") << "石头\r\n泥土" << QStringList{"石头", "泥土"};
  }
  void splitting() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
    QCOMPARE(countLines(text), lines.size());
  }

  void search() {
    QCOMPARE(findText("a/b.zs", ".zs"), 4);
    QCOMPARE(findText("a/B.ZS", ".zs"), -1);
    QCOMPARE(findText("x.zs/y", ".zs"), 2);
    QCOMPARE(findText("", ".zs"), -1);
  }

  void numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("digits") << "123" << qint64(123);
    QTest::newRow("leading integer") << "42abc" << qint64(42);
    QTest::newRow("no digits") << "abc" << qint64(0);
    QTest::newRow("negative") << "-7" << qint64(-7);
    QTest::newRow("leading blank is not a number") << " 5" << qint64(0);
    QTest::newRow("huge saturates") << "99999999999999999999999" << qint64(9223372036854775807LL);
  }
  void numbers() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(textToNumber(text), value);
  }

  void numberText() {
    QCOMPARE(numberToText(0), QString("0"));
    QCOMPARE(numberToText(-15), QString("-15"));
    QCOMPARE(numberToText(2147483647), QString("2147483647"));
  }

  void bytes() {
    QCOMPARE(toBytes("阶段"), QByteArray("\xe9\x98\xb6\xe6\xae\xb5"));
    QCOMPARE(fromBytes(QByteArray("\xe9\x98\xb6\xe6\xae\xb5")), QString("阶段"));
    // GBK bytes of "钻石", as another editor saves them: not valid UTF-8
    QCOMPARE(fromBytes(QByteArray("\xd7\xea\xca\xaf")), QString("钻石"));
    QCOMPARE(fromBytes(QByteArray("ab\0cd", 5)), QString("ab"));
    QCOMPARE(toCrLf("a\nb"), QString("a\r\nb"));
    QCOMPARE(fromCrLf("a\r\nb"), QString("a\nb"));
  }

  void listFile() {
    test::Harness h;
    QCOMPARE(readListLine(1), QString());  // no file yet
    QVERIFY(writeListFile("a\r\n\r\nc\r\n").isEmpty());
    QCOMPARE(readWholeFile(listFilePath()), QByteArray("a\r\n\r\nc\r\n"));
    QCOMPARE(readListLines(), (QStringList{"a", "", "c"}));
    QCOMPARE(readListLine(1), QString("a"));
    QCOMPARE(readListLine(2), QString());
    QCOMPARE(readListLine(3), QString("c"));
    // outside the list: the empty text, never a read beyond it
    QCOMPARE(readListLine(0), QString());
    QCOMPARE(readListLine(-1), QString());
    QCOMPARE(readListLine(4), QString());
  }

  void listFileBesideAPortableCopyOnly() {
    test::Harness h;
    const QString portable = h.path("portable");
    const QString installed = h.path("usr/bin");
    QVERIFY(QDir().mkpath(portable));
    QVERIFY(QDir().mkpath(installed));
    QVERIFY(QDir().mkpath(h.path("usr/share")));
    QVERIFY(isPortableFolder(portable));
    QVERIFY(!isPortableFolder(installed));          // installed, even when writable
    QVERIFY(!isPortableFolder(h.path("nowhere")));  // missing folder
    QVERIFY(!isPortableFolder(QString()));
  }

  void failedWriteKeepsOldFile() {
    test::Harness h;
    const QString target = h.path("keep.zs");
    QVERIFY(writeWholeFile(target, "old").isEmpty());
    QVERIFY(!writeWholeFile(h.path("missing/x.zs"), "new").isEmpty());
    QVERIFY(!writeWholeFile(h.dir.path(), "new").isEmpty());
    QVERIFY(!writeWholeFile(QString(), "new").isEmpty());
    QVERIFY(!writeWholeFile(target + "/inside", "new").isEmpty());
    QCOMPARE(readWholeFile(target), QByteArray("old"));
  }
};

QTEST_MAIN(TextServices)
#include "test_text.moc"
