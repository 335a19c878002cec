#pragma once
// Everything a handler asks of the desktop: message boxes, the file dialog, today's date,
// random numbers and modal opening. The program uses Qt's; tests install a double.

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace tf {

class FormWindow;

// Message box flags.
enum MessageFlags : int {
  kMessageOk = 0,
  kMessageOkCancel = 1,
  kMessageWarning = 48,
};

class Platform {
 public:
  virtual ~Platform() = default;
  // A modal box; title is never empty here (see message()).
  virtual void showMessage(QWidget* parent, const QString& text, int flags,
                           const QString& title) = 0;
  // The open-file dialog with one filter "label|pattern"; the file need not exist.
  // Returns the full path chosen, or the empty text when the user cancelled.
  virtual QString askFileName(QWidget* parent, const QString& filter) = 0;
  // A modal question whose buttons carry the given answers, in order. The last answer is the
  // safe one: the default button, and what Escape or closing the box gives. Returns the index
  // of the answer chosen.
  virtual int askQuestion(QWidget* parent, const QString& text, const QString& title,
                          const QStringList& answers) = 0;
  // The folder dialog; returns the folder chosen, or the empty text when the user cancelled.
  virtual QString askFolder(QWidget* parent, const QString& start) = 0;
  virtual QDate today() = 0;
  // An integer from lo to hi, both included.
  virtual qint64 randomInt(qint64 lo, qint64 hi) = 0;
  // Shows the window modally over its opener and returns when the user has closed it.
  virtual void runModal(FormWindow& window) = 0;
};

Platform& platform();
// Installs another platform (a test double); nullptr restores Qt's.
void setPlatform(Platform* p);

// A message box; without a title of its own it is titled "信息：".
void message(QWidget* parent, const QString& text, int flags = kMessageOk,
             const QString& title = QString());

// The folder a file dialog with this filter opens in when the program knows a better place than
// the dialog's own: with a pack set, a script's dialog opens in the pack's scripts folder.
// Empty when there is none.
QString fileDialogStart(const QString& filter);

// The platform that the program uses: Qt's boxes and dialogs.
class QtPlatform : public Platform {
 public:
  void showMessage(QWidget* parent, const QString& text, int flags, const QString& title) override;
  QString askFileName(QWidget* parent, const QString& filter) override;
  int askQuestion(QWidget* parent, const QString& text, const QString& title,
                  const QStringList& answers) override;
  QString askFolder(QWidget* parent, const QString& start) override;
  QDate today() override;
  qint64 randomInt(qint64 lo, qint64 hi) override;
  void runModal(FormWindow& window) override;
};

}  // namespace tf
