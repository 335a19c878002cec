#pragma once
// The parser behind checkText(): reads a script as the game's parser does.

#include <QStringView>

#include <optional>
#include <vector>

#include "check/checker.h"

namespace tf::check {

// Parses the text; problems that do not stop the game (brackets) are appended to problems,
// and the parse error, if any, is returned.
std::optional<Problem> parseScript(QStringView text, const BracketResolver* resolver,
                                   bool ignoreBracketErrors, std::vector<Problem>& problems);

// What the file's preprocessor lines (#priority, #norun, …) say.
FileFacts readFacts(QStringView text);

}  // namespace tf::check
