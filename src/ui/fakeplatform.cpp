#include "ui/fakeplatform.h"

#include "ui/formwindow.h"

namespace tf {

void FakePlatform::showMessage(QWidget*, const QString& text, int flags, const QString& title) {
  messages.append(Message{text, flags, title});
}

bool FakePlatform::askQuestion(QWidget*, const QString& text, const QString& accept,
                               const QString& reject, const QString& title) {
  questions.append(Question{text, accept, reject, title});
  return !answers.isEmpty() && answers.takeFirst();
}

QString FakePlatform::askFileName(QWidget*, const QString& filter, const QString& folder) {
  filters.append(filter);
  folders.append(folder);
  return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

qint64 FakePlatform::randomInt(qint64 lo, qint64 hi) {
  if (randoms.isEmpty()) return lo;
  return qBound(lo, randoms.takeFirst(), hi);
}

void FakePlatform::runModal(FormWindow& window) {
  opened.append(window.windowName());
  const auto it = whenOpened.constFind(window.windowName());
  if (it != whenOpened.constEnd()) {
    window.show();
    (*it)(window);
  }
}

int FakePlatform::askBeforeClosing(QWidget*, const QString& text, const QStringList& answers) {
  closeQuestions.append(CloseQuestion{text, answers});
  if (closeAnswers.isEmpty()) return int(answers.size()) - 1;
  return qBound(0, closeAnswers.takeFirst(), int(answers.size()) - 1);
}

}  // namespace tf
