// The Mekanism windows: every recipe button's line, lines from several windows collecting in
// one script in click order, the code terminal, the machine selector and the export.

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include "support/harness.h"

using namespace tf;

namespace {

const QString kEarlier = QStringLiteral("earlier line\r\n");

// Types into a box, or picks the combo item of that text as a user would.
void enter(FormWindow& f, const QString& name, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(f.control(name))) {
    const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0) {
      combo->setCurrentIndex(item);
      return;
    }
  }
  test::type(f, name, text);
}

// Every box of the window with its text.
QHash<QString, QString> boxTexts(const FormWindow& f) {
  QHash<QString, QString> texts;
  for (const ControlDeclaration& c : f.declaration().controls)
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::Combo) texts[c.name] = f.text(c.name);
  return texts;
}

// In a fresh window, enters typing (box, text, box, text, ...) and clicks button: its line is
// appended after what the script held, nothing is shown or opened, no box changes, and a
// second click appends the line again.
void checkLine(const QString& window, const QString& button, const QStringList& typing,
               const QString& expected) {
  test::Harness h;
  values().mekanismScript = kEarlier;
  std::unique_ptr<FormWindow> f = test::open(window);
  for (qsizetype i = 0; i + 1 < typing.size(); i += 2) enter(*f, typing[i], typing[i + 1]);
  const QHash<QString, QString> before = boxTexts(*f);
  test::click(*f, button);
  QCOMPARE(values().mekanismScript, kEarlier + expected);
  QCOMPARE(boxTexts(*f), before);
  QVERIFY(h.fake.messages.isEmpty());
  QVERIFY(h.fake.opened.isEmpty());
  test::click(*f, button);
  QCOMPARE(values().mekanismScript, kEarlier + expected + expected);
}

void lineColumns() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("typing");
  QTest::addColumn<QString>("expected");
}

#define CHECK_LINE(window)     \
  QFETCH(QString, button);     \
  QFETCH(QStringList, typing); \
  QFETCH(QString, expected);   \
  checkLine(window, button, typing, expected)

// Writes the export window's file as a user would: choose the file, then write.
void exportTo(const QString& path, test::Harness& h) {
  h.fake.whenOpened["ExportWindow"] = [&h, path](FormWindow& w) {
    h.fake.fileAnswers = {path};
    test::click(w, "添加一个配方1");
    test::click(w, "添加一个配方2");
  };
}

}  // namespace

class Mekanism : public QObject {
  Q_OBJECT

 private slots:
  void hubLines_data() {
    lineColumns();
    QTest::newRow("crystallizer add")
        << "修改工作台配方10" << QStringList{"编辑框2", "brine", "编辑框3", "mekanism:salt"}
        << "mods.mekanism.chemical.crystallizer.addRecipe(<gas:brine>, <mekanism:salt>);\r\n";
    QTest::newRow("crystallizer add, empty")
        << "修改工作台配方10" << QStringList{}
        << "mods.mekanism.chemical.crystallizer.addRecipe(<gas:>, <>);\r\n";
    QTest::newRow("crystallizer removal: output, then input")
        << "修改工作台配方2" << QStringList{"编辑框5", "lithium", "编辑框4", "mekanism:dust:4"}
        << "mods.mekanism.chemical.crystallizer.removeRecipe(<mekanism:dust:4>, <gas:lithium>);"
           "\r\n";
    QTest::newRow("crystallizer removal, empty")
        << "修改工作台配方2" << QStringList{}
        << "mods.mekanism.chemical.crystallizer.removeRecipe(<>, <gas:>);\r\n";
    QTest::newRow("crystallizer removal by output")
        << "修改工作台配方1" << QStringList{"编辑框1", "mekanism:crystal:2"}
        << "mods.mekanism.chemical.crystallizer.removeRecipe(<mekanism:crystal:2>);\r\n";
    QTest::newRow("typed text goes in unchanged")
        << "修改工作台配方1" << QStringList{"编辑框1", " a<b>\"c\"\\ 盐 "}
        << "mods.mekanism.chemical.crystallizer.removeRecipe(< a<b>\"c\"\\ 盐 >);\r\n";
    QTest::newRow("crystallizer remove all")
        << "修改工作台配方3" << QStringList{"编辑框1", "ignored"}
        << "mods.mekanism.chemical.crystallizer.removeAllRecipes();\r\n";
    QTest::newRow("dissolution add")
        << "修改工作台配方7"
        << QStringList{"编辑框10", "minecraft:gravel", "编辑框9", "sulfuricacid"}
        << "mods.mekanism.chemical.dissolution.addRecipe(<minecraft:gravel>, <gas:sulfuricacid>);"
           "\r\n";
    QTest::newRow("dissolution removal: output, then input")
        << "修改工作台配方5" << QStringList{"编辑框7", "mekanism:oreblock", "编辑框6", "slurry"}
        << "mods.mekanism.chemical.dissolution.removeRecipe(<gas:slurry>, <mekanism:oreblock>);"
           "\r\n";
    QTest::newRow("dissolution removal, empty")
        << "修改工作台配方5" << QStringList{}
        << "mods.mekanism.chemical.dissolution.removeRecipe(<gas:>, <>);\r\n";
    QTest::newRow("dissolution removal by output")
        << "修改工作台配方6" << QStringList{"编辑框8", "ethene"}
        << "mods.mekanism.chemical.dissolution.removeRecipe(<gas:ethene>);\r\n";
    QTest::newRow("dissolution remove all")
        << "修改工作台配方4" << QStringList{}
        << "mods.mekanism.chemical.dissolution.removeAllRecipes();\r\n";
    QTest::newRow("chemical infuser add: no blank after the commas")
        << "修改工作台配方12" << QStringList{"编辑框15", "hydrogen", "编辑框16",
                                             "chlorine", "编辑框17", "hydrogenchloride"}
        << "mods.mekanism.chemical.infuser.addRecipe(<gas:hydrogen>,<gas:chlorine>,"
           "<gas:hydrogenchloride>);\r\n";
    QTest::newRow("chemical infuser add, empty")
        << "修改工作台配方12" << QStringList{}
        << "mods.mekanism.chemical.infuser.addRecipe(<gas:>,<gas:>,<gas:>);\r\n";
    QTest::newRow("chemical infuser removal: output, then both inputs")
        << "修改工作台配方8" << QStringList{"编辑框13", "sulfurtrioxide", "编辑框11",
                                            "water",    "编辑框12",       "sulfuricacid"}
        << "mods.mekanism.chemical.infuser.removeRecipe(<gas:sulfuricacid>, <gas:sulfurtrioxide>, "
           "<gas:water>);\r\n";
    QTest::newRow("chemical infuser removal by output")
        << "修改工作台配方11" << QStringList{"编辑框14", "oxygen"}
        << "mods.mekanism.chemical.infuser.removeRecipe(<gas:oxygen>);\r\n";
    QTest::newRow("chemical infuser remove all")
        << "修改工作台配方9" << QStringList{}
        << "mods.mekanism.chemical.infuser.removeAllRecipes();\r\n";
  }
  void hubLines() { CHECK_LINE("MekanismWindow"); }

  void crusherLines_data() {
    lineColumns();
    QTest::newRow("add")
        << "修改工作台配方10"
        << QStringList{"编辑框1", "minecraft:iron_ore", "编辑框3", "mekanism:dirtydust", "编辑框4",
                       "2"}
        << "mods.mekanism.crusher.addRecipe(<minecraft:iron_ore>, <mekanism:dirtydust> * 2);\r\n";
    QTest::newRow("add, amount as opened")
        << "修改工作台配方10"
        << QStringList{"编辑框1", "minecraft:stone", "编辑框3", "minecraft:sand"}
        << "mods.mekanism.crusher.addRecipe(<minecraft:stone>, <minecraft:sand> * 1);\r\n";
    QTest::newRow("add, emptied amount") << "修改工作台配方10" << QStringList{"编辑框4", ""}
                                         << "mods.mekanism.crusher.addRecipe(<>, <> * );\r\n";
    QTest::newRow("removal: output with amount, then input after \",<\"")
        << "修改工作台配方1"
        << QStringList{"编辑框6", "minecraft:gravel", "编辑框5", "minecraft:flint", "编辑框2", "3"}
        << "mods.mekanism.crusher.removeRecipe(<minecraft:flint> * 3,<minecraft:gravel>);\r\n";
    QTest::newRow("removal, empty") << "修改工作台配方1" << QStringList{"编辑框2", ""}
                                    << "mods.mekanism.crusher.removeRecipe(<> * ,<>);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方2" << QStringList{"编辑框7", "mekanism:dust:1"}
        << "mods.mekanism.crusher.removeRecipe(<mekanism:dust:1>);\r\n";
    QTest::newRow("removal by output, empty")
        << "修改工作台配方2" << QStringList{} << "mods.mekanism.crusher.removeRecipe(<>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.crusher.removeAllRecipes();\r\n";
  }
  void crusherLines() { CHECK_LINE("CrusherWindow"); }

  void enrichmentLines_data() {
    lineColumns();
    QTest::newRow("add") << "修改工作台配方10" << QStringList{"编辑框1", "minecraft:redstone_ore",
                                                              "编辑框3", "minecraft:redstone",
                                                              "编辑框4", "12"}
                         << "mods.mekanism.enrichment.addRecipe(<minecraft:redstone_ore>, "
                            "<minecraft:redstone> * 12);"
                            "\r\n";
    QTest::newRow("removal: input first, then output with amount")
        << "修改工作台配方1" << QStringList{"编辑框5", "minecraft:diamond", "编辑框2",
                                            "2",       "编辑框6",           "minecraft:diamond_ore"}
        << "mods.mekanism.enrichment.removeRecipe(<minecraft:diamond_ore>, <minecraft:diamond> * "
           "2);"
           "\r\n";
    QTest::newRow("removal, amount as opened")
        << "修改工作台配方1" << QStringList{}
        << "mods.mekanism.enrichment.removeRecipe(<>, <> * 1);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方2" << QStringList{"编辑框7", "mekanism:compresseddiamond"}
        << "mods.mekanism.enrichment.removeRecipe(<mekanism:compresseddiamond>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.enrichment.removeAllRecipes();\r\n";
  }
  void enrichmentLines() { CHECK_LINE("EnrichmentWindow"); }

  void smelterLines_data() {
    lineColumns();
    QTest::newRow("add")
        << "修改工作台配方10"
        << QStringList{"编辑框1", "minecraft:iron_ore", "编辑框3", "minecraft:iron_ingot"}
        << "mods.mekanism.smelter.addRecipe(<minecraft:iron_ore>, <minecraft:iron_ingot>);\r\n";
    QTest::newRow("add, empty") << "修改工作台配方10" << QStringList{}
                                << "mods.mekanism.smelter.addRecipe(<>, <>);\r\n";
    QTest::newRow("removal: input first")
        << "修改工作台配方1"
        << QStringList{"编辑框5", "minecraft:glass", "编辑框6", "minecraft:sand"}
        << "mods.mekanism.smelter.removeRecipe(<minecraft:sand>, <minecraft:glass>);\r\n";
    QTest::newRow("removal by one box")
        << "修改工作台配方2" << QStringList{"编辑框7", "minecraft:cooked_beef"}
        << "mods.mekanism.smelter.removeRecipe(<minecraft:cooked_beef>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.smelter.removeAllRecipes();\r\n";
  }
  void smelterLines() { CHECK_LINE("SmelterWindow"); }

  void sawmillLines_data() {
    lineColumns();
    QTest::newRow("add: \"> *\" without a blank")
        << "修改工作台配方10" << QStringList{"编辑框1", "minecraft:log",
                                             "编辑框3", "minecraft:planks",
                                             "编辑框4", "6",
                                             "编辑框5", "mekanism:sawdust",
                                             "编辑框2", "2"}
        << "mods.mekanism.sawmill.addRecipe(<minecraft:log>, <minecraft:planks> *6, "
           "<mekanism:sawdust> *2);\r\n";
    QTest::newRow("add, no second product, amounts as opened")
        << "修改工作台配方10"
        << QStringList{"编辑框1", "minecraft:log:1", "编辑框3", "minecraft:planks:1"}
        << "mods.mekanism.sawmill.addRecipe(<minecraft:log:1>, <minecraft:planks:1> *1, <> "
           "*1);\r\n";
    QTest::newRow("add, all emptied")
        << "修改工作台配方10" << QStringList{"编辑框4", "", "编辑框2", ""}
        << "mods.mekanism.sawmill.addRecipe(<>, <> *, <> *);\r\n";
    QTest::newRow("remove all") << "修改工作台配方1" << QStringList{}
                                << "mods.mekanism.sawmill.removeAllRecipes();\r\n";
  }
  void sawmillLines() { CHECK_LINE("SawmillWindow"); }

  void compressorLines_data() {
    lineColumns();
    QTest::newRow("add: item, gas, output")
        << "修改工作台配方1"
        << QStringList{"编辑框4",      "mekanism:ingot:3", "编辑框5",
                       "liquidosmium", "编辑框6",          "minecraft:glowstone_dust"}
        << "mods.mekanism.compressor.addRecipe(<minecraft:glowstone_dust>, <gas:liquidosmium>, "
           "<mekanism:ingot:3>);\r\n";
    QTest::newRow("add, empty") << "修改工作台配方1" << QStringList{}
                                << "mods.mekanism.compressor.addRecipe(<>, <gas:>, <>);\r\n";
    QTest::newRow("removal: output, item, gas")
        << "修改工作台配方10"
        << QStringList{"编辑框2", "hydrogen",        "编辑框1", "minecraft:obsidian",
                       "编辑框3", "mekanism:ingot:1"}
        << "mods.mekanism.compressor.removeRecipe(<mekanism:ingot:1>, <minecraft:obsidian>, "
           "<gas:hydrogen>);\r\n";
    QTest::newRow("removal, empty") << "修改工作台配方10" << QStringList{}
                                    << "mods.mekanism.compressor.removeRecipe(<>, <>, <gas:>);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方2" << QStringList{"编辑框7", "mekanism:ingot"}
        << "mods.mekanism.compressor.removeRecipe(<mekanism:ingot>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.compressor.removeAllRecipes();\r\n";
  }
  void compressorLines() { CHECK_LINE("CompressorWindow"); }

  void combinerLines_data() {
    lineColumns();
    QTest::newRow("add: main input with amount, second input, output")
        << "修改工作台配方10"
        << QStringList{"编辑框3", "minecraft:diamond_ore", "编辑框2", "minecraft:cobblestone",
                       "编辑框1", "minecraft:diamond",     "编辑框4", "3"}
        << "mods.mekanism.combiner.addRecipe(<minecraft:diamond> * 3, <minecraft:cobblestone>, "
           "<minecraft:diamond_ore>);\r\n";
    QTest::newRow("add, amount as opened")
        << "修改工作台配方10" << QStringList{}
        << "mods.mekanism.combiner.addRecipe(<> * 1, <>, <>);\r\n";
    QTest::newRow("removal: output with the row's amount, then inputs")
        << "修改工作台配方1"
        << QStringList{"编辑框8", "minecraft:emerald", "编辑框5", "4",
                       "编辑框7", "minecraft:stone",   "编辑框6", "minecraft:emerald_ore"}
        << "mods.mekanism.combiner.removeRecipe(<minecraft:emerald_ore> * 4, <minecraft:emerald>, "
           "<minecraft:stone>);\r\n";
    QTest::newRow("removal, emptied amount")
        << "修改工作台配方1" << QStringList{"编辑框5", ""}
        << "mods.mekanism.combiner.removeRecipe(<> * , <>, <>);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方2" << QStringList{"编辑框9", "minecraft:gold_ore"}
        << "mods.mekanism.combiner.removeRecipe(<minecraft:gold_ore>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.combiner.removeAllRecipes();\r\n";
  }
  void combinerLines() { CHECK_LINE("CombinerWindow"); }

  void infuserLines_data() {
    lineColumns();
    QTest::newRow("add with REDSTONE chosen, amounts as opened")
        << "修改工作台配方8"
        << QStringList{"组合框1", "\"REDSTONE\"",         "编辑框1", "minecraft:iron_ingot",
                       "编辑框3", "mekanism:enrichediron"}
        << "mods.mekanism.infuser.addRecipe(\"REDSTONE\",10, <minecraft:iron_ingot> * 1, "
           "<mekanism:enrichediron> * 1);\r\n";
    QTest::newRow("add, every box typed")
        << "修改工作台配方8" << QStringList{"组合框1", "\"CARBON\"",
                                            "编辑框9", "20",
                                            "编辑框1", "mekanism:enrichediron",
                                            "编辑框2", "2",
                                            "编辑框3", "mekanism:steeldust",
                                            "编辑框4", "3"}
        << "mods.mekanism.infuser.addRecipe(\"CARBON\",20, <mekanism:enrichediron> * 2, "
           "<mekanism:steeldust> * 3);\r\n";
    QTest::newRow("add without a type")
        << "修改工作台配方8"
        << QStringList{"编辑框1", "minecraft:dirt", "编辑框3", "minecraft:grass"}
        << "mods.mekanism.infuser.addRecipe(,10, <minecraft:dirt> * 1, <minecraft:grass> * 1);\r\n";
    QTest::newRow("add with a typed type")
        << "修改工作台配方8" << QStringList{"组合框1", "\"GOLD\""}
        << "mods.mekanism.infuser.addRecipe(\"GOLD\",10, <> * 1, <> * 1);\r\n";
    QTest::newRow("removal: output, input, type; the row's amounts feed nothing")
        << "修改工作台配方2" << QStringList{"编辑框8", "minecraft:iron_ingot",
                                            "编辑框7", "mekanism:enrichedalloy",
                                            "组合框2", "\"REDSTONE\"",
                                            "编辑框5", "7",
                                            "编辑框6", "9"}
        << "mods.mekanism.infuser.removeRecipe(<mekanism:enrichedalloy>, <minecraft:iron_ingot>,"
           "\"REDSTONE\");\r\n";
    QTest::newRow("removal without a type")
        << "修改工作台配方2" << QStringList{} << "mods.mekanism.infuser.removeRecipe(<>, <>,);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方1" << QStringList{"编辑框10", "mekanism:reinforcedalloy"}
        << "mods.mekanism.infuser.removeRecipe(<mekanism:reinforcedalloy>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.infuser.removeAllRecipes();\r\n";
  }
  void infuserLines() { CHECK_LINE("InfuserWindow"); }

  // Both type boxes offer the seven types, each a quoted script string, and can be typed into.
  void infusionTypes() {
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open("InfuserWindow");
    const QStringList types{"\"OBSIDIAN\"", "\"BIO\"", "\"FUNGI\"", "\"REDSTONE\"",
                            "\"DIAMOND\"",  "\"TIN\"", "\"CARBON\""};
    for (const QString name : {"组合框1", "组合框2"}) {
      auto* combo = qobject_cast<QComboBox*>(f->control(name));
      QVERIFY(combo != nullptr && combo->isEditable());
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      QCOMPARE(items, types);
      QCOMPARE(f->text(name), QString());
    }
  }

  void injectionLines_data() {
    lineColumns();
    QTest::newRow("add") << "修改工作台配方10" << QStringList{"编辑框3", "mekanism:shard:2",
                                                              "编辑框2", "hydrogenchloride",
                                                              "编辑框1", "minecraft:gold_ore"}
                         << "mods.mekanism.chemical.injection.addRecipe(<minecraft:gold_ore>, "
                            "<gas:hydrogenchloride>, <mekanism:shard:2>);\r\n";
    QTest::newRow("add, empty")
        << "修改工作台配方10" << QStringList{}
        << "mods.mekanism.chemical.injection.addRecipe(<>, <gas:>, <>);\r\n";
    QTest::newRow("removal: output, item, gas")
        << "修改工作台配方1"
        << QStringList{"编辑框5", "water",           "编辑框6", "mekanism:crystal:1",
                       "编辑框4", "mekanism:shard:1"}
        << "mods.mekanism.chemical.injection.removeRecipe(<mekanism:shard:1>, "
           "<mekanism:crystal:1>, <gas:water>);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方2" << QStringList{"编辑框7", "mekanism:shard"}
        << "mods.mekanism.chemical.injection.removeRecipe(<mekanism:shard>);\r\n";
    QTest::newRow("remove all: no line break")
        << "修改工作台配方3" << QStringList{}
        << "mods.mekanism.chemical.injection.removeAllRecipes();";
  }
  void injectionLines() { CHECK_LINE("ChemicalInjectionWindow"); }

  void oxidizerLines_data() {
    lineColumns();
    QTest::newRow("add")
        << "修改工作台配方1"
        << QStringList{"编辑框2", "sulfurdioxide", "编辑框1", "mekanism:sulfurdust"}
        << "mods.mekanism.chemical.oxidizer.addRecipe(<mekanism:sulfurdust>, <gas:sulfurdioxide>);"
           "\r\n";
    QTest::newRow("add, empty") << "修改工作台配方1" << QStringList{}
                                << "mods.mekanism.chemical.oxidizer.addRecipe(<>, <gas:>);\r\n";
    QTest::newRow("removal: output, then input")
        << "修改工作台配方2" << QStringList{"编辑框4", "mekanism:lithiumdust", "编辑框3", "lithium"}
        << "mods.mekanism.chemical.oxidizer.removeRecipe(<gas:lithium>, <mekanism:lithiumdust>);"
           "\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方3" << QStringList{"编辑框5", "brine"}
        << "mods.mekanism.chemical.oxidizer.removeRecipe(<gas:brine>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方4" << QStringList{}
                                << "mods.mekanism.chemical.oxidizer.removeAllRecipes();\r\n";
  }
  void oxidizerLines() { CHECK_LINE("ChemicalOxidizerWindow"); }

  void washerLines_data() {
    lineColumns();
    QTest::newRow("add")
        << "修改工作台配方2"
        << QStringList{"编辑框1", "slurrycleaniron", "编辑框2", "slurrydirtyiron"}
        << "mods.mekanism.chemical.washer.addRecipe(<gas:slurrydirtyiron>, <gas:slurrycleaniron>);"
           "\r\n";
    QTest::newRow("removal: output, then input")
        << "修改工作台配方1"
        << QStringList{"编辑框4", "slurrydirtygold", "编辑框3", "slurrycleangold"}
        << "mods.mekanism.chemical.washer.removeRecipe(<gas:slurrycleangold>, "
           "<gas:slurrydirtygold>);\r\n";
    QTest::newRow("removal, empty")
        << "修改工作台配方1" << QStringList{}
        << "mods.mekanism.chemical.washer.removeRecipe(<gas:>, <gas:>);\r\n";
    QTest::newRow("removal by output")
        << "修改工作台配方3" << QStringList{"编辑框5", "slurrycleancopper"}
        << "mods.mekanism.chemical.washer.removeRecipe(<gas:slurrycleancopper>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方4" << QStringList{}
                                << "mods.mekanism.chemical.washer.removeAllRecipes();\r\n";
  }
  void washerLines() { CHECK_LINE("ChemicalWasherWindow"); }

  void separatorLines_data() {
    lineColumns();
    QTest::newRow("add: liquid, energy after \">,\", gases")
        << "修改工作台配方10" << QStringList{"编辑框2", "oxygen", "编辑框3", "hydrogen",
                                             "编辑框4", "800",    "编辑框1", "water"}
        << "mods.mekanism.separator.addRecipe(<liquid:water>,800, <gas:hydrogen>, <gas:oxygen>);"
           "\r\n";
    QTest::newRow("add, energy as opened, no gases")
        << "修改工作台配方10" << QStringList{"编辑框1", "brine"}
        << "mods.mekanism.separator.addRecipe(<liquid:brine>,1000, <gas:>, <gas:>);\r\n";
    QTest::newRow("removal: input first, then both outputs")
        << "修改工作台配方1"
        << QStringList{"编辑框5", "oxygen", "编辑框7", "deuterium", "编辑框8", "heavywater"}
        << "mods.mekanism.separator.removeRecipe(<liquid:heavywater>, <gas:deuterium>, "
           "<gas:oxygen>);\r\n";
    QTest::newRow("removal by input")
        << "修改工作台配方2" << QStringList{"编辑框6", "water"}
        << "mods.mekanism.separator.removeRecipe(<liquid:water>);\r\n";
    QTest::newRow("removal by input, empty")
        << "修改工作台配方2" << QStringList{}
        << "mods.mekanism.separator.removeRecipe(<liquid:>);\r\n";
    QTest::newRow("remove all") << "修改工作台配方3" << QStringList{}
                                << "mods.mekanism.separator.removeAllRecipes();\r\n";
  }
  void separatorLines() { CHECK_LINE("SeparatorWindow"); }

  void reactionLines_data() {
    lineColumns();
    QTest::newRow("add: seven arguments")
        << "修改工作台配方10" << QStringList{"编辑框2", "100",
                                             "编辑框4", "2000",
                                             "编辑框8", "ethene",
                                             "编辑框3", "mekanism:substrate",
                                             "编辑框1", "hydrogen",
                                             "编辑框5", "water",
                                             "编辑框7", "mekanism:sawdust"}
        << "mods.mekanism.reaction.addRecipe(<mekanism:sawdust>, <liquid:water>, <gas:hydrogen>, "
           "<mekanism:substrate>,<gas:ethene>,2000,100);\r\n";
    QTest::newRow("add, numbers as opened")
        << "修改工作台配方10" << QStringList{}
        << "mods.mekanism.reaction.addRecipe(<>, <liquid:>, <gas:>, <>,<gas:>,1000,1000);\r\n";
    QTest::newRow("add, all emptied")
        << "修改工作台配方10" << QStringList{"编辑框4", "", "编辑框2", ""}
        << "mods.mekanism.reaction.addRecipe(<>, <liquid:>, <gas:>, <>,<gas:>,,);\r\n";
    QTest::newRow("remove all") << "修改工作台配方1" << QStringList{}
                                << "mods.mekanism.reaction.removeAllRecipes();\r\n";
  }
  void reactionLines() { CHECK_LINE("ReactionWindow"); }

  void solarNeutronActivatorLines_data() {
    lineColumns();
    QTest::newRow("add") << "修改工作台配方1"
                         << QStringList{"编辑框2", "tritium", "编辑框1", "lithium"}
                         << "mods.mekanism.solarneutronactivator.addRecipe(<gas:lithium>, "
                            "<gas:tritium>);\r\n";
    QTest::newRow("add, empty")
        << "修改工作台配方1" << QStringList{}
        << "mods.mekanism.solarneutronactivator.addRecipe(<gas:>, <gas:>);\r\n";
  }
  void solarNeutronActivatorLines() { CHECK_LINE("SolarNeutronActivatorWindow"); }

  void thermalEvaporationLines_data() {
    lineColumns();
    QTest::newRow("add") << "修改工作台配方1" << QStringList{"编辑框2", "brine", "编辑框1", "water"}
                         << "mods.mekanism.thermalevaporation.addRecipe(<liquid:water>, "
                            "<liquid:brine>);\r\n";
    QTest::newRow("add, empty")
        << "修改工作台配方1" << QStringList{}
        << "mods.mekanism.thermalevaporation.addRecipe(<liquid:>, <liquid:>);\r\n";
  }
  void thermalEvaporationLines() { CHECK_LINE("ThermalEvaporationWindow"); }

  // Each machine button opens the window titled with its caption, and nothing else.
  void selectorOpens_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("化学压射室") << "修改工作台配方10"
                                << "ChemicalInjectionWindow";
    QTest::newRow("化学氧化机") << "修改工作台配方1"
                                << "ChemicalOxidizerWindow";
    QTest::newRow("化学清洗机") << "修改工作台配方2"
                                << "ChemicalWasherWindow";
    QTest::newRow("融合机") << "修改工作台配方3"
                            << "CombinerWindow";
    QTest::newRow("磨粉机") << "修改工作台配方4"
                            << "CrusherWindow";
    QTest::newRow("电解分离器") << "修改工作台配方5"
                                << "SeparatorWindow";
    QTest::newRow("充能冶炼炉") << "修改工作台配方6"
                                << "SmelterWindow";
    QTest::newRow("富集仓") << "修改工作台配方7"
                            << "EnrichmentWindow";
    QTest::newRow("冶金灌注机") << "修改工作台配方8"
                                << "InfuserWindow";
    QTest::newRow("锇压缩机") << "修改工作台配方9"
                              << "CompressorWindow";
    QTest::newRow("精密锯木厂") << "修改工作台配方11"
                                << "SawmillWindow";
    QTest::newRow("加压反应室") << "修改工作台配方12"
                                << "ReactionWindow";
    QTest::newRow("太阳能中子活化器") << "修改工作台配方13"
                                      << "SolarNeutronActivatorWindow";
    QTest::newRow("热力蒸馏塔") << "修改工作台配方14"
                                << "ThermalEvaporationWindow";
  }
  void selectorOpens() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    test::Harness h;
    values().mekanismScript = kEarlier;
    std::unique_ptr<FormWindow> f = test::open("MekanismMachineSelectWindow");
    QString title;
    h.fake.whenOpened[window] = [&title](FormWindow& w) { title = w.windowTitle(); };
    test::click(*f, button);
    QCOMPARE(h.fake.opened, QStringList{window});
    QCOMPARE(title, f->text(button));
    QCOMPARE(values().mekanismScript, kEarlier);
  }

  // From the main window through the hub and the selector into machine windows and back:
  // every line stands in the one script in the order of the clicks, and both terminal buttons
  // show all of it.
  void linesFromSeveralWindowsInClickOrder() {
    test::Harness h;
    QStringList terminalShows;
    h.fake.whenOpened["CodeTerminalWindow"] = [&](FormWindow& w) {
      terminalShows << w.text("编辑框1");
    };
    h.fake.whenOpened["CrusherWindow"] = [](FormWindow& w) {
      test::type(w, "编辑框7", "mekanism:dust");
      test::click(w, "修改工作台配方2");
    };
    h.fake.whenOpened["ChemicalInjectionWindow"] = [](FormWindow& w) {
      test::click(w, "修改工作台配方3");
    };
    h.fake.whenOpened["ThermalEvaporationWindow"] = [](FormWindow& w) {
      test::type(w, "编辑框1", "water");
      test::type(w, "编辑框2", "brine");
      test::click(w, "修改工作台配方1");
    };
    h.fake.whenOpened["MekanismMachineSelectWindow"] = [](FormWindow& w) {
      test::click(w, "修改工作台配方4");
      test::click(w, "修改工作台配方10");
      test::click(w, "修改工作台配方14");
      test::click(w, "按钮1");
    };
    h.fake.whenOpened["MekanismWindow"] = [](FormWindow& w) {
      test::type(w, "编辑框1", "mekanism:crystal");
      test::click(w, "修改工作台配方1");
      test::click(w, "按钮2");
      test::click(w, "修改工作台配方4");
      test::click(w, "按钮1");
    };
    std::unique_ptr<FormWindow> main = test::open("MainWindow");
    test::click(*main, "修改工作台配方10");

    const QString script =
        "mods.mekanism.chemical.crystallizer.removeRecipe(<mekanism:crystal>);\r\n"
        "mods.mekanism.crusher.removeRecipe(<mekanism:dust>);\r\n"
        "mods.mekanism.chemical.injection.removeAllRecipes();"
        "mods.mekanism.thermalevaporation.addRecipe(<liquid:water>, <liquid:brine>);\r\n";
    const QString collected = script + "mods.mekanism.chemical.dissolution.removeAllRecipes();\r\n";
    QCOMPARE(values().mekanismScript, collected);
    QCOMPARE(h.fake.opened,
             (QStringList{"MekanismWindow", "MekanismMachineSelectWindow", "CrusherWindow",
                          "ChemicalInjectionWindow", "ThermalEvaporationWindow",
                          "CodeTerminalWindow", "CodeTerminalWindow"}));
    QCOMPARE(terminalShows, (QStringList{script, collected}));
  }

  void terminalBox() {
    test::Harness h;
    std::unique_ptr<FormWindow> f = test::open("CodeTerminalWindow");
    auto* box = qobject_cast<QPlainTextEdit*>(f->control("编辑框1"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 255, 0));
  }

  void terminalReloadAndWrite() {
    test::Harness h;
    const QString collected =
        "mods.mekanism.smelter.removeAllRecipes();\r\n"
        "mods.mekanism.chemical.injection.removeAllRecipes();"
        "mods.mekanism.crusher.removeRecipe(< 石头 >);\r\n";
    values().mekanismScript = collected;
    std::unique_ptr<FormWindow> f = test::open("CodeTerminalWindow");
    QCOMPARE(f->text("编辑框1"), collected);

    // Writing back what it shows changes nothing.
    test::click(*f, "按钮2");
    QCOMPARE(values().mekanismScript, collected);

    test::type(*f, "编辑框1", "typed over");
    QCOMPARE(values().mekanismScript, collected);
    test::click(*f, "按钮1");
    QCOMPARE(f->text("编辑框1"), collected);

    const QString edited = "mods.mekanism.sawmill.removeAllRecipes();\r\n// kept\r\n";
    test::type(*f, "编辑框1", edited);
    test::click(*f, "按钮2");
    QCOMPARE(values().mekanismScript, edited);
    QVERIFY(h.fake.messages.isEmpty());
    f.reset();

    // The next recipe button extends the written script.
    std::unique_ptr<FormWindow> smelter = test::open("SmelterWindow");
    test::click(*smelter, "修改工作台配方3");
    QCOMPARE(values().mekanismScript, edited + "mods.mekanism.smelter.removeAllRecipes();\r\n");
  }

  void terminalClosedWithoutWritingKeepsScript() {
    test::Harness h;
    values().mekanismScript = kEarlier;
    std::unique_ptr<FormWindow> f = test::open("CodeTerminalWindow");
    test::type(*f, "编辑框1", "");
    f.reset();
    QCOMPARE(values().mekanismScript, kEarlier);
  }

  void emptiedTerminalEmptiesScript() {
    test::Harness h;
    values().mekanismScript = kEarlier;
    std::unique_ptr<FormWindow> f = test::open("CodeTerminalWindow");
    test::type(*f, "编辑框1", "");
    test::click(*f, "按钮2");
    QCOMPARE(values().mekanismScript, QString());
  }

  // The export hands over the whole script every time and leaves it as it is.
  void exportTwice() {
    test::Harness h;
    const QString file = h.path("mekanism.zs");
    exportTo(file, h);
    values().exportBuffer = "from another window";
    std::unique_ptr<FormWindow> hub = test::open("MekanismWindow");
    test::type(*hub, "编辑框8", "氯");
    test::click(*hub, "修改工作台配方6");
    test::click(*hub, "按钮3");
    const QString first = "mods.mekanism.chemical.dissolution.removeRecipe(<gas:氯>);\r\n";
    QCOMPARE(readWholeFile(file), toBytes(first));
    QCOMPARE(values().mekanismScript, first);

    test::click(*hub, "修改工作台配方9");
    test::click(*hub, "按钮3");
    const QString both = first + "mods.mekanism.chemical.infuser.removeAllRecipes();\r\n";
    QCOMPARE(readWholeFile(file), toBytes(both));
    QCOMPARE(values().exportBuffer, toBytes(both));
    QCOMPARE(h.fake.opened, (QStringList{"ExportWindow", "ExportWindow"}));
  }

  void exportWithNothingCollected() {
    test::Harness h;
    values().exportBuffer = "from another window";
    std::unique_ptr<FormWindow> hub = test::open("MekanismWindow");
    test::click(*hub, "按钮3");
    QCOMPARE(values().exportBuffer, QByteArray());
    QCOMPARE(h.fake.opened, QStringList{"ExportWindow"});
  }
};

QTEST_MAIN(Mekanism)
#include "test_mekanism.moc"
