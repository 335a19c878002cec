// Appending to a script box: 20,000 appends of one 80-byte line through the handle that every
// handler uses, into CraftingWindow's script box, shown headless. The cost of an append must
// not grow with what the box already holds.

#include <memory>

#include "support/benchkit.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kAppends = 20'000;
constexpr int kChunk = 1'000;
constexpr int kRuns = 5;
constexpr int kRunsWithEvents = 1;  // a repaint per append: about 20 s a run

// 78 characters and CR LF: 80 bytes in the file.
const QString kLine = QStringLiteral(
    "recipes.remove(<minecraft:oak_planks_0123456789_abcdefghijklmnopqr>,false);\r\n");

struct Run {
  double firstChunkNs = 0;
  double lastChunkNs = 0;
  double totalNs = 0;
};

// One window, kAppends appends; with events handled after each append the box also lays out
// and repaints as it does after a user's click.
Run appendRun(bool withEvents) {
  std::unique_ptr<FormWindow> f = buildWindow(QStringLiteral("CraftingWindow"));
  f->show();
  waitUntilPainted(*f);
  Run run;
  const qint64 start = nowNs();
  qint64 chunkStart = start;
  for (int i = 1; i <= kAppends; ++i) {
    f->append(QStringLiteral("编辑框1"), kLine);
    if (withEvents) QCoreApplication::processEvents();
    if (i % kChunk == 0) {
      const qint64 now = nowNs();
      if (i == kChunk) run.firstChunkNs = double(now - chunkStart);
      if (i == kAppends) run.lastChunkNs = double(now - chunkStart);
      chunkStart = now;
    }
  }
  run.totalNs = double(nowNs() - start);
  if (f->text(QStringLiteral("编辑框1")).size() != kLine.size() * kAppends)
    qFatal("the script box does not hold every appended line");
  return run;
}

double plainStringNs() {
  const qint64 start = nowNs();
  QString s;
  for (int i = 0; i < kAppends; ++i) s += kLine;
  const qint64 end = nowNs();
  if (s.size() != kLine.size() * kAppends) qFatal("lost appends");
  return double(end - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  Report report("append: 20,000 appends of an 80-byte line into CraftingWindow's script box");

  appendRun(false);  // warm-up: fonts, layouts
  for (const bool withEvents : {false, true}) {
    std::vector<double> first, last, total, floor;
    for (int r = 0; r < (withEvents ? kRunsWithEvents : kRuns); ++r) {
      const Run run = appendRun(withEvents);
      first.push_back(run.firstChunkNs);
      last.push_back(run.lastChunkNs);
      total.push_back(run.totalNs);
      floor.push_back(plainStringNs());
    }
    report.note(withEvents ? "handle, then the events of a click (layout, repaint):"
                           : "handle alone:");
    report.figure("per append, first 1,000", median(first) / kChunk / 1000, "us");
    report.figure("per append, last 1,000", median(last) / kChunk / 1000, "us");
    report.ratio("last 1,000 / first 1,000", median(last) / median(first), 1.5);
    report.ratio("all 20,000 / the same appends to a plain string", median(total) / median(floor));
  }
  return report.exitCode();
}
