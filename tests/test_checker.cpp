// The script checker: agreement with the game's parser on the shared fixtures, the messages
// for common mistakes, hostile input, preprocessor facts and the load order.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "check/checker.h"
#include "check/commandline.h"

using namespace tf::check;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

const Problem* parseErrorOf(const CheckResult& r) {
  for (const Problem& p : r.problems)
    if (p.parseError) return &p;
  return nullptr;
}

// Knows a few ids, as the pack's lists would; everything else is unknown.
class FakeResolver : public BracketResolver {
 public:
  Problem resolve(QStringView bracket) const override {
    seen << bracket.toString();
    Problem p;
    if (bracket == u"minecraft:stone" || bracket == u"ore:ingotIron") return p;
    p.kind = QStringLiteral("unknown-id");
    p.args = {bracket.toString(), QStringLiteral("minecraft:stone")};
    return p;
  }
  mutable QStringList seen;
};

// Runs the command line in this process and gives its exit code and output.
struct Run {
  int code = -1;
  QString out, err;
};
Run runCheck(const QStringList& args) {
  Run r;
  QTextStream out(&r.out), err(&r.err);
  r.code = tf::cli::runCheckCommand(args, out, err);
  out.flush();
  err.flush();
  return r;
}

}  // namespace

class Checker : public QObject {
  Q_OBJECT

 private slots:
  // Each fixture with the game's verdict: "agree" is both OK, or both an error on one line.
  // cases and generated hold measured verdicts; styles holds the forms real packs use, with the
  // verdicts the game's grammar gives.
  void agreesWithGame_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("line");  // 0: the game says OK
    for (const char* folder : {"zenscript/cases", "zenscript/generated", "zenscript/styles"}) {
      const QString dir = QFINDTESTDATA(folder);
      QVERIFY2(!dir.isEmpty(), folder);
      const QList<QByteArray> rows = readAll(dir + "/verdicts.tsv").split('\n');
      QVERIFY(rows.size() > 3);
      for (const QByteArray& row : rows.mid(1)) {
        const QList<QByteArray> cells = row.split('\t');
        if (cells.size() < 3) continue;
        const int line = cells[1] == "OK" ? 0 : cells[2].split(':').value(0).toInt();
        QTest::newRow(cells[0].constData()) << dir + '/' + QString::fromUtf8(cells[0]) << line;
      }
    }
  }
  void agreesWithGame() {
    QFETCH(QString, path);
    QFETCH(int, line);
    const QByteArray bytes = readAll(path);
    QVERIFY(!bytes.isEmpty());
    const CheckResult r = checkBytes(bytes);
    const Problem* error = parseErrorOf(r);
    if (line == 0) {
      QVERIFY2(!error, qPrintable(error ? describe(*error) : QString()));
    } else {
      QVERIFY2(error, "the game reports a parse error here");
      QVERIFY2(error->line == line, qPrintable(describe(*error)));
    }
  }

  // What the game's parser accepts and refuses, one small script each.
  void grammarFacts_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("parses");
    const std::pair<const char*, bool> facts[] = {
        {"val a = 1..5;", false},
        {"val a = item..name;", true},
        {"val a = x ? b ? 1 : 2 : 3;", false},
        {"val a = x ? 1 : b ? 2 : 3;", true},
        {"val a = a == b == c;", false},
        {"val a = a == b & c == d;", true},
        {"function f(q = x) {}", false},
        {"function f(q = (x)) {}", false},
        {"val f = function(q = x) {};", true},
        {"function f(a = 1, b) {}", false},
        {"function f(a, b = 1) {}", true},
        {"function(x) {}(1);", false},
        {"val y = x as string[i];", true},
        {"val y = x as int[0];", false},
        {"val y = x as function(int, string)bool[];", true},
        {"1 = 2; return; break; continue; val x; version 3;", true},
        {"if (x) <minecraft:stone>.addTooltip(\"a\");", false},
        {"if (x) { <minecraft:stone>.addTooltip(\"a\"); }", true},
        {"for (i in 0 .. 3) {}", false},
        {"for k, v in m { print(k); } while a has b { a -= 1; }", true},
        {"val a = 1e5;", false},
        {"val a = 007;", false},
        {"val a = -0x10;", false},
        {"val a = 1_000;", false},
        {"val a = 1.0L;", false},
        {"val a = 0xFFL;", false},
        {"val a = 0x;", false},
        {"val a = 5L + 0x7FFFFFFFFFFFFFFF + -9223372036854775808 + 2.5e-3f;", true},
        {"val a = \"\\a\";", false},
        {"val a = \"\\0\";", false},
        {"val a = '\\u00e9 \\' \\\" \\\\ \\/ \\b \\f \\n \\r \\t';", true},
        {"val a = +1;", false},
        {"val a = ~1;", false},
        {"val a = - -!1 ~ 'x' instanceof string;", true},
        {"print(1);#c\nprint(2); # x\n", true},
        {"print(1);\rprint(2); // swallows the rest\rprint(3,);", true},
        {"a();;", false},
        {"val a = f(,x);", false},
        {"val a = [a,] + {a: 1, \"b\": 2,} + [];", true},
        {"val a = <minecraft:stone>==<minecraft:dirt>;", true},
        {"zenClass A { var x as int = 1; static y = 2; zenConstructor(a as int, b) { this.x = a; } "
         "function get() as int { return x; } }",
         true},
        {"$expand IItemStack$foo() as bool { return true; }", true},
        {"global g as int = 1; static s = [1];", true},
        {"global g;", false},
        {"import a.b.C as D;\nimport e.F;\nprint(1);", true},
    };
    for (const auto& [script, parses] : facts) QTest::newRow(script) << QString(script) << parses;
  }
  void grammarFacts() {
    QFETCH(QString, script);
    QFETCH(bool, parses);
    const CheckResult r = checkText(script);
    QVERIFY2(r.hasParseError() != parses,
             qPrintable(r.problems.empty() ? QString("parses") : describe(r.problems.back())));
  }

  // Common mistakes: the message, at the game's line, in the user's words.
  void messages_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    const QString pad = QString(74, u' ');
    QTest::newRow("empty grid cell") << "a();\nb();\nc();\n" + pad + "val xs = [null,,null];\n"
                                     << "第 4 行第 90 列：两个逗号之间少了一个值";
    QTest::newRow("empty count") << "mods.mekanism.crusher.addRecipe(<a:b>, <c:d> * );"
                                 << "第 1 行第 48 列：「*」后面少了数量";
    QTest::newRow("empty count before a comma") << "mods.x.add(<a:b> *, <c:d>);"
                                                << "第 1 行第 19 列：「*」后面少了数量";
    QTest::newRow("empty argument after comma")
        << "furnace.addRecipe(<a:b>, <c:d>,);"
        << "第 1 行第 32 列：最后一个逗号后面少了一个值（调用的括号里不能以逗号结尾）";
    QTest::newRow("Chinese in an id")
        << "recipes.remove(<minecraft:石头>);"
        << "第 1 行第 27 列：尖括号里的 id 不能有中文或全角字符「石」";
    QTest::newRow("full-width colon in an id")
        << "recipes.remove(<minecraft：stone>);"
        << "第 1 行第 26 列：尖括号里的 id 不能有中文或全角字符「：」";
    QTest::newRow("quote in a name")
        << "val n = \"The \"Best\" Sword\";"
        << "第 1 行第 15 列：字符串在「Best」前面就结束了：字符串里的引号要写成 \\\"";
    QTest::newRow("import after a statement")
        << "import a.B;\nrecipes.remove(<a:b>);\nimport c.D;\n"
        << "第 3 行第 1 列：import 只能写在文件开头、所有语句之前";
    QTest::newRow("missing semicolon") << "recipes.remove(<a:b>)\nfurnace.remove(<c:d>);"
                                       << "第 2 行第 1 列：这里应当是「;」，却是「furnace」";
    QTest::newRow("missing close paren at the end")
        << "recipes.remove(<a:b>"
        << "第 1 行第 21 列：这里应当是「)」，文件却已结束";
    QTest::newRow("unterminated string")
        << "val a = \"never closed;\nprint(a);\n"
        << "第 3 行第 1 列：第 1 行开始的字符串没有结束：少了收尾的引号";
    QTest::newRow("unterminated comment")
        << "/* open\nprint(1);"
        << "第 2 行第 10 列：第 1 行开始的注释「/*」没有结束：少了「*/」";
    QTest::newRow("unterminated bracket") << "val a = <minecraft:stone;\n"
                                          << "第 2 行第 1 列：第 1 行的「<」没有对应的「>」";
    QTest::newRow("minus joined to a number")
        << "val b = a-1;"
        << "第 1 行第 10 列：「-1」被读成了一个负数：减号和数字之间要加空格";
    QTest::newRow("unknown escape") << "print(\"a\\qb\");"
                                    << "第 1 行第 10 列：字符串里的「\\q」不是有效的转义（可用 "
                                       "\\\" \\' \\\\ \\/ \\b \\f \\n \\r \\t \\uXXXX）";
    QTest::newRow("no-break space")
        << "print(\u00a01);"
        << "第 1 行第 7 列：这里有一个特殊空格（U+00A0），要换成普通空格";
    QTest::newRow("keyword after a dot") << "print(item.in);"
                                         << "第 1 行第 12 列：「.」后面应当是名字，却是「in」";
    QTest::newRow("double semicolon") << "print(1);;"
                                      << "第 1 行第 10 列：多了一个「;」，这里没有语句";
    QTest::newRow("number too large")
        << "val a = 9223372036854775808;"
        << "第 1 行第 9 列：数字「9223372036854775808」写法不对或超出范围";
  }
  void messages() {
    QFETCH(QString, script);
    QFETCH(QString, message);
    const CheckResult r = checkText(script);
    const Problem* error = parseErrorOf(r);
    QVERIFY(error);
    QCOMPARE(describe(*error), message);
    QVERIFY(r.hasError());
    QCOMPARE(r.problems.back().kind, error->kind);  // the parse error comes last
  }

  void emptyIdIsAnErrorThatDoesNotStopTheScript() {
    const CheckResult r = checkText(u"furnace.addRecipe(<>, <a:b>);\nprint(1);");
    QCOMPARE(r.problems.size(), size_t(1));
    QCOMPARE(describe(r.problems[0]), QString("第 1 行第 19 列：尖括号里的 id 是空的"));
    QVERIFY(!r.hasParseError());
    QVERIFY(r.hasError());
  }

  void excerptMarksTheColumn() {
    const QString text = "a();\n\tval xs = [1,,2];\n";
    const CheckResult r = checkText(text);
    QCOMPARE(excerpt(r.problems.back(), text), QString("\tval xs = [1,,2];\n\t            ^"));
    // A wide character takes two columns; a long line is cut around the place.
    const QString wide = "print(\"石头\") 石;";
    QCOMPARE(excerpt(checkText(wide).problems.back(), wide),
             QString("print(\"石头\") 石;\n" + QString(14, u' ') + "^"));
    const QString longLine = QString(5000, u' ') + "@";
    const QString cut = excerpt(checkText(longLine).problems.back(), longLine);
    QVERIFY(cut.size() < 200);
    QVERIFY(cut.endsWith("^"));
  }

  void bytesAsTheGameReadsThem() {
    // A byte-order mark is an invalid character on line 1.
    CheckResult r = checkBytes("\xEF\xBB\xBFprint(1);\n");
    QVERIFY(r.hasParseError());
    QCOMPARE(r.problems.back().line, 1);
    QCOMPARE(r.problems.back().kind, QString("byte-order-mark"));
    // Invalid UTF-8 in a comment: a warning naming the first bad line, nothing more.
    r = checkBytes("print(1);\n// \xD7\xEA\xCA\xAF\nprint(2);\n// \xFF\n");
    QCOMPARE(r.problems.size(), size_t(1));
    QCOMPARE(r.problems[0].severity, Severity::Warning);
    QCOMPARE(
        describe(r.problems[0]),
        QString("第 2 行第 4 列：文件不是有效的 UTF-8 编码（从第 2 行起），游戏会把它读成乱码"));
    QVERIFY(!r.hasError());
    // The byte-order mark counts as the first column of line 1.
    r = checkBytes("\xEF\xBB\xBF// \xFF\n");
    QCOMPARE(r.problems.size(), size_t(2));
    QCOMPARE(
        describe(r.problems[0]),
        QString("第 1 行第 5 列：文件不是有效的 UTF-8 编码（从第 1 行起），游戏会把它读成乱码"));
    QCOMPARE(r.problems[1].kind, QString("byte-order-mark"));
    // Outside a comment the garbled character also breaks the script; the error stays last.
    r = checkBytes("print(1);\nprint(\xFF);\n");
    QCOMPARE(r.problems.size(), size_t(2));
    QCOMPARE(r.problems[0].kind, QString("not-utf8"));
    QVERIFY(r.problems[1].parseError);
    QCOMPARE(r.problems[1].line, 2);
  }

  // Hostile input: a clear message, no crash, no deep recursion, time linear in the input.
  void hostileInput_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("parses");
    QTest::newRow("10,000 nested brackets") << QString(10000, u'[') << false;
    QTest::newRow("10,000 nested parentheses")
        << "val a = " + QString(10000, u'(') + "1" + QString(10000, u')') + ";" << false;
    QTest::newRow("10,000 nested blocks") << QString(10000, u'{') + QString(10000, u'}') << false;
    QTest::newRow("10,000 nested lambdas")
        << "val f = " + QString("function(){return ").repeated(10000) << false;
    QTest::newRow("long flat chain")
        << "val a = 1" + QString(" + 1").repeated(250000) + ";" << true;
    QTest::newRow("long else-if chain")
        << "if a {}" + QString(" else if a {}").repeated(50000) << true;
    QTest::newRow("many unary minus") << "val a = " + QString("- ").repeated(100000) + "1;" << true;
    QTest::newRow("million-character line")
        << "val a = [" + QString("1,").repeated(500000) + "];" << true;
    QTest::newRow("million-character bracket")
        << "val a = <" + QString(1000000, u'a') + ">;" << true;
    QTest::newRow("unclosed bracket to the end")
        << "val a = <" + QString("a b ").repeated(100000) << false;
    QString junk;
    for (int i = 0; i < 100000; ++i) junk += QChar(char16_t((i * 7919) % 0xFFFF));
    QTest::newRow("binary junk") << junk << false;
  }
  void hostileInput() {
    QFETCH(QString, script);
    QFETCH(bool, parses);
    const CheckResult r = checkText(script);
    QCOMPARE(!r.hasParseError(), parses);
    if (!parses) QVERIFY(!describe(r.problems.back()).isEmpty());
  }

  void preprocessorFacts() {
    const CheckResult r = checkText(
        u"#priority 42\n  #norun\n#loader contenttweaker\n#ignoreBracketErrors\n"
        u"#modloaded thermal !jei\nprint(1);\n");
    QVERIFY(!r.hasError());
    QCOMPARE(r.facts.priority, 42);
    QVERIFY(r.facts.norun);
    QCOMPARE(r.facts.loader, QString("contenttweaker"));
    QVERIFY(r.facts.ignoreBracketErrors);
    QCOMPARE(r.facts.modloaded, (QStringList{"thermal", "!jei"}));
    const FileFacts plain = checkText(u"print(1); # priority 5 is a comment here\n").facts;
    QCOMPARE(plain.priority, 0);
    QVERIFY(!plain.norun);
    QCOMPARE(plain.loader, QString("crafttweaker"));
  }

  // Brackets go to the resolver with blanks around ':' removed; what it reports does not
  // stop the script, and #ignoreBracketErrors makes it a warning, as the game only logs it.
  void bracketsGoToTheResolver() {
    FakeResolver resolver;
    const QString script =
        "recipes.remove(< minecraft : stone >);\n"
        "recipes.remove(<minecraft:stonee>);\n"
        "mods.x.add(<gas:water vapor>, <ore:ingotIron>);\n";
    CheckResult r = checkText(script, &resolver);
    QCOMPARE(resolver.seen, (QStringList{"minecraft:stone", "minecraft:stonee", "gas:water vapor",
                                         "ore:ingotIron"}));
    QCOMPARE(r.problems.size(), size_t(2));
    QCOMPARE(describe(r.problems[0]),
             QString("第 2 行第 16 列：整合包里没有 minecraft:stonee，是不是 minecraft:stone？"));
    QCOMPARE(r.problems[0].length, qsizetype(18));
    Problem several = r.problems[0];
    several.args << "minecraft:stone_slab"
                 << "minecraft:stonebrick"
                 << "minecraft:cobblestone";
    QCOMPARE(describeWhat(several),
             QString("整合包里没有 minecraft:stonee，是不是 minecraft:stone、"
                     "minecraft:stone_slab、minecraft:stonebrick？"));
    QCOMPARE(r.problems[0].severity, Severity::Error);
    QVERIFY(!r.hasParseError());
    QVERIFY(r.hasError());

    r = checkText("#ignoreBracketErrors\n" + script + "recipes.remove(<>);\nprint(1)", &resolver);
    QCOMPARE(r.problems.size(), size_t(4));
    for (size_t i = 0; i < 3; ++i) QCOMPARE(r.problems[i].severity, Severity::Warning);
    QVERIFY(r.problems[3].parseError);  // the missing ';' at the end still stops the game
  }

  void loadOrderOfAFolder() {
    const QString dir = QFINDTESTDATA("zenscript/folder");
    QStringList order;
    for (const ScriptFile& f : loadOrder(dir)) {
      order << f.relative;
      QVERIFY(QFileInfo(f.path).isAbsolute());
    }
    QCOMPARE(order, (QStringList{"late.zs", "alpha.zs", "sub/broken.zs", "Zeta.zs", "omega.zs"}));
  }

  void commandLine() {
    const QString dir = QFINDTESTDATA("zenscript/folder");
    QVERIFY(QDir::setCurrent(QFileInfo(dir).absolutePath()));
    Run r = runCheck({"--check", "folder"});
    QCOMPARE(r.code, 1);
    QCOMPARE(
        r.out,
        QString("folder/sub/broken.zs:2:33: error: 这里应当是「)」，却是「;」\n"
                "folder/sub/broken.zs:2:33: note: 游戏遇到这个语法错误就会跳过之后的 2 个脚本文件\n"
                "folder/Zeta.zs:1:16: error: 尖括号里的 id 是空的\n"));
    QCOMPARE(r.err, QString());

    r = runCheck({"--check", "folder/late.zs", "folder/alpha.zs"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString());

    r = runCheck({"--check", "folder/late.zs", "folder/missing.zs"});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains("folder/missing.zs"));

    // Something that is there but is no file to read (a device) is named as such.
    r = runCheck({"--check", "/dev/null"});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains("不是普通文件"), qPrintable(r.err));

    for (const QStringList& wrong :
         {QStringList{"--check"}, QStringList{"--check", "--bogus", "x"}, QStringList{"folder"}}) {
      r = runCheck(wrong);
      QCOMPARE(r.code, 2);
      QVERIFY(!r.err.isEmpty());
    }
    r = runCheck({"--help"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains("--check"));
  }

  // The program itself, with no window system at all.
  void commandLineOfTheProgram() {
    const QString dir = QFINDTESTDATA("zenscript/folder");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("LANGUAGE");
    env.insert("LC_ALL", "zh_CN.UTF-8");  // the messages in the language of a Chinese desktop
    p.setProcessEnvironment(env);
    p.start(TESSAFORM_BINARY, {"--check", dir});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].endsWith("sub/broken.zs:2:33: error: 这里应当是「)」，却是「;」"));
    // On any other desktop the same lines are English.
    env.insert("LC_ALL", "en_US.UTF-8");
    p.setProcessEnvironment(env);
    p.start(TESSAFORM_BINARY, {"--check", dir});
    QVERIFY(p.waitForFinished(60000));
    const QString english = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(english.contains("sub/broken.zs:2:33: error: "), qPrintable(english));
    for (const QChar c : english) QVERIFY2(c.unicode() < 0x2E80, qPrintable(english));
    p.start(TESSAFORM_BINARY, {"--check", dir + "/alpha.zs"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
  }
};

QTEST_GUILESS_MAIN(Checker)
#include "test_checker.moc"
