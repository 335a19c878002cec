// Time of one press of a stage window's batch row over a stored list of many ids, for lists of
// growing length: the time should grow in proportion to the list.
//
//   build/bench/bench_stages [largest list, default 100000]

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "forms/model.h"
#include "ui/fakeplatform.h"
#include "ui/formwindow.h"
#include "ui/registry.h"

using namespace tf;

namespace {

constexpr int kRuns = 3;

struct Row {
  const char* what;
  const char* window;
  const char* scriptBox;
  const char* button;
  const char* checkBox;
  int linesPerId;
};

QString listOf(qint64 count) {
  QString list;
  for (qint64 i = 1; i <= count; ++i) list += "modpack:item_" + numberToText(i) + "\r\n";
  return list;
}

// Milliseconds of one press, with the window shown as a user has it; the best of a few runs, as
// the machine may be shared.
double bestPress(const Row& row, qint64 count, qsizetype* linesWritten) {
  double best = 0;
  for (int run = 0; run < kRuns; ++run) {
    std::unique_ptr<FormWindow> f = buildWindow(row.window);
    f->show();
    QCoreApplication::processEvents();
    static_cast<QAbstractButton*>(f->control(row.checkBox))->setChecked(true);
    const qsizetype before = countLines(f->text(row.scriptBox));
    QElapsedTimer timer;
    timer.start();
    static_cast<QAbstractButton*>(f->control(row.button))->click();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (run == 0 || ms < best) best = ms;
    *linesWritten = countLines(f->text(row.scriptBox)) - before;
  }
  if (*linesWritten != count * row.linesPerId)
    std::fprintf(stderr, "%s %s: %lld lines written, %lld expected\n", row.window, row.button,
                 qlonglong(*linesWritten), qlonglong(count * row.linesPerId));
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const qint64 largest = argc > 1 ? textToNumber(QString::fromLocal8Bit(argv[1])) : 100000;
  if (largest < 1) {
    std::fprintf(stderr, "usage: bench_stages [number of ids, at least 1]\n");
    return 2;
  }

  FakePlatform fake;  // a warning box would otherwise wait for a click
  setPlatform(&fake);
  QTemporaryDir dir;
  setListFilePath(dir.filePath(QStringLiteral("临时文件.txt")));

  const Row rows[] = {
      {"mob (2 lines/id)", "GameStageWindow", "编辑框1", "添加维度限制2", "选择框3", 2},
      {"hidden block", "GameStage2Window", "编辑框2", "修改工作台配方6", "选择框2", 1},
  };
  std::printf("%-18s %-16s %9s %9s %10s %12s\n", "window", "row", "ids", "lines", "ms",
              "us per id");
  for (qint64 count = largest / 4; count <= largest; count *= 2) {
    if (count < 1) continue;
    const QString list = listOf(count);
    const QString failure = writeListFile(list);
    if (!failure.isEmpty()) {
      std::fprintf(stderr, "list file not written: %s\n", qPrintable(failure));
      return 1;
    }
    values().batchCount = numberToText(countLines(list));
    QElapsedTimer readTimer;
    readTimer.start();
    const qsizetype ids = readListLines().size();
    const double readMs = double(readTimer.nsecsElapsed()) / 1e6;
    std::printf("%-18s %-16s %9lld %9s %10.1f %12.2f\n", "(list file read)", "", qlonglong(ids), "",
                readMs, readMs * 1000.0 / double(count));
    for (const Row& row : rows) {
      qsizetype lines = 0;
      const double ms = bestPress(row, count, &lines);
      std::printf("%-18s %-16s %9lld %9lld %10.1f %12.2f\n", row.window, row.what, qlonglong(count),
                  qlonglong(lines), ms, ms * 1000.0 / double(count));
    }
    if (!fake.messages.isEmpty()) {
      std::fprintf(stderr, "unexpected message: %s\n", qPrintable(fake.messages.first().text));
      return 1;
    }
  }
  setPlatform(nullptr);
  return 0;
}
