#include "ui/focusorder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "ui/formwindow.h"

namespace tf {
namespace {

bool takesFocus(const ControlDeclaration& c) {
  switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::Memo:
    case ControlKind::Combo:
    case ControlKind::ComboList:
    case ControlKind::Check: return true;
    case ControlKind::Button: return !c.text.isEmpty();  // a caption-less button is a bar
    default: return false;
  }
}

// A control whose centre lies outside the window's area is out of the user's sight: a template
// piece kept beyond an edge, never a place to type.
bool inSight(const FormDeclaration& form, const ControlDeclaration& c) {
  const int cx = c.x + c.w / 2;
  const int cy = c.y + c.h / 2;
  return cx >= 0 && cy >= 0 && cx < form.width && cy < form.height;
}

bool withinRowOf(const ControlDeclaration& first, const ControlDeclaration& c) {
  const int centre = c.y + c.h / 2;
  const int firstCentre = first.y + first.h / 2;
  return (centre >= first.y && centre <= first.y + first.h) ||
         (firstCentre >= c.y && firstCentre <= c.y + c.h);
}

// A box that takes Tab as an indent (the code terminal) is left with Ctrl+Tab and
// Ctrl+Shift+Tab: the parent moves focus on as it does for Tab.
class CtrlTabLeaves : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier)) return false;
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    QWidget* parent = static_cast<QWidget*>(watched)->parentWidget();
    if (parent == nullptr) return false;
    const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(parent, &tab);
    return true;
  }
};

}  // namespace

QStringList readingOrder(const FormDeclaration& declaration) {
  std::vector<const ControlDeclaration*> controls;
  for (const ControlDeclaration& c : declaration.controls)
    if (takesFocus(c) && inSight(declaration, c)) controls.push_back(&c);
  std::stable_sort(controls.begin(), controls.end(),
                   [](auto* a, auto* b) { return a->y != b->y ? a->y < b->y : a->x < b->x; });
  QStringList order;
  size_t start = 0;
  while (start < controls.size()) {
    // A row: the topmost control left and every later one that lies level with it.
    size_t end = start + 1;
    while (end < controls.size() && withinRowOf(*controls[start], *controls[end])) ++end;
    std::vector<const ControlDeclaration*> row(controls.begin() + qsizetype(start),
                                               controls.begin() + qsizetype(end));
    std::stable_sort(row.begin(), row.end(), [](auto* a, auto* b) {
      const bool aButton = a->kind == ControlKind::Button;
      const bool bButton = b->kind == ControlKind::Button;
      if (aButton != bButton) return bButton;
      return a->x != b->x ? a->x < b->x : a->y < b->y;
    });
    for (const ControlDeclaration* c : row) order << c->name;
    start = end;
  }
  return order;
}

void arrangeFocus(FormWindow& f) {
  const QStringList order = readingOrder(f.declaration());
  for (const ControlDeclaration& c : f.declaration().controls) {
    if (c.kind == ControlKind::FileDialog || order.contains(c.name)) continue;
    QWidget* w = f.control(c.name);
    w->setFocusPolicy(Qt::NoFocus);
    // An editable combo box's own edit line would still take focus.
    for (QWidget* child : w->findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
  }
  for (qsizetype i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(f.control(order[i - 1]), f.control(order[i]));
  for (const ControlDeclaration& c : f.declaration().controls)
    if (c.kind == ControlKind::Memo && (c.options & kTerminal))
      f.control(c.name)->installEventFilter(new CtrlTabLeaves(f.control(c.name)));
}

}  // namespace tf
