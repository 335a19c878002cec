// What the user sees of the script checker: colours and underlines in the script boxes, the
// question before a broken file is written, the folder check, and that every line a window
// writes from sound values is a script the game reads.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include "check/checker.h"
#include "forms/files.h"
#include "forms/text.h"
#include "forms/values.h"
#include "support/harness.h"
#include "ui/scriptedit.h"

using namespace tf;

Q_DECLARE_METATYPE(std::vector<ScriptSpan>)

namespace {

ScriptEdit* scriptBox(FormWindow& f, const QString& name) {
  auto* box = qobject_cast<ScriptEdit*>(f.control(name));
  if (box == nullptr) qFatal("%s is no script box", qPrintable(name));
  return box;
}

bool sameSpans(const std::vector<ScriptSpan>& a, const std::vector<ScriptSpan>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].start != b[i].start || a[i].length != b[i].length || a[i].piece != b[i].piece)
      return false;
  return true;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QVERIFY(writeWholeFile(path, bytes).isEmpty());
}

// Windows that write no script lines of their own.
const QStringList kNotGenerators{
    "MainWindow",         "AboutWindow",        "ExportWindow",   "JsonExportWindow",
    "BatchImportWindow",  "ScriptCheckWindow",  "MekanismWindow", "MekanismMachineSelectWindow",
    "CodeTerminalWindow", "FusionRecipeWindow", "PackWindow"};

// A sound value for a box: what its kind takes. A box that starts with a number takes a number;
// the boxes named here take what their window's lines need; every other box takes an id.
QString soundValue(const QString& window, const QString& box, const QString& initial) {
  static const QHash<QString, QHash<QString, QString>> named{
      {"CraftingWindow",
       {{"a", "<minecraft:stone>"},
        {"b", "<minecraft:stone>"},
        {"c", "<minecraft:stone>"},
        {"d", "<minecraft:stone>"},
        {"e", "<minecraft:stone>"},
        {"f", "<minecraft:stone>"},
        {"g", "<minecraft:stone>"},
        {"h", "<minecraft:stone>"},
        {"i", "<minecraft:stone>"}}},
      {"GameStageWindow",
       {{"a", "<minecraft:stone>"},
        {"b", "<minecraft:stone>"},
        {"c", "<minecraft:stone>"},
        {"d", "<minecraft:stone>"},
        {"e", "<minecraft:stone>"},
        {"f", "<minecraft:stone>"},
        {"g", "<minecraft:stone>"},
        {"h", "<minecraft:stone>"},
        {"i", "<minecraft:stone>"},
        {"编辑框2", "-1"},
        {"编辑框8", "_nether"}}},
      {"GameStage2Window", {{"编辑框8", "_nether"}}},
      {"ExNihiloWindow", {{"a1", "2"}, {"a7", "0.5"}}},
      {"FurnaceWindow", {{"编辑框6", "0.5"}, {"编辑框8", "200"}}},
      {"InWorldCraftingWindow",
       {{"编辑框3", "2"}, {"编辑框11", "2"}, {"编辑框12", "2"}, {"编辑框15", "2"}}},
      {"TreeTweakerWindow",
       {{"编辑框1", "oak_tree"}, {"编辑框6", "4"}, {"编辑框7", "2"}, {"编辑框10", "0"}}},
      {"MobEquipmentWindow", {{"编辑框1", "zombie"}}},
  };
  if (window == "ExtremeCraftingWindow" && box.startsWith("编辑框")) {
    bool slot = false;
    const int n = box.mid(3).toInt(&slot);
    if (slot && n >= 1 && n <= 81) return "<minecraft:stone>";
  }
  const QString value = named.value(window).value(box);
  if (!value.isEmpty()) return value;
  bool number = false;
  initial.toDouble(&number);
  return number ? QStringLiteral("2") : QStringLiteral("minecraft:stone");
}

bool onScreen(const FormWindow& f, const ControlDeclaration& c) {
  return c.x < f.declaration().width && c.y < f.declaration().height;
}

}  // namespace

class ScriptChecks : public QObject {
  Q_OBJECT

 private slots:
  // The colours of a line: keywords, brackets, strings, numbers and the three comment kinds,
  // with comments and strings that run over a line's end.
  void colouredPieces_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("startState");
    QTest::addColumn<std::vector<ScriptSpan>>("spans");
    QTest::addColumn<int>("endState");
    using P = ScriptPiece;
    QTest::newRow("recipe line") << "recipes.remove(<minecraft:stone:1>,false);" << 0
                                 << std::vector<ScriptSpan>{{15, 19, P::Bracket},
                                                            {35, 5, P::Keyword}}
                                 << 0;
    QTest::newRow("val, string, number, line comment")
        << "val x = \"a\\\"b\" * 1.5e3; // done" << 0
        << std::vector<ScriptSpan>{{0, 3, P::Keyword},
                                   {8, 6, P::String},
                                   {17, 5, P::Number},
                                   {24, 7, P::Comment}}
        << 0;
    QTest::newRow("preprocessor line")
        << "#priority 10" << 0 << std::vector<ScriptSpan>{{0, 12, P::Comment}} << 0;
    QTest::newRow("comparison is no bracket")
        << "if (a < b) {}" << 0 << std::vector<ScriptSpan>{{0, 2, P::Keyword}} << 0;
    QTest::newRow("block comment opens")
        << "x; /* note" << 0 << std::vector<ScriptSpan>{{3, 7, P::Comment}} << int(kLineInComment);
    QTest::newRow("block comment closes")
        << "still */ 0x1F" << int(kLineInComment)
        << std::vector<ScriptSpan>{{0, 8, P::Comment}, {9, 4, P::Number}} << 0;
    QTest::newRow("string runs on")
        << "print('ab" << 0 << std::vector<ScriptSpan>{{6, 3, P::String}} << 3;
    QTest::newRow("string ends") << "c');" << 3 << std::vector<ScriptSpan>{{0, 2, P::String}} << 0;
    QTest::newRow("Chinese in a string and an id")
        << "val 铁 = '铁锭';" << 0 << std::vector<ScriptSpan>{{0, 3, P::Keyword}, {8, 4, P::String}}
        << 0;
  }
  void colouredPieces() {
    QFETCH(QString, line);
    QFETCH(int, startState);
    QFETCH(std::vector<ScriptSpan>, spans);
    QFETCH(int, endState);
    std::vector<ScriptSpan> found;
    QCOMPARE(scriptLineSpans(line, startState, &found), endState);
    QVERIFY2(sameSpans(found, spans), qPrintable(line));
  }

  // Every script box colours and checks; the other multi-line boxes are plain.
  void scriptBoxesAreMarked() {
    test::Harness h;
    for (const QString& window : registeredWindows()) {
      auto f = buildWindow(window);
      for (const ControlDeclaration& c : f->declaration().controls) {
        if (c.kind != ControlKind::Memo) continue;
        const bool script = qobject_cast<ScriptEdit*>(f->control(c.name)) != nullptr;
        QCOMPARE(script, (c.options & kScript) != 0);
      }
    }
    auto crafting = buildWindow("CraftingWindow");
    QVERIFY(qobject_cast<ScriptEdit*>(crafting->control("编辑框1")));
    auto terminal = buildWindow("CodeTerminalWindow");
    QVERIFY(qobject_cast<ScriptEdit*>(terminal->control("编辑框1")));
    auto batch = buildWindow("BatchImportWindow");
    QVERIFY(!qobject_cast<ScriptEdit*>(batch->control("编辑框1")));
  }

  // An append is checked once the box is left alone: the problem is underlined in red, its
  // tooltip is the message, and a sound script shows nothing.
  void appendedLinesAreChecked() {
    test::Harness h;
    auto f = test::open("CraftingWindow");
    ScriptEdit* box = scriptBox(*f, "编辑框1");
    f->append("编辑框1", "recipes.remove(<minecraft:stone>);\r\nrecipes.remove(<a:b>,,false);\r\n");
    QVERIFY(box->checkPending());
    QTRY_VERIFY(!box->checkPending());
    QCOMPARE(box->problems().size(), size_t(1));
    const check::Problem& p = box->problems().front().problem;
    QCOMPARE(p.line, 2);
    QCOMPARE(box->problemAt(int(p.offset)), &p);
    QCOMPARE(check::describeWhat(*box->problemAt(int(p.offset))),
             QString("两个逗号之间少了一个值"));
    // The wavy red line lies under the problem's place in the second line.
    QTRY_VERIFY(box->screenUpToDate());
    const QTextBlock second = box->document()->findBlockByNumber(1);
    bool underlined = false;
    for (const QTextLayout::FormatRange& r : second.layout()->formats())
      if (r.format.underlineStyle() == QTextCharFormat::WaveUnderline &&
          second.position() + r.start <= p.offset &&
          p.offset < second.position() + r.start + r.length)
        underlined = true;
    QVERIFY(underlined);
    // Resting the mouse on it shows the message.
    QTextCursor at(box->document());
    at.setPosition(int(p.offset));
    const QPoint place = box->cursorRect(at).center() + QPoint(2, 0);
    QHelpEvent help(QEvent::ToolTip, place, box->viewport()->mapToGlobal(place));
    QCoreApplication::sendEvent(box->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), QString("两个逗号之间少了一个值"));
    // Mended, the script shows no problem and no underline.
    f->setText("编辑框1", "recipes.remove(<a:b>,false);\r\n");
    QTRY_VERIFY(!box->checkPending());
    QVERIFY(box->problems().empty());
    QTRY_VERIFY(box->screenUpToDate());
    for (const QTextLayout::FormatRange& r : box->document()->firstBlock().layout()->formats())
      QVERIFY(r.format.underlineStyle() != QTextCharFormat::WaveUnderline);
  }

  // A check that finishes after the text changed shows nothing of the old text; the new text is
  // checked in its turn. Appends made meanwhile do not wait on any check.
  void checkOfAChangedTextIsDropped() {
    test::Harness h;
    auto f = test::open("CraftingWindow");
    ScriptEdit* box = scriptBox(*f, "编辑框1");
    f->append("编辑框1", "a(,);\r\n");
    QTest::qWait(ScriptEdit::kCheckDelayMs + 50);  // the first check has started
    f->append("编辑框1", "b();\r\n");
    QTRY_VERIFY(!box->checkPending());
    QCOMPARE(box->problems().size(), size_t(1));
    QCOMPARE(box->problems().front().problem.line, 1);
    QCOMPARE(f->text("编辑框1"), QString("a(,);\r\nb();\r\n"));
  }

  // The question before a broken script or JSON file is written: shown only with errors, with the
  // first errors and what the game does; "取消" writes nothing, "仍然写入" writes the bytes.
  void exportQuestion_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QStringList>("shown");
    const QByteArray broken = "recipes.remove(<a:b>);\r\nrecipes.remove(<a:c>,,false);\r\n";
    const QStringList brokenShown{"第 2 行", "两个逗号之间少了一个值", "跳过"};
    QTest::newRow("sound script: no question")
        << "ExportWindow" << QByteArray("recipes.remove(<a:b>);\r\n") << "" << false << true
        << QStringList{};
    QTest::newRow("empty script: no question")
        << "ExportWindow" << QByteArray() << "" << false << true << QStringList{};
    QTest::newRow("broken script, cancel")
        << "ExportWindow" << broken << "取消" << true << false << brokenShown;
    QTest::newRow("broken script, write anyway")
        << "ExportWindow" << broken << "仍然写入" << true << true << brokenShown;
    QTest::newRow("sound JSON: no question")
        << "JsonExportWindow" << QByteArray("[\r\n    {\"a\": 1}\r\n]") << "" << false << true
        << QStringList{};
    QTest::newRow("broken JSON, cancel")
        << "JsonExportWindow" << QByteArray("[\r\n    {\"a\": 1},\r\n    {\"b\" 2}\r\n]") << "取消"
        << true << false << QStringList{"第 3 行", "冒号"};
    QTest::newRow("unclosed JSON, write anyway")
        << "JsonExportWindow" << QByteArray("[\r\n    {\"a\": 1},") << "仍然写入" << true << true
        << QStringList{"第 2 行"};
  }
  void exportQuestion() {
    QFETCH(QString, window);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    QFETCH(QStringList, shown);
    test::Harness h;
    const QString target = h.path("out.file");
    writeFile(target, "old bytes");
    values().exportBuffer = bytes;
    auto f = test::open(window);
    test::type(*f, "编辑框4", target);
    if (!answer.isEmpty()) h.fake.questionAnswers = {answer};
    test::click(*f, "添加一个配方2");
    QCOMPARE(h.fake.questions.size(), asked ? 1 : 0);
    if (asked) {
      QCOMPARE(h.fake.questions[0].answers, (QStringList{"仍然写入", "取消"}));
      for (const QString& piece : shown)
        QVERIFY2(h.fake.questions[0].text.contains(piece), qPrintable(h.fake.questions[0].text));
    }
    QCOMPARE(readWholeFile(target), written ? bytes : QByteArray("old bytes"));
    if (written) {
      QCOMPARE(h.fake.messages.size(), 1);
      QCOMPARE(h.fake.messages[0].text, QString("写入完成！"));
    } else {
      QVERIFY(h.fake.messages.isEmpty());
      QCOMPARE(f->progress("进度条1"), 0);
    }
  }

  // At most five errors are listed and the rest counted; errors that are no parse error (empty
  // ids) let the game go on, so the question does not say that later scripts are skipped.
  void exportQuestionListsFiveErrors() {
    test::Harness h;
    QByteArray script;
    for (int i = 0; i < 7; ++i) script += "recipes.remove(<>);\r\n";
    values().exportBuffer = script;
    auto f = test::open("ExportWindow");
    test::type(*f, "编辑框4", h.path("x.zs"));
    h.fake.questionAnswers = {"取消"};
    test::click(*f, "添加一个配方2");
    QCOMPARE(h.fake.questions.size(), 1);
    const QString& text = h.fake.questions[0].text;
    QVERIFY2(text.contains("第 5 行") && !text.contains("第 6 行"), qPrintable(text));
    QVERIFY2(text.contains("还有 2 处"), qPrintable(text));
    QVERIFY(!text.contains("跳过"));
    QVERIFY(!QFileInfo::exists(h.path("x.zs")));
  }

  // The folder check over a small pack: load order by priority then path, #norun left out, the
  // broken file's problem listed, and the files the game skips after it named.
  void folderCheck() {
    test::Harness h;
    const QString scripts = h.path("scripts");
    writeFile(scripts + "/a.zs", "#priority 10\nrecipes.remove(<minecraft:stone>);\n");
    writeFile(scripts + "/b.zs",
              "recipes.remove(<minecraft:dirt>);\nrecipes.remove(<a:b>,,false);\n");
    writeFile(scripts + "/c.zs", "print(\"c\");\n");
    writeFile(scripts + "/sub/d.zs", "print(\"d\");\n");
    writeFile(scripts + "/off.zs", "#norun\nthis is not a script at all (\n");
    writeFile(scripts + "/z.zs", "#priority 20\nprint(\"z\");\n");
    h.fake.folderAnswers = {scripts};
    auto f = test::open("ScriptCheckWindow");
    QCOMPARE(f->text("编辑框1"), QString());
    test::click(*f, "按钮1");
    QCOMPARE(f->text("编辑框1"), scripts);
    test::click(*f, "按钮2");
    QTRY_VERIFY(f->text("编辑框2").contains("共检查"));
    QCOMPARE(f->progress("进度条1"), 100);
    QVERIFY(f->control("按钮2")->isEnabled());
    const QStringList lines = splitLines(f->text("编辑框2"));
    QVERIFY2(lines.size() >= 5, qPrintable(lines.join('\n')));
    QVERIFY2(lines[1].startsWith("[错误] b.zs：第 2 行"), qPrintable(lines[1]));
    QVERIFY(lines[1].contains("两个逗号之间少了一个值"));
    QVERIFY2(f->text("编辑框2").contains("共检查 5 个文件：1 处错误，0 处警告。"),
             qPrintable(lines.join('\n')));
    QVERIFY(f->text("编辑框2").contains(
        "游戏读到 b.zs 的语法错误后会跳过这个文件，以及之后加载的全部 2 个文件："));
    // Skipped in load order: c.zs, then sub/d.zs.
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"    c.zs", "    sub/d.zs"}));
    QVERIFY(!f->text("编辑框2").contains("off.zs"));
    QVERIFY(h.fake.messages.isEmpty());
    // The folder is remembered for the next run.
    QCOMPARE(QSettings().value("scriptCheck/folder").toString(), scripts);
    auto again = test::open("ScriptCheckWindow");
    QCOMPARE(again->text("编辑框1"), scripts);
  }

  // The shared fixture folder, the whole report: the problems of every file in load order, then
  // what the game skips after the first parse error.
  void folderCheckReport() {
    test::Harness h;
    const QString folder = QFINDTESTDATA("zenscript/folder");
    QVERIFY(!folder.isEmpty());
    auto f = test::open("ScriptCheckWindow");
    test::type(*f, "编辑框1", folder);
    test::click(*f, "按钮2");
    QTRY_VERIFY(f->text("编辑框2").contains("共检查"));
    QCOMPARE(splitLines(f->text("编辑框2")),
             (QStringList{"检查 " + QDir::toNativeSeparators(folder) + " …",
                          "[错误] sub/broken.zs：第 2 行第 33 列：这里应当是「)」，却是「;」",
                          "[错误] Zeta.zs：第 1 行第 16 列：尖括号里的 id 是空的",
                          "共检查 5 个文件：2 处错误，0 处警告。",
                          "游戏读到 sub/broken.zs 的语法错误后会跳过这个文件，以及之后加载的全部 2 "
                          "个文件：",
                          "    Zeta.zs", "    omega.zs"}));
  }

  void folderCheckOfAMissingFolder() {
    test::Harness h;
    auto f = test::open("ScriptCheckWindow");
    test::type(*f, "编辑框1", h.path("nowhere"));
    test::click(*f, "按钮2");
    QCOMPARE(h.fake.messages.size(), 1);
    QVERIFY(h.fake.messages[0].text.contains(h.path("nowhere")));
    QCOMPARE(f->text("编辑框2"), QString());
  }

  void mainWindowOpensTheFolderCheck() {
    test::Harness h;
    auto f = test::open("MainWindow");
    QCOMPARE(f->control("检查脚本")->geometry(), QRect(448, 88, 96, 40));
    QCOMPARE(f->text("检查脚本"), QString("检查脚本"));
    test::click(*f, "检查脚本");
    QCOMPARE(h.fake.opened, QStringList{"ScriptCheckWindow"});
  }

  // The fusion window writes JSON: a middle record and an end record from sound values, finished
  // and exported, are a JSON file, written without a question.
  void fusionWritesSoundJson() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    test::type(*f, "编辑框1", "minecraft:ice");
    test::type(*f, "编辑框2", "minecraft:diamond");
    test::type(*f, "编辑框3", "minecraft:nether_star");
    qobject_cast<QComboBox*>(f->control("组合框1"))->setCurrentIndex(1);
    for (const char* place : {"中间", "结尾"}) {
      f->setText("组合框2", place);
      for (const char* button : {"修改工作台配方12", "修改工作台配方5", "修改工作台配方1",
                                 "修改工作台配方2", "修改工作台配方3", "修改工作台配方4"})
        test::click(*f, button);
    }
    QString exported;
    h.fake.whenOpened["JsonExportWindow"] = [&](FormWindow& json) {
      exported = fromBytes(values().exportBuffer);
      test::type(json, "编辑框4", h.path("CustomFusionRecipes.json"));
      test::click(json, "添加一个配方2");
    };
    test::click(*f, "修改工作台配方8");
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(exported.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError,
             qPrintable(error.errorString() + "\n" + exported));
    QCOMPARE(json.array().size(), 2);
    QVERIFY(h.fake.questions.isEmpty());
    QCOMPARE(readWholeFile(h.path("CustomFusionRecipes.json")), toBytes(exported));
  }

  // Every generator window, every box filled with a sound value of its kind and every button
  // pressed: the whole script the window collected is one the game reads without an error.
  void everyWindowWritesSoundScripts_data() {
    QTest::addColumn<QString>("window");
    for (const QString& window : registeredWindows())
      if (!kNotGenerators.contains(window)) QTest::newRow(qPrintable(window)) << window;
  }
  void everyWindowWritesSoundScripts() {
    QFETCH(QString, window);
    test::Harness h;
    auto f = test::open(window);
    QStringList scriptBoxes;
    for (const ControlDeclaration& c : f->declaration().controls) {
      if (!onScreen(*f, c)) continue;
      if (c.kind == ControlKind::Edit) test::type(*f, c.name, soundValue(window, c.name, c.text));
      if (c.kind == ControlKind::Combo || c.kind == ControlKind::ComboList) {
        auto* combo = static_cast<QComboBox*>(f->control(c.name));
        if (combo->count() > 0)
          combo->setCurrentIndex(0);
        else
          test::type(*f, c.name, soundValue(window, c.name, c.text));
      }
      if (c.kind == ControlKind::Memo && (c.options & kScript)) scriptBoxes.append(c.name);
    }
    for (const ControlDeclaration& c : f->declaration().controls)
      if (c.kind == ControlKind::Button && onScreen(*f, c) && !c.text.isEmpty())
        test::click(*f, c.name);
    QString script;
    for (const QString& box : scriptBoxes) script += f->text(box);
    script += values().mekanismScript;
    QVERIFY2(!script.isEmpty(), "the window wrote nothing");
    const check::CheckResult result = check::checkText(script);
    QStringList problems;
    for (const check::Problem& p : result.problems)
      if (p.severity == check::Severity::Error)
        problems.append(check::describe(p) + "\n" + check::excerpt(p, script));
    QVERIFY2(problems.isEmpty(), qPrintable(window + ":\n" + problems.join("\n")));
  }
};

QTEST_MAIN(ScriptChecks)
#include "test_scriptchecks.moc"
