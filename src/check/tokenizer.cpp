#include "check/tokenizer.h"

#include <utility>

namespace tf::check {

namespace {

bool isLetter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }
bool isHex(char16_t c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct Keyword {
  QStringView word;
  Tok type;
};
constexpr Keyword kKeywords[] = {
    {u"any", Tok::Any},
    {u"bool", Tok::Bool},
    {u"byte", Tok::Byte},
    {u"short", Tok::Short},
    {u"int", Tok::IntKw},
    {u"long", Tok::Long},
    {u"float", Tok::FloatKw},
    {u"double", Tok::Double},
    {u"string", Tok::StringKw},
    {u"function", Tok::Function},
    {u"in", Tok::In},
    {u"has", Tok::In},
    {u"void", Tok::Void},
    {u"as", Tok::As},
    {u"version", Tok::Version},
    {u"if", Tok::If},
    {u"else", Tok::Else},
    {u"for", Tok::For},
    {u"return", Tok::Return},
    {u"var", Tok::Var},
    {u"val", Tok::Val},
    {u"global", Tok::Global},
    {u"static", Tok::Static},
    {u"instanceof", Tok::Instanceof},
    {u"while", Tok::While},
    {u"break", Tok::Break},
    {u"continue", Tok::Continue},
    {u"null", Tok::Null},
    {u"true", Tok::True},
    {u"false", Tok::False},
    {u"import", Tok::Import},
    {u"frigginClass", Tok::ZenClass},
    {u"frigginConstructor", Tok::ZenConstructor},
    {u"zenClass", Tok::ZenClass},
    {u"zenConstructor", Tok::ZenConstructor},
};

Tok keywordOr(QStringView word) {
  // Every keyword starts with a lower-case letter and is 2 to 18 letters long.
  if (word.size() < 2 || word.size() > 18 || word[0] < u'a' || word[0] > u'z') return Tok::Id;
  for (const Keyword& k : kKeywords)
    if (k.word.size() == word.size() && k.word[0] == word[0] && k.word == word) return k.type;
  return Tok::Id;
}

// Spaces that look like a blank but are not one to the game.
bool isOddSpace(char16_t c) {
  return c == 0x00A0 || c == 0x3000 || c == 0x200B || c == 0x2007 || c == 0x202F || c == 0xFEFF ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x000B || c == 0x000C;
}

}  // namespace

bool isKeyword(QStringView word) { return keywordOr(word) != Tok::Id; }

Problem parseProblem(const Place& at, qsizetype length, const QString& kind,
                     const QStringList& args) {
  Problem p;
  p.line = at.line;
  p.column = at.column;
  p.offset = at.offset;
  p.length = length < 1 ? 1 : length;
  p.severity = Severity::Error;
  p.kind = kind;
  p.args = args;
  p.parseError = true;
  return p;
}

void Tokenizer::advance() {
  if (text_[pos_] == u'\n') {
    ++line_;
    lineStart_ = pos_ + 1;
  }
  ++pos_;
}

void Tokenizer::invalid(bool insideBracket) {
  const Place at = here();
  if (pos_ >= text_.size()) throw Failure{parseProblem(at, 1, QStringLiteral("unexpected-end"))};
  const char16_t c = text_[pos_].unicode();
  qsizetype length = 1;
  QString shown{QChar(c)};
  if (QChar::isHighSurrogate(c) && pos_ + 1 < text_.size() && text_[pos_ + 1].isLowSurrogate()) {
    shown.append(text_[pos_ + 1]);
    length = 2;
  }
  QString kind;
  QStringList args{shown};
  if (c == 0xFEFF && pos_ == 0) {
    kind = QStringLiteral("byte-order-mark");
  } else if (isOddSpace(c)) {
    kind = QStringLiteral("odd-space");
    args = {QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()};
  } else if (c > 127) {
    kind = insideBracket ? QStringLiteral("non-ascii-in-id") : QStringLiteral("non-ascii");
  } else if (c < 32 || c == 127) {
    kind = QStringLiteral("control-character");
    args = {QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()};
  } else {
    kind = QStringLiteral("invalid-character");
  }
  throw Failure{parseProblem(at, length, kind, args)};
}

Token Tokenizer::next(bool insideBracket) {
  Token t;
  const qsizetype size = text_.size();
  // Blanks and comments between tokens.
  for (;;) {
    if (pos_ >= size) {
      t.type = Tok::End;
      t.start = t.end = here();
      return t;
    }
    const char16_t c = text_[pos_].unicode();
    if (isBlank(c)) {
      t.spaced = true;
      advance();
    } else if (c == '#' || (c == '/' && pos_ + 1 < size && text_[pos_ + 1] == u'/')) {
      t.spaced = true;
      while (pos_ < size && text_[pos_] != u'\n') ++pos_;
      if (pos_ < size) advance();
    } else if (c == '/' && pos_ + 1 < size && text_[pos_ + 1] == u'*') {
      t.spaced = true;
      const Place opened = here();
      pos_ += 2;
      for (;;) {
        if (pos_ >= size)
          throw Failure{parseProblem(here(), 1, QStringLiteral("unterminated-comment"),
                                     {QString::number(opened.line)})};
        if (text_[pos_] == u'*' && pos_ + 1 < size && text_[pos_ + 1] == u'/') {
          pos_ += 2;
          break;
        }
        advance();
      }
    } else {
      break;
    }
  }

  t.start = here();
  const char16_t c = text_[pos_].unicode();
  auto at = [&](qsizetype i) -> char16_t { return i < size ? text_[i].unicode() : 0; };
  auto single = [&](Tok type) {
    ++pos_;
    return type;
  };
  auto withAssign = [&](Tok assign, Tok plain) {
    if (at(pos_ + 1) == '=') {
      pos_ += 2;
      return assign;
    }
    ++pos_;
    return plain;
  };

  if (isLetter(c)) {
    while (pos_ < size && (isLetter(text_[pos_].unicode()) || isDigit(text_[pos_].unicode())))
      ++pos_;
    t.type = keywordOr(text_.sliced(t.start.offset, pos_ - t.start.offset));
  } else if (isDigit(c) || (c == '-' && isDigit(at(pos_ + 1)))) {
    // -?(0|[1-9][0-9]*) then a fraction, a long suffix, or (without the sign) 0x and hex digits
    const bool negative = c == '-';
    if (negative) ++pos_;
    const bool zero = text_[pos_] == u'0';
    ++pos_;
    if (!zero)
      while (isDigit(at(pos_))) ++pos_;
    t.type = Tok::Int;
    if (zero && !negative && at(pos_) == 'x') {
      ++pos_;
      while (isHex(at(pos_))) ++pos_;
    } else if (at(pos_) == '.') {
      ++pos_;
      if (!isDigit(at(pos_))) {
        throw Failure{
            parseProblem(here(), 1, QStringLiteral("bad-number"),
                         {text_.sliced(t.start.offset, pos_ - t.start.offset).toString()})};
      }
      while (isDigit(at(pos_))) ++pos_;
      if (at(pos_) == 'e' || at(pos_) == 'E') {
        ++pos_;
        if (at(pos_) == '+' || at(pos_) == '-') ++pos_;
        if (!isDigit(at(pos_))) {
          throw Failure{
              parseProblem(here(), 1, QStringLiteral("bad-number"),
                           {text_.sliced(t.start.offset, pos_ - t.start.offset).toString()})};
        }
        while (isDigit(at(pos_))) ++pos_;
      }
      const char16_t s = at(pos_);
      if (s == 'f' || s == 'F' || s == 'd' || s == 'D') ++pos_;
      t.type = Tok::Float;
    } else if (at(pos_) == 'l' || at(pos_) == 'L') {
      ++pos_;
    }
  } else if (c == '"' || c == '\'') {
    const Place opened = here();
    advance();
    for (;;) {
      if (pos_ >= size)
        throw Failure{parseProblem(here(), 1, QStringLiteral("unterminated-string"),
                                   {QString::number(opened.line)})};
      const char16_t s = text_[pos_].unicode();
      if (s == c) {
        ++pos_;
        break;
      }
      if (s == '\\') {
        ++pos_;
        const char16_t e = at(pos_);
        if (e == '\'' || e == '"' || e == '\\' || e == '/' || e == 'b' || e == 'f' || e == 'n' ||
            e == 'r' || e == 't') {
          ++pos_;
          continue;
        }
        if (e == 'u') {
          ++pos_;
          int digits = 0;
          while (digits < 4 && isHex(at(pos_))) {
            ++pos_;
            ++digits;
          }
          if (digits == 4) continue;
        }
        if (pos_ >= size)
          throw Failure{parseProblem(here(), 1, QStringLiteral("unterminated-string"),
                                     {QString::number(opened.line)})};
        QString shown(text_[pos_]);
        if (text_[pos_] == u'\n') shown = QStringLiteral("\\n");
        throw Failure{parseProblem(here(), 1, QStringLiteral("bad-escape"), {shown})};
      }
      advance();
    }
    t.type = Tok::String;
  } else {
    switch (c) {
      case '{': t.type = single(Tok::AOpen); break;
      case '}': t.type = single(Tok::AClose); break;
      case '[': t.type = single(Tok::SqOpen); break;
      case ']': t.type = single(Tok::SqClose); break;
      case '(': t.type = single(Tok::BrOpen); break;
      case ')': t.type = single(Tok::BrClose); break;
      case ',': t.type = single(Tok::Comma); break;
      case ';': t.type = single(Tok::Semicolon); break;
      case '?': t.type = single(Tok::Quest); break;
      case ':': t.type = single(Tok::Colon); break;
      case '$': t.type = single(Tok::Dollar); break;
      case '.':
        if (at(pos_ + 1) == '.') {
          pos_ += 2;
          t.type = Tok::Dot2;
        } else {
          t.type = single(Tok::Dot);
        }
        break;
      case '+': t.type = withAssign(Tok::PlusAssign, Tok::Plus); break;
      case '-': t.type = withAssign(Tok::MinusAssign, Tok::Minus); break;
      case '*': t.type = withAssign(Tok::MulAssign, Tok::Mul); break;
      case '/': t.type = withAssign(Tok::DivAssign, Tok::Div); break;
      case '%': t.type = withAssign(Tok::ModAssign, Tok::Mod); break;
      case '^': t.type = withAssign(Tok::XorAssign, Tok::Xor); break;
      case '~': t.type = withAssign(Tok::TildeAssign, Tok::Tilde); break;
      case '<': t.type = withAssign(Tok::LtEq, Tok::Lt); break;
      case '>': t.type = withAssign(Tok::GtEq, Tok::Gt); break;
      case '=': t.type = withAssign(Tok::Eq, Tok::Assign); break;
      case '!': t.type = withAssign(Tok::NotEq, Tok::Not); break;
      case '|':
        if (at(pos_ + 1) == '|') {
          pos_ += 2;
          t.type = Tok::Or2;
        } else {
          t.type = withAssign(Tok::OrAssign, Tok::Or);
        }
        break;
      case '&':
        if (at(pos_ + 1) == '&') {
          pos_ += 2;
          t.type = Tok::And2;
        } else {
          t.type = withAssign(Tok::AndAssign, Tok::And);
        }
        break;
      default: invalid(insideBracket);
    }
  }
  t.end = here();
  return t;
}

QString tokenShown(const Token& token, QStringView source) {
  if (token.type == Tok::End) return {};
  QStringView text = token.text(source);
  if (text.size() > 40) return text.first(37).toString() + QStringLiteral("…");
  return text.toString();
}

}  // namespace tf::check
