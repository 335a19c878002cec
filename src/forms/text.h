#pragma once
// Text services shared by every handler: line splitting, search, number conversions and the
// conversion between the text that controls show and the bytes that files hold.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tf {

// The line break of every generated text and of every file the program writes.
inline constexpr char16_t kCrLf[] = u"\r\n";

// Splits at "\r\n". Every separator ends a line, even an empty one; what follows the last
// separator is one more line only when it is not empty. The empty text has no line.
QStringList splitLines(const QString& text);

// The number of lines splitLines() gives, without building them.
qsizetype countLines(const QString& text);

// Case-sensitive search: the 1-based position of the first occurrence of needle, or -1.
qsizetype findText(const QString& haystack, const QString& needle);

// Decimal digits, a minus sign when negative, no grouping.
QString numberToText(qint64 n);

// The value of the leading decimal integer of text (an optional sign, then digits); 0 when
// there is none. Values beyond the 64-bit range saturate.
qint64 textToNumber(const QString& text);

// Files hold UTF-8 without a byte-order mark.
QByteArray toBytes(const QString& text);

// Bytes up to the first zero byte, as UTF-8; when they are not valid UTF-8 they are read as
// GBK (a list saved by another editor).
QString fromBytes(const QByteArray& bytes);

// A multi-line box holds "\n" between its lines; handlers see and write "\r\n".
QString toCrLf(const QString& boxText);
QString fromCrLf(const QString& text);

}  // namespace tf
