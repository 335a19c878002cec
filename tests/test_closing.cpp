// Closing a window never loses lines without a word: a generator window whose script box holds
// lines not yet kept asks first, and so does the main window while a program-wide script holds
// text that no successful export has written.

#include <QFile>
#include <QTest>

#include "forms/text.h"
#include "forms/values.h"
#include "support/harness.h"

using namespace tf;

namespace {

const QStringList kWindowAnswers{"写入总变量并关闭", "不写入，关闭", "取消"};
const QStringList kMainAnswers{"导出…", "退出", "取消"};
enum Answer { kKeep = 0, kDiscard = 1, kCancel = 2, kNoQuestion = -1 };

// A user in ExportWindow who names path and writes (or, with an empty path, closes it).
void exportTo(FakePlatform& fake, const QString& window, const QString& path) {
  fake.whenOpened[window] = [path](FormWindow& w) {
    if (path.isEmpty()) return;
    w.setText("编辑框4", path);
    test::click(w, "添加一个配方2");
  };
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class Closing : public QObject {
  Q_OBJECT

 private slots:
  // A generator window: its script box, the lines appended to it, the answer to the question
  // (none: no question is expected), whether it closed, and whether ExportBuffer then holds the
  // whole box.
  void generatorWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("kept");
    const QString line = QStringLiteral("recipes.remove(<minecraft:stone>,false);\r\n");
    QTest::newRow("unchanged box") << "CraftingWindow"
                                   << "编辑框1"
                                   << "" << int(kNoQuestion) << true << false;
    QTest::newRow("keep") << "CraftingWindow"
                          << "编辑框1" << line << int(kKeep) << true << true;
    QTest::newRow("discard") << "CraftingWindow"
                             << "编辑框1" << line << int(kDiscard) << true << false;
    QTest::newRow("cancel") << "CraftingWindow"
                            << "编辑框1" << line << int(kCancel) << false << false;
    QTest::newRow("furnace keep") << "FurnaceWindow"
                                  << "编辑框2" << line << int(kKeep) << true << true;
    // Windows that export their box themselves keep it in ExportBuffer.
    QTest::newRow("stage keep") << "GameStageWindow"
                                << "编辑框1" << line << int(kKeep) << true << true;
    QTest::newRow("extreme cancel") << "ExtremeCraftingWindow"
                                    << "编辑框93" << line << int(kCancel) << false << false;
    QTest::newRow("mob equipment discard") << "MobEquipmentWindow"
                                           << "g" << line << int(kDiscard) << true << false;
  }
  void generatorWindow() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, lines);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, kept);
    test::Harness h;
    auto f = test::open(window);
    f->append(box, lines);
    const QString before = f->text(box);
    if (answer != kNoQuestion) h.fake.questionAnswers = {kWindowAnswers[answer]};
    QCOMPARE(f->close(), closes);
    QCOMPARE(f->isVisible(), !closes);
    QCOMPARE(h.fake.questions.size(), answer == kNoQuestion ? 0 : 1);
    if (answer != kNoQuestion) QCOMPARE(h.fake.questions[0].answers, kWindowAnswers);
    QCOMPARE(values().exportBuffer, kept ? toBytes(before) : QByteArray());
    QCOMPARE(f->text(box), before);  // the box itself is never changed by closing
  }

  // Once the box's lines are kept (its button, or a successful export), closing asks nothing
  // until the box changes again; a failed or cancelled export keeps nothing.
  void keptLines_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("exportSucceeds");
    QTest::addColumn<bool>("asks");
    QTest::newRow("crafting button") << "CraftingWindow"
                                     << "编辑框1"
                                     << "添加一个配方2" << false << false;
    QTest::newRow("stage export") << "GameStageWindow"
                                  << "编辑框1"
                                  << "修改工作台配方7" << true << false;
    QTest::newRow("stage export cancelled") << "GameStageWindow"
                                            << "编辑框1"
                                            << "修改工作台配方7" << false << true;
    QTest::newRow("ae2 export") << "Ae2Window"
                                << "编辑框1"
                                << "修改工作台配方7" << true << false;
  }
  void keptLines() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, button);
    QFETCH(bool, exportSucceeds);
    QFETCH(bool, asks);
    test::Harness h;
    exportTo(h.fake, "ExportWindow", exportSucceeds ? h.path("out.zs") : QString());
    auto f = test::open(window);
    f->append(box, QStringLiteral("print(\"one\");\r\n"));  // a sound line: no export question
    test::click(*f, button);
    h.fake.questionAnswers = {"取消", "取消"};
    QCOMPARE(f->close(), !asks);
    QCOMPARE(h.fake.questions.size(), asks ? 1 : 0);
    if (asks) return;
    // A change after the keeping asks again.
    f->show();
    f->append(box, QStringLiteral("line two\r\n"));
    QVERIFY(!f->close());
    QCOMPARE(h.fake.questions.size(), 1);
  }

  // The code terminal opens with MekanismScript; its "写入" button keeps the box in it.
  void codeTerminal() {
    test::Harness h;
    values().mekanismScript = QStringLiteral("a\r\n");
    auto f = test::open("CodeTerminalWindow");
    QVERIFY(f->close());  // opened with the script, unchanged
    QVERIFY(h.fake.questions.isEmpty());
    f->show();
    f->setText("编辑框1", QStringLiteral("a\r\nb\r\n"));
    h.fake.questionAnswers = {kWindowAnswers[kKeep]};
    QVERIFY(f->close());
    QCOMPARE(values().mekanismScript, QStringLiteral("a\r\nb\r\n"));
  }

  // The fusion window's JSON, kept on closing, is back in its box when the window opens again
  // and is one of the texts the main window asks about.
  void fusionJsonKept() {
    test::Harness h;
    auto f = test::open("FusionRecipeWindow");
    const QString json = QStringLiteral("[\r\n    {\r\n");
    f->append("编辑框5", json);
    h.fake.questionAnswers = {kWindowAnswers[kKeep]};
    QVERIFY(f->close());
    QCOMPARE(values().fusionJson, json);
    QVERIFY(values().exportBuffer.isEmpty());
    auto again = test::open("FusionRecipeWindow");
    QCOMPARE(again->text("编辑框5"), json);
    QVERIFY(again->close());  // as it opened: nothing new to keep
    auto main = test::open("MainWindow");
    h.fake.questionAnswers = {kMainAnswers[kCancel]};
    QVERIFY(!main->close());
    QCOMPARE(h.fake.questions.size(), 2);
    QVERIFY(h.fake.questions[1].text.contains(QStringLiteral("龙之研究")));
  }

  // The main window: which program-wide text is unwritten, the answers given, whether the
  // program ends, and the exports the answers opened.
  void mainWindow_data() {
    QTest::addColumn<QString>("pending");
    QTest::addColumn<bool>("exportSucceeds");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("opened");
    using L = QList<int>;
    QTest::newRow("nothing unwritten") << "" << true << L{} << true << QStringList{};
    QTest::newRow("buffer, quit") << "buffer" << true << L{kDiscard} << true << QStringList{};
    QTest::newRow("buffer, cancel") << "buffer" << true << L{kCancel} << false << QStringList{};
    QTest::newRow("buffer, export")
        << "buffer" << true << L{kKeep} << true << QStringList{"ExportWindow"};
    QTest::newRow("buffer, export cancelled")
        << "buffer" << false << L{kKeep} << false << QStringList{"ExportWindow"};
    QTest::newRow("mekanism, export")
        << "mekanism" << true << L{kKeep} << true << QStringList{"ExportWindow"};
    QTest::newRow("fusion, export")
        << "fusion" << true << L{kKeep} << true << QStringList{"JsonExportWindow"};
    QTest::newRow("written before") << "written" << true << L{} << true << QStringList{};
  }
  void mainWindow() {
    QFETCH(QString, pending);
    QFETCH(bool, exportSucceeds);
    QFETCH(QList<int>, answers);
    QFETCH(bool, closes);
    QFETCH(QStringList, opened);
    test::Harness h;
    const QString zs = h.path("out.zs");
    const QString json = h.path("out.json");
    ProgramValues& v = values();
    // Sound script and sound JSON, so that no export asks about errors.
    const QString text = pending == QLatin1String("fusion")
                             ? QStringLiteral("[\r\n]\r\n")
                             : QStringLiteral("mods.x.add(<a>);\r\n");
    if (pending == QLatin1String("buffer") || pending == QLatin1String("written"))
      v.exportBuffer = toBytes(text);
    if (pending == QLatin1String("mekanism")) v.mekanismScript = text;
    if (pending == QLatin1String("fusion")) v.fusionJson = text;
    if (pending == QLatin1String("written")) {
      exportTo(h.fake, "ExportWindow", zs);
      auto main = test::open("MainWindow");
      test::click(*main, "修改工作台配方1");
      h.fake.opened.clear();
    }
    exportTo(h.fake, "ExportWindow", exportSucceeds ? zs : QString());
    exportTo(h.fake, "JsonExportWindow", exportSucceeds ? json : QString());
    for (int a : answers) h.fake.questionAnswers << kMainAnswers[a];
    auto main = test::open("MainWindow");
    QCOMPARE(main->close(), closes);
    QCOMPARE(h.fake.questions.size(), answers.size());
    if (!answers.isEmpty()) QCOMPARE(h.fake.questions[0].answers, kMainAnswers);
    QCOMPARE(h.fake.opened, opened);
    if (!opened.isEmpty() && exportSucceeds)
      QCOMPARE(fileBytes(opened[0] == QLatin1String("ExportWindow") ? zs : json), toBytes(text));
  }

  // Exporting at the end stops at the first text left unwritten, so that a later export does
  // not replace the ExportBuffer the user left unwritten.
  void mainWindowStopsAtUnwritten() {
    test::Harness h;
    values().exportBuffer = toBytes(QStringLiteral("buffer\r\n"));
    values().mekanismScript = QStringLiteral("mekanism\r\n");
    exportTo(h.fake, "ExportWindow", QString());  // the user closes the export window
    h.fake.questionAnswers = {kMainAnswers[kKeep]};
    auto main = test::open("MainWindow");
    QVERIFY(!main->close());
    QCOMPARE(h.fake.opened, QStringList{"ExportWindow"});
    QCOMPARE(values().exportBuffer, toBytes(QStringLiteral("buffer\r\n")));
    QVERIFY(h.fake.questions[0].text.contains(QStringLiteral("通用机械")));
  }
};

QTEST_MAIN(Closing)
#include "test_closing.moc"
