#include "ui/screenfit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/formwindow.h"

namespace tf {

namespace {

// The window keeps its place unless part of it would lie beyond the available area: it then
// moves back in, no further than the area's top left corner.
void keepOnScreen(FormWindow& f, const QRect& available, const QSize& room) {
  const int x = qMax(available.left(), qMin(f.x(), available.left() + room.width() - f.width()));
  const int y = qMax(available.top(), qMin(f.y(), available.top() + room.height() - f.height()));
  f.move(x, y);
}

}  // namespace

void placeOnScrollingCanvas(FormWindow& f) {
  const QSize declared(f.declaration().width, f.declaration().height);
  auto* canvas = new QWidget;
  canvas->setObjectName(QStringLiteral("formCanvas"));
  canvas->setFixedSize(declared);
  // The controls keep their stacking order: children are listed lowest first.
  const QObjectList children = f.children();
  for (QObject* child : children)
    if (auto* w = qobject_cast<QWidget*>(child); w != nullptr && !w->isWindow())
      w->setParent(canvas);

  auto* area = new QScrollArea;
  area->setObjectName(QStringLiteral("formScrollArea"));
  area->setFrameShape(QFrame::NoFrame);
  area->setFocusPolicy(Qt::NoFocus);
  area->setWidget(canvas);
  // The window draws its own background, as it did without the scroll area.
  area->viewport()->setAutoFillBackground(false);
  canvas->setAutoFillBackground(false);
  auto* layout = new QVBoxLayout(&f);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(area);

  // The window's frame is not known before it is shown: room for a title bar is kept.
  const QRect available = f.screen()->availableGeometry();
  const QSize room(available.width(),
                   available.height() - f.style()->pixelMetric(QStyle::PM_TitleBarHeight));
  if (declared.width() <= room.width() && declared.height() <= room.height()) {
    keepOnScreen(f, available, room);
    return;
  }
  // Room for the scroll bar of the direction that scrolls, so that the other need not.
  const int bar = f.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  QSize wanted = declared;
  if (declared.height() > room.height()) wanted.rwidth() += bar;
  if (declared.width() > room.width()) wanted.rheight() += bar;
  const QSize shown = wanted.boundedTo(room);
  f.setMinimumSize(shown.boundedTo(QSize(200, 150)));
  f.setMaximumSize(wanted);
  f.resize(shown);
  keepOnScreen(f, available, room);
}

}  // namespace tf
