// Batch rows: GameStageWindow's mob row in batch mode over a list of 10,000 and of 100,000 ids.
// The row must scale linearly with the list and stay near the floor: inserting the same text at
// the end of a QTextDocument that no view shows. Building the text in a plain string loop is
// shown for comparison.

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

#include "forms/model.h"
#include "support/benchkit.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

const QString kStage = QStringLiteral("stage_two");
const QString kImports = QStringLiteral(
    "import crafttweaker.item.IItemStack;\r\nimport crafttweaker.item.IIngredient;\r\n");
// A 10,000-id run slower than this would make the 100,000-id run take minutes or hours.
constexpr double kTooSlowForTenfoldNs = 5e9;

QStringList ids(int n) {
  QStringList list;
  list.reserve(n);
  for (int i = 0; i < n; ++i)
    list.append(QStringLiteral("minecraft:zombie_%1").arg(i, 6, 10, QChar(u'0')));
  return list;
}

QString expectedRows(const QStringList& list) {
  QString out;
  for (const QString& x : list) {
    out += QStringLiteral("mods.MobStages.addStage('") + kStage + QStringLiteral("','") + x +
           QStringLiteral("');\r\n");
    out += QStringLiteral("mods.MobStages.toggleSpawner('") + x + QStringLiteral("',true);\r\n");
  }
  return out;
}

// Stores the list as BatchImportWindow stores it, then presses the row's button once.
double rowNs(const QStringList& list, Report& report) {
  const QString text = list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
  if (!writeListFile(text).isEmpty()) qFatal("cannot write the list file");
  values().batchList = text;
  values().batchCount = numberToText(countLines(text));
  std::unique_ptr<FormWindow> f = buildWindow(QStringLiteral("GameStageWindow"));
  f->show();
  waitUntilPainted(*f);
  f->setText(QStringLiteral("编辑框6"), kStage);
  f->setChecked(QStringLiteral("选择框3"), true);
  const qint64 start = nowNs();
  press(*f, QStringLiteral("添加维度限制2"));
  const qint64 end = nowNs();
  if (f->text(QStringLiteral("编辑框1")) != kImports + expectedRows(list))
    report.fail("the script box does not hold the two lines of every id in list order");
  return double(end - start);
}

// The text a press appends, inserted at the end of a document holding what the box holds before
// the press, with no view: what any box pays for taking the text. A box holds "\n" between its
// lines, as the handle gives them to it.
double documentNs(const QStringList& list) {
  const QString out = fromCrLf(expectedRows(list));
  QTextDocument document;
  document.setPlainText(fromCrLf(kImports));
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  const qint64 start = nowNs();
  cursor.insertText(out);
  const qint64 end = nowNs();
  if (document.characterCount() <= out.size()) qFatal("the document lost text");
  return double(end - start);
}

double stringLoopNs(const QStringList& list) {
  const qint64 start = nowNs();
  const QString out = expectedRows(list);
  const qint64 end = nowNs();
  if (out.isEmpty()) qFatal("no output");
  return double(end - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  QTemporaryDir dir;
  setListFilePath(dir.filePath(QStringLiteral("临时文件.txt")));
  Report report("batch rows: GameStageWindow's mob row over 10,000 and 100,000 ids");
  if (!buildWindow(QStringLiteral("GameStageWindow"))) {
    report.skip("this build has no GameStageWindow");
    return report.exitCode();
  }
  const QStringList small = ids(10'000);
  const QStringList large = ids(100'000);
  rowNs(ids(1'000), report);  // warm-up
  // Each size once, the smaller first, so that both grow the program's memory as a user's
  // first press of each does.
  const double smallNs = rowNs(small, report);
  report.figure("10,000 ids", smallNs / 1e6, "ms");
  if (smallNs > kTooSlowForTenfoldNs) {
    report.fail(
        "10,000 ids take so long that 100,000 would take minutes; is the list file "
        "read again for every id?");
    return report.exitCode();
  }
  const double largeNs = rowNs(large, report);
  const double largeFloorNs = median({documentNs(large), documentNs(large), documentNs(large)});
  const double largeLoopNs =
      median({stringLoopNs(large), stringLoopNs(large), stringLoopNs(large)});
  report.figure("100,000 ids", largeNs / 1e6, "ms");
  report.figure("100,000 ids, the same text inserted into a QTextDocument", largeFloorNs / 1e6,
                "ms");
  report.figure("100,000 ids, the same text built in a plain string loop", largeLoopNs / 1e6, "ms");
  report.ratio("100,000 ids / 10,000 ids", largeNs / smallNs, 12);
  report.ratio("100,000 ids / insertion into a QTextDocument", largeNs / largeFloorNs, 2);
  report.ratio("100,000 ids / plain string loop", largeNs / largeLoopNs);
  return report.exitCode();
}
