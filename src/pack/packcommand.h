#pragma once
// The pack on the command line: "tessaform --check --pack GAMEDIR PATH..." checks scripts as the
// game will read them and also reports every bracket whose id the pack's lists do not hold.

#include <QStringList>
#include <QTextStream>

#include <memory>

#include "check/checker.h"

namespace tf::packcli {

// The pack of a game folder as the command line's "--pack" reads it: the lookup of its ids, or
// null, after saying why on err, when the folder is missing or holds no list that can be read.
std::unique_ptr<check::BracketResolver> openPack(const QString& gameFolder, QTextStream& err);

// The command line's work with the pack's lookups: see tf::cli::runCheckCommand.
int runCheckWithPack(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace tf::packcli
