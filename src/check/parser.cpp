// The script parser: reads the tokens as the game's parser does and stops at the first error,
// at the place the game names. Nesting is bounded (kMaxDepth) so that no file can exhaust the
// stack; long flat chains (a + b + c…, else if…, - - x) are loops, not recursion.

#include "check/parser.h"

#include <QStringList>

#include "check/checker.h"
#include "check/tokenizer.h"

namespace tf::check {

namespace {

// Levels of nesting (brackets, blocks, bodies) a script may use. Far beyond any real script,
// and far below what would exhaust a thread's stack.
constexpr int kMaxDepth = 500;

int binaryLevel(Tok t) {
  switch (t) {
    case Tok::Or2: return 1;
    case Tok::And2: return 2;
    case Tok::Or: return 3;
    case Tok::Xor: return 4;
    case Tok::And: return 5;
    case Tok::Eq:
    case Tok::NotEq:
    case Tok::Lt:
    case Tok::LtEq:
    case Tok::Gt:
    case Tok::GtEq:
    case Tok::In: return 6;
    case Tok::Plus:
    case Tok::Minus:
    case Tok::Tilde: return 7;
    case Tok::Mul:
    case Tok::Div:
    case Tok::Mod: return 8;
    default: return 0;
  }
}
constexpr int kCompareLevel = 6;

bool isAssignment(Tok t) {
  switch (t) {
    case Tok::Assign:
    case Tok::PlusAssign:
    case Tok::MinusAssign:
    case Tok::TildeAssign:
    case Tok::MulAssign:
    case Tok::DivAssign:
    case Tok::ModAssign:
    case Tok::OrAssign:
    case Tok::AndAssign:
    case Tok::XorAssign: return true;
    default: return false;
  }
}

bool isBuiltinType(Tok t) {
  switch (t) {
    case Tok::Any:
    case Tok::Void:
    case Tok::Bool:
    case Tok::Byte:
    case Tok::Short:
    case Tok::IntKw:
    case Tok::Long:
    case Tok::FloatKw:
    case Tok::Double:
    case Tok::StringKw: return true;
    default: return false;
  }
}

// Whether an integer token is a number the game can hold (a 64-bit signed value).
bool integerFits(QStringView text) {
  if (text.endsWith(u'l') || text.endsWith(u'L')) text.chop(1);
  if (text.startsWith(u"0x")) {
    QStringView digits = text.sliced(2);
    if (digits.isEmpty()) return false;
    while (digits.size() > 1 && digits.front() == u'0') digits = digits.sliced(1);
    if (digits.size() > 16) return false;
    return digits.size() < 16 || digits.front() <= u'7';
  }
  bool negative = text.startsWith(u'-');
  if (negative) text = text.sliced(1);
  const QStringView limit =
      negative ? QStringView(u"9223372036854775808") : QStringView(u"9223372036854775807");
  if (text.size() != limit.size()) return text.size() < limit.size();
  return text.compare(limit) <= 0;
}

class Parser {
 public:
  Parser(QStringView source, const BracketResolver* resolver, bool ignoreBracketErrors,
         std::vector<Problem>& problems)
      : src_(source),
        lex_(source),
        resolver_(resolver),
        ignoreBracketErrors_(ignoreBracketErrors),
        problems_(problems) {}

  void parseFile() {
    cur_ = lex_.next(false);
    while (cur_.type == Tok::Import) {
      next();
      required(Tok::Id, "name");
      while (optional(Tok::Dot)) required(Tok::Id, "name");
      if (optional(Tok::As)) required(Tok::Id, "name");
      required(Tok::Semicolon, ";");
    }
    while (cur_.type != Tok::End) {
      switch (cur_.type) {
        case Tok::Global:
        case Tok::Static: parseGlobal(); break;
        case Tok::Function: parseFunction(true); break;
        case Tok::ZenClass: parseClass(); break;
        case Tok::Dollar: parseExpansion(); break;
        default: parseStatement();
      }
    }
  }

 private:
  struct DepthGuard {
    explicit DepthGuard(Parser& p) : parser(p) {
      if (++parser.depth_ > kMaxDepth) parser.failTooDeep();
    }
    ~DepthGuard() { --parser.depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    Parser& parser;
  };

  qsizetype tokenLength(const Token& t) const { return t.end.offset - t.start.offset; }

  // Consumes the current token and reads the one after it, as the game does: a character the
  // game cannot read is found when the token before it is taken.
  [[gnu::noinline]] void next() {
    if (cur_.type == Tok::End) unexpectedEnd();
    prevType_ = cur_.type;
    cur_ = lex_.next(inBracket_);
  }
  // next() that gives the token taken.
  Token take() {
    Token taken = cur_;
    next();
    return taken;
  }

  bool optional(Tok type) {
    if (cur_.type != type) return false;
    next();
    return true;
  }

  void required(Tok type, const char* expected) {
    if (cur_.type == type) {
      next();
      return;
    }
    failExpected(expected);
  }

  [[noreturn, gnu::cold, gnu::noinline]] void unexpectedEnd() {
    throw Failure{parseProblem(cur_.start, 1, QStringLiteral("unexpected-end"))};
  }

  // The game names the place just past the token it did not expect; the marker lies on that
  // token when it sits on one line.
  [[noreturn, gnu::cold, gnu::noinline]] void failAfterCurrent(const QString& kind,
                                                               const QStringList& args) {
    if (cur_.type == Tok::End) throw Failure{parseProblem(cur_.start, 1, kind, args)};
    if (cur_.start.line == cur_.end.line)
      throw Failure{parseProblem(cur_.start, tokenLength(cur_), kind, args)};
    throw Failure{parseProblem(cur_.end, 1, kind, args)};
  }

  [[noreturn, gnu::cold, gnu::noinline]] void failExpected(const char* expectedText) {
    const QString expected = QString::fromLatin1(expectedText);
    if (cur_.type == Tok::End)
      throw Failure{parseProblem(cur_.start, 1, QStringLiteral("expected-at-end"), {expected})};
    const QString found = tokenShown(cur_, src_);
    if (expected == QStringLiteral(";") && !cur_.spaced) {
      if (prevType_ == Tok::String && (cur_.type == Tok::Id || cur_.type == Tok::String))
        failAfterCurrent(QStringLiteral("quote-in-string"), {found});
      if (cur_.type == Tok::Int && found.startsWith(u'-'))
        failAfterCurrent(QStringLiteral("minus-joined-to-number"), {found});
    }
    failAfterCurrent(QStringLiteral("expected"), {expected, found});
  }

  // The game's "Invalid expression": the token has been taken; its place is its start.
  [[noreturn, gnu::cold, gnu::noinline]] void failInvalid(const Token& bad, Tok before) {
    const QString found = tokenShown(bad, src_);
    QString kind = QStringLiteral("invalid-expression");
    if (before == Tok::Mul && bad.type != Tok::Lt && bad.type != Tok::Import) {
      // "<a:b> * )": the count after '*' is missing
      throw Failure{
          parseProblem(bad.start, tokenLength(bad), QStringLiteral("missing-count"), {found})};
    }
    if (before == Tok::Dot) {
      // "a.)" or "a.in": a member's name belongs after the dot
      throw Failure{
          parseProblem(bad.start, tokenLength(bad), QStringLiteral("member-expected"), {found})};
    }
    switch (bad.type) {
      case Tok::Import: kind = QStringLiteral("import-after-statement"); break;
      case Tok::Comma:
        if (before == Tok::Comma)
          kind = QStringLiteral("missing-value-between-commas");
        else if (before == Tok::SqOpen || before == Tok::BrOpen || before == Tok::AOpen)
          kind = QStringLiteral("missing-value-before-comma");
        break;
      case Tok::BrClose:
        if (before == Tok::Comma)
          kind = QStringLiteral("trailing-comma-in-call");
        else
          kind = QStringLiteral("missing-value-before");
        break;
      case Tok::Semicolon:
        if (before == Tok::Semicolon || before == Tok::End || before == Tok::AOpen ||
            before == Tok::AClose)
          kind = QStringLiteral("extra-semicolon");
        else
          kind = QStringLiteral("missing-value-before");
        break;
      case Tok::SqClose:
      case Tok::AClose: kind = QStringLiteral("missing-value-before"); break;
      default: break;
    }
    throw Failure{parseProblem(bad.start, tokenLength(bad), kind, {found})};
  }

  [[noreturn, gnu::cold, gnu::noinline]] void failTooDeep() {
    throw Failure{parseProblem(cur_.start, tokenLength(cur_), QStringLiteral("too-deep"),
                               {QString::number(kMaxDepth)})};
  }

  [[noreturn, gnu::cold, gnu::noinline]] void failBadNumber(const Token& t) {
    throw Failure{
        parseProblem(t.start, tokenLength(t), QStringLiteral("bad-number"), {tokenShown(t, src_)})};
  }

  // --- declarations -------------------------------------------------------------------------

  [[gnu::noinline]] void parseGlobal() {
    next();
    if (cur_.type != Tok::Id) failAfterCurrent(QStringLiteral("global-needs-name"), {});
    next();
    if (optional(Tok::As)) parseType();
    if (cur_.type != Tok::Assign) failAfterCurrent(QStringLiteral("global-needs-value"), {});
    next();
    parseExpression();
    required(Tok::Semicolon, ";");
  }

  // function name(a as T = default, …) as T { … }; a named function's default may not be a
  // plain variable, and once one argument has a default every later one needs one.
  void parseFunction(bool checkDefaults) {
    DepthGuard guard(*this);
    next();
    required(Tok::Id, "name");
    required(Tok::BrOpen, "(");
    if (!optional(Tok::BrClose)) {
      bool hasDefault = false;
      bool first = true;
      do {
        const Token name = cur_;
        required(Tok::Id, "name");
        if (optional(Tok::As)) parseType();
        if (optional(Tok::Assign)) {
          const bool variable = parseExpression();
          if (checkDefaults && variable)
            failAfterCurrent(QStringLiteral("variable-as-default"), {});
          hasDefault = true;
        } else if (checkDefaults && hasDefault && !first) {
          failAfterCurrent(QStringLiteral("missing-default"), {tokenShown(name, src_)});
        }
        first = false;
      } while (optional(Tok::Comma));
      required(Tok::BrClose, ")");
    }
    if (optional(Tok::As)) parseType();
    required(Tok::AOpen, "{");
    while (!optional(Tok::AClose)) parseStatement();
  }

  [[gnu::noinline]] void parseClass() {
    DepthGuard guard(*this);
    next();
    required(Tok::Id, "name");
    required(Tok::AOpen, "{");
    for (;;) {
      const Tok member = cur_.type;
      if (member == Tok::Val || member == Tok::Var || member == Tok::Static) {
        next();
        required(Tok::Id, "name");
        if (optional(Tok::As)) parseType();
        if (optional(Tok::Assign)) parseExpression();
        required(Tok::Semicolon, ";");
      } else if (member == Tok::ZenConstructor) {
        next();
        required(Tok::BrOpen, "(");
        while (!optional(Tok::BrClose)) {
          required(Tok::Id, "name");
          if (optional(Tok::As)) parseType();
          optional(Tok::Comma);
        }
        required(Tok::AOpen, "{");
        while (!optional(Tok::AClose)) parseStatement();
      } else if (member == Tok::Function) {
        parseFunction(false);
      } else {
        break;
      }
    }
    required(Tok::AClose, "}");
  }

  // $expand Type$name(…) { … }
  [[gnu::noinline]] void parseExpansion() {
    next();
    const Token word = take();
    if (word.type != Tok::Id || word.text(src_) != QStringView(u"expand"))
      throw Failure{parseProblem(word.start, tokenLength(word), QStringLiteral("expected"),
                                 {QStringLiteral("expand"), tokenShown(word, src_)})};
    parseType();
    if (cur_.type == Tok::End) unexpectedEnd();
    if (cur_.type != Tok::Dollar)
      throw Failure{parseProblem(cur_.start, tokenLength(cur_), QStringLiteral("expected"),
                                 {QStringLiteral("$"), tokenShown(cur_, src_)})};
    parseFunction(true);
  }

  // --- statements ---------------------------------------------------------------------------

  [[gnu::noinline]] void parseStatement() {
    DepthGuard guard(*this);
    for (;;) {  // loops only for "else if", so that long chains do not nest
      switch (cur_.type) {
        case Tok::End: unexpectedEnd();
        case Tok::AOpen:
          next();
          while (!optional(Tok::AClose)) parseStatement();
          return;
        case Tok::Return:
          next();
          if (cur_.type != Tok::End && cur_.type != Tok::Semicolon) parseExpression();
          required(Tok::Semicolon, ";");
          return;
        case Tok::Var:
        case Tok::Val:
          next();
          required(Tok::Id, "name");
          if (optional(Tok::As)) parseType();
          if (optional(Tok::Assign)) parseExpression();
          required(Tok::Semicolon, ";");
          return;
        case Tok::If:
          next();
          parseExpression();
          parseStatement();
          if (!optional(Tok::Else)) return;
          if (cur_.type == Tok::If) continue;
          parseStatement();
          return;
        case Tok::For:
          next();
          required(Tok::Id, "name");
          while (optional(Tok::Comma)) required(Tok::Id, "name");
          required(Tok::In, "in");
          parseExpression();
          parseStatement();
          return;
        case Tok::While:
          next();
          parseExpression();
          parseStatement();
          return;
        case Tok::Version:
          next();
          required(Tok::Int, "integer");
          required(Tok::Semicolon, ";");
          return;
        case Tok::Break:
        case Tok::Continue:
          next();
          required(Tok::Semicolon, ";");
          return;
        default:
          parseExpression();
          required(Tok::Semicolon, ";");
          return;
      }
    }
  }

  // --- types --------------------------------------------------------------------------------

  [[gnu::noinline]] void parseType() {
    DepthGuard guard(*this);
    const Token t = take();
    if (isBuiltinType(t.type)) {
      // nothing more
    } else if (t.type == Tok::Id) {
      while (optional(Tok::Dot)) required(Tok::Id, "name");
    } else if (t.type == Tok::Function) {
      required(Tok::BrOpen, "(");
      if (!optional(Tok::BrClose)) {
        parseType();
        while (optional(Tok::Comma)) parseType();
        required(Tok::BrClose, ")");
      }
      parseType();
    } else if (t.type == Tok::SqOpen) {
      parseType();
      required(Tok::SqClose, "]");
    } else {
      throw Failure{parseProblem(t.start, tokenLength(t), QStringLiteral("unknown-type"),
                                 {tokenShown(t, src_)})};
    }
    while (optional(Tok::SqOpen)) {
      if (!optional(Tok::SqClose)) {
        parseType();
        required(Tok::SqClose, "]");
      }
    }
  }

  // --- expressions --------------------------------------------------------------------------
  // Each returns whether the expression is a plain variable name (possibly in parentheses).

  bool parseExpression() { return parseAssign(); }

  [[gnu::noinline]] bool parseAssign() {
    DepthGuard guard(*this);
    bool plain = true;
    for (;;) {
      const bool variable = parseConditional();
      if (!isAssignment(cur_.type)) return plain && variable;
      plain = false;
      next();
    }
  }

  bool parseConditional() {
    bool plain = true;
    for (;;) {
      const bool variable = parseBinary(1);
      if (!optional(Tok::Quest)) return plain && variable;
      plain = false;
      parseBinary(1);
      required(Tok::Colon, ":");
    }
  }

  // Binary operators by level. A comparison takes one operator only (a == b == c is an error
  // in the game), and an operator of a higher level than the last one applied is left for
  // the caller, as the game's one-function-per-level parser does.
  bool parseBinary(int minLevel) {
    bool plain = parseUnary();
    int last = 99;
    for (;;) {
      const int level = binaryLevel(cur_.type);
      if (level == 0 || level < minLevel || level > last ||
          (level == kCompareLevel && last == kCompareLevel))
        return plain;
      plain = false;
      next();
      parseBinary(level + 1);
      last = level;
    }
  }

  bool parseUnary() {
    bool prefixed = false;
    while (cur_.type == Tok::Not || cur_.type == Tok::Minus) {
      next();
      prefixed = true;
    }
    const bool plain = parsePostfix();
    return plain && !prefixed;
  }

  bool parsePostfix() {
    bool plain = parsePrimary();
    for (;;) {
      switch (cur_.type) {
        case Tok::Dot: {
          next();
          const Tok t = cur_.type;
          if (t == Tok::Id || t == Tok::Version || t == Tok::StringKw || t == Tok::String) {
            next();
          } else {
            const Tok before = prevType_;
            const Token bad = take();
            failInvalid(bad, before);
          }
          break;
        }
        case Tok::Dot2:
          next();
          parseAssign();
          return false;
        case Tok::Id:
          if (cur_.text(src_) != QStringView(u"to")) return plain;
          next();
          parseAssign();
          return false;
        case Tok::SqOpen:
          next();
          parseAssign();
          required(Tok::SqClose, "]");
          if (optional(Tok::Assign)) parseAssign();
          break;
        case Tok::BrOpen:
          next();
          if (!optional(Tok::BrClose)) {
            parseAssign();
            while (optional(Tok::Comma)) parseAssign();
            required(Tok::BrClose, ")");
          }
          break;
        case Tok::As:
        case Tok::Instanceof:
          next();
          parseType();
          break;
        default: return plain;
      }
      plain = false;
    }
  }

  bool parsePrimary() {
    switch (cur_.type) {
      case Tok::End: unexpectedEnd();
      case Tok::Int: {
        const Token t = take();
        if (!integerFits(t.text(src_))) failBadNumber(t);
        return false;
      }
      case Tok::Float:
      case Tok::String:
      case Tok::True:
      case Tok::False:
      case Tok::Null: next(); return false;
      case Tok::Id: next(); return true;
      case Tok::Function: parseLambda(); return false;
      case Tok::Lt: parseBracket(); return false;
      case Tok::SqOpen:
        next();
        while (!optional(Tok::SqClose)) {
          parseAssign();
          if (!optional(Tok::Comma)) {
            required(Tok::SqClose, "] ,");
            break;
          }
        }
        return false;
      case Tok::AOpen:
        next();
        while (!optional(Tok::AClose)) {
          parseAssign();
          required(Tok::Colon, ":");
          parseAssign();
          if (!optional(Tok::Comma)) {
            required(Tok::AClose, "} ,");
            break;
          }
        }
        return false;
      case Tok::BrOpen: {
        next();
        const bool plain = parseAssign();
        required(Tok::BrClose, ")");
        return plain;
      }
      default: {
        const Tok before = prevType_;
        const Token bad = take();
        failInvalid(bad, before);
      }
    }
  }

  [[gnu::noinline]] void parseLambda() {
    DepthGuard guard(*this);
    next();
    required(Tok::BrOpen, "(");
    if (!optional(Tok::BrClose)) {
      do {
        required(Tok::Id, "name");
        if (optional(Tok::As)) parseType();
        if (optional(Tok::Assign)) parseExpression();
      } while (optional(Tok::Comma));
      required(Tok::BrClose, ")");
    }
    if (optional(Tok::As)) parseType();
    required(Tok::AOpen, "{");
    while (!optional(Tok::AClose)) parseStatement();
  }

  // <…>: every token up to the next '>' belongs to the id, across lines.
  [[gnu::noinline]] void parseBracket() {
    const Token open = cur_;
    inBracket_ = true;
    next();
    QString id;
    bool first = true;
    Tok last = Tok::End;
    while (cur_.type != Tok::Gt) {
      if (cur_.type == Tok::End) {
        inBracket_ = false;
        throw Failure{parseProblem(cur_.start, 1, QStringLiteral("unterminated-bracket"),
                                   {QString::number(open.start.line)})};
      }
      const Token t = take();
      if (resolver_) {  // the id is only spelled out for a lookup
        if (!first && t.spaced && t.type != Tok::Colon && last != Tok::Colon) id += u' ';
        id += t.text(src_);
      }
      last = t.type;
      first = false;
    }
    inBracket_ = false;
    const Token close = take();
    reportBracket(open, close, first, id);
  }

  [[gnu::noinline]] void reportBracket(const Token& open, const Token& close, bool empty,
                                       const QString& id) {
    Problem p;
    if (empty) {
      p.kind = QStringLiteral("empty-id");
    } else if (resolver_) {
      p = resolver_->resolve(id);
      if (p.kind.isEmpty()) return;
    } else {
      return;
    }
    p.line = open.start.line;
    p.column = open.start.column;
    p.offset = open.start.offset;
    p.length = close.end.offset - open.start.offset;
    p.parseError = false;
    // The game only logs an unresolved bracket of such a file as information.
    if (ignoreBracketErrors_) p.severity = Severity::Warning;
    problems_.push_back(p);
  }

  QStringView src_;
  Tokenizer lex_;
  const BracketResolver* resolver_;
  bool ignoreBracketErrors_;
  std::vector<Problem>& problems_;
  Token cur_;
  Tok prevType_ = Tok::End;  // the type of the token taken last
  bool inBracket_ = false;
  int depth_ = 0;
};

}  // namespace

std::optional<Problem> parseScript(QStringView text, const BracketResolver* resolver,
                                   bool ignoreBracketErrors, std::vector<Problem>& problems) {
  Parser parser(text, resolver, ignoreBracketErrors, problems);
  try {
    parser.parseFile();
  } catch (const Failure& failure) {
    return failure.problem;
  }
  return std::nullopt;
}

}  // namespace tf::check
