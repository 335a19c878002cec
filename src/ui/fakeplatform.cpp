#include "ui/fakeplatform.h"

#include "ui/formwindow.h"

namespace tf {

void FakePlatform::showMessage(QWidget*, const QString& text, int flags, const QString& title) {
  messages.append(Message{text, flags, title});
}

QString FakePlatform::askFileName(QWidget*, const QString& filter) {
  filters.append(filter);
  fileStarts.append(fileDialogStart(filter));
  return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

int FakePlatform::askQuestion(QWidget*, const QString& text, const QString& title,
                              const QStringList& answers) {
  questions.append(Question{text, title, answers});
  const QString answer = questionAnswers.isEmpty() ? QString() : questionAnswers.takeFirst();
  const qsizetype chosen = answers.indexOf(answer);
  if (chosen >= 0) return int(chosen);
  if (!answer.isEmpty())
    qFatal("the question \"%s\" has no answer \"%s\"", qPrintable(title), qPrintable(answer));
  return 0;
}

QString FakePlatform::askFolder(QWidget*, const QString& start) {
  folderStarts.append(start);
  return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
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

}  // namespace tf
