#include "app/MapViewport.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

#include "table/CTolvaView.h"
#include "table/MapTracing.h"
#include "table/MapView.h"

namespace tolva {

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one notch of a mouse wheel
constexpr int kLinesPerNotch = 3;

int UsableZoom(int zoom) { return std::clamp(zoom, kMinMapZoom, kMaxMapZoom); }

}  // namespace

void PaintMapWindow(QPainter& painter, QSize viewport, const QImage& map, int zoom, QPoint scroll) {
  painter.fillRect(QRect(QPoint(0, 0), viewport), Qt::white);
  if (map.isNull()) return;
  zoom = UsableZoom(zoom);
  const QRectF target(-scroll.x(), -scroll.y(), kMapWidth * zoom, kMapHeight * zoom);
  const QRectF visible = target.intersected(QRectF(QPointF(0, 0), QSizeF(viewport)));
  if (visible.isEmpty()) return;
  // Only the visible part is stretched: the picture is repainted at every step
  // of the route animation.
  const double fx = target.width() / map.width();
  const double fy = target.height() / map.height();
  const QRectF source((visible.left() - target.left()) / fx, (visible.top() - target.top()) / fy,
                      visible.width() / fx, visible.height() / fy);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, fx < 1 || fy < 1);
  painter.drawImage(visible, map, source);
  painter.restore();
}

std::optional<QRgb> MapPixelAt(const QImage& map, int zoom, QPoint scroll, QPoint pos) {
  if (map.isNull()) return std::nullopt;
  zoom = UsableZoom(zoom);
  const long long px = pos.x() + static_cast<long long>(scroll.x());
  const long long py = pos.y() + static_cast<long long>(scroll.y());
  if (px < 0 || py < 0) return std::nullopt;
  const long long x = px * map.width() / (static_cast<long long>(kMapWidth) * zoom);
  const long long y = py * map.height() / (static_cast<long long>(kMapHeight) * zoom);
  if (x >= map.width() || y >= map.height()) return std::nullopt;
  return map.pixel(static_cast<int>(x), static_cast<int>(y)) & RGB_MASK;
}

bool IsCityColour(const QImage& map, QRgb rgb) {
  if (rgb == kConqueredColour) return true;
  const QPoint cityKey(kCityKeyAt.x, kCityKeyAt.y);
  return map.valid(cityKey) && rgb == (map.pixel(cityKey) & RGB_MASK);
}

MapViewport::MapViewport(QWidget& widget, CTolvaView& view, const QImage& mapPicture,
                         MenuFn showMenu, InputFn acceptsInput)
    : widget_(widget),
      view_(view),
      map_(mapPicture),
      showMenu_(std::move(showMenu)),
      acceptsInput_(std::move(acceptsInput)),
      widgetAlive_(&widget),
      horizontal_(new QScrollBar(Qt::Horizontal, &widget)),
      vertical_(new QScrollBar(Qt::Vertical, &widget)) {
  for (QScrollBar* bar : {horizontal_.data(), vertical_.data()}) {
    bar->hide();
    bar->setFocusPolicy(Qt::NoFocus);  // the keys stay with the view
    connect(bar, &QScrollBar::valueChanged, this, &MapViewport::ScrolledTo);
  }
  widget.setMouseTracking(true);
  widget.installEventFilter(this);
  Sync();
}

MapViewport::~MapViewport() {
  if (widgetAlive_ == nullptr) return;  // the bars went with it
  widget_.removeEventFilter(this);
  delete horizontal_;
  delete vertical_;
}

QRect MapViewport::Viewport() const {
  QRect area = widget_.rect();
  if (!view_.MapShown) return area;
  if (vertical_->isVisibleTo(&widget_)) area.setRight(vertical_->geometry().left() - 1);
  if (horizontal_->isVisibleTo(&widget_)) area.setBottom(horizontal_->geometry().top() - 1);
  return area;
}

void MapViewport::Layout() {
  const QSize size = widget_.size();
  if (!view_.MapShown) {
    horizontal_->hide();
    vertical_->hide();
    view_.MapClient = {size.width(), size.height()};
    return;
  }
  // A bar appears when the picture is larger than the room left beside the
  // other bar, as a scrolling window's bars do.
  const TablePoint total = MapScrollSize(UsableZoom(view_.MapZoom));
  const int extent = widget_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget_);
  bool needH = total.x > size.width();
  bool needV = total.y > size.height();
  if (needH && !needV) needV = total.y > size.height() - extent;
  if (needV && !needH) needH = total.x > size.width() - extent;
  const int width = std::max(0, size.width() - (needV ? extent : 0));
  const int height = std::max(0, size.height() - (needH ? extent : 0));

  horizontal_->setGeometry(0, height, width, extent);
  vertical_->setGeometry(width, 0, extent, height);
  horizontal_->setRange(0, std::max(0, total.x - width));
  vertical_->setRange(0, std::max(0, total.y - height));
  horizontal_->setPageStep(std::max(1, width));
  vertical_->setPageStep(std::max(1, height));
  horizontal_->setSingleStep(std::max(1, total.x / 100));
  vertical_->setSingleStep(std::max(1, total.y / 100));
  horizontal_->setVisible(needH);
  vertical_->setVisible(needV);
  view_.MapClient = {width, height};
}

void MapViewport::Sync() {
  // The bars' ranges change before they move; the view's wish is read first,
  // so that a range clamping the old position does not overwrite it.
  const TablePoint wanted = view_.MapScroll;
  syncing_ = true;
  Layout();
  horizontal_->setValue(wanted.x);
  vertical_->setValue(wanted.y);
  syncing_ = false;
  if (view_.MapShown) {
    view_.MapScroll = {horizontal_->value(), vertical_->value()};
    QToolTip::hideText();  // no hover help on the map
  } else {
    widget_.setCursor(Qt::ArrowCursor);
  }
}

void MapViewport::ScrolledTo() {
  if (syncing_ || !view_.MapShown) return;
  view_.MapScroll = {horizontal_->value(), vertical_->value()};
  widget_.update();
}

void MapViewport::Paint(QPainter& painter) const {
  const QRect area = Viewport();
  // The corner between two bars, and anything the bars leave, is white.
  painter.fillRect(widget_.rect(), Qt::white);
  painter.save();
  painter.setClipRect(area);
  painter.translate(area.topLeft());
  PaintMapWindow(painter, area.size(), map_, view_.MapZoom,
                 QPoint(horizontal_->value(), vertical_->value()));
  painter.restore();
}

void MapViewport::PointerAt(QPoint widgetPos) {
  const QRect area = Viewport();
  bool overCity = false;
  if (area.contains(widgetPos)) {
    const std::optional<QRgb> pixel =
        MapPixelAt(map_, view_.MapZoom, QPoint(horizontal_->value(), vertical_->value()),
                   widgetPos - area.topLeft());
    overCity = pixel && IsCityColour(map_, *pixel);
  }
  // The pointer's shape belongs to the widget, so leaving the window gives
  // the desktop's pointer back without capturing the mouse.
  const Qt::CursorShape shape = overCity ? Qt::PointingHandCursor : Qt::ArrowCursor;
  if (widget_.cursor().shape() != shape) widget_.setCursor(shape);
}

bool MapViewport::ScrollKey(int key) {
  switch (key) {
    case Qt::Key_Left: horizontal_->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Right: horizontal_->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case Qt::Key_Up: vertical_->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
    case Qt::Key_Down: vertical_->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
    case Qt::Key_PageUp: vertical_->triggerAction(QAbstractSlider::SliderPageStepSub); return true;
    case Qt::Key_PageDown: vertical_->triggerAction(QAbstractSlider::SliderPageStepAdd); return true;
    default: return false;
  }
}

bool MapViewport::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &widget_) return false;
  if (event->type() == QEvent::MouseButtonRelease && swallowRelease_) {
    // The release that ends the double click which hid the map belongs to
    // the map, not to the table now under the pointer.
    swallowRelease_ = false;
    return true;
  }
  if (event->type() == QEvent::Resize) {
    Layout();
    return false;
  }
  if (!view_.MapShown || (acceptsInput_ && !acceptsInput_())) return false;

  switch (event->type()) {
    case QEvent::MouseMove:
      PointerAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::MouseButtonPress:
      return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::RightButton) return false;
      if (showMenu_) showMenu_(mouse->globalPosition().toPoint());
      return true;
    }
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        swallowRelease_ = true;
        view_.ToggleMap();
      }
      return true;
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      const QPoint delta = wheel->angleDelta();
      const bool sideways = delta.x() != 0 || (wheel->modifiers() & Qt::ShiftModifier) ||
                            !vertical_->isVisibleTo(&widget_);
      QScrollBar* bar = sideways ? horizontal_.data() : vertical_.data();
      const int notches = (delta.x() != 0 ? delta.x() : delta.y());
      bar->setValue(bar->value() - notches * kLinesPerNotch * bar->singleStep() / kWheelNotch);
      return true;
    }
    case QEvent::KeyPress:
      return ScrollKey(static_cast<QKeyEvent*>(event)->key());
    case QEvent::ToolTip:
      return true;
    default:
      return false;
  }
}

}  // namespace tolva
