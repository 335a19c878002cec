// The line splitter on any text: the lines joined back with CR LF give the text up to its
// final line break, no line holds CR LF, and the line count agrees.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

#include "forms/text.h"
#include "fuzz_check.h"

namespace {

// Odd first byte: the rest as raw UTF-16 code units (any character, lone surrogates too).
// Even: each byte one character of a small alphabet, so that line breaks are dense.
QString textOf(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  if (data[0] & 1)
    return QString(reinterpret_cast<const QChar*>(data + 1), qsizetype((size - 1) / 2));
  static const char16_t alphabet[] = {u'\r', u'\n', u'a', u'石', u' ', u'\r', u'\n', 0};
  QString text;
  for (size_t i = 1; i < size; ++i) text.append(QChar(alphabet[data[i] % 8]));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = textOf(data, size);
  const QStringList lines = tf::splitLines(text);
  const QString crlf = QStringLiteral("\r\n");

  FUZZ_CHECK(tf::countLines(text) == lines.size());
  for (const QString& line : lines) FUZZ_CHECK(!line.contains(crlf));
  const QString joined = lines.join(crlf);
  if (text.endsWith(crlf))
    FUZZ_CHECK(joined + crlf == text);
  else
    FUZZ_CHECK(joined == text);
  FUZZ_CHECK(text.isEmpty() == lines.isEmpty());
  return 0;
}
