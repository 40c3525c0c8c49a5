// Pieces the end-of-game pictures are built from: skies, rays, small cards,
// a temple front, river waves, a thunderbolt, broken arms, and the framed
// caption.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "Suits.h"

namespace tolva::picturegen {

// A vertical gradient over the whole picture.
void Sky(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom);

// Alternating light rays from `c` out past the picture's edges.
void Rays(QPainter& p, QPointF c, int count, const QColor& colour, qreal phaseDeg = 0);

// Scattered small stars, placed by a fixed pattern (no randomness).
void Stars(QPainter& p, const QRectF& area, int count, const QColor& colour);

// A small face-up card, `w` wide, turned by `angle` degrees about its centre.
void MiniCard(QPainter& p, QPointF centre, qreal w, qreal angle, const QString& rank, Suit suit);

// A small card back in the default back's colours.
void MiniBack(QPainter& p, QPointF centre, qreal w, qreal angle);

// The front of a Doric temple standing on `base` (centre bottom), `w` wide.
void Temple(QPainter& p, QPointF base, qreal w, const QColor& stone, const QColor& shade);

// Rows of the running wave scroll of Greek borders, filling `band`.
void WaveScroll(QPainter& p, const QRectF& band, const QColor& colour, qreal lineWidth);

// Zeus's thunderbolt from `from` to `to`.
void Thunderbolt(QPainter& p, QPointF from, QPointF to, qreal width);

// A round shield lying tilted on the ground and a spear broken in two.
void FallenArms(QPainter& p, QPointF c, qreal scale);

// The gold meander frame every result picture wears, `depth` pixels deep.
void PictureFrame(QPainter& p, const QRectF& area, const QColor& band, qreal depth);

// The caption: large outlined text fitted into `box`; `spacing` in percent of
// the normal letter spacing (full-width digits stand far apart otherwise).
// CaptionPath is its outline as drawn, before the outline pen.
QPainterPath CaptionPath(const QString& text, const QRectF& box, qreal spacing = 100);
void Caption(QPainter& p, const QString& text, const QRectF& box, const QBrush& fill,
             const QColor& outline, qreal outlineWidth = 2.4, qreal spacing = 100);

}  // namespace tolva::picturegen
