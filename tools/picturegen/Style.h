// The shared look of every picture: a classical Macedonian palette of deep
// blue, gold, crimson and ivory, and the ornaments drawn again and again
// (meander bands, laurel, the sixteen-rayed sun), plus text drawn as paths so
// that it can be outlined, emboldened and filled with gradients.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tolva::picturegen {

namespace palette {
inline const QColor kIvory{252, 248, 236};
inline const QColor kCardWhite{255, 255, 252};
inline const QColor kInk{24, 24, 30};
inline const QColor kCrimson{196, 18, 38};
inline const QColor kDeepBlue{22, 42, 108};
inline const QColor kNavy{12, 24, 64};
inline const QColor kGold{214, 168, 52};
inline const QColor kGoldLight{255, 226, 128};
inline const QColor kGoldDark{140, 96, 20};
inline const QColor kBronze{120, 72, 30};
inline const QColor kSilver{200, 204, 212};
inline const QColor kSilverDark{110, 116, 128};
inline const QColor kSkin{246, 212, 176};
inline const QColor kSkinShade{214, 166, 126};
inline const QColor kFelt{0, 128, 0};           // the table's felt
inline const QColor kCanvas{64, 128, 128};      // the canvas background
}  // namespace palette

// A painter with every smoothing hint on.
void Smooth(QPainter& p);

// An empty premultiplied ARGB picture of the given size, fully transparent.
QImage Blank(int width, int height);

// Every picture is drawn in its own pixel coordinates and made at 1, 2 or 3
// times its size (`density`) for screens of more pixels: a blank picture of
// that many more pixels, and a painter on it (every smoothing hint on) that
// draws in the picture's own coordinates.
QImage Blank(int width, int height, int density);
void Begin(QPainter& p, int density);

// The families the pictures use (all from the IPA fonts).
QFont Mincho(qreal pixelSize);
QFont Gothic(qreal pixelSize);
QFont PGothic(qreal pixelSize);
QFont PMincho(qreal pixelSize);

// The outline of `text` in `font`, with its baseline at the origin.
QPainterPath TextPath(const QString& text, const QFont& font);

// The path scaled (uniformly, or squeezed horizontally by `squeeze` < 1) and
// moved so that its ink box fits inside `box` with the given alignment. Text
// is centred on its ink, not on the font's line box, so digits and kana sit
// truly in the middle.
QPainterPath FitPath(const QPainterPath& path, const QRectF& box,
                     Qt::Alignment align = Qt::AlignCenter, qreal squeeze = 1.0,
                     bool allowGrow = true);

// The path scaled to the height of `box` and squeezed horizontally only when
// it would be wider than the box: for names, whose letters should all stand
// at one height.
QPainterPath FitHeight(const QPainterPath& path, const QRectF& box,
                       Qt::Alignment align = Qt::AlignCenter);

// Fills `path` and strokes it with the same brush, `weight` pixels wide, so a
// font without a bold face still reads bold.
void FillBold(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal weight);

// Text with a dark outline under a (possibly gradient) fill: the outline is
// `outline` pixels beyond the glyph edge.
void OutlinedText(QPainter& p, const QPainterPath& path, const QBrush& fill,
                  const QColor& outlineColour, qreal outline, qreal weight = 0);

// A vertical gold gradient over `box`, bright in the upper third.
QLinearGradient GoldGradient(const QRectF& box);
QLinearGradient SilverGradient(const QRectF& box);

// The sixteen-rayed sun of the Macedonian kings, centred at `c`, outer radius r.
QPainterPath SunPath(QPointF c, qreal r, int rays = 16, qreal inner = 0.42);

// A band of Greek key (meander) inside `band`, drawn with the pen colour.
// The band's height sets the size of one key; it repeats along the width.
void MeanderBand(QPainter& p, const QRectF& band, const QColor& colour, qreal lineWidth);

// A meander frame around `outer`, `width` pixels deep, keys running round.
void MeanderFrame(QPainter& p, const QRectF& outer, qreal width, const QColor& colour,
                  qreal lineWidth);

// One sprig of laurel along a circular arc: leaves in pairs from angle
// `fromDeg` to `toDeg` (degrees, counter-clockwise as Qt measures) around `c`.
void LaurelArc(QPainter& p, QPointF c, qreal radius, qreal fromDeg, qreal toDeg,
               qreal leafLength, const QBrush& leaf, const QColor& vein);

// A full wreath: two sprigs meeting at the bottom, open at the top.
void LaurelWreath(QPainter& p, QPointF c, qreal radius, qreal leafLength, const QBrush& leaf,
                  const QColor& vein);

// A ring of small beads, as on the rim of an ancient coin.
void BeadRing(QPainter& p, QPointF c, qreal radius, qreal beadRadius, int count,
              const QBrush& brush);

}  // namespace tolva::picturegen
