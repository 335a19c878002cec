#pragma once
// The folder a window's file dialog opens in: a folder that applies to the window (the pack's
// scripts/ folder, named by the hook), otherwise the folder of the file chosen last in a
// window of that name, remembered across runs.

#include <QString>

#include <functional>

namespace tf {

// Names the folder that applies to a window's file dialog before the one used last; an empty
// answer, or no hook, leaves the choice to the folder used last.
using DialogFolderHook = std::function<QString(const QString& windowName)>;
void setDialogFolderHook(DialogFolderHook hook);

QString dialogStartFolder(const QString& windowName);
void rememberDialogFolder(const QString& windowName, const QString& chosenFile);

}  // namespace tf
