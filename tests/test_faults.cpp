// Faults and loads: exports that cannot be written, a disk that fills up, huge and damaged list
// files, and texts that no encoding may spoil on their way from a box into a file.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cerrno>

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

// Fills the file system that holds path up to its last byte, with a file at path.
void fillUp(const QString& path) {
  QFile filler(path);
  QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  const QByteArray chunk(1024, 'f');
  while (filler.write(chunk) == chunk.size()) {
  }
}

QStringList entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Presses "写入脚本到" in window with path typed as given.
std::unique_ptr<FormWindow> exportWith(const QString& window, const QString& path) {
  auto f = test::open(window);
  test::type(*f, "编辑框4", path);
  test::click(*f, "添加一个配方2");
  return f;
}

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
    QTest::newRow("ends in a slash") << "new.zs/";
    QTest::newRow("existing file, ends in a slash") << "regular.zs/";
    QTest::newRow("only blanks") << "  \r\n";
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

    auto f = exportTo(place.trimmed().isEmpty() ? place : h.path(place));

    QCOMPARE(h.fake.messages.size(), 1);
    QCOMPARE(h.fake.messages.front().flags, int(kMessageWarning));
    QVERIFY(h.fake.messages.front().text.startsWith("写入失败："));
    QCOMPARE(f->progress("进度条1"), 0);
    QCOMPARE(QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(readWholeFile(h.path("regular.zs")), QByteArray("old bytes"));
    QCOMPARE(readWholeFile(h.path("folder/inside.zs")), QByteArray("kept"));
    QVERIFY(QFileInfo(h.path("folder")).isDir());
  }

  // A disk that is full when a small write begins (a buffered write would only fail at its
  // flush) or that fills up during a large one: the failure is shown with its reason, never as
  // done; the old file keeps its bytes; nothing is left or renamed beside it; the batch rows
  // keep the list stored last.
  void fullDisk_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("filledFirst");
    for (const char* window : {"ExportWindow", "JsonExportWindow", "BatchImportWindow"}) {
      QTest::addRow("%s, 40 bytes onto a full disk", window) << QString(window) << 40 << true;
      QTest::addRow("%s, 256 KiB onto a 64 KiB disk", window)
          << QString(window) << 256 * 1024 << false;
    }
  }
  void fullDisk() {
    QFETCH(QString, window);
    QFETCH(int, size);
    QFETCH(bool, filledFirst);
    test::Harness h;
    SmallDisk disk(h.path("small"));
    if (!disk.mounted())
      QSKIP(qPrintable("cannot mount a 64 KiB tmpfs here (needs root): " + disk.reason()));
    const bool list = window == "BatchImportWindow";
    const QString target = h.path(list ? "small/临时文件.txt" : "small/script.zs");
    const QByteArray old = "old content\r\n";
    if (list) {
      setListFilePath(target);
      storeList(h, QString::fromUtf8(old));
    } else {
      QVERIFY(writeWholeFile(target, old).isEmpty());
    }
    if (filledFirst) fillUp(h.path("small/filler"));
    const QStringList before = entries(h.path("small"));
    const QByteArray bytes(size, 'x');

    std::unique_ptr<FormWindow> f;
    if (list) {
      f = test::open(window);
      test::type(*f, "编辑框1", QString::fromLatin1(bytes));
      test::click(*f, "按钮1");
    } else {
      values().exportBuffer = bytes;
      f = exportWith(window, target);
      QCOMPARE(f->progress("进度条1"), 0);
    }

    QCOMPARE(h.fake.messages.size(), 1);
    const FakePlatform::Message& shown = h.fake.messages.front();
    QCOMPARE(shown.flags, int(kMessageWarning));
    QVERIFY2(shown.text.contains(target) && shown.text.contains(failureReason(ENOSPC)),
             qPrintable(shown.text));
    QCOMPARE(readWholeFile(target), old);
    QCOMPARE(entries(h.path("small")), before);
    if (list) {
      QCOMPARE(values().batchCount, QString("1"));
      QCOMPARE(values().batchList, QString::fromUtf8(old));
    }
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

  // Where the list file goes, decided from where the program runs: an installed program (in a
  // "bin" folder of a prefix with "share" beside it) keeps it in the user's data folder, a
  // portable copy beside itself.
  void listFileLocation_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<bool>("beside");
    QTest::newRow("package in /usr/bin")
        << QStringList{"usr/bin", "usr/share"} << "usr/bin" << false;
    QTest::newRow("default prefix /usr/local")
        << QStringList{"usr/local/bin", "usr/local/share"} << "usr/local/bin" << false;
    QTest::newRow("--prefix ~/.local")
        << QStringList{"home/u/.local/bin", "home/u/.local/share"} << "home/u/.local/bin" << false;
    QTest::newRow("--prefix /opt/tessaform")
        << QStringList{"opt/tessaform/bin", "opt/tessaform/share"} << "opt/tessaform/bin" << false;
    QTest::newRow("portable folder") << QStringList{"Tessaform-1.0"} << "Tessaform-1.0" << true;
    QTest::newRow("portable bin folder without share")
        << QStringList{"tools/bin"} << "tools/bin" << true;
    QTest::newRow("build folder") << QStringList{"src/build"} << "src/build" << true;
  }
  void listFileLocation() {
    QFETCH(QStringList, folders);
    QFETCH(QString, programDir);
    QFETCH(bool, beside);
    test::Harness h;
    for (const QString& folder : folders) QVERIFY(QDir().mkpath(h.path(folder)));
    const QString dir = h.path(programDir);
    // The user's data folder for the program, whatever the application's names are.
    const QString dataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tessaform";
    QCOMPARE(listFilePathFor(dir),
             QDir(beside ? dir : dataDir).filePath(QString::fromUtf8("临时文件.txt")));
  }

  // A path pasted with a line break or blanks at its ends writes the file it names; one that
  // still holds a control character is refused and nothing is written.
  void pastedPath_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");    // after the folder's path
    QTest::addColumn<QString>("written");  // the name written; empty when refused
    for (const char* window : {"ExportWindow", "JsonExportWindow"}) {
      QTest::addRow("%s, line break after", window) << window << "/out.zs\n"
                                                    << "out.zs";
      QTest::addRow("%s, CR LF after", window) << window << "/out.zs\r\n"
                                               << "out.zs";
      QTest::addRow("%s, blanks at both ends", window) << window << "/石头 .zs \t "
                                                       << "石头 .zs";
      QTest::addRow("%s, line break inside", window) << window << "/out\n.zs"
                                                     << "";
      QTest::addRow("%s, tab inside", window) << window << "/o\tut.zs"
                                              << "";
      QTest::addRow("%s, escape character", window) << window << "/o\x1b.zs"
                                                    << "";
    }
  }
  void pastedPath() {
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    test::Harness h;
    QVERIFY(QDir(h.dir.path()).mkdir("out"));
    values().exportBuffer = "recipes.remove(<minecraft:stone>,false);\r\n";
    const QString leading = typed.startsWith("/石头") ? QString() : QString(" \n");
    auto f = exportWith(window, leading + h.path("out") + typed);
    QCOMPARE(h.fake.messages.size(), 1);
    if (written.isEmpty()) {
      QCOMPARE(h.fake.messages.front().flags, int(kMessageWarning));
      QVERIFY(h.fake.messages.front().text.contains("控制字符"));
      QCOMPARE(f->progress("进度条1"), 0);
      QCOMPARE(entries(h.path("out")), QStringList());
    } else {
      QCOMPARE(h.fake.messages.front().text, QString("写入完成！"));
      QCOMPARE(entries(h.path("out")), QStringList{written});
      QCOMPARE(readWholeFile(h.path("out/" + written)), values().exportBuffer);
    }
  }

  // Every name the system allows can be overwritten, up to 255 bytes; a longer one is refused
  // with its reason.
  void longFileName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("249 bytes") << QString(246, u'a') + ".zs" << true;
    QTest::newRow("255 bytes") << QString(252, u'a') + ".zs" << true;
    QTest::newRow("255 bytes of Chinese") << QString(84, u'石') + ".zs" << true;
    QTest::newRow("256 bytes") << QString(253, u'a') + ".zs" << false;
  }
  void longFileName() {
    QFETCH(QString, name);
    QFETCH(bool, allowed);
    test::Harness h;
    QVERIFY(QDir(h.dir.path()).mkdir("out"));
    const QString target = h.path("out/" + name);
    if (allowed) QVERIFY(writeWholeFile(target, "old").isEmpty());
    values().exportBuffer = "new\r\n";
    exportWith("ExportWindow", target);
    QCOMPARE(h.fake.messages.size(), 1);
    if (allowed) {
      QCOMPARE(h.fake.messages.front().text, QString("写入完成！"));
      QCOMPARE(readWholeFile(target), QByteArray("new\r\n"));
      QCOMPARE(entries(h.path("out")), QStringList{name});
    } else {
      QVERIFY(h.fake.messages.front().text.contains(failureReason(ENAMETOOLONG)));
      QCOMPARE(entries(h.path("out")), QStringList());
    }
  }

  // Overwriting keeps what the user set on the file: its permissions, and a link stays a link
  // to the file that gets the new bytes.
  void overwriteKeepsModeAndLink() {
    test::Harness h;
    const QString real = h.path("real.zs");
    QVERIFY(writeWholeFile(real, "old").isEmpty());
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(real, mode));
    QVERIFY(QFile::link(real, h.path("link.zs")));
    values().exportBuffer = "new\r\n";
    exportWith("ExportWindow", h.path("link.zs"));
    QCOMPARE(h.fake.messages.front().text, QString("写入完成！"));
    QVERIFY(QFileInfo(h.path("link.zs")).isSymLink());
    QCOMPARE(readWholeFile(real), QByteArray("new\r\n"));
    const auto user = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(real) & ~user, mode);
    QCOMPARE(entries(h.dir.path()), (QStringList{"link.zs", "real.zs"}));
  }

  // The suffix is looked for in the chosen file's own name, not in its folders' names.
  void suffixFromFileName_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown");
    QTest::newRow("script in a folder named .zs") << "ExportWindow"
                                                  << "/p/pack.zs-scripts/recipes"
                                                  << "/p/pack.zs-scripts/recipes.zs";
    QTest::newRow("script named .zs") << "ExportWindow"
                                      << "/p/pack.zs-scripts/a.zs"
                                      << "/p/pack.zs-scripts/a.zs";
    QTest::newRow("JSON in a folder named .json") << "JsonExportWindow"
                                                  << "/p/x.json.d/CustomFusionRecipes"
                                                  << "/p/x.json.d/CustomFusionRecipes.json";
    QTest::newRow("JSON named .json") << "JsonExportWindow"
                                      << "/p/x.json.d/CustomFusionRecipes.json"
                                      << "/p/x.json.d/CustomFusionRecipes.json";
  }
  void suffixFromFileName() {
    QFETCH(QString, window);
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    test::Harness h;
    h.fake.fileAnswers = {chosen};
    auto f = test::open(window);
    test::click(*f, "添加一个配方1");
    QCOMPARE(f->text("编辑框4"), shown);
  }

  // Another copy of the program stores its own list in the shared list file between this
  // copy's "写入" and a batch row's press: the row asks before using it; declined, it writes
  // nothing; used, the list becomes this copy's and the next press does not ask again. The
  // same bytes written again are the same list: no question.
  void listStoredByAnotherCopy_data() {
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QStringList>("ids");
    const QByteArray longer = "a:1\r\nb:2\r\nc:3\r\nd:4\r\n";
    QTest::newRow("longer list, used")
        << longer << true << true << QStringList{"a:1", "b:2", "c:3", "d:4"};
    QTest::newRow("longer list, declined") << longer << false << true << QStringList{};
    QTest::newRow("other ids, same count, used")
        << QByteArray("y:1\r\ny:2\r\n") << true << true << QStringList{"y:1", "y:2"};
    QTest::newRow("the same list again")
        << QByteArray("x:one\r\nx:two\r\n") << false << false << QStringList{"x:one", "x:two"};
  }
  void listStoredByAnotherCopy() {
    QFETCH(QByteArray, other);
    QFETCH(bool, accept);
    QFETCH(bool, asked);
    QFETCH(QStringList, ids);
    test::Harness h;
    storeList(h, "x:one\r\nx:two\r\n");
    {
      QFile file(listFilePath());  // the other copy's store
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      QCOMPARE(file.write(other), other.size());
    }
    // Declined, the question comes again at the next press.
    h.fake.questionAnswers = QStringList(2, accept ? "使用文件中的列表" : "取消");
    auto f = test::open("GameStage2Window");
    test::type(*f, "编辑框6", "b");
    test::click(*f, "选择框2");
    QString lines;
    for (const QString& id : ids)
      lines += "mods.orestages.OreStages.addReplacement('b',<" + id + ">);\r\n";
    for (int press = 1; press <= 2; ++press) {
      test::click(*f, "修改工作台配方6");
      QCOMPARE(f->text("编辑框2"), lines.repeated(accept || !asked ? press : 0));
      QCOMPARE(h.fake.questions.size(), asked ? (accept ? 1 : press) : 0);
    }
    if (asked) {
      const FakePlatform::Question& q = h.fake.questions.front();
      QVERIFY(q.text.startsWith("临时文件已被另一个程序修改……"));
      QVERIFY(q.text.contains(listFilePath()));
    }
    QVERIFY(h.fake.messages.isEmpty());
    QCOMPARE(readWholeFile(listFilePath()), other);  // a press never writes the list file
  }

  // The common failure reasons are told in the interface's language, the system's text after.
  void failureReasons_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no permission") << EACCES << "没有写入权限";
    QTest::newRow("disk full") << ENOSPC << "磁盘空间不足";
    QTest::newRow("name too long") << ENAMETOOLONG << "文件名或路径太长";
    QTest::newRow("read-only") << EROFS << "磁盘是只读的";
    QTest::newRow("input/output error") << EIO << "读写磁盘时出错";
  }
  void failureReasons() {
    QFETCH(int, code);
    QFETCH(QString, reason);
    QCOMPARE(failureReason(code), reason + "（" + qt_error_string(code) + "）");
  }

  // A message naming a very long path wraps inside a box narrower than the screen, shows
  // every character, and copies the text as given.
  void longPathInMessageBox() {
    test::Harness h;
    const QString path =
        "/home/user/" + QString("very_long_folder_name_").repeated(30) + QString(250, u'a') + ".zs";
    const QString text = "写入失败：" + path + "\r\n" + failureReason(ENOSPC);
    const std::unique_ptr<QMessageBox> box = buildMessageBox(nullptr, text, "信息：");
    box->setIcon(QMessageBox::Warning);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
    QVERIFY(label != nullptr);
    QVERIFY2(box->width() < box->screen()->availableGeometry().width(),
             qPrintable(QString::number(box->width())));
    QVERIFY2(label->minimumSizeHint().width() <= label->width(),
             qPrintable(QString::number(label->minimumSizeHint().width())));
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(box.get(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
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
