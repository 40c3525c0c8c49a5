// Small pixel routines the drawing is built from: colour-keyed pictures,
// halftone (area-averaging) scaling, colour inversion of a rectangle.
#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "render/Geometry.h"

namespace tolva {

// The surfaces' pixel format: opaque 32-bit colour.
inline constexpr QImage::Format kSurfaceFormat = QImage::Format_RGB32;
// Pictures with a transparent colour are kept with that colour made transparent.
inline constexpr QImage::Format kKeyedFormat = QImage::Format_ARGB32_Premultiplied;

// An opaque copy in the surface format (a null picture stays null).
QImage Opaque(const QImage& picture);

// A copy in which every pixel of exactly `key` is transparent, so that drawing
// it is a transparent-colour copy and smooth scaling blends its edges.
QImage Keyed(const QImage& picture, QRgb key);

// The picture scaled to w x h with area averaging (the platform's halftone
// stretch); unchanged when it already has that size.
QImage Halftone(const QImage& picture, int w, int h);

// Copies each of `rects` of `source` to the same place under the painter (in
// painter coordinates), as drawing those parts of `source` there does.
// Hundreds of small copies a frame (a dissolve's squares) are the case:
// QPainter's setting up of each drawing costs more than the copy. Rows go
// straight into the device's picture when the painter paints a 32-bit
// picture one to one, of the source's format or (for an opaque source) one
// with premultiplied alpha, as an X11 window's is; otherwise QPainter draws
// them.
void CopyRects(QPainter& painter, const QImage& source, const std::vector<QRect>& rects);

// A painter on a surface, set up for halftone stretching.
void BeginSmooth(QPainter& painter);

// Fills r with `fill` and draws a one-pixel outline of `line` just inside it,
// as the platform's rectangle drawing does.
void FillOutlined(QPainter& painter, const Rect& r, QRgb fill, QRgb line);

// A one-pixel frame just inside r.
void FrameRect(QPainter& painter, const Rect& r, QRgb line);

}  // namespace tolva
