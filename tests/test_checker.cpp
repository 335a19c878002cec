// The script checker: agreement with the game's parser on the shared fixtures, the messages
// for common mistakes, hostile input, preprocessor facts and the load order.

#include <QDir>
#include <QFile>
#include <QTest>

#include "check/checker.h"

using namespace tf::check;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

const Problem* parseErrorOf(const CheckResult& r) {
  for (const Problem& p : r.problems)
    if (p.parseError) return &p;
  return nullptr;
}

}  // namespace

class Checker : public QObject {
  Q_OBJECT

 private slots:
  // Each fixture with the game's verdict: "agree" is both OK, or both an error on one line.
  void agreesWithGame_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("line");  // 0: the game says OK
    for (const char* folder : {"zenscript/cases", "zenscript/generated"}) {
      const QString dir = QFINDTESTDATA(folder);
      QVERIFY2(!dir.isEmpty(), folder);
      const QList<QByteArray> rows = readAll(dir + "/verdicts.tsv").split('\n');
      QVERIFY(rows.size() > 30);
      for (const QByteArray& row : rows.mid(1)) {
        const QList<QByteArray> cells = row.split('\t');
        if (cells.size() < 3) continue;
        const int line = cells[1] == "OK" ? 0 : cells[2].split(':').value(0).toInt();
        QTest::newRow(cells[0].constData()) << dir + '/' + QString::fromUtf8(cells[0]) << line;
      }
    }
  }
  void agreesWithGame() {
    QFETCH(QString, path);
    QFETCH(int, line);
    const QByteArray bytes = readAll(path);
    QVERIFY(!bytes.isEmpty());
    const CheckResult r = checkBytes(bytes);
    const Problem* error = parseErrorOf(r);
    if (line == 0) {
      QVERIFY2(!error, qPrintable(error ? describe(*error) : QString()));
    } else {
      QVERIFY2(error, "the game reports a parse error here");
      QVERIFY2(error->line == line, qPrintable(describe(*error)));
    }
  }
};

QTEST_GUILESS_MAIN(Checker)
#include "test_checker.moc"
