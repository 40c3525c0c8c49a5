// The view's drawing surfaces: the canvas, the flat table, and every picture
// the table is drawn from, created once when the view is first shown and kept
// for the life of the window.
//
// Pictures with a transparent colour (name plates, coins, digits, game number
// sheet, cursor sprite) are kept with that colour already made transparent, so
// drawing them is a plain copy and their smooth shrinking blends the edges.
#pragma once

#include <QImage>
#include <array>
#include <map>
#include <unordered_map>

#include "render/Geometry.h"
#include "render/Messages.h"
#include "render/PictureSource.h"

namespace tolva {

// Embedded bitmap numbers.
enum BitmapId : int {
  kBmpJokerStrip = 146,   // 906 x 215: the joker is its first 151 columns
  kBmpButtons = 140,      // 195 x 32
  kBmpMap = 142,          // 1831 x 649
  kBmpNamePlates = 150,   // 184 x 115
  kBmpCardBack = 147,     // 151 x 215
  kBmpCoins = 133,        // 132 x 66
  kBmpGameNumbers = 141,  // 320 x 64
  kBmpCursor = 152,       // 20 x 18
  kBmpDigits = 169,       // 590 x 59
};
// The eight end-of-game pictures (300 x 200), in loading order.
inline constexpr std::array<int, 8> kResultBitmaps = {135, 144, 137, 145, 167, 138, 139, 143};

// Where a card's face is: a rectangle of the face sheet, or the joker picture.
struct FaceRef {
  const QImage* image = nullptr;  // null: no picture for this code
  QRect source;
};

struct Surfaces {
  QImage BackBuffer;       // 1200 x 900: the canvas
  QImage TableSurface;     // 1010 x 1010: the flat table
  QImage CardSheet;        // the card faces, 151 x 215 cells, suit rows, rank columns
  QImage Joker;            // 151 x 215
  QImage Buttons;          // 195 x 32
  QImage Map;              // 1831 x 649
  std::array<QRgb, 3> MapKeyColours{};  // read at (88, 432), (89, 432), (90, 432)
  QImage NamePlates;       // keyed (64, 128, 128): 2 columns x 92, 5 rows x 23
  QImage HiddenHandStrip;  // 2175 x 302 on the key colour (255, 247, 255)
  QImage DefaultCardBack;  // bitmap 147
  QImage CardBack;         // 151 x 215: the card back in use
  bool CardBackFree = false;    // it is the player's own picture
  bool CardBackFramed = false;  // it wears the frame line ("CardWaku")
  QImage SpriteSave;       // 431 x 430: window pixels under a moving sprite
  std::map<int, QImage> ResultPictures;  // by bitmap number
  QImage Coins;            // keyed pure red: gold at x 0, silver at x 66
  QImage GameNumbers;      // keyed (64, 128, 128): 10 frames of 32 x 32, 2 rows
  QImage CursorSprite;     // keyed white
  QImage Digits;           // keyed white: 10 cells of 59 x 59
  QImage Scratch;          // re-created for each use (free image, turned back, rotated back)

  // Shrunk copies made once from the pictures above.
  QImage CardBackShown;  // the card back with the strip's key colour transparent
  QImage GoldCoin;    // 39 x 39
  QImage SilverCoin;  // 39 x 39
  std::array<QImage, 8> FarFans;   // the strip's cell n, keyed, for the far seats
  std::array<QImage, 8> NearFans;  // the same squeezed to 150 x 300 for the near seats

  // The face of a card code: the sheet's cell, the joker for codes above 52.
  FaceRef FaceOf(int code) const;
  // The face shrunk to w x h with area averaging, made once per size.
  const QImage& ScaledFace(int code, int w, int h);
  // Forgets the shrunk faces (after a new sheet or joker).
  void ForgetScaledFaces() {
    scaledFaces_.clear();
    ++version_;
  }

  // Makes the shrunk coins (after the coin sheet is loaded).
  void PrepareCoins();
  // Makes CardBackShown, FarFans and NearFans from the card back and the strip
  // (after every change of either).
  void PrepareCardBackPictures();

  // Counts the changes of the pictures above after loading (a new card back,
  // face sheet or coins), so that copies made from them are made again.
  int Version() const { return version_; }

 private:
  std::unordered_map<quint64, std::array<QImage, 53>> scaledFaces_;
  QImage noFace_;
  int version_ = 0;
};

// Loads the embedded bitmaps and creates the surfaces, in the game's order. In
// the peek instance only the joker, the canvas and the digit sheet (for the
// hand's points). The first failure shows 30001 and answers false.
bool LoadBoardPictures(Surfaces& s, const PictureSource& source, bool peekInstance,
                       const MessageSink& messages);

// A new opaque surface of w x h filled with `fill`; null when it cannot be made.
QImage NewSurface(int w, int h, QRgb fill = colours::kWhite);

}  // namespace tolva
