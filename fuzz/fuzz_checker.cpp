// The script checker on any bytes: no crash, no deep recursion, and problems that describe
// themselves: each lies in the text at the line and column its offset gives, at most one is a
// parse error and it comes last, and checking the same text twice gives the same verdict.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

#include "check/checker.h"
#include "fuzz_check.h"

namespace {

// Odd first byte: the rest as the file's bytes. Even: each byte one token-ish piece, so that
// the parser goes deep into the grammar rather than stopping at the first odd byte.
QByteArray bytesOf(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  if (data[0] & 1) return QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  static const char* const pieces[] = {
      "val ",
      "x",
      " = ",
      "1",
      "0x1F",
      "-2",
      "1.5e3",
      "\"s\\n\"",
      "'c'",
      "<",
      ">",
      ":",
      "*",
      "(",
      ")",
      "[",
      "]",
      "{",
      "}",
      ",",
      ";",
      ".",
      "..",
      "+",
      "-",
      "==",
      "?",
      "as int[]",
      "in ",
      "for ",
      "if ",
      "else ",
      "while ",
      "function ",
      "return ",
      "import ",
      "global ",
      "zenClass ",
      "zenConstructor",
      "$expand ",
      "\n",
      " ",
      "#priority 3\n",
      "//c\n",
      "/*c*/",
      "石",
      "\xEF\xBB\xBF",
      "\xFF",
      "instanceof ",
      "!",
      "~",
      "&&",
      "|",
      "to ",
  };
  QByteArray bytes;
  for (size_t i = 1; i < size; ++i) bytes += pieces[data[i] % std::size(pieces)];
  return bytes;
}

void checkProblems(const tf::check::CheckResult& r, const QString& text) {
  int parseErrors = 0;
  for (size_t i = 0; i < r.problems.size(); ++i) {
    const tf::check::Problem& p = r.problems[i];
    FUZZ_CHECK(p.offset >= 0 && p.offset <= text.size());
    FUZZ_CHECK(p.length >= 1);
    FUZZ_CHECK(p.line >= 1 && p.column >= 1);
    const QStringView before = QStringView(text).first(p.offset);
    FUZZ_CHECK(p.line == before.count(u'\n') + 1);
    FUZZ_CHECK(p.column == p.offset - (before.lastIndexOf(u'\n') + 1) + 1);
    FUZZ_CHECK(!tf::check::describe(p).isEmpty());
    FUZZ_CHECK(!tf::check::excerpt(p, text).isEmpty());
    if (p.parseError) {
      ++parseErrors;
      FUZZ_CHECK(i + 1 == r.problems.size());
      FUZZ_CHECK(p.severity == tf::check::Severity::Error);
    }
  }
  FUZZ_CHECK(parseErrors <= 1);
  FUZZ_CHECK(r.hasParseError() == (parseErrors == 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = bytesOf(data, size);
  const QString text = tf::check::decodeAsTheGame(bytes);
  const tf::check::CheckResult fromBytes = tf::check::checkBytes(bytes);
  checkProblems(fromBytes, text);

  // The decoded text gives the same verdict, less the encoding warning.
  const tf::check::CheckResult fromText = tf::check::checkText(text);
  checkProblems(fromText, text);
  FUZZ_CHECK(fromText.hasParseError() == fromBytes.hasParseError());
  if (fromText.hasParseError())
    FUZZ_CHECK(fromText.problems.back().offset == fromBytes.problems.back().offset);
  return 0;
}
