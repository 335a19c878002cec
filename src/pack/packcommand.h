#pragma once
// The command line with a pack: "tessaform --check --pack GAMEDIR PATH..." checks scripts as the
// game will read them and also reports every bracket whose id the pack's lists do not hold.
// Needs no window system; main() asks wantsPack() before any QApplication exists.

#include <QStringList>
#include <QTextStream>

namespace tf::packcli {

// Whether the arguments ask for a check with a pack ("--check" and "--pack").
bool wantsPack(int argc, char** argv);

// Runs it with its own QCoreApplication and returns the exit code.
int runCommandLine(int argc, char** argv);

// The work on the arguments after the program's name. Returns 0 (no error), 1 (an error in a
// script, an unknown id among them) or 2 (the pack or a path cannot be read, or the arguments
// are wrong).
int runCheckWithPack(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace tf::packcli
