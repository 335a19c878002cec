// Faults and loads: exports that cannot be written, a disk that fills up, huge and damaged list
// files, and texts that no encoding may spoil on their way from a box into a file.

#include <QDir>
#include <QFile>
#include <QProcess>

#include "support/harness.h"

using namespace tf;

namespace {

// Chinese, an emoji outside the BMP, a family emoji joined by zero-width joiners, combining
// accents, a no-break space, a line separator, a right-to-left mark and a byte-order mark.
const QString kUnspoilable = QStringLiteral(
    "石头·泥土 🪨 👩‍👩‍👧 e\u0301a\u0300\u0323 a\u00a0b\u2028c\u200fd\ufeffe");

// Writes ExportBuffer through ExportWindow to path, as a user presses "写入脚本到".
std::unique_ptr<FormWindow> exportTo(const QString& path) {
  auto f = test::open("ExportWindow");
  test::type(*f, "编辑框4", path);
  test::click(*f, "添加一个配方2");
  return f;
}

// Stores a list as a user does in BatchImportWindow.
void storeList(test::Harness& h, const QString& list) {
  auto f = test::open("BatchImportWindow");
  test::type(*f, "编辑框1", list);
  test::click(*f, "按钮1");
  QCOMPARE(h.fake.messages.size(), 1);
  QCOMPARE(h.fake.messages.front().text, QString("写入完毕！"));
  h.fake.messages.clear();
}

// A small memory file system mounted for one test; unmounted when it ends.
class SmallDisk {
 public:
  explicit SmallDisk(const QString& dir) : dir_(dir) {
    QDir().mkpath(dir_);
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir_});
    mounted_ = mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit &&
               mount.exitCode() == 0;
    if (!mounted_) reason_ = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    if (!mounted_ && reason_.isEmpty()) reason_ = mount.errorString();
  }
  ~SmallDisk() {
    if (mounted_) QProcess::execute("umount", {"-l", dir_});
  }
  bool mounted() const { return mounted_; }
  QString reason() const { return reason_; }

 private:
  QString dir_;
  bool mounted_ = false;
  QString reason_;
};

}  // namespace

class Faults : public QObject {
  Q_OBJECT

 private slots:
  // Each failed export says so with a warning, never "写入完成！", leaves the progress bar at 0,
  // and writes nothing anywhere.
  void exportThatCannotBeWritten_data() {
    QTest::addColumn<QString>("place");
    QTest::newRow("empty path") << "";
    QTest::newRow("missing folder") << "missing/out.zs";
    QTest::newRow("path is a folder") << "folder";
    QTest::newRow("file inside a regular file") << "regular.zs/out.zs";
  }
  void exportThatCannotBeWritten() {
    QFETCH(QString, place);
    test::Harness h;
    QVERIFY(QDir(h.dir.path()).mkdir("folder"));
    QVERIFY(writeWholeFile(h.path("folder/inside.zs"), "kept").isEmpty());
    QVERIFY(writeWholeFile(h.path("regular.zs"), "old bytes").isEmpty());
    const QStringList before =
        QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    values().exportBuffer = "recipes.remove(<minecraft:stone>,false);\r\n";

    auto f = exportTo(place.isEmpty() ? QString() : h.path(place));

    QCOMPARE(h.fake.messages.size(), 1);
    QCOMPARE(h.fake.messages.front().flags, int(kMessageWarning));
    QVERIFY(h.fake.messages.front().text.startsWith("写入失败："));
    QCOMPARE(f->progress("进度条1"), 0);
    QCOMPARE(QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(readWholeFile(h.path("regular.zs")), QByteArray("old bytes"));
    QCOMPARE(readWholeFile(h.path("folder/inside.zs")), QByteArray("kept"));
    QVERIFY(QFileInfo(h.path("folder")).isDir());
  }

  // A disk that fills up during the write: the old file keeps its bytes and no half-written
  // file is left beside it.
  void exportToFullDisk() {
    test::Harness h;
    SmallDisk disk(h.path("small"));
    if (!disk.mounted())
      QSKIP(qPrintable("cannot mount a 64 KiB tmpfs here (needs root): " + disk.reason()));
    const QString target = h.path("small/script.zs");
    QVERIFY(writeWholeFile(target, "old script\r\n").isEmpty());
    values().exportBuffer = QByteArray(256 * 1024, 'x');

    auto f = exportTo(target);

    QCOMPARE(h.fake.messages.size(), 1);
    QCOMPARE(h.fake.messages.front().flags, int(kMessageWarning));
    QVERIFY(h.fake.messages.front().text != "写入完成！");
    QCOMPARE(f->progress("进度条1"), 0);
    QCOMPARE(readWholeFile(target), QByteArray("old script\r\n"));
    QCOMPARE(QDir(h.path("small")).entryList(QDir::Files | QDir::Hidden), QStringList{"script.zs"});
  }

  // 50 MB pasted into BatchImportWindow: the file holds it byte for byte and reads back whole.
  void hugePaste() {
    test::Harness h;
    // Ids, and long lines of Chinese: 50 MB as UTF-8.
    QString paste;
    qsizetype bytes = 0;
    for (int i = 0; bytes < 50 * 1024 * 1024; ++i) {
      const QString ids =
          "minecraft:stone_" + QString::number(i) + "\r\n" + QString(4000, QChar(u'石')) + "\r\n";
      paste += ids;
      bytes += toBytes(ids).size();
    }
    storeList(h, paste);
    QCOMPARE(readWholeFile(listFilePath()), toBytes(paste));
    const QStringList lines = readListLines();
    QCOMPARE(QString::number(lines.size()), values().batchCount);
    QCOMPARE(lines.join("\r\n") + "\r\n", paste);
    QCOMPARE(readListLine(lines.size()), lines.last());
  }

  void millionLineList() {
    test::Harness h;
    QString list;
    for (int i = 1; i <= 1'000'000; ++i) list += "modid:item_" + QString::number(i) + "\r\n";
    QVERIFY(writeListFile(list).isEmpty());
    const QStringList lines = readListLines();
    QCOMPARE(lines.size(), 1'000'000);
    QCOMPARE(lines.front(), QString("modid:item_1"));
    QCOMPARE(lines.back(), QString("modid:item_1000000"));
    QCOMPARE(readListLine(1'000'000), QString("modid:item_1000000"));
    QCOMPARE(readListLine(1'000'001), QString());
  }

  // The list file changed from outside between "写入" and a read: every line number the stored
  // count allows, and one beyond, gives what the file now holds, or nothing.
  void listChangedAfterStoring_data() {
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QByteArray>("now");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("shortened at a line break")
        << false << QByteArray("石头\r\n") << QStringList{"石头"};
    QTest::newRow("shortened inside a character")
        << false << QByteArray("石头\r\n\xe6\xb3") << QStringList{"石头", "\ufffd\ufffd"};
    QTest::newRow("emptied") << false << QByteArray() << QStringList{};
    QTest::newRow("deleted") << true << QByteArray() << QStringList{};
    QTest::newRow("zero bytes and invalid UTF-8")
        << false << QByteArray("石头\r\n\xff\xfe\r\n") + '\0' + QByteArray("泥土\r\n圆石\r\n")
        << QStringList{"石头", "\ufffd\ufffd"};
  }
  void listChangedAfterStoring() {
    QFETCH(bool, remove);
    QFETCH(QByteArray, now);
    QFETCH(QStringList, lines);
    test::Harness h;
    storeList(h, "石头\r\n泥土\r\n圆石\r\n");
    QCOMPARE(values().batchCount, QString("3"));
    if (remove) {
      QVERIFY(QFile::remove(listFilePath()));
    } else {
      QFile file(listFilePath());
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      QCOMPARE(file.write(now), now.size());
    }
    QCOMPARE(readListLines(), lines);
    for (qint64 n = 0; n <= 4; ++n) QCOMPARE(readListLine(n), lines.value(n - 1));
  }

  // What a user types reaches the file unchanged: every script box through ExportWindow, and
  // the batch box into the list file. Line breaks inside a box text become CR LF there.
  void unspoiledIntoTheFile_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    const QStringList grid{"编辑框4", "编辑框13", "编辑框5", "a", "b", "c",
                           "d",       "e",        "f",       "g", "h", "i"};
    for (const auto& [name, text] :
         {std::pair{"", kUnspoilable}, std::pair{" with line breaks", QString("a\rb\nc\r\r\nd")}}) {
      const QString u = text;
      const QString w =
          QString(text).replace("\r\r\n", "\n\n").replace("\r", "\n").replace("\n", "\r\n");
      QTest::addRow("crafting removal%s", name) << "CraftingWindow"
                                                << "移除这个物品的所有合成方式"
                                                << "移除一个配方" << QStringList{"编辑框2"} << u
                                                << "recipes.remove(<" + w + ">,false);\r\n";
      QTest::addRow("crafting shaped recipe%s", name)
          << "CraftingWindow"
          << ""
          << "添加一个配方1" << grid << u
          << "recipes.addShaped('CTa" + w + "7',<" + w + ">*" + w + ",[[" + w + "," + w + "," + w +
                 "],[" + w + "," + w + "," + w + "],[" + w + "," + w + "," + w + "]]);\r\n";
      QTest::addRow("furnace recipe%s", name)
          << "FurnaceWindow"
          << ""
          << "修改工作台配方1" << QStringList{"编辑框4", "编辑框5", "编辑框6"} << u
          << "furnace.addRecipe(<" + w + ">,<" + w + ">," + w + ");\r\n";
      QTest::addRow("furnace removal%s", name)
          << "FurnaceWindow"
          << "删除所有以input为输入的output配方"
          << "修改工作台配方" << QStringList{"编辑框3", "编辑框1"} << u
          << "furnace.remove(<" + w + ">,<" + w + ">);\r\n";
    }
  }
  void unspoiledIntoTheFile() {
    QFETCH(QString, window);
    QFETCH(QString, mode);
    QFETCH(QString, button);
    QFETCH(QStringList, boxes);
    QFETCH(QString, text);
    QFETCH(QString, line);
    test::Harness h;
    h.fake.randoms = {7};
    {
      auto f = test::open(window);
      if (!mode.isEmpty()) test::type(*f, "组合框1", mode);
      for (const QString& box : boxes) test::type(*f, box, text);
      test::click(*f, button);
      test::click(*f, "添加一个配方2");  // into ExportBuffer
    }
    exportTo(h.path("out.zs"));
    QCOMPARE(h.fake.messages.front().text, QString("写入完成！"));
    QCOMPARE(readWholeFile(h.path("out.zs")), toBytes(line));
  }

  // Every multi-line box of every window holds such a text as it was given, and an append adds
  // exactly it.
  void everyMultiLineBoxKeepsText_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    test::Harness h;
    for (const QString& window : registeredWindows()) {
      auto f = buildWindow(window);
      for (const ControlDeclaration& c : f->declaration().controls)
        if (c.kind == ControlKind::Memo)
          QTest::addRow("%s %s", qPrintable(window), qPrintable(c.name)) << window << c.name;
    }
  }
  void everyMultiLineBoxKeepsText() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    test::Harness h;
    auto f = test::open(window);
    const QString text = kUnspoilable + "\r\n" + kUnspoilable;
    f->setText(box, text);
    QCOMPARE(f->text(box), text);
    f->append(box, "\r\n" + kUnspoilable);
    QCOMPARE(f->text(box), text + "\r\n" + kUnspoilable);
  }

  void unspoiledList() {
    test::Harness h;
    const QString list = kUnspoilable + "\r\n石头\r\n\r\n🪨\r\n";
    storeList(h, list);
    QCOMPARE(readWholeFile(listFilePath()), toBytes(list));
    QCOMPARE(readListLines(), (QStringList{kUnspoilable, "石头", "", "🪨"}));
    QCOMPARE(readListLine(1), kUnspoilable);
  }
};

QTEST_MAIN(Faults)
#include "test_faults.moc"
