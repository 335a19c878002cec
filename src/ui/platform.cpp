#include "ui/platform.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
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

}  // namespace

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

QString QtPlatform::askFileName(QWidget* parent, const QString& filter) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // a new name may be typed
  dialog.setNameFilter(qtFilter(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QDate QtPlatform::today() { return QDate::currentDate(); }

qint64 QtPlatform::randomInt(qint64 lo, qint64 hi) {
  return QRandomGenerator::global()->bounded(lo, hi + 1);
}

void QtPlatform::runModal(FormWindow& window) { window.exec(); }

}  // namespace tf
