// The pack: reading a large game log against reading and splitting the same file into lines,
// the memory the lists hold against the log's size, and one keystroke's matching over 100,000
// ids against a plain case-insensitive substring scan of the same ids. All in one run.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "pack/pack.h"
#include "support/benchkit.h"
#include "support/packlog.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kRuns = 5;

double linesNs(const QString& path, qsizetype* lines) {
  const qint64 start = nowNs();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read the log");
  qsizetype n = 0;
  while (!f.atEnd()) {
    const QByteArray line = f.readLine();
    n += line.isEmpty() ? 0 : 1;
  }
  *lines = n;
  return double(nowNs() - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QCoreApplication app(argc, argv);
  Report report("pack: reading a large log, the lists' memory, one keystroke's matching");
  QTemporaryDir dir;
  const QString game = dir.filePath(QStringLiteral("game"));
  const qint64 size = writeLargePack(game);
  if (size < 0) {
    report.fail("could not write the log");
    return report.exitCode();
  }
  const QString log = game + QStringLiteral("/crafttweaker.log");

  std::vector<double> plain, reading;
  pack::SnapshotPtr snapshot;
  qsizetype lines = 0;
  linesNs(log, &lines);  // the file into the page cache
  for (int r = 0; r < kRuns; ++r) {
    plain.push_back(linesNs(log, &lines));
    const qint64 start = nowNs();
    snapshot = pack::readPack(game);
    reading.push_back(double(nowNs() - start));
  }
  if (snapshot->list(pack::Kind::Item).size() != kPackItems ||
      snapshot->list(pack::Kind::Liquid).size() != kPackLiquids ||
      snapshot->list(pack::Kind::OreName).size() != kPackOreNames) {
    report.fail("the log's lists were not read whole");
    return report.exitCode();
  }
  report.figure("log size", double(size) / (1 << 20), "MiB");
  report.figure("reading and splitting into lines", median(plain) / 1e6, "ms");
  report.figure("reading the pack's lists", median(reading) / 1e6, "ms");
  report.ratio("reading the lists / splitting into lines", median(reading) / median(plain), 3.0);
  report.figure("memory held by the lists", double(snapshot->heldBytes()) / (1 << 20), "MiB");
  report.ratio("memory held / log size", double(snapshot->heldBytes()) / double(size), 3.0);

  // One keystroke: the popup's matching against a plain scan of the same 100,000 ids.
  const pack::KindList& items = snapshot->list(pack::Kind::Item);
  QStringList ids;
  ids.reserve(items.size());
  for (qsizetype i = 0; i < items.size(); ++i) ids.append(items.id(i).toString());
  const QStringList queries = {"m", "material_12", "STONE", "锇", "ingot", "zzz", "Copper"};
  std::vector<double> scan, matching;
  qsizetype sink = 0;
  for (int r = 0; r < kRuns; ++r) {
    for (const QString& q : queries) {
      qint64 start = nowNs();
      qsizetype found = 0;
      for (const QString& id : ids)
        if (id.contains(q, Qt::CaseInsensitive)) ++found;
      scan.push_back(double(nowNs() - start));
      start = nowNs();
      sink += qsizetype(snapshot->match(pack::kindBit(pack::Kind::Item), q, 50).size());
      matching.push_back(double(nowNs() - start));
      sink += found;
    }
  }
  report.figure("plain substring scan, one keystroke", median(scan) / 1e6, "ms");
  report.figure("matching ids and names, one keystroke", median(matching) / 1e6, "ms");
  report.ratio("matching / plain scan", median(matching) / median(scan), 3.0);
  if (sink == 0) report.fail("nothing matched");
  return report.exitCode();
}
