// Start: from creating the application object to the main window shown (painted once), and the
// peak memory at that moment, against a minimal Qt Widgets program that shows one window of the
// same size with one Chinese label: any Chinese interface pays for setting up its fonts. The
// same program with an empty window is shown for comparison. All run as fresh child processes,
// in turns, in the same run.
//
// Run with --child it is the program's start itself, as main() does it, and prints its figures.

#include <QElapsedTimer>
#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <sys/resource.h>

#include "app/windowicon.h"
#include "forms/values.h"
#include "support/benchkit.h"
#include "support/packlog.h"
#include "ui/packservice.h"
#include "ui/registry.h"

using namespace tf;
using namespace tf::bench;

namespace {

constexpr int kRuns = 9;

// Qt's platform, except that no message box waits for a user (the New Year's greeting).
class NoWaitingPlatform : public QtPlatform {
 public:
  void showMessage(QWidget*, const QString&, int, const QString&) override {}
};

// With "--pack GAMEDIR" the start has that pack remembered (in the test-only settings), as a
// user's next run after choosing a pack.
int child(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tessaform"));
  QStandardPaths::setTestModeEnabled(true);
  const qsizetype packArg = QCoreApplication::arguments().indexOf(QStringLiteral("--pack"));
  QSettings().setValue(QStringLiteral("pack/folder"),
                       packArg > 0 ? QCoreApplication::arguments().value(packArg + 1) : QString());
  setProgramIdentity();  // as the program's own start does
  qAddPostRoutine(tf::resetValues);
  NoWaitingPlatform platform;
  setPlatform(&platform);
  std::unique_ptr<FormWindow> mainWindow = buildWindow(QStringLiteral("MainWindow"));
  mainWindow->show();
  PackService::instance().loadRemembered();  // as main() does: in the background
  if (!waitUntilPainted(*mainWindow)) return 2;
  const qint64 shownNs = clock.nsecsElapsed();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("shown_ns=%lld maxrss_kb=%ld\n", static_cast<long long>(shownNs), usage.ru_maxrss);
  std::fflush(stdout);
  setPlatform(nullptr);
  return 0;
}

struct Start {
  double shownNs = 0;
  double maxRssKb = 0;
};

bool runChild(const QString& program, const QStringList& args, Start& out) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.start(program, args);
  if (!p.waitForFinished(60'000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return false;
  static const QRegularExpression figures(QStringLiteral("shown_ns=(\\d+) maxrss_kb=(\\d+)"));
  const QRegularExpressionMatch m = figures.match(QString::fromLatin1(p.readAllStandardOutput()));
  if (!m.hasMatch()) return false;
  out.shownNs = m.captured(1).toDouble();
  out.maxRssKb = m.captured(2).toDouble();
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  headlessUnlessChosen();
  if (argc > 1 && qstrcmp(argv[1], "--child") == 0) return child(argc, argv);

  QCoreApplication app(argc, argv);
  Report report("start: application object to main window shown, and peak memory");
  const QString self = QCoreApplication::applicationFilePath();
  const QString minimal = QStringLiteral(TESSAFORM_MINIMAL_WINDOW);
  std::vector<double> ownNs, ownKb, minimalNs, minimalKb, labelNs, labelKb, packNs;
  QTemporaryDir packDir;
  const QString game = packDir.filePath(QStringLiteral("game"));
  if (writeLargePack(game) < 0) {
    report.fail("could not write the remembered pack");
    return report.exitCode();
  }
  const QStringList withPack = {QStringLiteral("--child"), QStringLiteral("--pack"), game};
  Start s;
  // One start of each first, so that all find the libraries in the page cache.
  if (!runChild(self, {QStringLiteral("--child")}, s) || !runChild(minimal, {}, s) ||
      !runChild(minimal, {QStringLiteral("--label")}, s)) {
    report.fail("a child program did not start and show its window");
    return report.exitCode();
  }
  for (int r = 0; r < kRuns; ++r) {
    if (!runChild(self, {QStringLiteral("--child")}, s)) report.fail("Tessaform's start failed");
    ownNs.push_back(s.shownNs);
    ownKb.push_back(s.maxRssKb);
    if (!runChild(minimal, {}, s)) report.fail("the minimal program failed");
    minimalNs.push_back(s.shownNs);
    minimalKb.push_back(s.maxRssKb);
    if (!runChild(minimal, {QStringLiteral("--label")}, s)) report.fail("the label program failed");
    labelNs.push_back(s.shownNs);
    labelKb.push_back(s.maxRssKb);
    if (!runChild(self, withPack, s)) report.fail("Tessaform's start with a pack failed");
    packNs.push_back(s.shownNs);
  }
  report.figure("Tessaform: main window shown after", median(ownNs) / 1e6, "ms");
  report.figure("minimal program: empty window shown after", median(minimalNs) / 1e6, "ms");
  report.figure("minimal program, one Chinese label: shown after", median(labelNs) / 1e6, "ms");
  report.figure("Tessaform: peak memory", median(ownKb) / 1024, "MiB");
  report.figure("minimal program: peak memory", median(minimalKb) / 1024, "MiB");
  report.figure("minimal program, one Chinese label: peak memory", median(labelKb) / 1024, "MiB");
  report.ratio("start time, Tessaform / one Chinese label", median(ownNs) / median(labelNs), 1.3);
  report.ratio("peak memory, Tessaform / one Chinese label", median(ownKb) / median(labelKb), 1.3);
  report.note("with the font set-up that any Chinese text pays, against an empty window:");
  report.ratio("start time, Tessaform / empty window", median(ownNs) / median(minimalNs));
  report.ratio("peak memory, Tessaform / empty window", median(ownKb) / median(minimalKb));
  report.figure("Tessaform with a remembered 100,000-item pack: shown after", median(packNs) / 1e6,
                "ms");
  report.ratio("start time with that pack, Tessaform / one Chinese label",
               median(packNs) / median(labelNs), 1.3);
  report.ratio("start time with that pack / without", median(packNs) / median(ownNs));
  return report.exitCode();
}
