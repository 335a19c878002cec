#include "ui/platform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>

#include "ui/formwindow.h"
#include "ui/packservice.h"

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

}  // namespace

Platform& platform() {
  static QtPlatform qt;
  return installed() ? *installed() : qt;
}

void setPlatform(Platform* p) { installed() = p; }

void message(QWidget* parent, const QString& text, int flags, const QString& title) {
  platform().showMessage(parent, text, flags, title.isEmpty() ? QStringLiteral("信息：") : title);
}

void QtPlatform::showMessage(QWidget* parent, const QString& text, int flags,
                             const QString& title) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon((flags & kMessageWarning) == kMessageWarning ? QMessageBox::Warning
                                                           : QMessageBox::NoIcon);
  box.setStandardButtons((flags & kMessageOkCancel) ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::Ok);
  box.exec();
}

QString fileDialogStart(const QString& filter) {
  if (!filter.contains(QLatin1String("*.zs"))) return QString();
  const QString scripts = PackService::instance().scriptsFolder();
  return !scripts.isEmpty() && QFileInfo(scripts).isDir() ? scripts : QString();
}

QString QtPlatform::askFileName(QWidget* parent, const QString& filter) {
  QFileDialog dialog(parent);
  if (const QString start = fileDialogStart(filter); !start.isEmpty()) dialog.setDirectory(start);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // a new name may be typed
  dialog.setNameFilter(qtFilter(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

int QtPlatform::askQuestion(QWidget* parent, const QString& text, const QString& title,
                            const QStringList& answers) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(QMessageBox::Warning);
  QList<QAbstractButton*> buttons;
  for (qsizetype i = 0; i < answers.size(); ++i)
    buttons.append(box.addButton(
        answers[i], i + 1 == answers.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  if (!buttons.isEmpty()) {
    box.setDefaultButton(static_cast<QPushButton*>(buttons.last()));
    box.setEscapeButton(buttons.last());
  }
  box.exec();
  const qsizetype chosen = buttons.indexOf(box.clickedButton());
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
