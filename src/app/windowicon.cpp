#include "app/windowicon.h"

#include <QApplication>
#include <QDir>

namespace tf {

QIcon programIcon() {
  // Each picture in the icon folder is one size of the icon; QIcon reads its size from it.
  QIcon icon;
  const QDir folder(QStringLiteral(":/assets/icons"));
  for (const QString& file : folder.entryList({QStringLiteral("*.png")}, QDir::Files))
    icon.addFile(folder.filePath(file));
  return icon;
}

void setProgramIdentity() {
  QApplication::setWindowIcon(programIcon());
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

}  // namespace tf
