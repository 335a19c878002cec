#include "ui/scriptedit.h"

#include <QElapsedTimer>
#include <QHelpEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

#include "ui/packservice.h"

namespace tf {
namespace {

// Lexer states of a line's end beyond those in the header: a string still open.
constexpr int kLineInDoubleString = 2;
constexpr int kLineInSingleString = 3;

bool isIdStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isHexDigit(QChar c) {
  return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The language's reserved words, and "to", which is a plain name to the parser but reads as a
// keyword in a range ("0 to 9").
bool isKeyword(QStringView word) { return check::isKeyword(word) || word == QStringView(u"to"); }

// A bracket: '<' directly followed by a name, then anything but blanks and angle brackets up to
// the closing '>' on the same line ("<minecraft:wool:*>", "<ore:ingotIron>"). A '<' with a
// blank after it is a comparison.
int bracketLength(QStringView line, int at) {
  const int n = int(line.size());
  if (at + 1 >= n || !(isIdPart(line[at + 1]))) return 0;
  for (int i = at + 1; i < n; ++i) {
    const QChar c = line[i];
    if (c == u'>') return i - at + 1;
    if (c == u'<' || c.isSpace() || c == u';' || c == u'(' || c == u')') return 0;
  }
  return 0;
}

// The end of a string that opens before start (or at start - 1); -1 when the line ends first.
int stringEnd(QStringView line, int start, QChar quote) {
  for (int i = start; i < int(line.size()); ++i) {
    if (line[i] == u'\\') {
      ++i;
      continue;
    }
    if (line[i] == quote) return i + 1;
  }
  return -1;
}

int numberLength(QStringView line, int at) {
  const int n = int(line.size());
  int i = at;
  if (i + 1 < n && line[i] == u'0' && (line[i + 1] == u'x' || line[i + 1] == u'X')) {
    i += 2;
    while (i < n && isHexDigit(line[i])) ++i;
    return i - at;
  }
  while (i < n && isDigit(line[i])) ++i;
  if (i + 1 < n && line[i] == u'.' && isDigit(line[i + 1])) {
    ++i;
    while (i < n && isDigit(line[i])) ++i;
    if (i < n && (line[i] == u'e' || line[i] == u'E')) {
      int j = i + 1;
      if (j < n && (line[j] == u'+' || line[j] == u'-')) ++j;
      if (j < n && isDigit(line[j])) {
        i = j;
        while (i < n && isDigit(line[i])) ++i;
      }
    }
  }
  if (i < n && QStringView(u"fFdDlL").contains(line[i])) ++i;
  return i - at;
}

QTextCharFormat pieceFormat(ScriptPiece piece, bool dark) {
  QTextCharFormat f;
  switch (piece) {
    case ScriptPiece::Keyword:
      f.setForeground(dark ? QColor(110, 170, 255) : QColor(0, 0, 192));
      f.setFontWeight(QFont::Bold);
      break;
    case ScriptPiece::Bracket:
      f.setForeground(dark ? QColor(230, 140, 230) : QColor(128, 0, 128));
      break;
    case ScriptPiece::String:
      f.setForeground(dark ? QColor(240, 180, 120) : QColor(160, 32, 32));
      break;
    case ScriptPiece::Number:
      f.setForeground(dark ? QColor(200, 230, 150) : QColor(0, 128, 128));
      break;
    case ScriptPiece::Comment:
      f.setForeground(dark ? QColor(160, 160, 160) : QColor(112, 112, 112));
      f.setFontItalic(true);
      break;
  }
  return f;
}

QTextCharFormat problemFormat(const check::Problem& p) {
  QTextCharFormat f;
  f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  f.setUnderlineColor(p.severity == check::Severity::Error ? QColor(230, 0, 0)
                                                           : QColor(230, 150, 0));
  return f;
}

// What a block was last coloured for: the text's state before it and the problems shown then.
// A block whose text changes loses its key.
struct BlockKey : QTextBlockUserData {
  quint64 key = 0;
};

quint64 keyFor(int startState, quint64 problemGeneration) {
  return (problemGeneration << 3) | quint64(startState & 7);
}

void forgetKey(const QTextBlock& block) {
  if (auto* data = static_cast<BlockKey*>(block.userData())) data->key = 0;
}

}  // namespace

int scriptLineSpans(QStringView line, int startState, std::vector<ScriptSpan>* out) {
  const int n = int(line.size());
  const auto add = [out](int start, int length, ScriptPiece piece) {
    if (out != nullptr && length > 0) out->push_back(ScriptSpan{start, length, piece});
  };
  int i = 0;
  // A comment or string left open by the line before.
  if (startState == kLineInComment) {
    const qsizetype close = line.indexOf(u"*/");
    if (close < 0) {
      add(0, n, ScriptPiece::Comment);
      return kLineInComment;
    }
    i = int(close) + 2;
    add(0, i, ScriptPiece::Comment);
  } else if (startState == kLineInDoubleString || startState == kLineInSingleString) {
    const int end = stringEnd(line, 0, startState == kLineInDoubleString ? u'"' : u'\'');
    if (end < 0) {
      add(0, n, ScriptPiece::String);
      return startState;
    }
    i = end;
    add(0, i, ScriptPiece::String);
  }
  while (i < n) {
    const QChar c = line[i];
    if (c == u'#' || (c == u'/' && i + 1 < n && line[i + 1] == u'/')) {
      add(i, n - i, ScriptPiece::Comment);
      return kLineNormal;
    }
    if (c == u'/' && i + 1 < n && line[i + 1] == u'*') {
      const qsizetype close = line.indexOf(u"*/", i + 2);
      if (close < 0) {
        add(i, n - i, ScriptPiece::Comment);
        return kLineInComment;
      }
      add(i, int(close) + 2 - i, ScriptPiece::Comment);
      i = int(close) + 2;
      continue;
    }
    if (c == u'"' || c == u'\'') {
      const int end = stringEnd(line, i + 1, c);
      if (end < 0) {
        add(i, n - i, ScriptPiece::String);
        return c == u'"' ? kLineInDoubleString : kLineInSingleString;
      }
      add(i, end - i, ScriptPiece::String);
      i = end;
      continue;
    }
    if (c == u'<') {
      const int length = bracketLength(line, i);
      if (length > 0) {
        add(i, length, ScriptPiece::Bracket);
        i += length;
        continue;
      }
      ++i;
      continue;
    }
    if (isIdStart(c)) {
      int j = i + 1;
      while (j < n && isIdPart(line[j])) ++j;
      if (isKeyword(line.mid(i, j - i))) add(i, j - i, ScriptPiece::Keyword);
      i = j;
      continue;
    }
    if (isDigit(c)) {
      const int length = numberLength(line, i);
      add(i, length, ScriptPiece::Number);
      i += length;
      continue;
    }
    ++i;
  }
  return kLineNormal;
}

ScriptEdit::ScriptEdit(bool dark, QWidget* parent) : QPlainTextEdit(parent), dark_(dark) {
  checkTimer_.setSingleShot(true);
  checkTimer_.setInterval(kCheckDelayMs);
  connect(&checkTimer_, &QTimer::timeout, this, &ScriptEdit::startCheck);
  // Another pack knows other ids: the text is checked again, as after a change.
  connect(&PackService::instance(), &PackService::snapshotChanged, this, [this] {
    ++changeCount_;
    checkTimer_.start();
  });
  copyTimer_.setSingleShot(true);
  copyTimer_.setInterval(0);
  connect(&copyTimer_, &QTimer::timeout, this, &ScriptEdit::copySlice);
  paintTimer_.setSingleShot(true);
  paintTimer_.setInterval(0);
  connect(&paintTimer_, &QTimer::timeout, this, &ScriptEdit::paintScreen);
  connect(&watcher_, &QFutureWatcher<check::CheckResult>::finished, this,
          &ScriptEdit::checkFinished);
  connect(document(), &QTextDocument::contentsChange, this, &ScriptEdit::textChangedAt);
  // Scrolling and repainting bring other blocks on screen.
  connect(this, &QPlainTextEdit::updateRequest, this, [this] {
    if (!formatting_) paintTimer_.start();
  });
}

ScriptEdit::~ScriptEdit() {
  // A check still running finishes on its own copy of the text; its result is dropped.
  watcher_.disconnect(this);
}

void ScriptEdit::textChangedAt(int position, int removed, int added) {
  Q_UNUSED(removed);
  if (formatting_) return;
  ++changeCount_;
  // Only the blocks at the two ends of the change can be blocks that were there before it.
  const QTextBlock first = document()->findBlock(position);
  forgetKey(first);
  forgetKey(document()->findBlock(position + added));
  statesValidThrough_ = std::min(statesValidThrough_, first.blockNumber() - 1);
  screenDone_ = false;
  checkTimer_.start();
  paintTimer_.start();
}

void ScriptEdit::startCheck() {
  if (checkRunning_) return;  // checked again when the running check ends
  if (checkedChange_ == changeCount_) return;
  copy_.clear();
  copy_.reserve(document()->characterCount());
  copyNext_ = document()->begin();
  copyChange_ = changeCount_;
  copying_ = true;
  copySlice();
}

void ScriptEdit::copySlice() {
  if (!copying_) return;
  if (copyChange_ != changeCount_) {
    // Changed meanwhile: the change has set the check timer again, which starts a fresh copy.
    copying_ = false;
    copy_.clear();
    copyNext_ = QTextBlock();
    return;
  }
  QElapsedTimer clock;
  clock.start();
  // One line break between blocks, so that the checker's offsets are document positions.
  for (int done = 1; copyNext_.isValid(); ++done) {
    copy_ += copyNext_.text();
    copyNext_ = copyNext_.next();
    if (copyNext_.isValid()) copy_ += u'\n';
    if ((done & 127) == 0 && clock.elapsed() >= 8) {
      copyTimer_.start();
      return;
    }
  }
  copying_ = false;
  runningChange_ = changeCount_;
  checkRunning_ = true;
  watcher_.setFuture(QtConcurrent::run(
      [copy = std::exchange(copy_, QString()), resolver = PackService::instance().resolver()] {
        return check::checkText(copy, resolver.get());
      }));
}

void ScriptEdit::checkFinished() {
  checkRunning_ = false;
  if (runningChange_ == changeCount_) {
    const check::CheckResult result = watcher_.result();
    problems_.clear();
    const int textLength = std::max(0, document()->characterCount() - 1);
    for (const check::Problem& p : result.problems) {
      if (problems_.size() >= kShownProblems) break;
      QTextCursor span(document());
      // A problem at the very end of the text (an unclosed bracket, a missing semicolon) marks
      // the text's last character.
      const int start = int(std::clamp<qsizetype>(p.offset, 0, std::max(0, textLength - 1)));
      const int end = int(std::clamp<qsizetype>(p.offset + std::max<qsizetype>(p.length, 1),
                                                start + 1, std::max(start + 1, textLength)));
      span.setPosition(start);
      span.setPosition(std::min(end, textLength), QTextCursor::KeepAnchor);
      problems_.push_back(ShownProblem{p, span});
    }
    checkedChange_ = runningChange_;
    ++problemGeneration_;
    screenDone_ = false;
    paintTimer_.start();
  } else {
    checkTimer_.start();
  }
}

const check::Problem* ScriptEdit::problemAt(int position) const {
  for (const ShownProblem& shown : problems_) {
    const int start = shown.span.selectionStart();
    const int end = std::max(shown.span.selectionEnd(), start + 1);
    if (position >= start && position < end) return &shown.problem;
  }
  return nullptr;
}

void ScriptEdit::formatBlock(QTextBlock block, int startState, quint64 key) {
  std::vector<ScriptSpan> spans;
  const QString text = block.text();
  const int endState = scriptLineSpans(text, startState, &spans);
  QList<QTextLayout::FormatRange> formats;
  formats.reserve(qsizetype(spans.size()));
  for (const ScriptSpan& s : spans)
    formats.append(QTextLayout::FormatRange{s.start, s.length, pieceFormat(s.piece, dark_)});
  const int from = block.position();
  const int to = from + block.length();
  for (const ShownProblem& shown : problems_) {
    const int start = shown.span.selectionStart();
    const int end = std::max(shown.span.selectionEnd(), start + 1);
    if (end <= from || start >= to) continue;
    const int s = std::max(start, from) - from;
    const int e = std::min(end, to) - from;
    formats.append(QTextLayout::FormatRange{s, std::max(1, e - s), problemFormat(shown.problem)});
  }
  auto* data = static_cast<BlockKey*>(block.userData());
  if (data == nullptr) {
    data = new BlockKey;
    block.setUserData(data);
  }
  data->key = key;
  block.setUserState(endState);
  if (formats.isEmpty() && block.layout()->formats().isEmpty()) return;
  formatting_ = true;
  block.layout()->setFormats(formats);
  document()->markContentsDirty(from, block.length());
  formatting_ = false;
}

void ScriptEdit::paintScreen() {
  QElapsedTimer clock;
  clock.start();
  const QTextBlock first = firstVisibleBlock();
  if (!first.isValid()) return;
  // The lexer state before the first block on screen: the states of the blocks above it are
  // brought up to date a slice at a time, so that a huge paste never blocks the window.
  const int needed = first.blockNumber() - 1;
  if (statesValidThrough_ < needed) {
    QTextBlock b = document()->findBlockByNumber(statesValidThrough_ + 1);
    int state = b.previous().isValid() ? std::max(0, b.previous().userState()) : kLineNormal;
    int number = statesValidThrough_ + 1;
    for (int done = 0; b.isValid() && number <= needed; b = b.next(), ++number, ++done) {
      state = scriptLineSpans(b.text(), state, nullptr);
      b.setUserState(state);
      statesValidThrough_ = number;
      if ((done & 255) == 255 && clock.elapsed() >= 8) {
        paintTimer_.start();
        return;
      }
    }
  }
  const int height = viewport()->height();
  const QPointF offset = contentOffset();
  int number = first.blockNumber();
  for (QTextBlock b = first; b.isValid(); b = b.next(), ++number) {
    if (blockBoundingGeometry(b).translated(offset).top() > height) break;
    const int startState =
        b.previous().isValid() ? std::max(0, b.previous().userState()) : kLineNormal;
    const quint64 key = keyFor(startState, problemGeneration_);
    const auto* data = static_cast<const BlockKey*>(b.userData());
    if (data == nullptr || data->key != key) formatBlock(b, startState, key);
    if (statesValidThrough_ == number - 1) statesValidThrough_ = number;
  }
  screenDone_ = true;
}

bool ScriptEdit::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QTextCursor at = cursorForPosition(help->pos());
    // The place between two characters: the character on either side may be the marked one.
    const check::Problem* p = problemAt(at.position());
    if (p == nullptr && at.position() > 0) p = problemAt(at.position() - 1);
    if (p != nullptr)
      QToolTip::showText(help->globalPos(), check::describeWhat(*p), viewport());
    else
      QToolTip::hideText();
    return true;
  }
  return QPlainTextEdit::viewportEvent(event);
}

void ScriptEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  paintTimer_.start();
}

}  // namespace tf
