// The card back in use and the hidden-hand strip drawn from it: one upright
// back and fans of 2 to 7 backs on the key colour (255, 247, 255), cached in
// "CardBack.bmp" in the temporary folder because turning the backs pixel by
// pixel is slow.
#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <functional>

#include "render/Messages.h"
#include "render/Surfaces.h"

namespace tolva {

// The settings the card backs follow ("Last"/"BackSet", "Last"/"CardWaku").
struct CardBackOptions {
  int BackSet = 0;   // 1: the player's free image "CardBack.jpg"; anything else the default
  int CardWaku = 1;  // 1: a frame line round every card back
};

inline constexpr const char* kFreeImageFile = "CardBack.jpg";
inline constexpr const char* kStripCacheFile = "CardBack.bmp";
// The player's picture again at three times the card back's size, beside
// "CardBack.jpg", so that screens of more pixels show it sharp.
inline constexpr const char* kFreeImageLargeFile = "CardBack@3x.png";
inline constexpr int kFreeImageLargeDensity = 3;

// The angle of each fan's first card (index: cards in the hand); each further
// card lies 15 degrees less.
inline constexpr std::array<int, 8> kFanFirstAngle = {0, 0, 120, 120, 120, 135, 150, 165};
inline constexpr int kFanAngleStep = 15;

// Puts "CardBack.jpg" of the temporary folder into s.Scratch at 151 x 215.
bool LoadFreeImage(Surfaces& s, const MessageSink& messages);

// Puts the card back in use into s.CardBack; with `turned`, also its quarter
// turn clockwise (215 x 151, source pixel (x, y) at (214 - y, x)) into s.Scratch.
bool LoadCardBack(Surfaces& s, bool turned, const CardBackOptions& options,
                  const MessageSink& messages);

// The turned back rotated by `degrees` about its corner (0, 0), on the key
// colour, with where that corner lies in the picture (the pivot) and the four
// rotated corners relative to it.
struct RotatedBack {
  QImage picture;
  QPoint pivot;
  std::array<QPoint, 4> corners;
};
RotatedBack RotateTurnedBack(const QImage& turned, double degrees);

// Draws the strip from the card back in use. `progress` is called once at the
// start and once before each of the six fans (the shell blinks its mark).
bool BuildHiddenHandStrip(Surfaces& s, const CardBackOptions& options,
                          const std::function<void()>& progress, const MessageSink& messages);

// The strip's cell n (1 to 7 cards) drawn afresh at `size` from an upright
// card back `back` of any resolution (its key-coloured corners already
// transparent), on a transparent ground: for screens where the cell would
// otherwise be enlarged. `framed` draws the frame lines as the strip has them.
QImage DrawFan(const QImage& back, int n, QSize size, bool framed);

// Sets up the card back and the strip: from the cache unless `force`d, else by
// building the strip and caching it. A cache that cannot be read back whole is
// built again rather than failing every start; without a temporary folder the
// strip is built and not cached, and one that cannot be written is told once.
bool PrepareCardBacks(Surfaces& s, bool force, const CardBackOptions& options,
                      const std::function<void()>& progress, const MessageSink& messages);

// The window rectangle of the progress mark for the shell's scale factors.
Rect ProgressMarkRect(float scaleX, float scaleY);

// A picture stretched (halftone) to the card back's 151 x 215, times
// `density`, for the free image.
QImage StretchToCardBack(const QImage& picture, int density = 1);

// Writes the player's picture as "CardBack@3x.png" (stretched to three
// times the card back's size); 30001 when it cannot be written.
bool SaveFreeImageLarge(const QImage& picture, const MessageSink& messages);
// That picture, when it is there and no older than "CardBack.jpg" (which a
// program without it may have written since); else a null image.
QImage LoadFreeImageLarge();

}  // namespace tolva
