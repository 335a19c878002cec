#include "forms/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tf {

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return QCoreApplication::translate("Files", "没有指定文件路径");
  const QFileInfo info(path);
  if (info.isDir()) return QCoreApplication::translate("Files", "这个路径是一个文件夹");
  if (!info.absoluteDir().exists()) return QCoreApplication::translate("Files", "文件夹不存在");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

QByteArray readWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace tf
