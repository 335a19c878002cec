#include "forms/listfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#include "forms/files.h"
#include "forms/text.h"

namespace tf {
namespace {

QString& overridePath() {
  static QString path;
  return path;
}

// What this copy last stored in the list file or accepted from it: its size and a digest of
// its bytes. Unknown until the first store.
struct Fingerprint {
  qint64 size = 0;
  QByteArray digest;
  bool operator==(const Fingerprint&) const = default;
};

std::optional<Fingerprint>& lastSeen() {
  static std::optional<Fingerprint> seen;
  return seen;
}

Fingerprint fingerprintOf(const QByteArray& bytes) {
  return {bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha1)};
}

const QString kListFileName = QStringLiteral("临时文件.txt");

}  // namespace

bool isPortableFolder(const QString& programDir) {
  if (programDir.isEmpty()) return false;
  const QFileInfo dirInfo(programDir);
  if (!dirInfo.isDir() || !dirInfo.isWritable()) return false;
  // An installed program's folder is shared by every user (and writable for root alone), and a
  // user's own prefix (~/.local/bin) holds other programs: neither gets the list beside it.
  const QDir dir(dirInfo.canonicalFilePath());
  const bool binFolder = dir.dirName().endsWith(QStringLiteral("bin"));
  QDir prefix = dir;
  const bool underPrefix = prefix.cdUp() && QFileInfo(prefix.filePath("share")).isDir();
  return !(binFolder && underPrefix);
}

QString listFilePathFor(const QString& programDir) {
  if (isPortableFolder(programDir)) return QDir(programDir).filePath(kListFileName);
  // The user's data folder for the program (~/.local/share/tessaform), named here rather than
  // taken from the application's names, so that it stays where earlier versions kept the list.
  QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  dataDir = dataDir.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share/tessaform")
                              : dataDir + QStringLiteral("/tessaform");
  QDir().mkpath(dataDir);
  return QDir(dataDir).filePath(kListFileName);
}

QString listFilePath() {
  if (!overridePath().isEmpty()) return overridePath();
  static const QString path = listFilePathFor(QCoreApplication::applicationDirPath());
  return path;
}

void setListFilePath(const QString& path) {
  overridePath() = path;
  lastSeen().reset();
}

QString writeListFile(const QString& text) {
  const QByteArray bytes = toBytes(text);
  const QString failure = writeWholeFile(listFilePath(), bytes);
  if (failure.isEmpty()) lastSeen() = fingerprintOf(bytes);
  return failure;
}

ListFileContent readListFile() {
  ListFileContent content;
  QFile file(listFilePath());
  if (!file.open(QIODevice::ReadOnly)) return content;
  content.exists = true;
  content.bytes = file.readAll();
  content.asLastSeen = lastSeen() && *lastSeen() == fingerprintOf(content.bytes);
  return content;
}

void acceptListFile(const QByteArray& bytes) { lastSeen() = fingerprintOf(bytes); }

QStringList readListLines() { return splitLines(fromBytes(readWholeFile(listFilePath()))); }

QString readListLine(qint64 n) {
  const QStringList lines = readListLines();
  if (n < 1 || n > lines.size()) return {};
  return lines.at(n - 1);
}

}  // namespace tf
