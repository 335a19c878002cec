#pragma once
// The script tokenizer: splits a script into tokens exactly as the game's tokenizer does. It
// matches the longest token it can and never backs up, so "5." or "1..5" are invalid
// characters rather than a number and a dot. Only LF ends a line; columns count UTF-16 units.

#include <QString>
#include <QStringView>

#include "check/checker.h"

namespace tf::check {

enum class Tok {
  End,  // no more tokens
  Id,
  Int,
  Float,
  String,
  AOpen,
  AClose,
  SqOpen,
  SqClose,
  Dot2,
  Dot,
  Comma,
  PlusAssign,
  Plus,
  MinusAssign,
  Minus,
  MulAssign,
  Mul,
  DivAssign,
  Div,
  ModAssign,
  Mod,
  OrAssign,
  Or2,
  Or,
  AndAssign,
  And2,
  And,
  XorAssign,
  Xor,
  Quest,
  Colon,
  BrOpen,
  BrClose,
  TildeAssign,
  Tilde,
  Semicolon,
  LtEq,
  Lt,
  GtEq,
  Gt,
  Eq,
  Assign,
  NotEq,
  Not,
  Dollar,
  // keywords
  Any,
  Bool,
  Byte,
  Short,
  IntKw,
  Long,
  FloatKw,
  Double,
  StringKw,
  Function,
  In,
  Void,
  As,
  Version,
  If,
  Else,
  For,
  Return,
  Var,
  Val,
  While,
  Break,
  Continue,
  Null,
  True,
  False,
  Import,
  Global,
  Static,
  Instanceof,
  ZenClass,
  ZenConstructor,
};

// A place in the text: offset in UTF-16 units, line and column from 1.
struct Place {
  qsizetype offset = 0;
  int line = 1;
  int column = 1;
};

struct Token {
  Tok type = Tok::End;
  Place start;  // the first character
  Place end;    // just past the last character
  // Whether blanks or comments separate this token from the one before it.
  bool spaced = false;
  QStringView text(QStringView source) const {
    return source.sliced(start.offset, end.offset - start.offset);
  }
};

// Thrown when the text cannot be read on: the problem is the game's parse error.
struct Failure {
  Problem problem;
};

// Makes a parse-error problem at a place.
Problem parseProblem(const Place& at, qsizetype length, const QString& kind,
                     const QStringList& args = {});

class Tokenizer {
 public:
  explicit Tokenizer(QStringView text) : text_(text) {}
  // The next token (Tok::End at the end of the text); throws Failure on a character that
  // starts or continues no token. insideBracket only words the message.
  Token next(bool insideBracket);
  // Just past the last character read so far.
  Place here() const { return {pos_, line_, int(pos_ - lineStart_ + 1)}; }

 private:
  [[noreturn]] void invalid(bool insideBracket);
  void advance();  // one character, counting lines

  QStringView text_;
  qsizetype pos_ = 0;
  int line_ = 1;
  qsizetype lineStart_ = 0;
};

// The token's kind as the user reads it in a message ("；" for a semicolon, the id itself…).
QString tokenShown(const Token& token, QStringView source);

}  // namespace tf::check
