// A script box with its colours and its checking on, against the same box without them:
// - 20,000 appends of one line through the handle, the events of a click handled after each and
//   the box left alone now and then so that its checks run meanwhile: the cost of an append must
//   not grow with what the box holds;
// - pasting 50 MB of script: at most 1.5× the paste into a plain box, and the window keeps
//   answering while the pasted text is checked.

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

#include <memory>

#include "support/benchkit.h"
#include "ui/scriptedit.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kAppends = 20'000;
constexpr int kChunk = 1'000;
constexpr int kAppendRuns = 3;
constexpr qsizetype kPasteBytes = 50'000'000;
constexpr int kPasteRuns = 2;

// 78 characters and CR LF, as the crafting window writes them.
const QString kLine = QStringLiteral(
    "recipes.remove(<minecraft:oak_planks_0123456789_abcdefghijklmnopqr>,false);\r\n");

// A window of one box, a script box or a plain one, as large as the crafting window's.
std::unique_ptr<FormWindow> boxWindow(bool script) {
  const FormDeclaration declaration{
      script ? "BenchScriptBox" : "BenchPlainBox",
      "",
      784,
      660,
      {memo("编辑框1", "", 16, 456, 752, 185, kScrollV | (script ? kScript : kNoOption))}};
  auto f = std::make_unique<FormWindow>(declaration);
  f->show();
  waitUntilPainted(*f);
  return f;
}

// Runs the event loop for a while, untimed: a check waiting for the box to be left alone starts.
void leaveAlone(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The first and the last 1,000 of 20,000 appends, measured side by side so that the load of a
// shared machine weighs on both alike: one box starts empty, the other already holds 19,000
// lines; rounds of 100 appends alternate between them, the events of a click handled after each
// append, and between rounds both boxes are left alone long enough for their checks to start, so
// that the next round runs while they check.
struct AppendRun {
  double firstNs = 0;  // 1,000 appends to the box that starts empty
  double lastNs = 0;   // 1,000 appends to the box that holds 19,000 lines
  int checksSeen = 0;  // rounds that began while a check of the full box still ran
};

AppendRun appendRun(bool script) {
  auto empty = boxWindow(script);
  auto full = boxWindow(script);
  for (int i = 0; i < kAppends - kChunk; ++i) full->append(QStringLiteral("编辑框1"), kLine);
  leaveAlone(ScriptEdit::kCheckDelayMs + 100);
  auto* fullBox = qobject_cast<ScriptEdit*>(full->control(QStringLiteral("编辑框1")));
  AppendRun run;
  constexpr int kRound = 100;
  for (int round = 0; round < kChunk / kRound; ++round) {
    for (int which = 0; which < 2; ++which) {
      // Alternate which box goes first, so that neither always follows the pause.
      const bool toFull = (which == 0) == (round % 2 == 0);
      FormWindow& f = toFull ? *full : *empty;
      if (toFull && fullBox != nullptr && fullBox->checkPending()) ++run.checksSeen;
      const qint64 start = nowNs();
      for (int i = 0; i < kRound; ++i) {
        f.append(QStringLiteral("编辑框1"), kLine);
        QCoreApplication::processEvents();
      }
      (toFull ? run.lastNs : run.firstNs) += double(nowNs() - start);
    }
    leaveAlone(ScriptEdit::kCheckDelayMs + 100);
  }
  if (full->text(QStringLiteral("编辑框1")).size() != kLine.size() * kAppends)
    qFatal("the script box does not hold every appended line");
  return run;
}

QString pasteText() {
  QString text;
  text.reserve(kPasteBytes + kLine.size());
  const QString lines[] = {
      kLine,
      QStringLiteral("mods.ItemStages.addItemStage('铁器 时代',<ore:ingotIron>);\r\n"),
      QStringLiteral("recipes.addShaped('CTax123456',<minecraft:stone>*1,[[<a:1>,null,null],"
                     "[null,<e:5>,null],[null,null,null]]);\r\n"),
      QStringLiteral("// a comment line\r\n"),
  };
  for (int i = 0; text.size() < kPasteBytes; ++i) text += lines[i % 4];
  return text;
}

struct PasteRun {
  double pasteNs = 0;         // the paste, until the window shows it (coloured, for a script box)
  double checkNs = 0;         // from the paste's end until its check is shown
  double longestPauseNs = 0;  // the longest the window did not answer while checking
};

PasteRun pasteRun(bool script, const QString& text) {
  auto f = boxWindow(script);
  auto* plain = static_cast<QPlainTextEdit*>(f->control(QStringLiteral("编辑框1")));
  auto* box = qobject_cast<ScriptEdit*>(plain);
  PasteRun run;
  const qint64 start = nowNs();
  plain->insertPlainText(text);  // what a paste does with the clipboard's text
  QCoreApplication::processEvents();
  while (box != nullptr && !box->screenUpToDate()) QCoreApplication::processEvents();
  const qint64 pasted = nowNs();
  run.pasteNs = double(pasted - start);
  if (box != nullptr) {
    // The window's answers while the text is checked: a timer that should fire every 10 ms.
    qint64 last = nowNs();
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 now = nowNs();
      run.longestPauseNs = std::max(run.longestPauseNs, double(now - last));
      last = now;
    });
    tick.start();
    while (box->checkPending()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    run.checkNs = double(nowNs() - pasted);
  }
  if (plain->document()->characterCount() < text.size() / 2) qFatal("the paste is missing");
  return run;
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  Report report("script box: colours and checking against a plain box");

  appendRun(true);  // warm-up: fonts, layouts, the worker thread
  std::vector<double> first, last, growth, plainGrowth, checks;
  for (int r = 0; r < kAppendRuns; ++r) {
    const AppendRun plain = appendRun(false);
    const AppendRun script = appendRun(true);
    first.push_back(script.firstNs);
    last.push_back(script.lastNs);
    growth.push_back(script.lastNs / script.firstNs);
    plainGrowth.push_back(plain.lastNs / plain.firstNs);
    checks.push_back(script.checksSeen);
  }
  report.note("20,000 appends of an 80-byte line, the events of a click after each:");
  report.figure("script box, per append, first 1,000", median(first) / kChunk / 1000, "us");
  report.figure("script box, per append, last 1,000", median(last) / kChunk / 1000, "us");
  report.figure("rounds that began while a check ran", median(checks), "");
  report.ratio("script box: last 1,000 / first 1,000", median(growth), 1.5);
  report.ratio("plain box: last 1,000 / first 1,000", median(plainGrowth));

  const QString text = pasteText();
  std::vector<double> plainPaste, scriptPaste, check, pause;
  for (int r = 0; r < kPasteRuns; ++r) {
    plainPaste.push_back(pasteRun(false, text).pasteNs);
    const PasteRun s = pasteRun(true, text);
    scriptPaste.push_back(s.pasteNs);
    check.push_back(s.checkNs);
    pause.push_back(s.longestPauseNs);
  }
  report.note("pasting 50 MB of script:");
  report.figure("plain box", median(plainPaste) / 1e9, "s");
  report.figure("script box, until shown coloured", median(scriptPaste) / 1e9, "s");
  report.figure("script box, then until checked", median(check) / 1e9, "s");
  report.ratio("script box / plain box", median(scriptPaste) / median(plainPaste), 1.5);
  // The window answers input meanwhile: no pause longer than a quarter second.
  report.ratio("longest pause while checking / 250 ms", median(pause) / 250e6, 1.0);
  return report.exitCode();
}
