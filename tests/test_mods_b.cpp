// The in-world crafting and extreme crafting windows: the line each button appends, and the
// export of the script box.

#include <QComboBox>
#include <QTest>

#include "support/harness.h"

using namespace tf;

namespace {

// Box names and texts, alternating.
void fill(FormWindow& f, const QStringList& boxesAndTexts) {
  for (qsizetype i = 0; i + 1 < boxesAndTexts.size(); i += 2)
    test::type(f, boxesAndTexts[i], boxesAndTexts[i + 1]);
}

QString slot(int n) { return "编辑框" + QString::number(n); }

const QString kHead = "mods.avaritia.ExtremeCrafting.addShaped(\"NAMEPLACEHOLDER\", <";
const QString kNullRow = "null,null,null,null,null,null,null,null,null";

}  // namespace

class ModWindowsB : public QObject {
  Q_OBJECT

 private slots:
  void inWorldLines_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("choice");  // the item picked in 组合框1; -1: none
    QTest::addColumn<QString>("line");

    QTest::newRow("fluid to fluid: result first, count right behind the asterisk")
        << "修改工作台配方10" << QStringList{"编辑框1", "water", "编辑框2", "minecraft:gravel",
                                             "编辑框3", "4",     "编辑框4", "lava"}
        << -1
        << "mods.inworldcrafting.FluidToFluid.transform(<liquid:lava>, <liquid:water>, "
           "[<minecraft:gravel> *4]);\r\n";
    QTest::newRow("fluid to fluid, empty")
        << "修改工作台配方10" << QStringList{} << -1
        << "mods.inworldcrafting.FluidToFluid.transform(<liquid:>, <liquid:>, [<> *]);\r\n";
    QTest::newRow("fluid to item, no choice")
        << "修改工作台配方1"
        << QStringList{"编辑框6", "minecraft:clay", "编辑框8", "water", "编辑框9", "minecraft:dirt"}
        << -1
        << "mods.inworldcrafting.FluidToItem.transform(<minecraft:clay>, <liquid:water>, "
           "[<minecraft:dirt>]);\r\n";
    QTest::newRow("fluid to item, ,true picked")
        << "修改工作台配方1"
        << QStringList{"编辑框6", "minecraft:clay", "编辑框8", "water", "编辑框9", "minecraft:dirt"}
        << 1
        << "mods.inworldcrafting.FluidToItem.transform(<minecraft:clay>, <liquid:water>, "
           "[<minecraft:dirt>],true);\r\n";
    QTest::newRow("fluid to item, ,false picked")
        << "修改工作台配方1" << QStringList{"编辑框6", "a:b", "编辑框8", "c", "编辑框9", "d:e"} << 0
        << "mods.inworldcrafting.FluidToItem.transform(<a:b>, <liquid:c>, [<d:e>],false);\r\n";
    QTest::newRow("fluid to item, empty")
        << "修改工作台配方1" << QStringList{} << -1
        << "mods.inworldcrafting.FluidToItem.transform(<>, <liquid:>, [<>]);\r\n";
    QTest::newRow("explosion")
        << "修改工作台配方2" << QStringList{"编辑框10", "minecraft:diamond",
                                            "编辑框7",  "minecraft:coal_block",
                                            "编辑框11", "50"}
        << -1
        << "mods.inworldcrafting.ExplosionCrafting.explodeItemRecipe(<minecraft:diamond>"
           ".firstItem, <minecraft:coal_block>,50);\r\n";
    QTest::newRow("explosion, empty")
        << "修改工作台配方2" << QStringList{} << -1
        << "mods.inworldcrafting.ExplosionCrafting.explodeItemRecipe(<>.firstItem, <>,);\r\n";
    QTest::newRow("fire")
        << "修改工作台配方3"
        << QStringList{"编辑框13", "minecraft:coal", "编辑框14", "minecraft:log", "编辑框12",
                       "1",        "编辑框15",       "40"}
        << -1
        << "mods.inworldcrafting.FireCrafting.addRecipe(<minecraft:coal>, <minecraft:log> *1,40);"
           "\r\n";
    QTest::newRow("fire, empty") << "修改工作台配方3" << QStringList{} << -1
                                 << "mods.inworldcrafting.FireCrafting.addRecipe(<>, <> *,);\r\n";
  }

  void inWorldLines() {
    QFETCH(QString, button);
    QFETCH(QStringList, inputs);
    QFETCH(int, choice);
    QFETCH(QString, line);
    test::Harness h;
    auto f = test::open("InWorldCraftingWindow");
    QCOMPARE(f->text("编辑框5"), QString());
    fill(*f, inputs);
    qobject_cast<QComboBox*>(f->control("组合框1"))->setCurrentIndex(choice);
    test::click(*f, button);
    QCOMPARE(f->text("编辑框5"), line);
    test::click(*f, button);
    QCOMPARE(f->text("编辑框5"), line + line);
  }

  void extremeLine_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("line");

    QTest::newRow("untouched window")
        << QStringList{}
        << kHead + "必填> * 1, [[" + QStringList(9, kNullRow).join("],[") + "]]);\r\n";
    // an emptied or blank slot writes null, as an untouched one does
    QTest::newRow("first slot emptied, last slot blank")
        << QStringList{"编辑框1", "", "编辑框81", " "}
        << kHead + "必填> * 1, [[" + QStringList(9, kNullRow).join("],[") + "]]);\r\n";
    QTest::newRow("first of the second row, last of the last row")
        << QStringList{"编辑框92", "avaritia:resource", "编辑框91", "4",
                       "编辑框10", "<minecraft:stone>", "编辑框81", "<minecraft:dirt>"}
        << kHead + "avaritia:resource> * 4, [[" + kNullRow +
               "],[<minecraft:stone>,null,null,null,null,null,null,null,null],[" +
               QStringList(6, kNullRow).join("],[") +
               "],[null,null,null,null,null,null,null,null,<minecraft:dirt>]]);\r\n";
    QStringList everythingEmptied{"编辑框92", "", "编辑框91", ""};
    for (int n = 1; n <= 81; ++n) everythingEmptied << slot(n) << "";
    QTest::newRow("everything emptied")
        << everythingEmptied
        << kHead + "> * , [[" + QStringList(9, kNullRow).join("],[") + "]]);\r\n";
  }

  void extremeLine() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, line);
    test::Harness h;
    auto f = test::open("ExtremeCraftingWindow");
    QCOMPARE(f->text("编辑框93"), QString());
    fill(*f, inputs);
    test::click(*f, "修改工作台配方1");
    QCOMPARE(f->text("编辑框93"), line);
  }

  // Every slot distinct: each row in its place, each slot in its row.
  void extremeGridOrder() {
    test::Harness h;
    auto f = test::open("ExtremeCraftingWindow");
    for (int n = 1; n <= 81; ++n) test::type(*f, slot(n), "s" + QString::number(n));
    test::type(*f, "编辑框92", "avaritia:infinity_catalyst");
    test::type(*f, "编辑框91", "64");
    test::click(*f, "修改工作台配方1");
    QCOMPARE(f->text("编辑框93"), kHead +
                                      "avaritia:infinity_catalyst> * 64, [["
                                      "s1,s2,s3,s4,s5,s6,s7,s8,s9],["
                                      "s10,s11,s12,s13,s14,s15,s16,s17,s18],["
                                      "s19,s20,s21,s22,s23,s24,s25,s26,s27],["
                                      "s28,s29,s30,s31,s32,s33,s34,s35,s36],["
                                      "s37,s38,s39,s40,s41,s42,s43,s44,s45],["
                                      "s46,s47,s48,s49,s50,s51,s52,s53,s54],["
                                      "s55,s56,s57,s58,s59,s60,s61,s62,s63],["
                                      "s64,s65,s66,s67,s68,s69,s70,s71,s72],["
                                      "s73,s74,s75,s76,s77,s78,s79,s80,s81]]);\r\n");
  }

  // The grid is kept after a line, so the second line starts from the first recipe; both lines
  // carry the same recipe name.
  void extremeSecondLine() {
    test::Harness h;
    auto f = test::open("ExtremeCraftingWindow");
    test::type(*f, "编辑框41", "<minecraft:nether_star>");
    test::click(*f, "修改工作台配方1");
    const QString first = f->text("编辑框93");
    test::type(*f, "编辑框91", "2");
    test::click(*f, "修改工作台配方1");
    QCOMPARE(f->text("编辑框41"), QString("<minecraft:nether_star>"));
    QString second = first;
    second.replace("> * 1, ", "> * 2, ");
    QVERIFY(first.contains(",<minecraft:nether_star>,"));
    QCOMPARE(f->text("编辑框93"), first + second);
    QCOMPARE(f->text("编辑框93").count("(\"NAMEPLACEHOLDER\", <"), 2);
  }

  void extremeSlotPlaces_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QRect>("place");
    QTest::newRow("top left") << 1 << QRect(32, 72, 88, 32);
    QTest::newRow("top right") << 9 << QRect(800, 72, 88, 32);
    QTest::newRow("second row starts at the left") << 10 << QRect(32, 112, 88, 32);
    QTest::newRow("middle") << 41 << QRect(416, 232, 88, 32);
    QTest::newRow("bottom left") << 73 << QRect(32, 392, 88, 32);
    QTest::newRow("bottom right") << 81 << QRect(800, 392, 88, 32);
  }

  void extremeSlotPlaces() {
    QFETCH(int, n);
    QFETCH(QRect, place);
    test::Harness h;
    auto f = test::open("ExtremeCraftingWindow");
    QCOMPARE(f->control(slot(n))->geometry(), place);
    QCOMPARE(f->text(slot(n)), QString("null"));
  }

  // No title; the 81 slots and nine other controls, the head box out of sight.
  void extremeForm() {
    test::Harness h;
    auto f = test::open("ExtremeCraftingWindow");
    QCOMPARE(f->windowTitle(), QString());
    QCOMPARE(f->declaration().controls.size(), size_t(90));
    QVERIFY(f->control("a")->x() >= f->width());
  }

  // The export hands over the whole script box, the user's own edits included, and leaves it
  // as it was.
  void exportScriptBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("lineButton");
    QTest::addColumn<QString>("exportButton");
    QTest::addColumn<QString>("scriptBox");
    QTest::newRow("in-world crafting") << "InWorldCraftingWindow"
                                       << "修改工作台配方3"
                                       << "修改工作台配方7"
                                       << "编辑框5";
    QTest::newRow("extreme crafting") << "ExtremeCraftingWindow"
                                      << "修改工作台配方1"
                                      << "修改工作台配方7"
                                      << "编辑框93";
  }

  void exportScriptBox() {
    QFETCH(QString, window);
    QFETCH(QString, lineButton);
    QFETCH(QString, exportButton);
    QFETCH(QString, scriptBox);
    test::Harness h;
    values().exportBuffer = "older export";
    auto f = test::open(window);
    test::type(*f, scriptBox, "#loader 世界\r\n");
    test::click(*f, lineButton);
    const QString script = f->text(scriptBox);
    QVERIFY(script.startsWith("#loader 世界\r\nmods."));
    QByteArray seenByExport;
    h.fake.whenOpened["ExportWindow"] = [&](FormWindow&) { seenByExport = values().exportBuffer; };
    test::click(*f, exportButton);
    QCOMPARE(h.fake.opened, QStringList{"ExportWindow"});
    QCOMPARE(seenByExport, script.toUtf8());
    QCOMPARE(values().exportBuffer, script.toUtf8());
    QCOMPARE(f->text(scriptBox), script);
  }
};

QTEST_MAIN(ModWindowsB)
#include "test_mods_b.moc"
