// The world map in the table's widget. While the map is shown the widget is a
// scrolling view of the map picture at one, two or three times its size, with
// scroll bars of its own; while it is hidden nothing here acts, and the table
// paints and handles input as always.
//
// The widget wires it in two places, besides making it (it installs itself):
//
//   MapViewport map(widget, view, mapPicture, showMapMenu, acceptsInput);
//   // in the widget's painting, instead of the table:
//   if (view.MapShown) map.Paint(painter);
//   // in Host::MapViewChanged:
//   map.Sync(); widget.update();
//
// and calls view.OnDestroy() when it goes away, which keeps the map's origin
// for the next run if the map is up.
//
// While the map is shown this filters the widget's input: moving the pointer
// shows the hand over a city (no hover help), the right button opens the map's
// pop-up on release (and marks no card), a double click returns to the table,
// the wheel and the arrow and page keys scroll. The left button is left to
// the widget, where the game ignores it on the map (it still ends a running
// dissolve). The digit keys, Backspace, Escape, Enter and Space are the
// game's (CTolvaView::Key). While the window takes no input (an effect or a
// blocking wait is under way) the events go on to the widget untouched.
#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QScrollBar>
#include <QSize>

class QImage;
class QPainter;
class QWidget;

namespace tolva {

class CTolvaView;

class MapViewport : public QObject {
  Q_OBJECT

 public:
  using MenuFn = std::function<void(QPoint globalPos)>;
  using InputFn = std::function<bool()>;

  // `mapPicture` is the campaign's map picture, which the route animation
  // paints into; `showMenu` opens the map's pop-up at a screen point;
  // `acceptsInput` tells whether the window takes input now (always, if
  // empty). The view and the picture must outlive this object; the widget
  // should too (it keeps this as a member).
  MapViewport(QWidget& widget, CTolvaView& view, const QImage& mapPicture, MenuFn showMenu,
              InputFn acceptsInput = {});
  ~MapViewport() override;

  // Brings the scroll bars in line with the view after it changed the map
  // (shown, hidden, zoomed, centred): sizes for the zoom, position at the
  // view's MapScroll, which then holds where the bars could go.
  void Sync();
  // Paints the map into the widget (inside its paint event).
  void Paint(QPainter& painter) const;
  // The part of the widget the map is shown in (the widget less its scroll bars).
  QRect Viewport() const;

  QScrollBar& HorizontalBar() const { return *horizontal_; }
  QScrollBar& VerticalBar() const { return *vertical_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Layout();
  void ScrolledTo();
  void PointerAt(QPoint widgetPos);
  bool ScrollKey(int key);

  QWidget& widget_;
  CTolvaView& view_;
  const QImage& map_;
  MenuFn showMenu_;
  InputFn acceptsInput_;
  QPointer<QWidget> widgetAlive_;
  QPointer<QScrollBar> horizontal_;  // children of the widget
  QPointer<QScrollBar> vertical_;
  bool syncing_ = false;         // the bars are being moved to the view's position
  bool swallowRelease_ = false;  // a double click has just hidden the map
};

// Paints a viewport of `viewport` size showing the map picture stretched to
// 1831 z × 649 z, scrolled to `scroll`, and white wherever the picture is not.
// Enlarging copies each picture pixel as a block, so the route and the cities
// keep their exact colours.
void PaintMapWindow(QPainter& painter, QSize viewport, const QImage& map, int zoom, QPoint scroll);

// The map picture's pixel (0xRRGGBB) under viewport point `pos`; nothing
// when the point lies beyond the picture.
std::optional<QRgb> MapPixelAt(const QImage& map, int zoom, QPoint scroll, QPoint pos);

// Whether the pointer over a picture pixel of colour `rgb` is over a city:
// the city colour sampled from the picture, or the conquered colour.
bool IsCityColour(const QImage& map, QRgb rgb);

}  // namespace tolva
