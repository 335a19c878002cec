#pragma once
// The command line: "tessaform --check PATH..." checks scripts as the game will read them and
// needs no window system. main() asks isCommandLine() before any QApplication exists.

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

#include "check/checker.h"

// Its own namespace: main.cpp sees the windows' declarations too, and tf::check() names a
// control there.
namespace tf::cli {

// Whether the arguments ask for the command line rather than the windows.
bool isCommandLine(int argc, char** argv);

// Opens the pack of a game folder for "--pack GAMEDIR": the lookup of its ids, or null (after
// saying why on err) when the folder holds no list that can be read.
using PackOpener = std::function<std::unique_ptr<check::BracketResolver>(const QString& gameFolder,
                                                                         QTextStream& err)>;

// Runs the command line with its own QCoreApplication, in the language that useLanguage installs
// once that exists, and returns the exit code.
int runCommandLine(int argc, char** argv, const PackOpener& openPack = {},
                   const std::function<void()>& useLanguage = {});

// The command line's work on the arguments after the program's name: writes the problems to
// out and complaints about the arguments or unreadable paths to err. Returns 0 (no error),
// 1 (an error in a script, an unknown id among them) or 2 (a path or the pack cannot be read,
// or the arguments are wrong). Without openPack, "--pack" is refused.
int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                    const PackOpener& openPack = {});

}  // namespace tf::cli
