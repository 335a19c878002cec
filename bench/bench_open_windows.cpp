// Opening the largest windows: built from the declaration, set up and shown (painted once),
// beside opening an empty window of the same size.

#include <functional>
#include <memory>

#include "support/benchkit.h"
#include "ui/declaration.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kRuns = 15;

double openNs(const std::function<std::unique_ptr<FormWindow>()>& build) {
  const qint64 start = nowNs();
  std::unique_ptr<FormWindow> f = build();
  f->show();
  if (!waitUntilPainted(*f)) qFatal("%s was never painted", qPrintable(f->windowName()));
  return double(nowNs() - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  Report report("opening the largest windows, beside an empty window of the same size");
  // Fonts and styles are loaded by whichever window comes first.
  openNs([] { return buildWindow(QStringLiteral("CraftingWindow")); });
  for (const char* name :
       {"GameStageWindow", "ExtremeCraftingWindow", "InWorldCraftingWindow", "CraftingWindow"}) {
    const QString window = QString::fromLatin1(name);
    std::unique_ptr<FormWindow> probe = buildWindow(window);
    if (!probe) {
      report.skip(qPrintable(QStringLiteral("this build has no ") + window));
      continue;
    }
    const FormDeclaration empty{QStringLiteral("EmptyWindow"),
                                QString(),
                                probe->declaration().width,
                                probe->declaration().height,
                                {}};
    probe.reset();
    std::vector<double> own, bare;
    for (int r = 0; r < kRuns; ++r) {
      own.push_back(openNs([&] { return buildWindow(window); }));
      bare.push_back(openNs([&] { return std::make_unique<FormWindow>(empty); }));
    }
    const QByteArray label = window.toLatin1();
    report.figure(qPrintable(window + QStringLiteral(": built and shown")), median(own) / 1e6,
                  "ms");
    report.figure("empty window of its size: shown", median(bare) / 1e6, "ms");
    report.ratio(qPrintable(window + QStringLiteral(" / empty window")),
                 median(own) / median(bare));
  }
  return report.exitCode();
}
