#include "ui/platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>

#include "ui/formwindow.h"

namespace tf {
namespace {

Platform*& installed() {
  static Platform* p = nullptr;
  return p;
}

// "label|pattern" as Qt's dialogs write a filter: "label (pattern)".
QString qtFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(u'|');
  if (bar < 0) return filter;
  return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + u')';
}

// A zero-width space: a place where a line may break, drawn as nothing.
constexpr QChar kBreak(0x200B);
// The longest run of characters without a place to break that a box shows on one line.
constexpr int kLongestRun = 16;

// The text with places to break after every '/' and inside every long run without one, so
// that the box's label can wrap it at any width.
QString breakable(const QString& text) {
  QString shown;
  shown.reserve(text.size() + text.size() / kLongestRun + 8);
  int run = 0;
  for (const QChar c : text) {
    shown += c;
    if (c.isSpace()) {
      run = 0;
    } else if (c == u'/' || ++run >= kLongestRun) {
      shown += kBreak;
      run = 0;
    }
  }
  return shown;
}

// Shows the breakable text; copies the text as given.
class WrappingMessageBox : public QMessageBox {
 public:
  WrappingMessageBox(QWidget* parent, const QString& text) : QMessageBox(parent), text_(text) {
    setText(breakable(text));
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event == QKeySequence::Copy) {
      QGuiApplication::clipboard()->setText(text_);
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }

 private:
  QString text_;
};

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(QWidget* parent, const QString& text,
                                             const QString& title) {
  auto box = std::make_unique<WrappingMessageBox>(parent, text);
  box->setWindowTitle(title);
  return box;
}

Platform& platform() {
  static QtPlatform qt;
  return installed() ? *installed() : qt;
}

void setPlatform(Platform* p) { installed() = p; }

void message(QWidget* parent, const QString& text, int flags, const QString& title) {
  platform().showMessage(
      parent, text, flags,
      title.isEmpty() ? QCoreApplication::translate("Message", "信息：") : title);
}

bool question(QWidget* parent, const QString& text, const QString& accept, const QString& reject,
              const QString& title) {
  return platform().askQuestion(
             parent, text,
             title.isEmpty() ? QCoreApplication::translate("Message", "信息：") : title,
             {accept, reject}) == 0;
}

void QtPlatform::showMessage(QWidget* parent, const QString& text, int flags,
                             const QString& title) {
  const std::unique_ptr<QMessageBox> box = buildMessageBox(parent, text, title);
  box->setIcon((flags & kMessageWarning) == kMessageWarning ? QMessageBox::Warning
                                                            : QMessageBox::NoIcon);
  box->setStandardButtons((flags & kMessageOkCancel) ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok);
  box->exec();
}

QString QtPlatform::askFileName(QWidget* parent, const QString& filter, const QString& folder) {
  QFileDialog dialog(parent);
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // a new name may be typed
  dialog.setNameFilter(qtFilter(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

// The last answer is the safe one: the default button, and what Escape or closing the box
// gives, so that Enter alone never says yes.
int QtPlatform::askQuestion(QWidget* parent, const QString& text, const QString& title,
                            const QStringList& answers) {
  const std::unique_ptr<QMessageBox> box = buildMessageBox(parent, text, title);
  box->setIcon(QMessageBox::Question);
  QList<QAbstractButton*> buttons;
  for (qsizetype i = 0; i < answers.size(); ++i)
    buttons.append(box->addButton(
        answers[i], i + 1 == answers.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  if (!buttons.isEmpty()) {
    box->setDefaultButton(static_cast<QPushButton*>(buttons.last()));
    box->setEscapeButton(buttons.last());
  }
  box->exec();
  const qsizetype chosen = buttons.indexOf(box->clickedButton());
  return chosen < 0 ? int(answers.size()) - 1 : int(chosen);
}

QString QtPlatform::askFolder(QWidget* parent, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, QString(), start);
}

QDate QtPlatform::today() { return QDate::currentDate(); }

qint64 QtPlatform::randomInt(qint64 lo, qint64 hi) {
  return QRandomGenerator::global()->bounded(lo, hi + 1);
}

void QtPlatform::runModal(FormWindow& window) { window.exec(); }

}  // namespace tf
