#pragma once
// A script box: a multi-line box that colours ZenScript as it is read (keywords, brackets,
// strings, numbers, comments) and draws a red wavy line under each problem the checker finds,
// with the problem's message as its tooltip.
//
// Both stay off the path of whatever changed the text, so that an append costs what it costs in
// a plain box:
// - colouring is done for the blocks on screen only, after the change, in short slices on the
//   user-interface thread; blocks off screen are coloured when they are scrolled into view;
// - checking runs when the text has been left alone for a moment, on a worker thread, over a
//   copy of the text; its result is shown only when the text has not changed since the copy.

#include <QFutureWatcher>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <memory>
#include <vector>

#include "check/checker.h"

namespace tf {

// What a piece of a script line is, for its colour.
enum class ScriptPiece { Keyword, Bracket, String, Number, Comment };
struct ScriptSpan {
  int start = 0;
  int length = 0;
  ScriptPiece piece = ScriptPiece::Keyword;
};
// Lexer states between lines: a block comment may run over several lines.
enum ScriptLineState : int { kLineNormal = 0, kLineInComment = 1 };
// The coloured pieces of one line, given the state the previous line ended in; returns the
// state this line ends in. Spans go into out when it is not null.
int scriptLineSpans(QStringView line, int startState, std::vector<ScriptSpan>* out);

class ScriptEdit : public QPlainTextEdit {
  Q_OBJECT

 public:
  // dark: the box shows light text on black, and its colours are chosen for that.
  explicit ScriptEdit(bool dark, QWidget* parent = nullptr);
  ~ScriptEdit() override;

  // The problems shown, as of the last finished check of the current text.
  struct ShownProblem {
    check::Problem problem;
    QTextCursor span;  // follows edits made since the check
  };
  const std::vector<ShownProblem>& problems() const { return problems_; }
  // Whether the text has changed since the problems shown were found (a check is waiting, being
  // prepared or running).
  bool checkPending() const { return checkedChange_ != changeCount_; }
  // The problem under a place of the text (a document position), or nullptr.
  const check::Problem* problemAt(int position) const;
  // The blocks on screen are coloured and underlined (nothing waits to be done for them).
  bool screenUpToDate() const { return !paintTimer_.isActive() && screenDone_; }

  // How long the text must be left alone before it is checked.
  static constexpr int kCheckDelayMs = 400;
  // At most this many problems are shown.
  static constexpr size_t kShownProblems = 1000;

 protected:
  bool viewportEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void textChangedAt(int position, int removed, int added);
  void startCheck();
  void copySlice();
  void checkFinished();
  void paintScreen();
  void formatBlock(QTextBlock block, int startState, quint64 key);

  bool dark_;
  bool formatting_ = false;
  bool screenDone_ = false;
  quint64 changeCount_ = 0;
  quint64 checkedChange_ = 0;  // the text whose problems are shown
  quint64 runningChange_ = 0;  // the text being checked
  bool checkRunning_ = false;
  quint64 problemGeneration_ = 1;
  int statesValidThrough_ = -1;  // block number up to which the stored lexer states hold
  // The copy of the text for the next check, taken a slice at a time: reading a document of
  // hundreds of thousands of lines at once would stop the window for a second.
  QString copy_;
  QTextBlock copyNext_;
  quint64 copyChange_ = 0;
  bool copying_ = false;
  QTimer copyTimer_;
  QTimer checkTimer_;
  QTimer paintTimer_;
  QFutureWatcher<check::CheckResult> watcher_;
  std::vector<ShownProblem> problems_;
};

}  // namespace tf
