// The pack in the windows: the pack window, the remembered folder, reading again when the game
// rewrites its log, completion and unknown-id frames in the id boxes, every window's lines with
// the sample pack, and the command line with a pack.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "check/checker.h"
#include "forms/values.h"
#include "pack/brackets.h"
#include "pack/packcommand.h"
#include "pack/resolver.h"
#include "support/harness.h"
#include "ui/packservice.h"
#include "ui/scriptedit.h"

using namespace tf;
using namespace tf::test;

namespace {

const QString kSample = QStringLiteral(TESSAFORM_TEST_DATA "/pack/crafttweaker.log");

// A game folder with the sample log and an empty scripts folder.
QString makeGame(const Harness& h, const QString& name = QStringLiteral("game")) {
  const QString game = h.path(name);
  QDir().mkpath(game + "/scripts");
  QFile::remove(game + "/crafttweaker.log");
  if (!QFile::copy(kSample, game + "/crafttweaker.log")) qFatal("cannot copy the sample log");
  return game;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
    qFatal("cannot write %s", qPrintable(path));
  f.write(bytes);
}

void usePack(const QString& game) { PackService::instance().setSnapshot(pack::readPack(game)); }

QLineEdit* lineEditOf(FormWindow& f, const QString& name) {
  QWidget* w = f.control(name);
  if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->lineEdit();
  return qobject_cast<QLineEdit*>(w);
}

QAbstractItemView* visiblePopup() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("idPopup") && w->isVisible())
      return qobject_cast<QAbstractItemView*>(w);
  return nullptr;
}

// Key by key, as a user types (Chinese included).
void typeKeys(QLineEdit* e, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(e, char(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Types into the box as a user does and picks the popup's first entry with the keyboard;
// returns the box's text, or "(no popup)".
QString chooseFirst(FormWindow& f, const QString& box, const QString& typed) {
  QLineEdit* e = lineEditOf(f, box);
  e->setFocus();
  e->clear();
  typeKeys(e, typed);
  QAbstractItemView* popup = visiblePopup();
  if (popup == nullptr || popup->model()->rowCount() == 0) return QStringLiteral("(no popup)");
  popup->setCurrentIndex(popup->model()->index(0, 0));
  QTest::keyClick(popup, Qt::Key_Return);
  if (visiblePopup() != nullptr) return QStringLiteral("(popup still open)");
  return e->text();
}

// The tooltip as it shows when the mouse rests on the box.
QString tooltipOf(FormWindow& f, const QString& box) {
  QLineEdit* e = lineEditOf(f, box);
  QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), e->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(e, &event);
  return e->toolTip();
}

bool framed(FormWindow& f, const QString& box) {
  return f.control(box)->property("unknownId").toBool();
}

}  // namespace

class PackUi : public QObject {
  Q_OBJECT

 private slots:
  // Every test starts without a pack, as a fresh program with no remembered folder does.
  void init() { PackService::instance().reset(); }
  void cleanup() { PackService::instance().reset(); }

  void mainWindowOpensThePackWindow() {
    Harness h;
    auto main = open("MainWindow");
    const ControlDeclaration& c = main->controlDeclaration("整合包");
    QCOMPARE(QRect(c.x, c.y, c.w, c.h), QRect(344, 88, 96, 40));
    QCOMPARE(c.text, QString("整合包"));
    click(*main, "整合包");
    QCOMPARE(h.fake.opened, QStringList{"PackWindow"});
  }

  void loadingShowsCountsAndIsRemembered() {
    Harness h;
    const QString game = makeGame(h);
    auto f = open("PackWindow");
    click(*f, "按钮2");  // nothing chosen yet
    QCOMPARE(h.fake.messages.size(), 1);
    QCOMPARE(h.fake.messages[0].text, QString("请先选择游戏文件夹"));
    f->setText("编辑框1", h.path("nowhere"));
    click(*f, "按钮2");
    QCOMPARE(h.fake.messages.size(), 2);
    QVERIFY(h.fake.messages[1].text.startsWith("找不到文件夹："));

    h.fake.folderAnswers = {game};
    click(*f, "按钮1");
    QCOMPARE(f->text("编辑框1"), game);
    click(*f, "按钮2");
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    const QString summary = f->text("编辑框2");
    QVERIFY2(summary.contains("物品：17 个"), qPrintable(summary));
    QVERIFY(summary.contains("流体：3 个"));
    QVERIFY(summary.contains("气体：4 个"));
    QVERIFY(!summary.contains("/ct "));
    QCOMPARE(f->progress("进度条1"), 100);
    QCOMPARE(QSettings().value("pack/folder").toString(), game);
    QCOMPARE(PackService::instance().scriptsFolder(), game + "/scripts");

    // The next run reads the remembered folder by itself.
    PackService::instance().reset();
    PackService::instance().loadRemembered();
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    QVERIFY(PackService::instance().snapshot());
    QCOMPARE(PackService::instance().snapshot()->list(pack::Kind::Item).size(), 17);
  }

  void missingKindsNameTheirCommand() {
    Harness h;
    const QString game = makeGame(h);
    writeFile(game + "/crafttweaker.log",
              "[INIT][CLIENT][INFO] start\nGases:\n<gas:oxygen>, 氧气\n");
    auto f = open("PackWindow");
    f->setText("编辑框1", game);
    click(*f, "按钮2");
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    const QString summary = f->text("编辑框2");
    QVERIFY(summary.contains("气体：1 个"));
    for (const char* command : {"/ct names display", "/ct liquids", "/ct oredict", "/ct entities",
                                "/ct blocks", "/ct mods"})
      QVERIFY2(summary.contains(command), command);
  }

  void aRewrittenLogIsReadAgain() {
    Harness h;
    const QString game = makeGame(h);
    PackService::instance().load(game);
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    QCOMPARE(PackService::instance().snapshot()->list(pack::Kind::Gas).size(), 4);
    QSignalSpy changed(&PackService::instance(), &PackService::snapshotChanged);
    // The game writes its log from scratch at every start.
    QFile::remove(game + "/crafttweaker.log");
    writeFile(game + "/crafttweaker.log", "Gases:\n<gas:oxygen>, 氧气\n");
    QTRY_VERIFY_WITH_TIMEOUT(
        PackService::instance().snapshot() &&
            PackService::instance().snapshot()->list(pack::Kind::Gas).size() == 1,
        10000);
    QVERIFY(!changed.isEmpty());
  }

  // The text typed, the box's window and name, and what choosing the first entry puts there.
  void completion_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("display name, bare id inside <...>") << "CraftingWindow"
                                                        << "编辑框2"
                                                        << "花岗岩"
                                                        << "minecraft:stone:1";
    QTest::newRow("the crafting grid takes the brackets") << "CraftingWindow"
                                                          << "a"
                                                          << "花岗岩"
                                                          << "<minecraft:stone:1>";
    QTest::newRow("an item with data keeps its tag in the grid")
        << "CraftingWindow"
        << "e"
        << "成书"
        << R"(<minecraft:written_book>.withTag({title: "Guide", author: "Pack"}))";
    QTest::newRow("an ore name where the line writes <...>") << "FurnaceWindow"
                                                             << "编辑框1"
                                                             << "ingotIr"
                                                             << "ore:ingotIron";
    QTest::newRow("a liquid where the line writes <liquid:...>") << "InWorldCraftingWindow"
                                                                 << "编辑框4"
                                                                 << "熔"
                                                                 << "lava";
    QTest::newRow("a gas, found in any case") << "ChemicalWasherWindow"
                                              << "编辑框2"
                                              << "HYDRO"
                                              << "hydrogen";
    QTest::newRow("fusion: the file's quotes come from the window") << "FusionRecipeWindow"
                                                                    << "编辑框3"
                                                                    << "钻石"
                                                                    << "minecraft:diamond";
    QTest::newRow("an entity in a quoted string") << "MobEquipmentWindow"
                                                  << "编辑框2"
                                                  << "zomb"
                                                  << "minecraft:zombie";
    QTest::newRow("a mod id") << "GameStageWindow"
                              << "编辑框25"
                              << "Meka"
                              << "mekanism";
    QTest::newRow("a block for a tree") << "TreeTweakerWindow"
                                        << "编辑框4"
                                        << "锇矿"
                                        << "mekanism:oreblock";
    QTest::newRow("the typed bracket is looked through") << "ExtremeCraftingWindow"
                                                         << "编辑框1"
                                                         << "<diamond_p"
                                                         << "<minecraft:diamond_pickaxe>";
    QTest::newRow("a number box gets no popup") << "FurnaceWindow"
                                                << "编辑框6"
                                                << "1"
                                                << "(no popup)";
    QTest::newRow("a name box gets no popup") << "CraftingWindow"
                                              << "编辑框4"
                                              << "stone"
                                              << "(no popup)";
    QTest::newRow("nothing matches") << "CraftingWindow"
                                     << "编辑框2"
                                     << "zzzz"
                                     << "(no popup)";
  }
  void completion() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    Harness h;
    usePack(makeGame(h));
    auto f = open(window);
    QCOMPARE(chooseFirst(*f, box, typed), chosen);
  }

  void popupShowsNamesAndIds() {
    Harness h;
    usePack(makeGame(h));
    auto f = open("CraftingWindow");
    QLineEdit* e = lineEditOf(*f, "编辑框2");
    e->setFocus();
    typeKeys(e, "stone");
    QAbstractItemView* popup = visiblePopup();
    QVERIFY(popup);
    QCOMPARE(popup->model()->index(0, 0).data().toString(), QString("石头  minecraft:stone"));
    QCOMPARE(popup->model()->index(1, 0).data().toString(), QString("花岗岩  minecraft:stone:1"));
    QTest::keyClick(popup, Qt::Key_Escape);
  }

  void tooltipNamesTheKindWithAnExample() {
    Harness h;
    {
      auto f = open("FurnaceWindow");
      QCOMPARE(tooltipOf(*f, "编辑框1"), QString("物品或矿物词典 id"));
    }
    usePack(makeGame(h));
    auto f = open("FurnaceWindow");
    QCOMPARE(tooltipOf(*f, "编辑框1"), QString("物品或矿物词典 id，例如 minecraft:stone"));
    auto grid = open("CraftingWindow");
    QCOMPARE(tooltipOf(*grid, "a"), QString("物品或矿物词典 id，例如 <minecraft:stone>"));
    auto washer = open("ChemicalWasherWindow");
    QCOMPARE(tooltipOf(*washer, "编辑框2"), QString("气体 id，例如 hydrogen"));
    QVERIFY(f->control("编辑框6")->toolTip().isEmpty());  // a number box
  }

  // The box's text, and the first line of its tooltip when the pack lacks the id ("" when the
  // box is not framed).
  void unknownIds_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a letter too many") << "CraftingWindow"
                                       << "编辑框2"
                                       << "minecraft:stonee"
                                       << "整合包里没有 minecraft:stonee，是不是 minecraft:stone？";
    QTest::newRow("in the grid's form")
        << "CraftingWindow"
        << "a"
        << "<minecraft:stonee>"
        << "整合包里没有 <minecraft:stonee>，是不是 <minecraft:stone>？";
    QTest::newRow("a liquid") << "InWorldCraftingWindow"
                              << "编辑框4"
                              << "wter"
                              << "整合包里没有 wter，是不是 water？";
    QTest::newRow("an ore name") << "FurnaceWindow"
                                 << "编辑框1"
                                 << "ore:ingotIronn"
                                 << "整合包里没有 ore:ingotIronn，是不是 ore:ingotIron？";
    QTest::newRow("a mod") << "GameStageWindow"
                           << "编辑框25"
                           << "mekanis"
                           << "整合包里没有 mekanis，是不是 mekanism？";
    QTest::newRow("meta is not checked") << "CraftingWindow"
                                         << "编辑框2"
                                         << "minecraft:stone:5"
                                         << "";
    QTest::newRow("any meta") << "CraftingWindow"
                              << "a"
                              << "<minecraft:planks:*>"
                              << "";
    QTest::newRow("a known ore name in the grid") << "CraftingWindow"
                                                  << "a"
                                                  << "<ore:plankWood>"
                                                  << "";
    QTest::newRow("an empty grid cell") << "CraftingWindow"
                                        << "a"
                                        << "null"
                                        << "";
    QTest::newRow("an empty box") << "CraftingWindow"
                                  << "编辑框2"
                                  << ""
                                  << "";
    QTest::newRow("a number box holds no id") << "FurnaceWindow"
                                              << "编辑框6"
                                              << "stonee"
                                              << "";
  }
  void unknownIds() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    Harness h;
    usePack(makeGame(h));
    auto f = open(window);
    f->setText(box, text);
    QCOMPARE(framed(*f, box), !problem.isEmpty());
    if (!problem.isEmpty()) QCOMPARE(tooltipOf(*f, box).section(u'\n', 0, 0), problem);
  }

  void framesFollowThePack() {
    Harness h;
    auto f = open("CraftingWindow");
    f->setText("编辑框2", "minecraft:stonee");
    QVERIFY(!framed(*f, "编辑框2"));  // no pack: nothing is known to be wrong
    usePack(makeGame(h));
    QVERIFY(framed(*f, "编辑框2"));
    f->setText("编辑框2", "minecraft:stone");
    QVERIFY(!framed(*f, "编辑框2"));
    f->setText("编辑框2", "minecraft:stonee");
    PackService::instance().reset();
    QVERIFY(!framed(*f, "编辑框2"));
  }

  // With the sample pack, a completion chosen in every id box of every window, a valid value in
  // every other box and every button pressed: every script passes the checker with the pack's
  // lookups, and no line names an id that the pack lacks.
  void everyWindowWithThePack() {
    Harness h;
    usePack(makeGame(h));
    const pack::SnapshotPtr snapshot = PackService::instance().snapshot();
    // Boxes whose text becomes a script name (a variable, an import) rather than a number.
    const QSet<QString> nameBoxes = {"MobEquipmentWindow/编辑框1", "TreeTweakerWindow/编辑框1",
                                     "GameStageWindow/编辑框8", "GameStage2Window/编辑框8"};
    const pack::PackResolver resolver(snapshot);
    int idBoxes = 0, brackets = 0;
    QStringList unknown, problems;
    for (const QString& name : registeredWindows()) {
      // The hub and the pack window write no lines; the export, list and About windows take no
      // ids (and the export windows would write files where the test runs).
      if (name == "MainWindow" || name == "PackWindow" || name == "AboutWindow" ||
          name.contains("Export") || name.contains("BatchImport"))
        continue;
      values().mekanismScript.clear();
      auto f = open(name);
      const FormDeclaration& d = f->declaration();
      for (const ControlDeclaration& c : d.controls) {
        if (c.x >= d.width) continue;  // template pieces out of sight
        if (c.id.kinds != kNoIds) {
          pack::Kind kind = pack::Kind::Item;
          for (int k = 0; k < pack::kKindCount; ++k)
            if (c.id.kinds & pack::kindBit(pack::Kind(k))) {
              kind = pack::Kind(k);
              break;
            }
          const QString chosen = chooseFirst(*f, c.name, snapshot->example(kind));
          QVERIFY2(!chosen.startsWith(u'('), qPrintable(name + "/" + c.name + ": " + chosen));
          QVERIFY2(!framed(*f, c.name), qPrintable(name + "/" + c.name));
          ++idBoxes;
        } else if (c.kind == ControlKind::Edit) {
          bool number = false;
          c.text.toDouble(&number);
          f->setText(c.name, nameBoxes.contains(name + "/" + c.name) ? "tf1"
                             : number                                ? c.text
                                                                     : "1");
        } else if (c.kind == ControlKind::ComboList || c.kind == ControlKind::Combo) {
          auto* cb = static_cast<QComboBox*>(f->control(c.name));
          if (cb->count() > 0)
            cb->setCurrentIndex(0);
          else
            f->setText(c.name, "1");
        }
      }
      for (const ControlDeclaration& c : d.controls)
        if (c.kind == ControlKind::Button && c.x < d.width) click(*f, c.name);
      QString lines = values().mekanismScript;
      QString scripts = values().mekanismScript;
      for (const ControlDeclaration& c : d.controls) {
        if (c.kind == ControlKind::Memo) lines += f->text(c.name);
        if (c.kind == ControlKind::Memo && (c.options & kScript)) scripts += f->text(c.name);
      }
      const check::CheckResult result = check::checkText(scripts, &resolver);
      for (const check::Problem& p : result.problems)
        if (p.severity == check::Severity::Error)
          problems.append(name + ": " + check::describe(p) + "\n" + check::excerpt(p, scripts));
      static const QRegularExpression kBracket(QStringLiteral("<([^<>\\s]+)>"));
      for (const QRegularExpressionMatch& m : kBracket.globalMatch(lines)) {
        ++brackets;
        if (pack::judge(*snapshot, m.captured(1)).unknown)
          unknown.append(name + ": <" + m.captured(1) + ">");
      }
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(", ")));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    QVERIFY(idBoxes > 100);
    QVERIFY(brackets > 100);
  }

  void scriptDialogsStartInThePacksScripts() {
    Harness h;
    auto exportWindow = open("ExportWindow");
    click(*exportWindow, "添加一个配方1");
    QCOMPARE(h.fake.folders, QStringList{""});  // no pack: the dialog's own place
    const QString game = makeGame(h);
    PackService::instance().load(game);
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    click(*exportWindow, "添加一个配方1");
    QCOMPARE(h.fake.folders.last(), game + "/scripts");
    // A JSON file belongs to the game's config, not its scripts.
    auto json = open("JsonExportWindow");
    click(*json, "添加一个配方1");
    QCOMPARE(h.fake.folders.last(), QString());
  }

  // The script boxes, the export's question and the folder check all look ids up in the pack.
  void scriptsAreCheckedAgainstThePack() {
    Harness h;
    const QString game = makeGame(h);
    const QByteArray script = "recipes.remove(<minecraft:stonee>);\r\n";
    auto crafting = open("CraftingWindow");
    auto* box = qobject_cast<ScriptEdit*>(crafting->control("编辑框1"));
    QVERIFY(box);
    crafting->append("编辑框1", QString::fromUtf8(script));
    QTRY_VERIFY(!box->checkPending());
    QVERIFY(box->problems().empty());  // no pack: any id may be right
    PackService::instance().load(game);
    QVERIFY(PackService::instance().waitUntilLoaded(10000));
    QTRY_VERIFY(!box->checkPending() && !box->problems().empty());
    QCOMPARE(box->problems().front().problem.kind, QString("unknown-id"));
    QCOMPARE(box->problems().front().problem.args,
             (QStringList{"minecraft:stonee", "minecraft:stone"}));

    values().exportBuffer = script;
    auto exportWindow = open("ExportWindow");
    exportWindow->setText("编辑框4", h.path("out.zs"));
    h.fake.questionAnswers = {"取消"};
    click(*exportWindow, "添加一个配方2");
    QCOMPARE(h.fake.questions.size(), 1);
    QVERIFY2(h.fake.questions[0].text.contains("minecraft:stonee"),
             qPrintable(h.fake.questions[0].text));
    QVERIFY(!QFile::exists(h.path("out.zs")));

    writeFile(game + "/scripts/recipes.zs", script);
    auto folderCheck = open("ScriptCheckWindow");
    QCOMPARE(folderCheck->text("编辑框1"), game + "/scripts");  // the pack's scripts to begin with
    click(*folderCheck, "按钮2");
    QTRY_VERIFY(folderCheck->control("按钮2")->isEnabled());
    QVERIFY2(folderCheck->text("编辑框2").contains("minecraft:stonee"),
             qPrintable(folderCheck->text("编辑框2")));
  }

  void commandLineWithThePack() {
    Harness h;
    const QString game = makeGame(h);
    writeFile(game + "/scripts/recipes.zs",
              "recipes.remove(<minecraft:stonee>);\nrecipes.remove(<minecraft:stone:1>);\n");
    writeFile(game + "/scripts/ignored.zs",
              "#ignoreBracketErrors\nrecipes.remove(<minecraft:stonee>);\n");
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int code = packcli::runCheckWithPack(
        {"--check", "--pack", game, game + "/scripts/recipes.zs"}, out, err);
    out.flush();
    QCOMPARE(code, 1);
    QVERIFY2(outText.contains("recipes.zs:1:") && outText.contains(": error:"),
             qPrintable(outText));
    QVERIFY(outText.contains("minecraft:stonee"));
    QVERIFY(outText.contains("minecraft:stone"));
    QCOMPARE(outText.count('\n'), 1);

    outText.clear();
    QCOMPARE(packcli::runCheckWithPack({"--check", "--pack", game, game + "/scripts/ignored.zs"},
                                       out, err),
             0);
    QCOMPARE(packcli::runCheckWithPack({"--check", "--pack", h.path("nowhere"), game}, out, err),
             2);
    QCOMPARE(packcli::runCheckWithPack({"--check", "--pack"}, out, err), 2);
  }
};

QTEST_MAIN(PackUi)
#include "test_packui.moc"
