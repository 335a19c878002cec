// Export: ExportWindow writing a 10 MB ExportBuffer through its write button, against one plain
// call that writes the same bytes to a file and then fdatasync: the export puts the bytes on
// the disk before the new file takes the old one's place, and keeping the old file safe is
// worth that sync. The plain write without the sync is shown for comparison.

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <unistd.h>

#include "forms/model.h"
#include "support/benchkit.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kRuns = 7;

QByteArray tenMegabytes() {
  const QByteArray line =
      toBytes(QStringLiteral("recipes.addShaped('CTa石头1234567',<minecraft:stone>*1,[[null,null,"
                             "null],[null,<minecraft:cobblestone>,null],[null,null,null]]);\r\n"));
  QByteArray bytes;
  bytes.reserve(10 * 1024 * 1024 + line.size());
  while (bytes.size() < 10 * 1024 * 1024) bytes += line;
  bytes.truncate(10 * 1024 * 1024);
  return bytes;
}

double exportWindowNs(const QString& path, FakePlatform& fake) {
  std::unique_ptr<FormWindow> f = buildWindow(QStringLiteral("ExportWindow"));
  f->show();
  waitUntilPainted(*f);
  f->setText(QStringLiteral("编辑框4"), path);
  fake.messages.clear();
  const qint64 start = nowNs();
  press(*f, QStringLiteral("添加一个配方2"));
  const qint64 end = nowNs();
  if (fake.messages.size() != 1 || fake.messages.front().text != QStringLiteral("写入完成！"))
    qFatal("the export window did not report a finished write");
  return double(end - start);
}

// One write call; with synced, the bytes are also flushed to the disk before it returns, as
// the export does before it puts the new file in the old one's place.
double plainWriteNs(const QString& path, const QByteArray& bytes, bool synced) {
  const qint64 start = nowNs();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    qFatal("plain write failed: %s", qPrintable(file.errorString()));
  if (synced && (!file.flush() || ::fdatasync(file.handle()) != 0)) qFatal("fdatasync failed");
  file.close();
  return double(nowNs() - start);
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  QApplication app(argc, argv);
  FakePlatform fake;
  setPlatform(&fake);
  Report report("export: a 10 MB ExportBuffer written by ExportWindow");

  // Beside the build, on the disk where a user's files are, not in a memory-backed /tmp.
  QTemporaryDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/export-XXXXXX"));
  const QString windowPath = dir.filePath(QStringLiteral("window.zs"));
  const QString plainPath = dir.filePath(QStringLiteral("plain.zs"));
  values().exportBuffer = tenMegabytes();

  exportWindowNs(windowPath, fake);  // warm-up
  plainWriteNs(plainPath, values().exportBuffer, false);
  std::vector<double> window, plain, synced;
  for (int r = 0; r < kRuns; ++r) {
    window.push_back(exportWindowNs(windowPath, fake));
    plain.push_back(plainWriteNs(plainPath, values().exportBuffer, false));
    synced.push_back(plainWriteNs(plainPath, values().exportBuffer, true));
  }
  if (readWholeFile(windowPath) != values().exportBuffer)
    report.fail("the file differs from ExportBuffer");
  report.figure("ExportWindow write", median(window) / 1e6, "ms");
  report.figure("plain one-call write", median(plain) / 1e6, "ms");
  report.figure("plain one-call write, then fdatasync", median(synced) / 1e6, "ms");
  report.ratio("ExportWindow / plain write, then fdatasync", median(window) / median(synced), 1.5);
  report.ratio("ExportWindow / plain write", median(window) / median(plain));
  return report.exitCode();
}
