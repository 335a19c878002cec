#pragma once
// The script checker: judges a ZenScript file as the game's script loader does. Qt Core only,
// so the command line, the benchmarks and the fuzzers use it without a display.
//
// A problem is data (where, what kind, the pieces its message names); describe() turns it into
// words in the interface's language, in one place.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tf::check {

enum class Severity { Error, Warning };

struct Problem {
  int line = 1;          // from 1; only LF ends a line
  int column = 1;        // from 1, in UTF-16 units
  qsizetype offset = 0;  // UTF-16 offset into the checked text where the marked span starts
  qsizetype length = 1;  // the marked span (at least 1; at the end of the text it lies past it)
  Severity severity = Severity::Error;
  // What went wrong, as a stable key (for example "missing-value-between-commas",
  // "unknown-id"); describe() words it.
  QString kind;
  // The pieces the message names: the token found, what belongs there, an id and suggestions…
  QStringList args;
  // A parse error: the game stops here and skips this file and every later file.
  bool parseError = false;
};

// What a file's preprocessor lines say.
struct FileFacts {
  int priority = 0;  // #priority N (highest runs first)
  bool norun = false;
  QString loader = QStringLiteral("crafttweaker");  // #loader NAME
  bool ignoreBracketErrors = false;
  QStringList modloaded;  // #modloaded MOD...
};

// Looks up the ids inside brackets (the pack's lists). The checker hands it every bracket of
// a file, by its text between '<' and '>' with blanks around ':' removed ("minecraft:stone:1",
// "ore:ingotIron", "liquid:water"), and reports what it answers.
class BracketResolver {
 public:
  virtual ~BracketResolver() = default;
  // No problem (kind empty) when the id is known or its kind is not checked; otherwise the
  // problem's kind, args and severity (the checker fills in the place).
  virtual Problem resolve(QStringView bracket) const = 0;
};

struct CheckResult {
  std::vector<Problem> problems;  // in the order of the text; at most one parse error, last
  FileFacts facts;
  bool hasParseError() const;
  bool hasError() const;  // a parse error or an error-level problem such as an unknown id
};

// Whether the word is one of the language's reserved words (as the tokenizer reads them).
bool isKeyword(QStringView word);

// Checks a script as the program holds it (decoded text). Runs in time linear in the text and
// never recurses deeper than a fixed bound, whatever the text.
CheckResult checkText(QStringView text, const BracketResolver* resolver = nullptr);

// Checks a file's bytes as the game reads them: UTF-8 (invalid bytes give a warning naming the
// first bad line), a byte-order mark is an invalid character on line 1.
CheckResult checkBytes(const QByteArray& bytes, const BracketResolver* resolver = nullptr);

// A file's bytes as the game reads them: UTF-8, a byte-order mark kept as U+FEFF, and each
// malformed sequence as U+FFFD.
QString decodeAsTheGame(const QByteArray& bytes);

// The problem in the interface's language, for example
// "第 4 行第 90 列：两个逗号之间少了一个值".
QString describe(const Problem& problem);
// describe() without the place, for a tooltip that already sits at the place.
QString describeWhat(const Problem& problem);
// The problem's line of the text with a marker under its column, two lines.
QString excerpt(const Problem& problem, QStringView text);

// A script file of a scripts folder, in the game's load order.
struct ScriptFile {
  QString path;      // absolute
  QString relative;  // relative to the scripts folder, '/' separated
  FileFacts facts;
};
// Every .zs file below the folder in the order the game runs them: #priority (highest first),
// then relative path compared case-insensitively. #norun files are left out.
std::vector<ScriptFile> loadOrder(const QString& scriptsFolder);

}  // namespace tf::check
