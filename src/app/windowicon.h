#pragma once
// The program's icon and its place on the desktop, shared by every window it opens.

#include <QIcon>

namespace tf {

// The id of the program's desktop entry and AppStream component (packaging/packaging.cmake).
inline constexpr char kDesktopId[] = "io.github.tessaform.Tessaform";

// The icon at every size it is drawn at (16 to 256 pixels), so that a title bar, a task bar and
// a window switcher each get a sharp picture instead of a scaled one.
QIcon programIcon();

// Gives every window of the application the program's icon (message boxes and file dialogs
// too) and ties its windows to the desktop entry, so that docks show the same name and icon.
// Call once, after the QApplication exists and before the first window is made.
void setProgramIdentity();

}  // namespace tf
