#include "ui/captionfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolTip>

#include "forms/text.h"
#include "ui/formwindow.h"

namespace tf {
namespace {

// The tooltip set here, so that a tooltip another part of the program set stays.
const char* const kCaptionTip = "tessaformCaptionTip";

// The caption as drawn: line breaks as the box shows them, without the blank lines before and
// after it that a label does not draw.
QString shownCaption(const QString& text) {
  QString shown = fromCrLf(text);
  while (shown.startsWith(u'\n')) shown.remove(0, 1);
  while (shown.endsWith(u'\n')) shown.chop(1);
  return shown;
}

bool fitsIn(const QWidget* w, const QRect& box, int flags, const QString& text) {
  const QRect needed = w->fontMetrics().boundingRect(box, flags, text);
  return needed.width() <= box.width() && needed.height() <= box.height();
}

class CaptionFitWatcher : public QObject {
 public:
  explicit CaptionFitWatcher(FormWindow& f) : QObject(&f), window_(f) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip && watched != &window_)
      return showLabelTip(static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event));
    if (watched == &window_) {
      switch (event->type()) {
        case QEvent::Show:
        case QEvent::FontChange: fitCaptionTips(window_); break;
        case QEvent::LanguageChange:
          // Captions are translated by the window's own handling of this event, after ours.
          QTimer::singleShot(0, this, [this] { fitCaptionTips(window_); });
          break;
        default: break;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // Labels let clicks through to what lies under them, so the help event that asks for a
  // tooltip reaches the controls' parent instead: it shows the tooltip of the label there.
  static bool showLabelTip(QWidget* parent, QHelpEvent* event) {
    const QObjectList children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
      auto* label = qobject_cast<QLabel*>(*it);
      if (label == nullptr || !label->isVisible() || label->toolTip().isEmpty()) continue;
      if (!label->geometry().contains(event->pos())) continue;
      QToolTip::showText(event->globalPos(), label->toolTip(), label);
      return true;
    }
    return false;
  }

  FormWindow& window_;
};

}  // namespace

bool captionFits(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    if (label->text().isEmpty()) return true;  // a picture
    return fitsIn(label, label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                  shownCaption(label->text()));
  }
  if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(check);
    option.text = check->text();
    const QRect box = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    return fitsIn(check, box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                  check->text());
  }
  if (const auto* button = qobject_cast<const QPushButton*>(control)) {
    if (button->text().isEmpty()) return true;
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return fitsIn(button, box, Qt::AlignCenter | Qt::TextWordWrap, fromCrLf(button->text()));
  }
  return true;
}

void fitCaptionTips(FormWindow& f) {
  for (const ControlDeclaration& c : f.declaration().controls) {
    if (c.kind != ControlKind::Label && c.kind != ControlKind::Button &&
        c.kind != ControlKind::Check)
      continue;
    QWidget* w = f.control(c.name);
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(w)) caption = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) caption = button->text();
    const QString ours = w->property(kCaptionTip).toString();
    if (!w->toolTip().isEmpty() && w->toolTip() != ours) continue;  // someone else's tooltip
    const QString tip = captionFits(w) ? QString() : shownCaption(caption);
    w->setToolTip(tip);
    w->setProperty(kCaptionTip, tip);
  }
}

void watchCaptionFit(FormWindow& f) {
  auto* watcher = new CaptionFitWatcher(f);
  f.installEventFilter(watcher);
  QSet<QWidget*> parents;
  for (const ControlDeclaration& c : f.declaration().controls)
    if (c.kind == ControlKind::Label) parents.insert(f.control(c.name)->parentWidget());
  for (QWidget* parent : parents) parent->installEventFilter(watcher);
}

}  // namespace tf
