#pragma once
// The command line: "tessaform --check PATH..." checks scripts as the game will read them and
// needs no window system. main() asks isCommandLine() before any QApplication exists.

#include <QStringList>
#include <QTextStream>

// Its own namespace: main.cpp sees the windows' declarations too, and tf::check() names a
// control there.
namespace tf::cli {

// Whether the arguments ask for the command line rather than the windows.
bool isCommandLine(int argc, char** argv);

// Runs the command line with its own QCoreApplication and returns the exit code.
int runCommandLine(int argc, char** argv);

// The command line's work on the arguments after the program's name: writes the problems to
// out and complaints about the arguments or unreadable paths to err. Returns 0 (no error),
// 1 (an error in a script) or 2 (a path cannot be read, or the arguments are wrong).
int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace tf::cli
