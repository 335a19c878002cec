#include "forms/text.h"

#include <QStringDecoder>

#include <limits>

namespace tf {

QStringList splitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (;;) {
    const qsizetype at = text.indexOf(QStringView(kCrLf), start);
    if (at < 0) break;
    lines.append(text.mid(start, at - start));
    start = at + 2;
  }
  if (start < text.size()) lines.append(text.mid(start));
  return lines;
}

qsizetype countLines(const QString& text) {
  qsizetype count = 0;
  qsizetype start = 0;
  for (;;) {
    const qsizetype at = text.indexOf(QStringView(kCrLf), start);
    if (at < 0) break;
    ++count;
    start = at + 2;
  }
  return start < text.size() ? count + 1 : count;
}

qsizetype findText(const QString& haystack, const QString& needle) {
  const qsizetype at = haystack.indexOf(needle, 0, Qt::CaseSensitive);
  return at < 0 ? -1 : at + 1;
}

QString numberToText(qint64 n) { return QString::number(n); }

qint64 textToNumber(const QString& text) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    negative = text[i] == u'-';
    ++i;
  }
  const qsizetype firstDigit = i;
  qint64 value = 0;
  constexpr qint64 kMax = std::numeric_limits<qint64>::max();
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    const int digit = text[i].unicode() - u'0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  if (i == firstDigit) return 0;
  return negative ? -value : value;
}

QByteArray toBytes(const QString& text) { return text.toUtf8(); }

namespace {

bool isValidUtf8(QByteArrayView bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(bytes);
  return !utf8.hasError();
}

// Valid UTF-8 up to a last character that lacks its final bytes: a UTF-8 file cut short (or
// cut at a zero byte). Such a file is still UTF-8; read as GBK every character would change.
bool isUtf8CutShort(const QByteArray& bytes) {
  qsizetype lead = bytes.size() - 1;
  while (lead >= 0 && bytes.size() - lead <= 3 && (uchar(bytes[lead]) & 0xC0) == 0x80) --lead;
  if (lead < 0) return false;
  const uchar b = uchar(bytes[lead]);
  const qsizetype needed = (b & 0xE0) == 0xC0   ? 2
                           : (b & 0xF0) == 0xE0 ? 3
                           : (b & 0xF8) == 0xF0 ? 4
                                                : 0;
  return bytes.size() - lead < needed && isValidUtf8(QByteArrayView(bytes).first(lead));
}

}  // namespace

QString fromBytes(const QByteArray& bytes) {
  const qsizetype zero = bytes.indexOf('\0');
  const QByteArray text = zero < 0 ? bytes : bytes.left(zero);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(text);
  if (!utf8.hasError() || isUtf8CutShort(text)) return decoded;
  QStringDecoder gbk("GBK");
  if (gbk.isValid()) {
    QString fromGbk = gbk.decode(text);
    if (!gbk.hasError()) return fromGbk;
  }
  return decoded;  // neither: keep the UTF-8 reading, bad bytes as replacement characters
}

QString toCrLf(const QString& boxText) {
  QString out = boxText;
  out.replace(QChar(u'\n'), QStringLiteral("\r\n"));
  return out;
}

QString fromCrLf(const QString& text) {
  QString out = text;
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

}  // namespace tf
