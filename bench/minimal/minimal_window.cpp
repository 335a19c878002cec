// The floor of the start-up benchmark: a Qt Widgets program that shows one empty window of the
// main window's size, prints how long that took from creating the application object, and its
// peak memory, then ends. With --label the window holds one label with a Chinese caption: the
// cost of the first text that any window shows (Qt's font database and a CJK fallback font).

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <sys/resource.h>

#include "support/painted.h"

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QWidget window;
  window.resize(554, 449);
  if (argc > 1 && qstrcmp(argv[1], "--label") == 0)
    (new QLabel(QStringLiteral("功能"), &window))->setGeometry(8, 56, 304, 32);
  window.show();
  if (!tf::bench::waitUntilPainted(window)) return 2;
  const qint64 shownNs = clock.nsecsElapsed();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("shown_ns=%lld maxrss_kb=%ld\n", static_cast<long long>(shownNs), usage.ru_maxrss);
  return 0;
}
