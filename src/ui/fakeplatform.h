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
  bool askQuestion(QWidget* parent, const QString& text, const QString& accept,
                   const QString& reject, const QString& title) override;
  QString askFileName(QWidget* parent, const QString& filter,
                      const QString& folder = QString()) override;
  QDate today() override { return date; }
  qint64 randomInt(qint64 lo, qint64 hi) override;
  void runModal(FormWindow& window) override;
  int askBeforeClosing(QWidget* parent, const QString& text, const QStringList& answers) override;

  struct Question {
    QString text;
    QString accept;
    QString reject;
    QString title;
  };

  QList<Message> messages;
  QList<Question> questions;  // every question asked, in order
  QList<bool> answers;        // the answers to the next questions; none left: the user declines
  QStringList filters;        // the filter of each file dialog shown
  QStringList folders;        // the folder each file dialog opened in
  QStringList fileAnswers;    // answers of the next file dialogs; "" or none left: cancel
  QDate date{2026, 1, 10};
  QList<qint64> randoms;  // the next random numbers; none left: the lower bound
  QStringList opened;     // the windows opened modally, in order
  // What the user does in a window opened modally, by window name; a window without one is
  // closed at once.
  QHash<QString, std::function<void(FormWindow&)>> whenOpened;
  // Questions asked before closing: their texts and answers, in order; the next answers by
  // index (none left: the last answer, which leaves everything as it was).
  struct CloseQuestion {
    QString text;
    QStringList answers;
  };
  QList<CloseQuestion> closeQuestions;
  QList<int> closeAnswers;
};

}  // namespace tf
