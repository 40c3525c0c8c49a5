#include "render/DrawListPainter.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

#include "render/Pixels.h"
#include "render/Projection.h"
#include "render/Text.h"

namespace tolva {

namespace {

// A one-pixel line of the canvas is as thick as a canvas pixel on the device.
int LineWidth(const DeviceScale& scale) {
  return std::max(1, static_cast<int>(std::lround(std::min(scale.x, scale.y))));
}

void Outlined(QPainter& painter, const DrawCommand& c, const DeviceScale& scale) {
  if (scale.IsUnit()) {
    FillOutlined(painter, c.rect, c.colour, c.line);
    return;
  }
  const QRect r = scale.Map(c.rect);
  const int w = LineWidth(scale);
  const QColor line = QColor::fromRgb(c.line);
  painter.fillRect(r, QColor::fromRgb(c.colour));
  painter.fillRect(QRect(r.left(), r.top(), r.width(), w), line);
  painter.fillRect(QRect(r.left(), r.bottom() + 1 - w, r.width(), w), line);
  painter.fillRect(QRect(r.left(), r.top(), w, r.height()), line);
  painter.fillRect(QRect(r.right() + 1 - w, r.top(), w, r.height()), line);
}

void Text(QPainter& painter, const DrawCommand& c, const DeviceScale& scale) {
  if (scale.IsUnit()) {
    DrawCanvasText(painter, c.rect.left, c.rect.top, c.text);
    return;
  }
  // The glyphs are drawn at the device's size, not enlarged.
  painter.save();
  painter.scale(scale.x, scale.y);
  DrawCanvasText(painter, c.rect.left, c.rect.top, c.text);
  painter.restore();
}

void Invert(QPainter& painter, const QRect& r) {
  if (r.isEmpty()) return;
  const QPainter::CompositionMode mode = painter.compositionMode();
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  painter.fillRect(r, Qt::black);
  painter.setCompositionMode(mode);
}

// The first command that shows in `clip`: none before the last one that
// covers all of it with opaque colour does. A change inside the table's felt
// needs no border under it; one inside the projected table, no background.
size_t FirstShown(const DrawList& list, const DeviceScale& scale, const QImage& table,
                  const QRect& clip) {
  if (clip.isEmpty()) return 0;
  const std::vector<DrawCommand>& commands = list.Commands();
  for (size_t i = commands.size(); i-- > 0;) {
    const DrawCommand& c = commands[i];
    switch (c.op) {
      case DrawOp::Fill:
      case DrawOp::Outlined:
      case DrawOp::Gradient:
        if (scale.Map(c.rect).contains(clip)) return i;
        break;
      case DrawOp::Table:
        if (!table.isNull() && ProjectionCovers(ComputeProjection(c.angle), scale, clip)) return i;
        break;
      case DrawOp::Picture:  // (pictures and texts leave what is under them in sight)
      case DrawOp::Text:
      case DrawOp::Invert: break;
    }
  }
  return 0;
}

}  // namespace

Rect Reach(const DrawCommand& command) {
  return command.op == DrawOp::Text ? Inflated(command.rect, kGlyphOverhang) : command.rect;
}

void PaintList(QPainter& painter, const DrawList& list, ScaledPictures& pictures,
               const QImage& table, const QRect& clip) {
  const DeviceScale& scale = pictures.Scale();
  BeginSmooth(painter);
  painter.setFont(list.Font());
  if (!clip.isEmpty()) painter.setClipRect(clip);
  const std::vector<DrawCommand>& commands = list.Commands();
  for (size_t i = FirstShown(list, scale, table, clip); i < commands.size(); ++i) {
    const DrawCommand& c = commands[i];
    if (!clip.isEmpty() && !scale.Map(Reach(c)).intersects(clip)) continue;
    switch (c.op) {
      case DrawOp::Fill: painter.fillRect(scale.Map(c.rect), QColor::fromRgb(c.colour)); break;
      case DrawOp::Outlined: Outlined(painter, c, scale); break;
      case DrawOp::Gradient: {
        const QRect r = scale.Map(c.rect);
        QLinearGradient gradient(0, r.top(), 0, r.top() + r.height());
        gradient.setColorAt(0, QColor::fromRgb(c.colour));
        gradient.setColorAt(1, QColor::fromRgb(c.line));
        painter.fillRect(r, gradient);
        break;
      }
      case DrawOp::Picture: {
        const ScaledPictures::Piece piece = pictures.Get(c.picture, c.rect);
        if (piece.image == nullptr || piece.image->isNull()) break;
        // The piece is made at its size on the device and copied pixel for
        // pixel: with smoothing asked for, Qt would blend a picture with
        // transparent parts through its slow general path (spread over
        // threads for a card of more than 32,768 pixels) instead of its
        // direct one.
        if (painter.testRenderHint(QPainter::SmoothPixmapTransform))
          painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QPoint(scale.X(c.rect.left), scale.Y(c.rect.top)), *piece.image,
                          piece.source);
        break;
      }
      case DrawOp::Text: Text(painter, c, scale); break;
      case DrawOp::Invert: Invert(painter, scale.Map(c.rect)); break;
      case DrawOp::Table:
        if (!table.isNull()) ProjectTable(painter, table, ComputeProjection(c.angle), scale, clip);
        break;
    }
  }
}

}  // namespace tolva
