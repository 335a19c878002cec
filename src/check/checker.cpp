#include "check/checker.h"

#include <QStringDecoder>

#include <algorithm>

#include "check/parser.h"

namespace tf::check {

namespace {

// The offset of the first byte that does not belong to well-formed UTF-8, or -1.
qsizetype firstBadUtf8(const QByteArray& bytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    const unsigned char c = b[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int more = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      more = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return i;
    }
    if (i + more >= n) return i;
    if (b[i + 1] < low || b[i + 1] > high) return i;
    for (int k = 2; k <= more; ++k)
      if (b[i + k] < 0x80 || b[i + k] > 0xBF) return i;
    i += more + 1;
  }
  return -1;
}

}  // namespace

QString decodeAsTheGame(const QByteArray& bytes) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder.decode(bytes);
}

bool CheckResult::hasParseError() const {
  return std::any_of(problems.begin(), problems.end(),
                     [](const Problem& p) { return p.parseError; });
}

bool CheckResult::hasError() const {
  return std::any_of(problems.begin(), problems.end(),
                     [](const Problem& p) { return p.severity == Severity::Error; });
}

FileFacts readFacts(QStringView text) {
  FileFacts facts;
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    const QStringView line = text.sliced(start, end - start).trimmed();
    start = end + 1;
    if (!line.startsWith(u'#')) continue;
    const QList<QStringView> words = line.sliced(1).split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    const QStringView name = words.front().trimmed();
    if (name == u"priority" && words.size() > 1) {
      bool ok = false;
      const int priority = words[1].trimmed().toInt(&ok);
      if (ok) facts.priority = priority;
    } else if (name == u"norun") {
      facts.norun = true;
    } else if (name == u"loader" && words.size() > 1) {
      facts.loader = words[1].trimmed().toString();
    } else if (name == u"ignoreBracketErrors") {
      facts.ignoreBracketErrors = true;
    } else if (name == u"modloaded") {
      for (qsizetype i = 1; i < words.size(); ++i)
        if (!words[i].trimmed().isEmpty()) facts.modloaded << words[i].trimmed().toString();
    }
  }
  return facts;
}

CheckResult checkText(QStringView text, const BracketResolver* resolver) {
  CheckResult result;
  result.facts = readFacts(text);
  const std::optional<Problem> parseError =
      parseScript(text, resolver, result.facts.ignoreBracketErrors, result.problems);
  if (parseError) result.problems.push_back(*parseError);
  return result;
}

CheckResult checkBytes(const QByteArray& bytes, const BracketResolver* resolver) {
  // The game decodes the file as UTF-8 and keeps a byte-order mark as a character.
  const QString text = decodeAsTheGame(bytes);
  CheckResult result = checkText(text, resolver);

  const qsizetype bad = firstBadUtf8(bytes);
  if (bad >= 0) {
    const QString before = decodeAsTheGame(bytes.left(bad));
    Problem p;
    p.offset = before.size();
    p.line = int(before.count(u'\n')) + 1;
    p.column = int(p.offset - (before.lastIndexOf(u'\n') + 1)) + 1;
    p.length = 1;
    p.severity = Severity::Warning;
    p.kind = QStringLiteral("not-utf8");
    p.args = {QString::number(p.line)};
    // In the order of the text, but the parse error stays last.
    auto end = result.problems.end();
    if (result.hasParseError()) --end;
    auto at = std::find_if(result.problems.begin(), end,
                           [&](const Problem& q) { return q.offset > p.offset; });
    result.problems.insert(at, p);
  }
  return result;
}

}  // namespace tf::check
