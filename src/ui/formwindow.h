#pragma once
// A window built from its declaration, and the handle its handlers use: texts read and written
// by form name, appends whose cost follows the appended text, combo texts, check boxes.

#include <QDialog>
#include <QHash>

#include <functional>

#include "ui/declaration.h"

namespace tf {

class FormWindow : public QDialog {
  Q_OBJECT

 public:
  explicit FormWindow(const FormDeclaration& declaration, QWidget* parent = nullptr);

  const FormDeclaration& declaration() const { return declaration_; }
  const QString& windowName() const { return declaration_.windowName; }

  // The control of that form name; a name the form does not have stops the program, so that a
  // misspelt name cannot pass unnoticed.
  QWidget* control(const QString& name) const;
  const ControlDeclaration& controlDeclaration(const QString& name) const;

  // An edit box's text (a multi-line box's lines joined with "\r\n"), a combo box's text, or a
  // label's or button's form caption. The window shows declared texts in the interface's
  // language; the handle reads and writes them as declared (a combo item picked, an edit box's
  // initial text left untouched), so that the scripts are the same in every language.
  QString text(const QString& name) const;
  // Replaces an edit box's text (a combo: its text; a drop-down list: the matching item).
  void setText(const QString& name, const QString& text);
  // Adds text at the end of an edit box without reading or rewriting what it holds.
  void append(const QString& name, const QString& text);
  bool checked(const QString& name) const;
  void setChecked(const QString& name, bool on);
  void setProgress(const QString& name, int position);
  int progress(const QString& name) const;

  void onClick(const QString& name, std::function<void()> handler);

  // The script box's lines as they are now count as kept: closing asks again only once the box
  // changes. Pressing the declared keep button marks them too.
  void markScriptKept();
  // Whether the script box holds lines that were changed since they were last kept.
  bool scriptPending() const;
  // What "写入总变量并关闭" does in a window whose script box has no keep button; without one
  // the box's lines are added to ExportBuffer.
  void setScriptKeeper(std::function<void()> keep);
  // Asked when the window is about to close, after the script box's question; returning false
  // keeps the window open.
  void setCloseGuard(std::function<bool()> guard);

  // Shows the named file dialog; returns the file chosen or, after a cancel, the name the
  // dialog held before (empty the first time in this opening of the window).
  QString chooseFile(const QString& dialogName);

 protected:
  // Escape does not close a window: what was typed into it would be lost with one key.
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build();
  void connectScriptKeeping();
  bool mayClose();

  FormDeclaration declaration_;
  QHash<QString, QWidget*> controls_;
  QHash<QString, qsizetype> controlIndex_;
  QHash<QString, QString> dialogFileNames_;
  QString keptScript_;
  std::function<void()> scriptKeeper_;
  std::function<bool()> closeGuard_;
};

}  // namespace tf
