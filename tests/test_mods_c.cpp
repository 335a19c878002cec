// The fusion recipe, TreeTweaker and mob equipment windows: the lines their buttons write, the
// values they keep across openings, and what they hand to the export windows.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "support/harness.h"

using namespace tf;

namespace {

// A user's actions in order: "box=text" types text into a box or picks it in a combo box;
// anything else clicks the button of that name.
void perform(FormWindow& f, const QStringList& actions) {
  for (const QString& a : actions) {
    const qsizetype eq = a.indexOf(u'=');
    if (eq < 0)
      test::click(f, a);
    else
      test::type(f, a.left(eq), a.mid(eq + 1));
  }
}

// Lines joined with CR LF; a last empty element gives a trailing line break.
QString crlf(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

const QString kTreeImport = QStringLiteral("import mods.treetweaker.TreeFactory;\r\n");
const QString kTreeHint = QStringLiteral(
    "可用类型OAK,LARGE_OAK,JUNGLE,CANOPY,LARGE_CANOPY,PINE,LARGE_PINE,SPRUCE,LARGE_SPRUCE,"
    "ACACIA,RED_MUSHROOM,BROWN_MUSHROOM,BRAIDED,PALM,WILOW");
const QString kMobImports = QStringLiteral(
    "import mods.armoreablemobs.ArmorHandler; \r\n"
    "import mods.armoreablemobs.ArmorEntity; \r\n"
    "import mods.armoreablemobs.ArmorSlot; \r\n"
    "import mods.armoreablemobs.ArmorGroup; \r\n");

// Pieces of a fusion recipe, set through the part buttons.
const QStringList kFullParts = {
    "编辑框3=draconicevolution:chaotic_core",
    "修改工作台配方2",
    "编辑框2=minecraft:nether_star",
    "修改工作台配方1",
    "编辑框4=64000000",
    "修改工作台配方3",
    "编辑框1=minecraft:dragon_egg",
    "修改工作台配方12",
    "编辑框1=minecraft:elytra",
    "修改工作台配方12",
    "编辑框1=minecraft:beacon",
    "修改工作台配方5",
};

}  // namespace

class ModsC : public QObject {
  Q_OBJECT

 private slots:
  // ---- FusionRecipeWindow ----

  void fusionRecord_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("box");
    QTest::newRow("ADD, every part, end record")
        << (kFullParts + QStringList{"组合框1=\"tier\": 3,", "组合框2=结尾", "修改工作台配方4"})
        << crlf({"[", "    {", "        \"mode\": \"ADD\",",
                 "        \"result\":\"draconicevolution:chaotic_core\",",
                 "        \"catalyst\":\"minecraft:nether_star\",", "        \"energy\":64000000,",
                 "        \"tier\": 3,", "        \"ingredients\": [",
                 "            \"minecraft:dragon_egg\",", "            \"minecraft:elytra\",",
                 "            \"minecraft:beacon\"", "        ]", "    }", ""});
    QTest::newRow("ADD, only the energy at its form text, tier 1, middle record")
        << QStringList{"修改工作台配方3", "组合框1=\"tier\": 1,", "组合框2=中间", "修改工作台配方4"}
        << crlf({"[", "    {", "        \"mode\": \"ADD\",", "", "", "        \"energy\":2130131,",
                 "        \"tier\": 1,", "        \"ingredients\": [", "        ]", "    },"});
    QTest::newRow("ADD, no tier picked: eight blanks")
        << QStringList{"组合框2=结尾", "修改工作台配方4"}
        << crlf({"[", "    {", "        \"mode\": \"ADD\",", "", "", "", "        ",
                 "        \"ingredients\": [", "        ]", "    }", ""});
    QTest::newRow("REMOVE, every part, middle record: no energy, no tier")
        << (kFullParts + QStringList{"组合框1=\"tier\": 4,", "组合框2=中间", "修改工作台配方6"})
        << crlf({"[", "    {", "        \"mode\": \"REMOVE\",",
                 "        \"result\":\"draconicevolution:chaotic_core\",",
                 "        \"catalyst\":\"minecraft:nether_star\",", "        \"ingredients\": [",
                 "            \"minecraft:dragon_egg\",", "            \"minecraft:elytra\",",
                 "            \"minecraft:beacon\"", "        ]", "    },"});
    QTest::newRow("REMOVE, parts pressed with empty boxes, two last ingredients")
        << QStringList{"修改工作台配方2", "修改工作台配方1", "修改工作台配方12",
                       "编辑框1=模组:甲", "修改工作台配方5", "编辑框1=模组:乙",
                       "修改工作台配方5", "组合框2=结尾",    "修改工作台配方6"}
        << crlf({"[", "    {", "        \"mode\": \"REMOVE\",", "        \"result\":\"\",",
                 "        \"catalyst\":\"\",", "        \"ingredients\": [", "            \"\",",
                 "            \"模组:甲\"", "            \"模组:乙\"", "        ]", "    }", ""});
    QTest::newRow("a box of blank lines still opens the array")
        << QStringList{"编辑框5= \r\n", "组合框2=结尾", "修改工作台配方6"}
        << crlf({" ", "[", "    {", "        \"mode\": \"REMOVE\",", "", "",
                 "        \"ingredients\": [", "        ]", "    }", ""});
  }
  void fusionRecord() {
    QFETCH(QStringList, actions);
    QFETCH(QString, box);
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    perform(*f, actions);
    QCOMPARE(f->text("编辑框5"), box);
  }

  void fusionNeedsAPosition() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    perform(*f, {"编辑框1=minecraft:ice", "修改工作台配方12", "组合框1=\"tier\": 2,",
                 "修改工作台配方4", "修改工作台配方6"});
    QCOMPARE(f->text("编辑框5"), QString());
    QCOMPARE(values().fusionTierLine, QString("        \"tier\": 2,"));
    // Nothing was appended, so the ingredient stays for the next record.
    QCOMPARE(values().fusionMiddleIngredients, QString("            \"minecraft:ice\",\r\n"));
  }

  void fusionRecordsFormOneArray() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    perform(*f,
            kFullParts + QStringList{"组合框1=\"tier\": 2,", "组合框2=中间", "修改工作台配方4"});
    QCOMPARE(values().fusionMiddleIngredients, QString());
    QCOMPARE(values().fusionLastIngredient, QString());
    // The second recipe keeps result, catalyst and energy but has only its own ingredients.
    perform(*f, {"编辑框1=minecraft:ice", "修改工作台配方5", "组合框2=结尾", "修改工作台配方6",
                 "修改工作台配方8"});
    QVERIFY(f->text("编辑框5").contains("    },    {\r\n"));

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(values().exportBuffer, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray records = doc.array();
    QCOMPARE(records.size(), 2);
    const QJsonObject add = records[0].toObject();
    QCOMPARE(add["mode"].toString(), QString("ADD"));
    QCOMPARE(add["energy"].toInt(), 64000000);
    QCOMPARE(add["tier"].toInt(), 2);
    QCOMPARE(add["ingredients"].toArray(),
             (QJsonArray{"minecraft:dragon_egg", "minecraft:elytra", "minecraft:beacon"}));
    const QJsonObject remove = records[1].toObject();
    QCOMPARE(remove["mode"].toString(), QString("REMOVE"));
    QCOMPARE(remove["result"].toString(), QString("draconicevolution:chaotic_core"));
    QCOMPARE(remove["catalyst"].toString(), QString("minecraft:nether_star"));
    QVERIFY(!remove.contains("energy"));
    QCOMPARE(remove["ingredients"].toArray(), (QJsonArray{"minecraft:ice"}));
  }

  void fusionValuesOutliveTheWindow() {
    test::Harness h;
    {
      auto f = test::open("FusionRecipeWindow");
      perform(*f, {"编辑框3=a:b", "修改工作台配方2", "编辑框1=c:d", "修改工作台配方5"});
    }
    auto f = test::open("FusionRecipeWindow");
    QCOMPARE(f->text("编辑框5"), QString());
    perform(*f, {"组合框2=结尾", "修改工作台配方6"});
    QCOMPARE(f->text("编辑框5"),
             crlf({"[", "    {", "        \"mode\": \"REMOVE\",", "        \"result\":\"a:b\",", "",
                   "        \"ingredients\": [", "            \"c:d\"", "        ]", "    }", ""}));
  }

  void fusionExportWritesTheArray() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    perform(*f, {"编辑框3=模组:龙芯", "修改工作台配方2", "编辑框1=minecraft:egg", "修改工作台配方5",
                 "组合框1=\"tier\": 4,", "组合框2=结尾", "修改工作台配方4"});
    const QString record = f->text("编辑框5");
    h.fake.fileAnswers = {h.path("CustomFusionRecipes")};
    h.fake.whenOpened["JsonExportWindow"] = [](FormWindow& w) {
      QCOMPARE(w.text("编辑框4"), QString());
      test::click(w, "添加一个配方1");
      test::click(w, "添加一个配方2");
    };
    test::click(*f, "修改工作台配方8");

    QCOMPARE(h.fake.messages.size(), 2);
    QCOMPARE(h.fake.messages[0].text, QString("文件名称必须为CustomFusionRecipes.json！"));
    QCOMPARE(h.fake.messages[0].flags, int(kMessageOkCancel));
    QCOMPARE(h.fake.messages[0].title, QString("提醒"));
    QCOMPARE(h.fake.messages[1].text, QString("写入完成！"));
    QCOMPARE(h.fake.opened, QStringList{"JsonExportWindow"});
    QCOMPARE(h.fake.filters, QStringList{"JSON|*.json"});
    QCOMPARE(f->text("编辑框5"), record + "]");
    const QByteArray expected = (record + "]").toUtf8();
    QCOMPARE(values().exportBuffer, expected);
    QCOMPARE(readWholeFile(h.path("CustomFusionRecipes.json")), expected);
  }

  // The array is closed once, however often the user exports; an export without records writes
  // an empty array.
  void fusionExportClosesTheArrayOnce() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    test::click(*f, "修改工作台配方8");
    QCOMPARE(f->text("编辑框5"), QString("[\r\n]"));
    QVERIFY(QJsonDocument::fromJson(values().exportBuffer).isArray());

    auto g = test::open("FusionRecipeWindow");
    perform(*g, {"组合框2=结尾", "修改工作台配方6", "修改工作台配方8", "修改工作台配方8"});
    QVERIFY(g->text("编辑框5").endsWith("    }\r\n]"));
    QCOMPARE(QJsonDocument::fromJson(values().exportBuffer).array().size(), 1);
    QCOMPARE(h.fake.messages.size(), 3);
    QCOMPARE(h.fake.opened.size(), 3);
  }

  // ---- TreeTweakerWindow ----

  void treeLines_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("lines");
    QTest::newRow("create, then every property")
        << QStringList{"编辑框1=cherry",
                       "按钮1",
                       "编辑框2=LARGE_OAK",
                       "按钮2",
                       "编辑框4=minecraft:log",
                       "按钮4",
                       "编辑框5=树叶:粉",
                       "按钮5",
                       "编辑框6=7",
                       "按钮6",
                       "编辑框7=12",
                       "按钮7",
                       "编辑框8=plains",
                       "按钮8",
                       "编辑框9=minecraft:grass",
                       "按钮9",
                       "编辑框10=0",
                       "按钮10"}
        << crlf({"var cherry = TreeFactory.createTree(\"cherry\");",
                 "cherry.setTreeType(\"LARGE_OAK\");", "cherry.setLog(\"minecraft:log\");",
                 "cherry.setLeaf(\"树叶:粉\");", "cherry.setMinHeight(7);",
                 "cherry.setGenFrequency(12);", "cherry.setGenBiome(\"plains\");",
                 "cherry.setBaseBlock(\"minecraft:grass\");", "cherry.setDimWhitelist(0);", ""});
    QTest::newRow("properties before any create: no stem, no quotes")
        << QStringList{"编辑框2=OAK", "按钮2", "编辑框4=minecraft:log", "按钮4", "按钮6"}
        << crlf({".setTreeType(OAK);", "setLog(minecraft:log);", "setMinHeight();", ""});
    QTest::newRow("create with an empty name")
        << QStringList{"按钮1", "编辑框6=5", "按钮6", "按钮2"}
        << crlf({"var  = TreeFactory.createTree(\"\");", ".setMinHeight(5);", ".setTreeType(\"\");",
                 ""});
    QTest::newRow("a second create names the lines after it")
        << QStringList{"编辑框1=oak2",  "按钮1", "编辑框7=3", "按钮7",
                       "编辑框1=pine2", "按钮1", "按钮7"}
        << crlf({"var oak2 = TreeFactory.createTree(\"oak2\");", "oak2.setGenFrequency(3);",
                 "var pine2 = TreeFactory.createTree(\"pine2\");", "pine2.setGenFrequency(3);",
                 ""});
    QTest::newRow("a property pressed twice writes its line twice")
        << QStringList{"编辑框1=t", "按钮1", "编辑框10=-1", "按钮10", "按钮10"}
        << crlf({"var t = TreeFactory.createTree(\"t\");", "t.setDimWhitelist(-1);",
                 "t.setDimWhitelist(-1);", ""});
  }
  void treeLines() {
    QFETCH(QStringList, actions);
    QFETCH(QString, lines);
    test::Harness h;
    auto f = test::open("TreeTweakerWindow");
    perform(*f, actions);
    QCOMPARE(f->text("编辑框11"), kTreeImport + lines);
  }

  void treeOpening() {
    test::Harness h;
    auto f = test::open("TreeTweakerWindow");
    QCOMPARE(f->text("编辑框11"), kTreeImport);
    QCOMPARE(f->text("编辑框3"), kTreeHint);
    test::type(*f, "编辑框3", "改过了");
    test::click(*f, "按钮3");
    QCOMPARE(f->text("编辑框3"), kTreeHint);
  }

  void treeNameOutlivesTheWindow() {
    test::Harness h;
    {
      auto f = test::open("TreeTweakerWindow");
      perform(*f, {"编辑框1=maple", "按钮1", "按钮2"});
    }
    auto f = test::open("TreeTweakerWindow");
    QCOMPARE(f->text("编辑框11"), kTreeImport);  // the import line is set, not appended
    QCOMPARE(f->text("编辑框1"), QString());
    perform(*f, {"编辑框5=minecraft:leaves", "按钮5"});
    QCOMPARE(f->text("编辑框11"), kTreeImport + "maple.setLeaf(\"minecraft:leaves\");\r\n");
  }

  void treeExportRegisters() {
    test::Harness h;
    auto f = test::open("TreeTweakerWindow");
    perform(*f, {"编辑框1=palm", "按钮1", "修改工作台配方7", "修改工作台配方7"});
    const QString script =
        kTreeImport +
        "var palm = TreeFactory.createTree(\"palm\");\r\npalm.register();palm.register();";
    QCOMPARE(f->text("编辑框11"), script);
    QCOMPARE(values().exportBuffer, script.toUtf8());
    QCOMPARE(h.fake.opened, (QStringList{"ExportWindow", "ExportWindow"}));
  }

  // ---- MobEquipmentWindow ----

  void mobLines_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("lines");
    QTest::newRow("group with its probability")
        << QStringList{"编辑框1=knights", "q1=0.25", "按钮1"}
        << crlf({"var knights_grup = ArmorHandler.createArmorGroup(\"knights_grup\",0.25);", ""});
    QTest::newRow("group with an empty name")
        << QStringList{"按钮1"}
        << crlf({"var _grup = ArmorHandler.createArmorGroup(\"_grup\",1);", ""});
    QTest::newRow("entity of the typed mob")
        << QStringList{"编辑框1=knights", "按钮1", "编辑框2=minecraft:skeleton", "按钮2"}
        << crlf({"var knights_grup = ArmorHandler.createArmorGroup(\"knights_grup\",1);",
                 "var knights_mob = ArmorHandler.createArmorEntity(\"minecraft:skeleton\");",
                 "knights_grup.addEntity(knights_mob);", ""});
    QTest::newRow("entity without a typed mob: the zombie")
        << QStringList{"编辑框1=knights", "按钮1", "按钮2"}
        << crlf({"var knights_grup = ArmorHandler.createArmorGroup(\"knights_grup\",1);",
                 "var knights_mob = ArmorHandler.createArmorEntity(\"minecraft:zombie\");",
                 "knights_grup.addEntity(knights_mob);", ""});
    QTest::newRow("entity after the name changed joins the last group")
        << QStringList{"编辑框1=old", "按钮1", "编辑框1=新", "编辑框2=模组:怪", "按钮2"}
        << crlf({"var old_grup = ArmorHandler.createArmorGroup(\"old_grup\",1);",
                 "var 新_mob = ArmorHandler.createArmorEntity(\"模组:怪\");",
                 "old_grup.addEntity(新_mob);", ""});
    QTest::newRow("every slot: the weapon's blank before the comma")
        << QStringList{"编辑框1=k", "按钮1", "编辑框3=minecraft:iron_helmet",
                       "q=0.9",     "按钮3", "编辑框4=minecraft:iron_chestplate",
                       "w=0.8",     "按钮4", "编辑框5=minecraft:iron_leggings",
                       "e=0.7",     "按钮5", "编辑框6=minecraft:iron_boots",
                       "r=0.6",     "按钮6", "编辑框7=minecraft:iron_sword",
                       "t=0.5",     "按钮7"}
        << crlf({"var k_grup = ArmorHandler.createArmorGroup(\"k_grup\",1);",
                 "k_grup.addArmor(ArmorHandler.createArmorSlot(\"head\", <minecraft:iron_helmet>, "
                 "1, 0.9));",
                 "k_grup.addArmor(ArmorHandler.createArmorSlot(\"chest\", "
                 "<minecraft:iron_chestplate>, 1, 0.8));",
                 "k_grup.addArmor(ArmorHandler.createArmorSlot(\"legs\", "
                 "<minecraft:iron_leggings>, 1, 0.7));",
                 "k_grup.addArmor(ArmorHandler.createArmorSlot(\"feet\", <minecraft:iron_boots>, "
                 "1, 0.6));",
                 "k_grup.addArmor(ArmorHandler.createArmorSlot(\"mainhand\", "
                 "<minecraft:iron_sword>, 1 ,0.5));",
                 ""});
    QTest::newRow("slot and entity before any group, empty boxes")
        << QStringList{"q=", "按钮3", "按钮2"}
        << crlf({".addArmor(ArmorHandler.createArmorSlot(\"head\", <>, 1, ));",
                 "var _mob = ArmorHandler.createArmorEntity(\"minecraft:zombie\");",
                 ".addEntity(_mob);", ""});
  }
  void mobLines() {
    QFETCH(QStringList, actions);
    QFETCH(QString, lines);
    test::Harness h;
    auto f = test::open("MobEquipmentWindow");
    perform(*f, actions);
    QCOMPARE(f->text("g"), kMobImports + lines);
  }

  void mobValuesOutliveTheWindow() {
    test::Harness h;
    {
      auto f = test::open("MobEquipmentWindow");
      QCOMPARE(f->text("g"), kMobImports);  // the fourth import completes the third line
      perform(*f, {"编辑框1=guard", "按钮1", "按钮2"});
    }
    auto f = test::open("MobEquipmentWindow");
    QCOMPARE(f->text("g"), kMobImports);
    QCOMPARE(f->text("q"), QString("1"));
    QCOMPARE(values().armorEntityVar, QString("guard_mob"));
    perform(*f, {"编辑框6=minecraft:gold_boots", "按钮6"});
    QCOMPARE(f->text("g"), kMobImports +
                               "guard_grup.addArmor(ArmorHandler.createArmorSlot(\"feet\", "
                               "<minecraft:gold_boots>, 1, 1));\r\n");
  }

  void mobExportLeavesTheScript() {
    test::Harness h;
    auto f = test::open("MobEquipmentWindow");
    perform(*f, {"编辑框1=g", "按钮1", "修改工作台配方7"});
    const QByteArray first = values().exportBuffer;
    QCOMPARE(first, f->text("g").toUtf8());
    QVERIFY(first.endsWith("\"g_grup\",1);\r\n"));
    test::click(*f, "修改工作台配方7");
    QCOMPARE(values().exportBuffer, first);
    QCOMPARE(h.fake.opened, (QStringList{"ExportWindow", "ExportWindow"}));
  }
};

QTEST_MAIN(ModsC)
#include "test_mods_c.moc"
