// The main window, the export windows, the batch list, and the crafting and furnace windows,
// driven through the real widgets.

#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "support/harness.h"

using namespace tf;
using test::click;
using test::type;

namespace {

using Inputs = QList<QPair<QString, QString>>;

void typeAll(FormWindow& f, const Inputs& inputs) {
  for (const auto& [name, text] : inputs) type(f, name, text);
}

}  // namespace

class Spine : public QObject {
  Q_OBJECT

 private slots:
  void navigation_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    const QList<QPair<const char*, const char*>> table = {
        {"修改工作台配方1", "ExportWindow"},
        {"修改工作台配方11", "BatchImportWindow"},
        {"修改工作台配方5", "AboutWindow"},
        {"修改工作台配方12", "FusionRecipeWindow"},
        {"修改工作台配方10", "MekanismWindow"},
        {"修改工作台配方7", "ExNihiloWindow"},
        {"修改工作台配方13", "ExtremeCraftingWindow"},
        {"修改工作台配方8", "Ae2Window"},
        {"修改工作台配方6", "GameStage2Window"},
        {"修改工作台配方3", "ModularMachineryWindow"},
        {"修改工作台配方4", "GameStageWindow"},
        {"修改工作台配方9", "InWorldCraftingWindow"},
        {"修改工作台配方14", "TreeTweakerWindow"},
        {"修改工作台配方15", "MobEquipmentWindow"},
        {"修改工作台配方", "CraftingWindow"},
        {"修改工作台配方2", "FurnaceWindow"},
    };
    for (const auto& [button, window] : table) QTest::newRow(window) << button << window;
  }
  void navigation() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    test::Harness h;
    auto main = test::open("MainWindow");
    click(*main, button);
    QCOMPARE(h.fake.opened, QStringList{window});
    QVERIFY(h.fake.messages.isEmpty());
  }

  void unfinishedFeatureWarnsEveryTime() {
    test::Harness h;
    auto main = test::open("MainWindow");
    click(*main, "修改工作台配方16");
    click(*main, "修改工作台配方16");
    QVERIFY(h.fake.opened.isEmpty());
    QCOMPARE(h.fake.messages.size(), 2);
    QCOMPARE(h.fake.messages[1].text, QString("该功能仍在编写，请等待下次更新"));
    QCOMPARE(h.fake.messages[1].flags, 48);
    QCOMPARE(h.fake.messages[1].title, QString("信息："));
  }

  void greeting_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("monthDay");
    QTest::addColumn<bool>("greets");
    QTest::newRow("1 January") << QDate(2027, 1, 1) << "0101" << true;
    QTest::newRow("10 January") << QDate(2027, 1, 10) << "0110" << false;
    QTest::newRow("1 February") << QDate(2027, 2, 1) << "0201" << false;
    QTest::newRow("31 December") << QDate(2026, 12, 31) << "1231" << false;
  }
  void greeting() {
    QFETCH(QDate, date);
    QFETCH(QString, monthDay);
    QFETCH(bool, greets);
    test::Harness h;
    h.fake.date = date;
    auto main = test::open("MainWindow");
    QTRY_COMPARE(values().todayMonthDay, monthDay);
    QCoreApplication::processEvents();
    QCOMPARE(h.fake.messages.size(), greets ? 1 : 0);
    if (greets) {
      QCOMPARE(h.fake.messages[0].text, QString("新年快乐！"));
      QCOMPARE(h.fake.messages[0].flags, 0);
      QCOMPARE(h.fake.messages[0].title, QString("信息："));
    }
  }

  void craftingRemoval_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("appended");
    QTest::newRow("no mode") << ""
                             << "";
    QTest::newRow("all recipes ignores the input") << "移除这个物品的所有合成方式"
                                                   << "recipes.remove(<minecraft:egg>,false);\r\n";
    QTest::newRow("shapeless") << "删除一个无序合成"
                               << "recipes.removeShapeless(<minecraft:egg>,<mod:in>,false);\r\n";
    QTest::newRow("shaped") << "删除一个有序合成"
                            << "recipes.removeShaped(<minecraft:egg>,<mod:in>);\r\n";
    QTest::newRow("item text with a trailing blank matches nothing") << "删除一个有序合成 "
                                                                     << "";
    QTest::newRow("typed text") << "anything"
                                << "";
  }
  void craftingRemoval() {
    QFETCH(QString, mode);
    QFETCH(QString, appended);
    test::Harness h;
    auto f = test::open("CraftingWindow");
    typeAll(*f, {{"组合框1", mode}, {"编辑框2", "minecraft:egg"}, {"编辑框3", "mod:in"}});
    click(*f, "移除一个配方");
    QCOMPARE(f->text("编辑框1"), appended);
  }

  void craftingEmptyBoxes() {
    test::Harness h;
    auto f = test::open("CraftingWindow");
    type(*f, "组合框1", "删除一个无序合成");
    click(*f, "移除一个配方");
    QCOMPARE(f->text("编辑框1"), QString("recipes.removeShapeless(<>,<>,false);\r\n"));
  }

  void craftingShapedRecipe() {
    test::Harness h;
    h.fake.randoms = {123456, 2147483647};
    auto f = test::open("CraftingWindow");
    typeAll(*f, {{"编辑框4", "x"}, {"编辑框13", "minecraft:stone"}});
    click(*f, "添加一个配方1");
    QCOMPARE(f->text("编辑框4"), QString("x"));
    QCOMPARE(f->text("编辑框1"),
             QString("recipes.addShaped('CTax123456',<minecraft:stone>*1,"
                     "[[null,null,null],[null,null,null],[null,null,null]]);\r\n"));
    // a second recipe of the same name carries another number; the grid goes in as typed, a
    // cell left empty or blank as null
    typeAll(*f, {{"a", "<a:1>"}, {"e", "<e:5>"}, {"i", ""}, {"c", "  "}, {"编辑框5", "64"}});
    click(*f, "添加一个配方1");
    QVERIFY(f->text("编辑框1").endsWith(
        "recipes.addShaped('CTax2147483647',<minecraft:stone>*64,"
        "[[<a:1>,null,null],[null,<e:5>,null],[null,null,null]]);\r\n"));
    QCOMPARE(f->text("编辑框4"), QString("x"));
  }

  void craftingAddsToExportBufferEachTime() {
    test::Harness h;
    values().exportBuffer = "before;";
    auto f = test::open("CraftingWindow");
    type(*f, "组合框1", "移除这个物品的所有合成方式");
    type(*f, "编辑框2", "a:b");
    click(*f, "移除一个配方");
    click(*f, "添加一个配方2");
    click(*f, "添加一个配方2");
    QCOMPARE(values().exportBuffer,
             QByteArray("before;recipes.remove(<a:b>,false);\r\nrecipes.remove(<a:b>,false);\r\n"));
    QCOMPARE(f->text("编辑框1"), QString("recipes.remove(<a:b>,false);\r\n"));
    QVERIFY(h.fake.opened.isEmpty());
  }

  void furnace_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("appended");
    QTest::newRow("remove by output ignores the input")
        << "修改工作台配方"
        << Inputs{{"组合框1", "删除所有Output的熔炉配方"}, {"编辑框3", "o:1"}, {"编辑框1", "i:1"}}
        << "furnace.remove(<o:1>);\r\n";
    QTest::newRow("remove by output and input")
        << "修改工作台配方"
        << Inputs{{"组合框1", "删除所有以input为输入的output配方"},
                  {"编辑框3", "o:1"},
                  {"编辑框1", "i:1"}}
        << "furnace.remove(<o:1>,<i:1>);\r\n";
    QTest::newRow("remove without a mode") << "修改工作台配方" << Inputs{{"编辑框3", "o:1"}} << "";
    QTest::newRow("add a recipe") << "修改工作台配方1"
                                  << Inputs{{"编辑框4", "o:2"},
                                            {"编辑框5", "i:2"},
                                            {"编辑框6", "0.5"}}
                                  << "furnace.addRecipe(<o:2>,<i:2>,0.5);\r\n";
    QTest::newRow("add a recipe, empty boxes")
        << "修改工作台配方1" << Inputs{} << "furnace.addRecipe(<>,<>,);\r\n";
    QTest::newRow("fuel") << "修改工作台配方2" << Inputs{{"编辑框7", "f:1"}, {"编辑框8", "1600"}}
                          << "furnace.setFuel(<f:1>,1600);\r\n";
  }
  void furnace() {
    QFETCH(QString, button);
    QFETCH(Inputs, inputs);
    QFETCH(QString, appended);
    test::Harness h;
    auto f = test::open("FurnaceWindow");
    typeAll(*f, inputs);
    click(*f, button);
    QCOMPARE(f->text("编辑框2"), appended);
  }

  // Crafting lines, then furnace lines, through the main window's export into one file.
  void craftingAndFurnaceToFile() {
    test::Harness h;
    h.fake.randoms = {7};
    const QString target = h.path("out");
    auto main = test::open("MainWindow");
    h.fake.whenOpened["CraftingWindow"] = [](FormWindow& f) {
      type(f, "编辑框4", "阶段");
      type(f, "编辑框13", "a:b");
      click(f, "添加一个配方1");
      click(f, "添加一个配方2");
    };
    h.fake.whenOpened["FurnaceWindow"] = [](FormWindow& f) {
      type(f, "编辑框7", "c:d");
      type(f, "编辑框8", "200");
      click(f, "修改工作台配方2");
      click(f, "添加一个配方2");
    };
    h.fake.whenOpened["ExportWindow"] = [&](FormWindow& f) {
      h.fake.fileAnswers = {target};
      click(f, "添加一个配方1");
      click(f, "添加一个配方2");
      QCOMPARE(f.progress("进度条1"), 100);
    };
    click(*main, "修改工作台配方");
    click(*main, "修改工作台配方2");
    click(*main, "修改工作台配方1");
    const QByteArray expected =
        "recipes.addShaped('CTa\xe9\x98\xb6\xe6\xae\xb5"
        "7',<a:b>*1,"
        "[[null,null,null],[null,null,null],[null,null,null]]);\r\n"
        "furnace.setFuel(<c:d>,200);\r\n";
    QCOMPARE(readWholeFile(target + ".zs"), expected);
    QCOMPARE(h.fake.messages.last().text, QString("写入完成！"));
    QCOMPARE(h.fake.messages.last().title, QString("信息："));
    QCOMPARE(h.fake.filters, QStringList{"ZenScript脚本|*.zs"});
  }

  void chooseSuffix_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown");
    QTest::newRow("missing") << "/tmp/a"
                             << "/tmp/a.zs";
    QTest::newRow("present") << "/tmp/a.zs"
                             << "/tmp/a.zs";
    QTest::newRow("capitals") << "/tmp/a.ZS"
                              << "/tmp/a.ZS.zs";
    QTest::newRow("inside a folder name") << "/tmp/x.zs/a"
                                          << "/tmp/x.zs/a";
    QTest::newRow("cancel at first") << ""
                                     << ".zs";
  }
  void chooseSuffix() {
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    test::Harness h;
    h.fake.fileAnswers = {chosen};
    auto f = test::open("ExportWindow");
    click(*f, "添加一个配方1");
    QCOMPARE(f->text("编辑框4"), shown);
    QCOMPARE(values().lastExportPath, shown);
  }

  void exportRemembersPathButJsonDoesNot() {
    test::Harness h;
    h.fake.fileAnswers = {"/tmp/p.zs", "", "/tmp/q"};
    {
      auto f = test::open("ExportWindow");
      QCOMPARE(f->text("编辑框4"), QString());
      click(*f, "添加一个配方1");
      click(*f, "添加一个配方1");  // cancelled: the dialog's previous name stays
      QCOMPARE(f->text("编辑框4"), QString("/tmp/p.zs"));
    }
    auto again = test::open("ExportWindow");
    QCOMPARE(again->text("编辑框4"), QString("/tmp/p.zs"));
    QCOMPARE(again->progress("进度条1"), 0);
    auto json = test::open("JsonExportWindow");
    QCOMPARE(json->text("编辑框4"), QString());
    QCOMPARE(json->windowTitle(), QString());
    click(*json, "添加一个配方1");
    QCOMPARE(json->text("编辑框4"), QString("/tmp/q.json"));
    QCOMPARE(values().lastExportPath, QString("/tmp/p.zs"));
    QCOMPARE(h.fake.filters.last(), QString("JSON|*.json"));
  }

  void writeTwiceAndEmptyBuffer() {
    test::Harness h;
    const QString target = h.path("twice.zs");
    values().exportBuffer = "abc\r\n";
    auto f = test::open("ExportWindow");
    type(*f, "编辑框4", target);
    click(*f, "添加一个配方2");
    click(*f, "添加一个配方2");
    QCOMPARE(readWholeFile(target), QByteArray("abc\r\n"));
    values().exportBuffer.clear();
    click(*f, "添加一个配方2");
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(readWholeFile(target), QByteArray());
    QCOMPARE(h.fake.messages.size(), 3);
    QCOMPARE(values().lastExportPath, QString());  // a typed path is not kept
  }

  void failedWriteIsReported_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << "";
    QTest::newRow("missing folder") << "missing/a.zs";
    QTest::newRow("path is a folder") << ".";
    QTest::newRow("inside a regular file") << "existing.zs/a.zs";
  }
  void failedWriteIsReported() {
    QFETCH(QString, path);
    test::Harness h;
    const QString existing = h.path("existing.zs");
    QVERIFY(writeWholeFile(existing, "old bytes").isEmpty());
    values().exportBuffer = "new bytes";
    const QString target = path.isEmpty() ? QString() : h.path(path);
    for (const QString window : {"ExportWindow", "JsonExportWindow"}) {
      h.fake.messages.clear();
      auto f = test::open(window);
      type(*f, "编辑框4", target);
      click(*f, "添加一个配方2");
      QCOMPARE(h.fake.messages.size(), 1);
      QCOMPARE(h.fake.messages[0].flags, 48);
      QVERIFY(h.fake.messages[0].text != "写入完成！");
      QVERIFY(h.fake.messages[0].text.contains(target));
      QCOMPARE(f->progress("进度条1"), 0);
    }
    QCOMPARE(readWholeFile(existing), QByteArray("old bytes"));
  }

  void batchCounting_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("count");
    QTest::newRow("three ids, final break") << "a\nb\nc\n"
                                            << "3";
    QTest::newRow("three ids, no final break") << "a\nb\nc"
                                               << "3";
    QTest::newRow("empty line counts") << "a\n\nc"
                                       << "3";
    QTest::newRow("empty box") << ""
                               << "0";
    QTest::newRow("a single break") << "\n"
                                    << "1";
  }
  void batchCounting() {
    QFETCH(QString, typed);
    QFETCH(QString, count);
    test::Harness h;
    auto f = test::open("BatchImportWindow");
    type(*f, "编辑框1", typed);
    click(*f, "按钮1");
    const QString crlf = toCrLf(typed);
    QCOMPARE(values().batchList, crlf);
    QCOMPARE(values().batchCount, count);
    QCOMPARE(readWholeFile(listFilePath()), toBytes(crlf));
    QCOMPARE(f->text("编辑框1"), crlf);
    QCOMPARE(h.fake.messages.size(), 1);
    QCOMPARE(h.fake.messages[0].text, QString("写入完毕！"));
  }

  void batchBeforeAnyStoreCountsZero() {
    test::Harness h;
    QVERIFY(writeListFile("left\r\nfrom\r\nlast run\r\n").isEmpty());
    QCOMPARE(textToNumber(values().batchCount), 0);
  }

  void failedBatchStoreKeepsTheLastList() {
    test::Harness h;
    auto f = test::open("BatchImportWindow");
    type(*f, "编辑框1", "a\nb");
    click(*f, "按钮1");
    setListFilePath(h.path("missing/临时文件.txt"));
    type(*f, "编辑框1", "x\ny\nz");
    click(*f, "按钮1");
    QCOMPARE(h.fake.messages.size(), 2);
    QCOMPARE(h.fake.messages[1].flags, 48);
    QVERIFY(h.fake.messages[1].text.contains("missing"));
    QCOMPARE(values().batchList, QString("a\r\nb"));
    QCOMPARE(values().batchCount, QString("2"));
    setListFilePath(h.path("临时文件.txt"));
    QCOMPARE(readListLines(), (QStringList{"a", "b"}));
  }

  void reopeningShowsFormTextsAgain() {
    test::Harness h;
    {
      auto f = test::open("CraftingWindow");
      typeAll(*f, {{"a", "<x:y>"}, {"编辑框13", "z"}, {"编辑框5", "9"}, {"编辑框1", "typed"}});
    }
    auto f = test::open("CraftingWindow");
    QCOMPARE(f->text("a"), QString("null"));
    QCOMPARE(f->text("编辑框13"), QString("必填"));
    QCOMPARE(f->text("编辑框5"), QString("1"));
    QCOMPARE(f->text("编辑框1"), QString());
    QCOMPARE(f->text("组合框1"), QString());
  }

  // Enter in an edit box presses no button, and Escape does not close the window.
  void keysNeitherPressButtonsNorClose() {
    test::Harness h;
    auto f = test::open("CraftingWindow");
    type(*f, "组合框1", "移除这个物品的所有合成方式");
    QTest::keyClick(f->control("编辑框2"), Qt::Key_Return);
    QTest::keyClick(f->control("编辑框13"), Qt::Key_Enter);
    QTest::keyClick(f.get(), Qt::Key_Escape);
    QVERIFY(f->isVisible());
    QCOMPARE(f->text("编辑框1"), QString());
    QCOMPARE(values().exportBuffer, QByteArray());
  }

  // A multi-line box gives back exactly what was put in: CR LF between lines, and characters
  // such as no-break spaces, line separators, emoji and combining marks unchanged.
  void multiLineBoxRoundTrip() {
    test::Harness h;
    auto f = test::open("CraftingWindow");
    const QString text = QString::fromUtf8(
        "a\xc2\xa0"
        "b\r\n\r\nc\xe2\x80\xa8"
        "d\t\xf0\x9f\x98\x80"
        "e\xcc\x81\r\n");
    f->setText("编辑框1", text);
    QCOMPARE(f->text("编辑框1"), text);
    f->append("编辑框1", "x\r\n");
    QCOMPARE(f->text("编辑框1"), text + "x\r\n");
    // single-line boxes have no length limit either
    const QString longId(100000, u'x');
    f->setText("编辑框2", longId);
    QCOMPARE(f->text("编辑框2"), longId);
  }

  void aboutShowsPictureAndVersion() {
    test::Harness h;
    auto f = test::open("AboutWindow");
    QCOMPARE(f->text("标签1"),
             QString("\r\n\r\n\r\n\r\n\r\nTessaform,版本号：Zari 1.0.1.4\r\n\r\n\r\n"));
    const auto* picture = qobject_cast<QLabel*>(f->control("图片框1"));
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->pixmap().size(), QSize(300, 300));
    QVERIFY(picture->pixmap().hasAlphaChannel());
  }
};

QTEST_MAIN(Spine)
#include "test_spine.moc"
