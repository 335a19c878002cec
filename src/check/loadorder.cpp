#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>

#include "check/checker.h"
#include "check/parser.h"

namespace tf::check {

std::vector<ScriptFile> loadOrder(const QString& scriptsFolder) {
  std::vector<ScriptFile> files;
  const QDir root(QFileInfo(scriptsFolder).absoluteFilePath());
  QDirIterator it(scriptsFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
  while (it.hasNext()) {
    const QString path = it.next();
    if (!path.endsWith(QLatin1String(".zs"))) continue;
    ScriptFile file;
    file.path = QFileInfo(path).absoluteFilePath();
    file.relative = root.relativeFilePath(file.path);
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) file.facts = readFacts(QString::fromUtf8(f.readAll()));
    if (!file.facts.norun) files.push_back(std::move(file));
  }
  std::stable_sort(files.begin(), files.end(), [](const ScriptFile& a, const ScriptFile& b) {
    if (a.facts.priority != b.facts.priority) return a.facts.priority > b.facts.priority;
    const int c = a.relative.compare(b.relative, Qt::CaseInsensitive);
    if (c != 0) return c < 0;
    return a.relative < b.relative;
  });
  return files;
}

}  // namespace tf::check
