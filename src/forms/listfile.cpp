#include "forms/listfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "forms/files.h"
#include "forms/text.h"

namespace tf {
namespace {

QString& overridePath() {
  static QString path;
  return path;
}

const QString kListFileName = QStringLiteral("临时文件.txt");

}  // namespace

bool isPortableFolder(const QString& programDir, const QString& installDir) {
  if (programDir.isEmpty()) return false;
  const QFileInfo dirInfo(programDir);
  if (!dirInfo.isDir() || !dirInfo.isWritable()) return false;
  // An installed program's folder is shared by every user (and writable for root alone).
  return dirInfo.canonicalFilePath() != QFileInfo(installDir).canonicalFilePath();
}

namespace {

QString defaultListFilePath() {
  const QString programDir = QCoreApplication::applicationDirPath();
  if (isPortableFolder(programDir, QStringLiteral(TESSAFORM_INSTALL_BINDIR)))
    return QDir(programDir).filePath(kListFileName);
  QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (dataDir.isEmpty()) dataDir = QDir::homePath() + QStringLiteral("/.local/share/tessaform");
  QDir().mkpath(dataDir);
  return QDir(dataDir).filePath(kListFileName);
}

}  // namespace

QString listFilePath() {
  if (!overridePath().isEmpty()) return overridePath();
  static const QString path = defaultListFilePath();
  return path;
}

void setListFilePath(const QString& path) { overridePath() = path; }

QString writeListFile(const QString& text) { return writeWholeFile(listFilePath(), toBytes(text)); }

QStringList readListLines() { return splitLines(fromBytes(readWholeFile(listFilePath()))); }

QString readListLine(qint64 n) {
  const QStringList lines = readListLines();
  if (n < 1 || n > lines.size()) return {};
  return lines.at(n - 1);
}

}  // namespace tf
