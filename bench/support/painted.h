#pragma once
// A monotonic clock and waiting for a window's first paint; Qt only, so that the minimal
// program of the start-up benchmark can use it without linking anything of Tessaform.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace tf::bench {

inline qint64 nowNs() {
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return clock.nsecsElapsed();
}

// Waits until w has been painted once; false after ten seconds without a paint.
inline bool waitUntilPainted(QWidget& w) {
  struct PaintSpy : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) painted = true;
      return false;
    }
  } spy;
  w.installEventFilter(&spy);
  const qint64 deadline = nowNs() + 10'000'000'000LL;
  while (!spy.painted && nowNs() < deadline)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  QCoreApplication::processEvents();  // the paint itself ends before this returns
  w.removeEventFilter(&spy);
  return spy.painted;
}

}  // namespace tf::bench
