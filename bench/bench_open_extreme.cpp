// How long opening the extreme crafting window takes (building its 90 controls from the
// declaration and showing it), next to showing an empty dialog of the same size.
//
//   build/bench/bench_open_extreme [rounds]      (QT_QPA_PLATFORM=offscreen for no display)

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "ui/formwindow.h"
#include "ui/registry.h"

namespace {

struct Sample {
  double build = 0, shown = 0;  // milliseconds: building; building, showing and first paint
};

// One opening: build, show, let the window lay itself out and paint once, then close.
Sample timeOnce(const std::function<QWidget*()>& build) {
  QElapsedTimer timer;
  timer.start();
  QWidget* w = build();
  Sample s;
  s.build = double(timer.nsecsElapsed()) / 1e6;
  w->show();
  QCoreApplication::processEvents();
  s.shown = double(timer.nsecsElapsed()) / 1e6;
  delete w;
  QCoreApplication::processEvents();
  return s;
}

struct Figures {
  Sample first, median, worst;
};

Figures measure(int rounds, const std::function<QWidget*()>& build) {
  Figures f;
  f.first = timeOnce(build);
  std::vector<double> builds, shows;
  for (int i = 0; i < rounds; ++i) {
    const Sample s = timeOnce(build);
    builds.push_back(s.build);
    shows.push_back(s.shown);
  }
  std::sort(builds.begin(), builds.end());
  std::sort(shows.begin(), shows.end());
  f.median = {builds[builds.size() / 2], shows[shows.size() / 2]};
  f.worst = {builds.back(), shows.back()};
  return f;
}

void print(QTextStream& out, const char* what, const Figures& f) {
  out << what << "\n"
      << QString::asprintf("  build only:        first %7.3f  median %7.3f  worst %7.3f ms\n",
                           f.first.build, f.median.build, f.worst.build)
      << QString::asprintf("  build+show+paint:  first %7.3f  median %7.3f  worst %7.3f ms\n",
                           f.first.shown, f.median.shown, f.worst.shown);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;

  const Figures empty = measure(rounds, [] {
    auto* d = new QDialog;
    d->setFixedSize(944, 667);
    return d;
  });
  const Figures extreme = measure(rounds, [] {
    std::unique_ptr<tf::FormWindow> w = tf::buildWindow(QStringLiteral("ExtremeCraftingWindow"));
    if (!w) qFatal("ExtremeCraftingWindow is not registered");
    return static_cast<QWidget*>(w.release());
  });

  QTextStream out(stdout);
  out << "platform " << QGuiApplication::platformName() << ", " << rounds << " rounds\n";
  print(out, "empty QDialog, 944x667", empty);
  print(out, "ExtremeCraftingWindow, 90 controls", extreme);
  out << QString::asprintf("extra cost of the 90 controls (median build+show+paint): %.3f ms\n",
                           extreme.median.shown - empty.median.shown);
  return 0;
}
