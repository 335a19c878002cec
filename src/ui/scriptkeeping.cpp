// Closing a window never loses lines without a word: a script box whose lines were changed
// since they were last kept (added to a program-wide value, or written by an export) asks
// before the window closes, and a window may add a question of its own.

#include <QCloseEvent>
#include <QPushButton>

#include "forms/text.h"
#include "forms/values.h"
#include "ui/formwindow.h"
#include "ui/platform.h"

namespace tf {

void FormWindow::connectScriptKeeping() {
  if (declaration_.scriptBox.isEmpty()) return;
  controlDeclaration(declaration_.scriptBox);  // a misspelt name stops the program here
  if (!declaration_.keepButton.isEmpty()) {
    auto* keep = qobject_cast<QPushButton*>(control(declaration_.keepButton));
    if (keep == nullptr)
      qFatal("%s: %s is not a button", qPrintable(declaration_.windowName),
             qPrintable(declaration_.keepButton));
    connect(keep, &QPushButton::clicked, this, [this] { markScriptKept(); });
  }
  markScriptKept();
}

void FormWindow::markScriptKept() {
  if (declaration_.scriptBox.isEmpty()) return;
  keptScript_ = text(declaration_.scriptBox);
}

bool FormWindow::scriptPending() const {
  if (declaration_.scriptBox.isEmpty()) return false;
  const QString now = text(declaration_.scriptBox);
  return !now.isEmpty() && now != keptScript_;
}

void FormWindow::setScriptKeeper(std::function<void()> keep) { scriptKeeper_ = std::move(keep); }

void FormWindow::setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }

bool FormWindow::mayClose() {
  if (scriptPending()) {
    const int answer = platform().askQuestion(
        this, tr("脚本框中有尚未写入总变量的代码，关闭窗口会丢失它们。"), tr("提醒"),
        {tr("写入总变量并关闭"), tr("不写入，关闭"), tr("取消")});
    if (answer != 0 && answer != 1) return false;
    if (answer == 0) {
      if (!declaration_.keepButton.isEmpty())
        static_cast<QPushButton*>(control(declaration_.keepButton))->click();
      else if (scriptKeeper_)
        scriptKeeper_();
      else
        values().exportBuffer += toBytes(text(declaration_.scriptBox));
      markScriptKept();
    }
  }
  return !closeGuard_ || closeGuard_();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!mayClose()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tf
