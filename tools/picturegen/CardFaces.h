// The card face sheet: 52 faces in cells of 151 x 215, rank index across
// (ace .. king) and suit index down (spades, hearts, diamonds, clubs).
#pragma once

#include <QByteArray>
#include <QImage>

namespace tolva::picturegen {

// The face of card code 1..52, 151 x 215, opaque.
QImage CardFace(int code, int density = 1);

// All 52 faces, 13 x 151 by 4 x 215.
QImage CardSheet(int density = 1);

// A picture as a JFIF JPEG (quality 96); empty on failure.
QByteArray Jpeg(const QImage& picture);

// The sheet as the game ships it: a JFIF JPEG whose first four bytes (the
// start-of-image marker and the APP0 marker's first byte pair) are replaced by
// "TGS1"; the game's loader writes FF D8 FF E0 back before decoding. Empty on
// failure.
QByteArray CardSheetLibrary(const QImage& sheet);

}  // namespace tolva::picturegen
