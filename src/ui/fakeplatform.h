#pragma once
// A platform for tests: it records every message and modal opening, answers file dialogs,
// dates and random numbers from what the test set, and never waits on the user.

#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>

#include "ui/platform.h"

namespace tf {

class FakePlatform : public Platform {
 public:
  struct Message {
    QString text;
    int flags = 0;
    QString title;
  };

  void showMessage(QWidget* parent, const QString& text, int flags, const QString& title) override;
  QString askFileName(QWidget* parent, const QString& filter) override;
  int askQuestion(QWidget* parent, const QString& text, const QString& title,
                  const QStringList& answers) override;
  QString askFolder(QWidget* parent, const QString& start) override;
  QDate today() override { return date; }
  qint64 randomInt(qint64 lo, qint64 hi) override;
  void runModal(FormWindow& window) override;

  QList<Message> messages;
  struct Question {
    QString text;
    QString title;
    QStringList answers;
  };
  QList<Question> questions;
  // The answers to the next questions, as texts of their buttons. None left: the first answer,
  // so that a test about something else goes on as a user who says yes (tests of a question
  // give its answers and look at `questions`).
  QStringList questionAnswers;
  QStringList folderStarts;   // the start folder of each folder dialog shown
  QStringList folderAnswers;  // answers of the next folder dialogs; "" or none left: cancel
  QStringList filters;        // the filter of each file dialog shown
  QStringList fileStarts;     // the folder each file dialog opened in ("": the dialog's own)
  QStringList fileAnswers;    // answers of the next file dialogs; "" or none left: cancel
  QDate date{2026, 1, 10};
  QList<qint64> randoms;  // the next random numbers; none left: the lower bound
  QStringList opened;     // the windows opened modally, in order
  // What the user does in a window opened modally, by window name; a window without one is
  // closed at once.
  QHash<QString, std::function<void(FormWindow&)>> whenOpened;
};

}  // namespace tf
