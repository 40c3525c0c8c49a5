// The fixed geometry of the table picture: the 1200 x 900 canvas, the flat
// 1010 x 1010 table surface, where every place and picture lies, and the
// rectangle type the hit areas are kept in.
//
// Rectangles keep their four edges as the game states them: left and top are
// inside, right and bottom are the first column and row outside.
#pragma once

#include <QColor>
#include <QRect>
#include <array>

#include "table/Canvas.h"

namespace tolva {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  // Whether all of r lies inside.
  constexpr bool Holds(const Rect& r) const {
    return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
  }
  QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
  static constexpr Rect Sized(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};


inline constexpr int kCardWidth = 151;
inline constexpr int kCardHeight = 215;
inline constexpr int kCoinSize = 66;       // a coin of the coin sheet
inline constexpr int kSmallCoinSize = 39;  // coins as the table shows them
inline constexpr int kDigitSize = 59;
inline constexpr int kPlateWidth = 92;
inline constexpr int kPlateHeight = 23;
inline constexpr int kGameNumberSize = 32;

// The hidden-hand strip: one cell per hand size 1..7, side by side.
inline constexpr int kStripWidth = 2175;
inline constexpr int kStripHeight = 302;
inline constexpr std::array<int, 8> kFanWidth = {0, 151, 261, 265, 319, 366, 398, 415};
// Where cell n starts: the widths of cells 1..n-1 summed.
constexpr int FanCellX(int n) {
  int x = 0;
  for (int i = 1; i < n; ++i) x += kFanWidth[i];
  return x;
}

// --- places on the flat table ------------------------------------------------------------
inline constexpr Rect kStockPlace{345, 398, 496, 613};
inline constexpr Rect kRiverPlace{514, 398, 665, 613};
inline constexpr int kPileBottom = 613;
inline constexpr int kPileTopAtRest = 389;  // the pile's top card with no height growth

inline constexpr std::array<Rect, 10> kMeldSlotRect = {
    Rect::Sized(55, 55, 211, 215),   Rect::Sized(284, 55, 211, 215),
    Rect::Sized(513, 55, 211, 215),  Rect::Sized(742, 55, 211, 215),
    Rect::Sized(55, 288, 272, 215),  Rect::Sized(683, 288, 272, 215),
    Rect::Sized(55, 521, 272, 215),  Rect::Sized(683, 521, 272, 215),
    Rect::Sized(55, 754, 441, 215),  Rect::Sized(514, 754, 441, 215),
};
// The room over which a row's cards are spread (its width less one card).
constexpr int MeldSpreadRoom(int row) { return row < 4 ? 60 : row < 8 ? 121 : 290; }

inline constexpr std::array<Rect, 5> kReachCoinPlace = {
    Rect::Sized(631, 333, 39, 39), Rect::Sized(570, 288, 39, 39), Rect::Sized(401, 288, 39, 39),
    Rect::Sized(340, 333, 39, 39), Rect::Sized(485, 702, 39, 39),
};
// The opening-seat cards lie at the left end of meld rows 5, 2, 1, 4 and 9.
inline constexpr std::array<int, 5> kOpeningSeatRow = {5, 2, 1, 4, 9};

// --- places on the canvas --------------------------------------------------------------------
struct Anchor {
  int x;
  int y;
};
inline constexpr std::array<Anchor, 5> kSeatAnchor = {
    Anchor{1080, 220}, Anchor{680, 0}, Anchor{316, 0}, Anchor{10, 220}, Anchor{376, 630}};

// The six buttons of the button strip: start, settings, help, angle up, angle
// down, declarations.
inline constexpr std::array<Rect, 6> kButtonRect = {
    Rect{10, 20, 55, 52},   Rect{55, 20, 87, 52},   Rect{87, 20, 119, 52},
    Rect{119, 20, 146, 52}, Rect{146, 20, 173, 52}, Rect{173, 20, 205, 52},
};
inline constexpr Rect kGameNumberRect{205, 20, 237, 52};
inline constexpr int kButtonStripX = 10;
inline constexpr int kButtonStripY = 20;

inline constexpr int kPendingGoldX = 1078;
inline constexpr int kPendingSilverX = 1121;
inline constexpr int kPendingTop = 10;
inline constexpr int kPendingStep = 15;
inline constexpr Rect kPendingHitRect{1121, 10, 1160, 49};

// --- colours ------------------------------------------------------------------------------------
namespace colours {
inline constexpr QRgb kBackground = 0xff408080;     // (64, 128, 128)
inline constexpr QRgb kTableBorder = 0xff808000;    // (128, 128, 0)
inline constexpr QRgb kTableBorderLine = 0xff804000;  // (128, 64, 0)
inline constexpr QRgb kFelt = 0xff008000;           // (0, 128, 0)
inline constexpr QRgb kPlace = 0xff009000;          // (0, 144, 0)
inline constexpr QRgb kPlaceLine = 0xff009600;      // (0, 150, 0)
inline constexpr QRgb kPileSide = 0xff808080;       // (128, 128, 128)
inline constexpr QRgb kTableEdge = 0xff804000;      // (128, 64, 0)
inline constexpr QRgb kText = 0xff0000ff;           // (0, 0, 255)
inline constexpr QRgb kStripKey = 0xfffff7ff;       // (255, 247, 255)
inline constexpr QRgb kCardFrame = 0xff78783c;      // (120, 120, 60)
inline constexpr QRgb kCoinKey = 0xffff0000;        // pure red
inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kBlack = 0xff000000;
}  // namespace colours

// Canvas to window pixels; the scale factors are the shell's ScaleX, ScaleY.
Rect ToWindow(const Rect& r, float scaleX, float scaleY);

}  // namespace tolva
