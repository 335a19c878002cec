// MekanismScript: 100,000 presses of MekanismWindow's crystallizer button, each appending one
// line to the program-wide script. The cost of a press must not grow with the script.

#include <memory>

#include "forms/values.h"
#include "support/benchkit.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kPresses = 100'000;
constexpr int kChunk = 10'000;
constexpr int kRuns = 3;

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  Report report("MekanismScript: 100,000 recipe-button presses in MekanismWindow");
  if (!buildWindow(QStringLiteral("MekanismWindow"))) {
    report.skip("this build has no MekanismWindow");
    return report.exitCode();
  }
  const QString expectedLine = QStringLiteral(
      "mods.mekanism.chemical.crystallizer.addRecipe(<gas:lithium>, <mekanism:salt>);\r\n");
  std::vector<double> first, last;
  for (int r = 0; r < kRuns; ++r) {
    resetValues();
    std::unique_ptr<FormWindow> f = buildWindow(QStringLiteral("MekanismWindow"));
    f->show();
    waitUntilPainted(*f);
    f->setText(QStringLiteral("编辑框2"), QStringLiteral("lithium"));
    f->setText(QStringLiteral("编辑框3"), QStringLiteral("mekanism:salt"));
    qint64 chunkStart = nowNs();
    for (int i = 1; i <= kPresses; ++i) {
      press(*f, QStringLiteral("修改工作台配方10"));
      if (i % kChunk == 0) {
        const qint64 now = nowNs();
        if (i == kChunk) first.push_back(double(now - chunkStart));
        if (i == kPresses) last.push_back(double(now - chunkStart));
        chunkStart = now;
      }
    }
    if (values().mekanismScript.size() != expectedLine.size() * kPresses ||
        !values().mekanismScript.endsWith(expectedLine)) {
      report.fail("MekanismScript does not hold one line per press");
      return report.exitCode();
    }
  }
  report.figure("per press, first 10,000", median(first) / kChunk / 1000, "us");
  report.figure("per press, last 10,000", median(last) / kChunk / 1000, "us");
  report.ratio("last 10,000 / first 10,000", median(last) / median(first), 1.5);
  return report.exitCode();
}
