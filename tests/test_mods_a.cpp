// The Modular Machinery, AE2 and Ex Nihilo windows: the lines each button appends, the import
// blocks, Modular Machinery's clear and finishing export, and the hand-over to ExportWindow.

#include <QTest>

#include "support/harness.h"

using namespace tf;

using Inputs = QMap<QString, QString>;

namespace {

const QString kModularImports =
    "import mods.modularmachinery.RecipePrimer;\r\n"
    "import mods.modularmachinery.RecipeBuilder;\r\n"
    "import crafttweaker.item.IItemStack;\r\n"
    "import crafttweaker.item.IIngredient;\r\n"
    "import crafttweaker.oredict.IOreDictEntry;\r\n"
    "import crafttweaker.data.IData;\r\n"
    "import crafttweaker.liquid.ILiquidStack;\r\n";

void addChainColumns() {
  QTest::addColumn<Inputs>("inputs");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("line");
}

// Types the row's inputs into a freshly opened window, clicks its button and expects exactly
// the row's line after what the script box held.
void checkChain(const QString& window) {
  QFETCH(Inputs, inputs);
  QFETCH(QString, button);
  QFETCH(QString, line);
  test::Harness h;
  auto f = test::open(window);
  const QString before = f->text("编辑框1");
  for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) test::type(*f, it.key(), it.value());
  test::click(*f, button);
  QCOMPARE(f->text("编辑框1"), before + line);
}

}  // namespace

class ModWindowsA : public QObject {
  Q_OBJECT

 private slots:
  void creation_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("script");
    QTest::newRow("Modular Machinery") << "ModularMachineryWindow" << kModularImports;
    QTest::newRow("AE2") << "Ae2Window"
                         << "import mods.appliedenergistics2.Cannon;\r\n"
                            "import mods.appliedenergistics2.Grinder;\r\n"
                            "import mods.appliedenergistics2.Inscriber;\r\n";
    QTest::newRow("Ex Nihilo") << "ExNihiloWindow"
                               << "import mods.exnihilocreatio.Sieve;\r\n";
  }
  void creation() {
    QFETCH(QString, window);
    QFETCH(QString, script);
    test::Harness h;
    QCOMPARE(test::open(window)->text("编辑框1"), script);
  }

  void modularMachineryChains_data() {
    addChainColumns();
    QTest::newRow("builder") << Inputs{{"编辑框2", "r1"}, {"编辑框4", "m"}, {"编辑框6", "20"}}
                             << "修改工作台配方6"
                             << "val craft = RecipeBuilder.newBuilder('r1','m',20);\r\n";
    QTest::newRow("builder, empty head") << Inputs{} << "修改工作台配方6"
                                         << "val craft = RecipeBuilder.newBuilder('','',);\r\n";
    QTest::newRow("item input, count and chance as opened")
        << Inputs{{"编辑框5", "minecraft:stone"}} << "修改工作台配方1"
        << "craft.addItemInput(<minecraft:stone>*1).setChance(1);\r\n";
    QTest::newRow("item input, every box typed")
        << Inputs{{"编辑框5", "ore:ingotIron"},
                  {"编辑框8", "4"},
                  {"编辑框14", "0.5"},
                  {"编辑框7", "minecraft:diamond"},
                  {"编辑框9", "9"}}
        << "修改工作台配方1"
        << "craft.addItemInput(<ore:ingotIron>*4).setChance(0.5);\r\n";
    QTest::newRow("item input, all emptied")
        << Inputs{{"编辑框8", ""}, {"编辑框14", ""}} << "修改工作台配方1"
        << "craft.addItemInput(<>*).setChance();\r\n";
    QTest::newRow("item output") << Inputs{{"编辑框7", "minecraft:diamond"},
                                           {"编辑框9", "3"},
                                           {"编辑框5", "x"},
                                           {"编辑框8", "8"}}
                                 << "修改工作台配方3"
                                 << "craft.addItemOutput(<minecraft:diamond>*3);\r\n";
    QTest::newRow("item output, empty id") << Inputs{} << "修改工作台配方3"
                                           << "craft.addItemOutput(<>*1);\r\n";
    QTest::newRow("fluid input") << Inputs{{"编辑框13", "water"},
                                           {"编辑框11", "1000"},
                                           {"编辑框12", "lava"}}
                                 << "修改工作台配方5"
                                 << "craft.addFluidInput(<liquid:water>*1000);\r\n";
    QTest::newRow("fluid output") << Inputs{{"编辑框12", "lava"},
                                            {"编辑框10", "250"},
                                            {"编辑框13", "water"}}
                                  << "修改工作台配方4"
                                  << "craft.addFluidOutput(<liquid:lava>*250);\r\n";
    QTest::newRow("fluid output, empty name") << Inputs{} << "修改工作台配方4"
                                              << "craft.addFluidOutput(<liquid:>*1);\r\n";
    QTest::newRow("energy output")
        << Inputs{{"组合框1", "输出"}, {"编辑框3", "100"}} << "修改工作台配方2"
        << "craft.addEnergyPerTickOutput(100);\r\n";
    QTest::newRow("energy input") << Inputs{{"组合框1", "输入"}, {"编辑框3", "60"}}
                                  << "修改工作台配方2"
                                  << "craft.addEnergyPerTickInput(60);\r\n";
    QTest::newRow("energy input, empty value") << Inputs{{"组合框1", "输入"}} << "修改工作台配方2"
                                               << "craft.addEnergyPerTickInput();\r\n";
    QTest::newRow("energy, no direction") << Inputs{{"编辑框3", "100"}} << "修改工作台配方2"
                                          << "";
    QTest::newRow("energy, direction with a trailing blank")
        << Inputs{{"组合框1", "输入 "}, {"编辑框3", "100"}} << "修改工作台配方2"
        << "";
  }
  void modularMachineryChains() { checkChain("ModularMachineryWindow"); }

  void ae2Chains_data() {
    addChainColumns();
    const Inputs everyBox{{"编辑框2", "grind"}, {"编辑框3", "result"}, {"编辑框4", "bottom"},
                          {"编辑框5", "top"},   {"编辑框6", "middle"}, {"编辑框7", "gone"}};
    QTest::newRow("inscriber: result, middle, false, top row, bottom")
        << everyBox << "修改工作台配方1"
        << "Inscriber.addRecipe(<result>,<middle>,false,<top>,<bottom>);\r\n";
    QTest::newRow("inscriber, empty") << Inputs{} << "修改工作台配方1"
                                      << "Inscriber.addRecipe(<>,<>,false,<>,<>);\r\n";
    QTest::newRow("inscriber removal") << everyBox << "修改工作台配方2"
                                       << "Inscriber.removeRecipe(<gone>);\r\n";
    QTest::newRow("inscriber removal, empty") << Inputs{} << "修改工作台配方2"
                                              << "Inscriber.removeRecipe(<>);\r\n";
    QTest::newRow("grindstone removal, not the Output box") << everyBox << "修改工作台配方4"
                                                            << "Grinder.removeRecipe(<grind>);\r\n";
    QTest::newRow("grindstone removal, empty") << Inputs{} << "修改工作台配方4"
                                               << "Grinder.removeRecipe(<>);\r\n";
  }
  void ae2Chains() { checkChain("Ae2Window"); }

  void exNihiloChains_data() {
    addChainColumns();
    const Inputs sieve{{"a5", "minecraft:gravel"},
                       {"a6", "minecraft:flint"},
                       {"a7", "0.25"},
                       {"a", "minecraft:torch"},
                       {"a1", "3"}};
    Inputs iron = sieve;
    iron.insert("组合框1", "IronMesh");
    QTest::newRow("sieve, iron mesh")
        << iron << "修改工作台配方1"
        << "Sieve.addIronMeshRecipe(<minecraft:gravel>,<minecraft:flint>,0.25);\r\n";
    Inputs diamond = sieve;
    diamond.insert("组合框1", "DiamondMesh");
    QTest::newRow("sieve, diamond mesh")
        << diamond << "修改工作台配方1"
        << "Sieve.addDiamondMeshRecipe(<minecraft:gravel>,<minecraft:flint>,0.25);\r\n";
    QTest::newRow("sieve, no mesh")
        << sieve << "修改工作台配方1"
        << "Sieve.addRecipe(<minecraft:gravel>,<minecraft:flint>,0.25);\r\n";
    QTest::newRow("sieve, typed mesh") << Inputs{{"组合框1", "GoldMesh"}} << "修改工作台配方1"
                                       << "Sieve.addGoldMeshRecipe(<>,<>,);\r\n";
    QTest::newRow("heat") << sieve << "修改工作台配方7"
                          << "mods.exnihilocreatio.Heat.addRecipe(<minecraft:torch>,3);\r\n";
    QTest::newRow("heat, empty") << Inputs{} << "修改工作台配方7"
                                 << "mods.exnihilocreatio.Heat.addRecipe(<>,);\r\n";
  }
  void exNihiloChains() { checkChain("ExNihiloWindow"); }

  void modularMachineryClearRightAfterOpening() {
    test::Harness h;
    auto f = test::open("ModularMachineryWindow");
    test::click(*f, "修改工作台配方8");
    QCOMPARE(f->text("编辑框1"), kModularImports);
  }

  void modularMachineryClearKeepsEveryOtherBox() {
    test::Harness h;
    auto f = test::open("ModularMachineryWindow");
    const Inputs typed{{"编辑框2", "r1"},    {"编辑框4", "m"},      {"编辑框6", "20"},
                       {"组合框1", "输入"},  {"编辑框3", "60"},     {"编辑框5", "minecraft:stone"},
                       {"编辑框8", "2"},     {"编辑框14", "0.5"},   {"编辑框7", "minecraft:dirt"},
                       {"编辑框9", "3"},     {"编辑框13", "water"}, {"编辑框11", "10"},
                       {"编辑框12", "lava"}, {"编辑框10", "20"}};
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) test::type(*f, it.key(), it.value());
    for (const char* b : {"修改工作台配方6", "修改工作台配方2", "修改工作台配方1",
                          "修改工作台配方3", "修改工作台配方5", "修改工作台配方4"})
      test::click(*f, b);
    QVERIFY(f->text("编辑框1").size() > kModularImports.size());
    test::click(*f, "修改工作台配方8");
    QCOMPARE(f->text("编辑框1"), kModularImports);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
      QCOMPARE(f->text(it.key()), it.value());
  }

  // Each export closes the recipe on the same line, grows the name by the number drawn from 1
  // to 2147483647, and hands the whole box over before ExportWindow opens; the builder line
  // already written keeps its name, the next one takes the grown name.
  void modularMachineryExportTwice() {
    test::Harness h;
    h.fake.randoms = {0, 99999999999LL};  // below and beyond the range: its two ends
    QList<QByteArray> handedOver;
    h.fake.whenOpened["ExportWindow"] = [&](FormWindow&) { handedOver << values().exportBuffer; };
    auto f = test::open("ModularMachineryWindow");
    test::type(*f, "编辑框2", "r1");
    test::type(*f, "编辑框4", "m");
    test::type(*f, "编辑框6", "20");
    test::click(*f, "修改工作台配方6");
    const QString recipe =
        kModularImports + "val craft = RecipeBuilder.newBuilder('r1','m',20);\r\n";

    test::click(*f, "修改工作台配方7");
    QCOMPARE(f->text("编辑框1"), recipe + "craft.build();");
    QCOMPARE(f->text("编辑框2"), QString("r11"));
    test::click(*f, "修改工作台配方7");
    QCOMPARE(f->text("编辑框1"), recipe + "craft.build();craft.build();");
    QCOMPARE(f->text("编辑框2"), QString("r112147483647"));

    QCOMPARE(h.fake.opened, (QStringList{"ExportWindow", "ExportWindow"}));
    QCOMPARE(handedOver, (QList<QByteArray>{toBytes(recipe + "craft.build();"),
                                            toBytes(recipe + "craft.build();craft.build();")}));
    QCOMPARE(values().exportBuffer, toBytes(f->text("编辑框1")));

    test::click(*f, "修改工作台配方8");
    test::click(*f, "修改工作台配方6");
    QCOMPARE(f->text("编辑框1"),
             kModularImports + "val craft = RecipeBuilder.newBuilder('r112147483647','m',20);\r\n");
  }

  void exportHandsOverTheScriptBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("AE2") << "Ae2Window"
                         << "修改工作台配方7";
    QTest::newRow("Ex Nihilo") << "ExNihiloWindow"
                               << "修改工作台配方2";
  }
  // The buffer is replaced, not extended, and the box keeps its text; what the user typed into
  // the box itself goes along.
  void exportHandsOverTheScriptBox() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    test::Harness h;
    values().exportBuffer = "older export";
    QByteArray handedOver;
    h.fake.whenOpened["ExportWindow"] = [&](FormWindow&) { handedOver = values().exportBuffer; };
    auto f = test::open(window);
    f->append("编辑框1", "// 注释\r\n");
    const QString script = f->text("编辑框1");
    test::click(*f, button);
    QCOMPARE(f->text("编辑框1"), script);
    QCOMPARE(h.fake.opened, QStringList{"ExportWindow"});
    QCOMPARE(handedOver, toBytes(script));
    QCOMPARE(values().exportBuffer, toBytes(script));
  }
};

QTEST_MAIN(ModWindowsA)
#include "test_mods_a.moc"
