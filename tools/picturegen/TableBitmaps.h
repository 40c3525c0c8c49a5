// The small pictures the table is composed from: button strip (140), name
// plates (150), coins (133), game numbers (141), keyboard cursor (152) and
// the big digits (169). Sizes and key colours are the ones the table's
// drawing code copies them with.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QStringList>

#include "Words.h"

namespace tolva::picturegen {

inline const QColor kPlateKey{64, 128, 128};   // plates and game numbers
inline const QColor kCoinKey{255, 0, 0};       // coins
inline const QColor kWhiteKey{255, 255, 255};  // cursor and digits

// 195 x 32: start (45, a flag), settings (32), help (32), angle up (27),
// angle down (27), declarations (32, with `words`' sign for declaring).
QImage ButtonStrip(const Words& words, int density = 1);

// 184 x 115: a row of 23 per seat; column 0 the lit plate, column 1 the plain.
QImage NamePlates(const Words& words, int density = 1);

// A name as its plate carries it, fitted into the plate's box of letters;
// `cell` is the plate's 92 x 23 cell.
QPainterPath PlateName(const QString& name, const QRectF& cell);
QRectF PlateNameBox(const QRectF& cell);

// 132 x 66: gold coin at x 0, silver at x 66, on pure red.
QImage CoinSheet(int density = 1);

// 320 x 64: games 1..10 in frames of 32 x 32; row 0 gold (first go-around),
// row 1 plain.
QImage GameNumbers(int density = 1);

// 20 x 18: an arrow pointing down at the card, on white.
QImage CursorSprite(int density = 1);

// 590 x 59: digits 0..9 in 59 x 59 cells, on white.
QImage DigitSheet(int density = 1);

}  // namespace tolva::picturegen
