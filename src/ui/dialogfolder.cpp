#include "ui/dialogfolder.h"

#include <QFileInfo>
#include <QSettings>

namespace tf {
namespace {

DialogFolderHook& hook() {
  static DialogFolderHook h;
  return h;
}

QString settingsKey(const QString& windowName) {
  return QStringLiteral("dialogFolders/") + windowName;
}

}  // namespace

void setDialogFolderHook(DialogFolderHook h) { hook() = std::move(h); }

QString dialogStartFolder(const QString& windowName) {
  if (hook()) {
    const QString applies = hook()(windowName);
    if (!applies.isEmpty()) return applies;
  }
  const QString last = QSettings().value(settingsKey(windowName)).toString();
  // A folder removed since is no place to open in: the dialog then makes its own choice.
  return !last.isEmpty() && QFileInfo(last).isDir() ? last : QString();
}

void rememberDialogFolder(const QString& windowName, const QString& chosenFile) {
  const QString folder = QFileInfo(chosenFile).absolutePath();
  if (folder.isEmpty()) return;
  QSettings().setValue(settingsKey(windowName), folder);
}

}  // namespace tf
