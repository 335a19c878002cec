// GameStageWindow and GameStage2Window: every row's lines, the batch rows over the stored id
// list, and the export of the script box.

#include <QFile>
#include <QTest>

#include "support/harness.h"

using namespace tf;

namespace {

// Stores a list the way a user does: BatchImportWindow, "写入".
void storeList(const QString& list) {
  auto batch = test::open("BatchImportWindow");
  test::type(*batch, "编辑框1", list);
  test::click(*batch, "按钮1");
}

const QString kThreeIds = "minecraft:zombie\r\nore:logWood\r\ntwilightforest:naga\r\n";

// Types each (box, text) pair, presses the button, and gives what the press appended.
QString press(FormWindow& f, const QString& scriptBox, const QStringList& typed,
              const QString& button) {
  for (qsizetype i = 0; i + 1 < typed.size(); i += 2) test::type(f, typed[i], typed[i + 1]);
  const QString before = f.text(scriptBox);
  test::click(f, button);
  const QString after = f.text(scriptBox);
  if (!after.startsWith(before)) return QStringLiteral("<the script box was rewritten>");
  return after.mid(before.size());
}

void chainColumns() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("typed");
  QTest::addColumn<QString>("appended");
}

// Every single-mode press appends its chain once; a stored list changes nothing for a row
// whose check box is not ticked.
void checkChain(const QString& window, const QString& scriptBox) {
  QFETCH(QString, button);
  QFETCH(QStringList, typed);
  QFETCH(QString, appended);
  test::Harness h;
  storeList("listed:id\r\n");
  auto f = test::open(window);
  QCOMPARE(press(*f, scriptBox, typed, button), appended);
  QCOMPARE(h.fake.messages.size(), 1);  // only the batch import's own
}

}  // namespace

class StageWindows : public QObject {
  Q_OBJECT

 private slots:
  void opening_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scriptBox");
    QTest::addColumn<QString>("text");
    QTest::newRow("GameStage") << "GameStageWindow"
                               << "编辑框1"
                               << "import crafttweaker.item.IItemStack;\r\n"
                                  "import crafttweaker.item.IIngredient;\r\n";
    QTest::newRow("GameStage2") << "GameStage2Window"
                                << "编辑框2"
                                << "";
  }
  void opening() {
    QFETCH(QString, window);
    QFETCH(QString, scriptBox);
    QFETCH(QString, text);
    test::Harness h;
    auto f = test::open(window);
    QCOMPARE(f->text(scriptBox), text);
    for (const char* box : {"选择框1", "选择框2"}) QVERIFY(!f->checked(box));
  }

  void gameStageChains_data() {
    chainColumns();
    QTest::newRow("dimension, negative id unquoted")
        << "添加维度限制" << QStringList{"编辑框7", "nether_access", "编辑框2", "-1"}
        << "mods.DimensionStages.addDimensionStage('nether_access',-1);\r\n";
    QTest::newRow("dimension, empty")
        << "添加维度限制" << QStringList{} << "mods.DimensionStages.addDimensionStage('',);\r\n";
    QTest::newRow("item") << "添加维度限制1"
                          << QStringList{"编辑框4", "铁器 时代", "编辑框3", "ore:ingotIron"}
                          << "mods.ItemStages.addItemStage('铁器 时代',<ore:ingotIron>);\r\n";
    QTest::newRow("item, empty") << "添加维度限制1" << QStringList{}
                                 << "mods.ItemStages.addItemStage('',<>);\r\n";
    QTest::newRow("import, no separator, semicolon")
        << "添加维度限制3" << QStringList{"编辑框8", "_nether"}
        << "import scripts.crafttweaker.stages.stage_nether;\r\n";
    QTest::newRow("import, empty")
        << "添加维度限制3" << QStringList{} << "import scripts.crafttweaker.stages.stage;\r\n";
    QTest::newRow("add stage") << "添加维度限制4" << QStringList{"编辑框9", "two"}
                               << "addGameStage('two');\r\n";
    QTest::newRow("add stage, empty")
        << "添加维度限制4" << QStringList{} << "addGameStage('');\r\n";
    QTest::newRow("remove stage") << "添加维度限制5" << QStringList{"编辑框10", "three"}
                                  << "removeGameStage('three');\r\n";
    QTest::newRow("staged shaped recipe")
        << "添加一个配方1" << QStringList{"编辑框12", "smith",
                                          "编辑框13", "minecraft:anvil",
                                          "编辑框11", "2",
                                          "a",        "<a:1>",
                                          "b",        "<b:2>",
                                          "c",        "<c:3>",
                                          "d",        "<d:4>",
                                          "e",        "<e:5>",
                                          "f",        "<f:6>",
                                          "g",        "<g:7>",
                                          "h",        "<h:8>",
                                          "i",        "<i:9>",
                                          "编辑框5",  "minecraft:creeper"}
        << "mods.recipestages.Recipes.addShaped('smith',<minecraft:anvil>*2,"
           "[[<a:1>,<b:2>,<c:3>],[<d:4>,<e:5>,<f:6>],[<g:7>,<h:8>,<i:9>]]);\r\n";
    QTest::newRow("staged shaped recipe, form texts")
        << "添加一个配方1" << QStringList{}
        << "mods.recipestages.Recipes.addShaped('',<必填>*1,"
           "[[null,null,null],[null,null,null],[null,null,null]]);\r\n";
    QTest::newRow("staged shaped recipe, cells emptied")
        << "添加一个配方1" << QStringList{"a", "", "e", "<e:5>", "i", " "}
        << "mods.recipestages.Recipes.addShaped('',<必填>*1,"
           "[[null,null,null],[null,<e:5>,null],[null,null,null]]);\r\n";
    QTest::newRow("stage colour") << "添加一个配方2"
                                  << QStringList{"编辑框19", "gold", "编辑框18", "255",
                                                 "编辑框21", "215",  "编辑框20", "0"}
                                  << "mods.tieredtooltips.colorStage('gold','255','215','0');\r\n";
    QTest::newRow("stage colour, empty")
        << "添加一个配方2" << QStringList{} << "mods.tieredtooltips.colorStage('','','','');\r\n";
    QTest::newRow("whole mod")
        << "添加维度限制11" << QStringList{"编辑框26", "tech", "编辑框25", "mekanism"}
        << "mods.recipestages.Recipes.setRecipeStageByMod('tech','mekanism');\r\n";
    QTest::newRow("tool building, no line break")
        << "添加维度限制8" << QStringList{"编辑框22", "tools"}
        << "mods.TinkerStages.addGeneralCraftingStage('tools');";
    QTest::newRow("part building, no line break")
        << "添加维度限制9" << QStringList{"编辑框23", "parts"}
        << "mods.TinkerStages.addGeneralPartBuildingStage('parts');";
    QTest::newRow("waila, no line break, empty")
        << "添加维度限制10" << QStringList{} << "mods.WailaStages.addWailaStage('');";
    QTest::newRow("mob, typed id")
        << "添加维度限制2" << QStringList{"编辑框6", "hostile", "编辑框5", "minecraft:creeper"}
        << "mods.MobStages.addStage('hostile','minecraft:creeper');\r\n"
           "mods.MobStages.toggleSpawner('minecraft:creeper',true);\r\n";
    QTest::newRow("mob, empty")
        << "添加维度限制2" << QStringList{}
        << "mods.MobStages.addStage('','');\r\nmods.MobStages.toggleSpawner('',true);\r\n";
    QTest::newRow("recipe of item, brackets")
        << "添加维度限制6" << QStringList{"编辑框14", "steel", "编辑框15", "minecraft:piston"}
        << "mods.recipestages.Recipes.setRecipeStage('steel',<minecraft:piston>);\r\n";
    QTest::newRow("recipe by name, quotes")
        << "添加维度限制7" << QStringList{"编辑框17", "steel", "编辑框16", "minecraft:piston"}
        << "mods.recipestages.Recipes.setRecipeStage('steel','minecraft:piston');\r\n";
  }
  void gameStageChains() { checkChain("GameStageWindow", "编辑框1"); }

  void gameStage2Chains_data() {
    chainColumns();
    QTest::newRow("hidden block")
        << "修改工作台配方6" << QStringList{"编辑框6", "miner", "编辑框1", "minecraft:diamond_ore"}
        << "mods.orestages.OreStages.addReplacement('miner',<minecraft:diamond_ore>);\r\n";
    QTest::newRow("hidden block, empty") << "修改工作台配方6" << QStringList{}
                                         << "mods.orestages.OreStages.addReplacement('',<>);\r\n";
    QTest::newRow("unfamiliar item")
        << "修改工作台配方1" << QStringList{"编辑框4", "魔法", "编辑框3", "botania:manasteel"}
        << "mods.ItemStages.setUnfamiliarName('魔法',<botania:manasteel>);\r\n";
    QTest::newRow("unfamiliar item, empty")
        << "修改工作台配方1" << QStringList{} << "mods.ItemStages.setUnfamiliarName('',<>);\r\n";
    QTest::newRow("import, no separator, semicolon")
        << "添加维度限制3" << QStringList{"编辑框8", "Hidden"}
        << "import scripts.crafttweaker.stages.stageHidden;\r\n";
    QTest::newRow("import, empty")
        << "添加维度限制3" << QStringList{} << "import scripts.crafttweaker.stages.stage;\r\n";
  }
  void gameStage2Chains() { checkChain("GameStage2Window", "编辑框2"); }

  // The stage import goes after the last import at the top of the script (at the very top when
  // there is none), never below a statement, in both windows; its own bytes stay as they are.
  void stageImportPlacement_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scriptBox");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString imp = "import scripts.crafttweaker.stages.stage_x;\r\n";
    for (const auto& [window, box] :
         {std::pair{"GameStageWindow", "编辑框1"}, std::pair{"GameStage2Window", "编辑框2"}}) {
      const auto row = [&](const char* name) -> QTestData& {
        return QTest::addRow("%s, %s", window, name) << QString(window) << QString(box);
      };
      row("empty box") << "" << imp;
      row("statements only") << "addGameStage('a');\r\naddGameStage('b');\r\n"
                             << imp + "addGameStage('a');\r\naddGameStage('b');\r\n";
      row("after the imports, before statements")
          << "import a.B;\r\nimport c.D;\r\naddGameStage('a');\r\nimport late.E;\r\n"
          << "import a.B;\r\nimport c.D;\r\n" + imp + "addGameStage('a');\r\nimport late.E;\r\n";
      row("comments, preprocessor and blanks passed over")
          << "#priority 5\r\n// stages\r\n\r\nimport a.B;\r\n\r\nval x = 1;\r\n"
          << "#priority 5\r\n// stages\r\n\r\nimport a.B;\r\n" + imp + "\r\nval x = 1;\r\n";
      row("last import without a line break") << "import a.B;"
                                              << "import a.B;\r\n" + imp;
      row("a line without break continues after the insertion")
          << "addGameStage('a');" << imp + "addGameStage('a');";
      row("a name starting with import is no import") << "importance.x();\r\n"
                                                      << imp + "importance.x();\r\n";
    }
  }
  void stageImportPlacement() {
    QFETCH(QString, window);
    QFETCH(QString, scriptBox);
    QFETCH(QString, before);
    QFETCH(QString, after);
    test::Harness h;
    auto f = test::open(window);
    f->setText(scriptBox, before);
    test::type(*f, "编辑框8", "_x");
    test::click(*f, "添加维度限制3");
    QCOMPARE(f->text(scriptBox), after);
  }

  void linesWithoutBreakContinue() {
    test::Harness h;
    auto f = test::open("GameStageWindow");
    test::type(*f, "编辑框24", "look");
    test::type(*f, "编辑框22", "tool");
    test::type(*f, "编辑框23", "part");
    test::type(*f, "编辑框9", "next");
    for (const char* button :
         {"添加维度限制10", "添加维度限制10", "添加维度限制8", "添加维度限制9", "添加维度限制4"})
      test::click(*f, button);
    QCOMPARE(splitLines(f->text("编辑框1")),
             (QStringList{"import crafttweaker.item.IItemStack;",
                          "import crafttweaker.item.IIngredient;",
                          "mods.WailaStages.addWailaStage('look');"
                          "mods.WailaStages.addWailaStage('look');"
                          "mods.TinkerStages.addGeneralCraftingStage('tool');"
                          "mods.TinkerStages.addGeneralPartBuildingStage('part');"
                          "addGameStage('next');"}));
  }

  // Each batch row with the three ids of kThreeIds stored and the row's boxes typed into.
  void batchRows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scriptBox");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("checkBox");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("appended");
    QTest::newRow("mob") << "GameStageWindow"
                         << "编辑框1"
                         << "添加维度限制2"
                         << "选择框3" << QStringList{"编辑框6", "night", "编辑框5", "typed:mob"}
                         << "mods.MobStages.addStage('night','minecraft:zombie');\r\n"
                            "mods.MobStages.toggleSpawner('minecraft:zombie',true);\r\n"
                            "mods.MobStages.addStage('night','ore:logWood');\r\n"
                            "mods.MobStages.toggleSpawner('ore:logWood',true);\r\n"
                            "mods.MobStages.addStage('night','twilightforest:naga');\r\n"
                            "mods.MobStages.toggleSpawner('twilightforest:naga',true);\r\n";
    QTest::newRow("recipe of item")
        << "GameStageWindow"
        << "编辑框1"
        << "添加维度限制6"
        << "选择框1" << QStringList{"编辑框14", "craft", "编辑框15", "typed:item"}
        << "mods.recipestages.Recipes.setRecipeStage('craft',<minecraft:zombie>);\r\n"
           "mods.recipestages.Recipes.setRecipeStage('craft',<ore:logWood>);\r\n"
           "mods.recipestages.Recipes.setRecipeStage('craft',<twilightforest:naga>);\r\n";
    QTest::newRow("recipe by name")
        << "GameStageWindow"
        << "编辑框1"
        << "添加维度限制7"
        << "选择框2" << QStringList{"编辑框17", "craft", "编辑框16", "typed:item"}
        << "mods.recipestages.Recipes.setRecipeStage('craft','minecraft:zombie');\r\n"
           "mods.recipestages.Recipes.setRecipeStage('craft','ore:logWood');\r\n"
           "mods.recipestages.Recipes.setRecipeStage('craft','twilightforest:naga');\r\n";
    QTest::newRow("hidden block")
        << "GameStage2Window"
        << "编辑框2"
        << "修改工作台配方6"
        << "选择框2" << QStringList{"编辑框6", "", "编辑框1", "typed:block"}
        << "mods.orestages.OreStages.addReplacement('',<minecraft:zombie>);\r\n"
           "mods.orestages.OreStages.addReplacement('',<ore:logWood>);\r\n"
           "mods.orestages.OreStages.addReplacement('',<twilightforest:naga>);\r\n";
    QTest::newRow("unfamiliar item")
        << "GameStage2Window"
        << "编辑框2"
        << "修改工作台配方1"
        << "选择框1" << QStringList{"编辑框4", "seen", "编辑框3", "typed:item"}
        << "mods.ItemStages.setUnfamiliarName('seen',<minecraft:zombie>);\r\n"
           "mods.ItemStages.setUnfamiliarName('seen',<ore:logWood>);\r\n"
           "mods.ItemStages.setUnfamiliarName('seen',<twilightforest:naga>);\r\n";
  }
  void batchRows() {
    QFETCH(QString, window);
    QFETCH(QString, scriptBox);
    QFETCH(QString, button);
    QFETCH(QString, checkBox);
    QFETCH(QStringList, typed);
    QFETCH(QString, appended);
    test::Harness h;
    storeList(kThreeIds);
    auto f = test::open(window);
    test::click(*f, checkBox);
    QVERIFY(f->checked(checkBox));
    QCOMPARE(press(*f, scriptBox, typed, button), appended);
    QCOMPARE(press(*f, scriptBox, {}, button), appended);  // again: appended once more
    QCOMPARE(h.fake.messages.size(), 1);                   // only the batch import's own
  }

  // A list file left from an earlier run is not used: nothing was stored in this one.
  void checkedBeforeAnyImport_data() { batchRows_data(); }
  void checkedBeforeAnyImport() {
    QFETCH(QString, window);
    QFETCH(QString, scriptBox);
    QFETCH(QString, button);
    QFETCH(QString, checkBox);
    QFETCH(QStringList, typed);
    test::Harness h;
    QVERIFY(writeListFile(kThreeIds).isEmpty());
    auto f = test::open(window);
    test::click(*f, checkBox);
    QCOMPARE(press(*f, scriptBox, typed, button), QString());
    QVERIFY(h.fake.messages.isEmpty());
  }

  // The upper row's box is 选择框2, the lower row's 选择框1; each switches its own row only.
  void gameStage2CheckBoxesIndependent_data() {
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("appended");
    QTest::newRow("block row ticked") << "选择框2"
                                      << "mods.orestages.OreStages.addReplacement('b',<x:one>);\r\n"
                                         "mods.orestages.OreStages.addReplacement('b',<x:two>);\r\n"
                                         "mods.ItemStages.setUnfamiliarName('i',<typed:item>);\r\n";
    QTest::newRow("item row ticked")
        << "选择框1"
        << "mods.orestages.OreStages.addReplacement('b',<typed:block>);\r\n"
           "mods.ItemStages.setUnfamiliarName('i',<x:one>);\r\n"
           "mods.ItemStages.setUnfamiliarName('i',<x:two>);\r\n";
  }
  void gameStage2CheckBoxesIndependent() {
    QFETCH(QString, ticked);
    QFETCH(QString, appended);
    test::Harness h;
    storeList("x:one\r\nx:two");
    auto f = test::open("GameStage2Window");
    test::type(*f, "编辑框6", "b");
    test::type(*f, "编辑框1", "typed:block");
    test::type(*f, "编辑框4", "i");
    test::type(*f, "编辑框3", "typed:item");
    test::click(*f, ticked);
    test::click(*f, "修改工作台配方6");
    test::click(*f, "修改工作台配方1");
    QCOMPARE(f->text("编辑框2"), appended);
  }

  // The list file changed behind the program's back after "写入": the ids it still holds are
  // written, and a warning says how many of the stored ones were.
  void listFileShortenedFromOutside_data() {
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QByteArray>("fileNow");
    QTest::addColumn<QString>("appended");
    QTest::addColumn<QString>("written");
    QTest::newRow("one id left")
        << false << QByteArray("minecraft:zombie\r\n")
        << "mods.recipestages.Recipes.setRecipeStage('s',<minecraft:zombie>);\r\n"
        << "写入了 1 个";
    QTest::newRow("emptied") << false << QByteArray() << ""
                             << "写入了 0 个";
    QTest::newRow("removed") << true << QByteArray() << ""
                             << "写入了 0 个";
  }
  void listFileShortenedFromOutside() {
    QFETCH(bool, removed);
    QFETCH(QByteArray, fileNow);
    QFETCH(QString, appended);
    QFETCH(QString, written);
    test::Harness h;
    storeList(kThreeIds);
    if (removed)
      QVERIFY(QFile::remove(listFilePath()));
    else
      QVERIFY(writeWholeFile(listFilePath(), fileNow).isEmpty());
    auto f = test::open("GameStageWindow");
    test::click(*f, "选择框1");
    QCOMPARE(press(*f, "编辑框1", {"编辑框14", "s"}, "添加维度限制6"), appended);
    QCOMPARE(h.fake.messages.size(), 2);
    const FakePlatform::Message& warning = h.fake.messages.last();
    QCOMPARE(warning.flags, int(kMessageWarning));
    QVERIFY2(warning.text.contains(written) && warning.text.contains(" 3 个"),
             qPrintable(warning.text));
  }

  void exportHandsOverTheScriptBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scriptBox");
    QTest::newRow("GameStage") << "GameStageWindow"
                               << "编辑框1";
    QTest::newRow("GameStage2") << "GameStage2Window"
                                << "编辑框2";
  }
  void exportHandsOverTheScriptBox() {
    QFETCH(QString, window);
    QFETCH(QString, scriptBox);
    test::Harness h;
    values().exportBuffer = "earlier export\r\n";
    auto f = test::open(window);
    test::type(*f, "编辑框8", "_末地");
    test::click(*f, "添加维度限制3");
    const QString script = f->text(scriptBox);
    QVERIFY(script.endsWith("import scripts.crafttweaker.stages.stage_末地;\r\n"));
    QByteArray whileOpen;
    h.fake.whenOpened["ExportWindow"] = [&](FormWindow&) { whileOpen = values().exportBuffer; };
    test::click(*f, "修改工作台配方7");
    QCOMPARE(h.fake.opened, QStringList{"ExportWindow"});
    QCOMPARE(whileOpen, toBytes(script));
    QCOMPARE(values().exportBuffer, toBytes(script));
    QCOMPARE(f->text(scriptBox), script);
  }
};

QTEST_MAIN(StageWindows)
#include "test_stages.moc"
