// The end-of-game picture in its coloured frame over the whole window, the
// dissolve that copies the canvas back square by square at random places, and
// the blink of a seat's hand. The shell drives the loops (serving its window's
// messages between batches); the pixels are decided here.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <random>
#include <vector>

#include "render/HitRects.h"
#include "res/ResourceIds.h"

namespace tolva {

// Yellow for the drawn game, blue for the failed Tolva, magenta for the rest.
QRgb ResultFrameColour(ResultPicture picture);

// Where the picture goes: 9/10 of the client's width and height (each
// int(size / 10) x 9), centred.
Rect ResultPictureRect(QSize client);

// Fills the client area with the frame colour and stretches (halftone) the
// picture into ResultPictureRect.
void DrawResultPicture(QPainter& window, QSize client, const QImage& picture, QRgb frame);

// One run of the dissolve: a fixed number of squares at random window points
// (600 000 squares of side 1 when fine, else 100 000 of side 6), each copied
// from the canvas point under it, stretched by the scale factors.
class DissolveRun {
 public:
  struct Square {
    QRect source;  // canvas pixels
    QRect target;  // window pixels
  };

  DissolveRun(std::uint32_t seed, bool fine, QSize client, float scaleX, float scaleY);

  int Total() const { return total_; }
  int Done() const { return done_; }
  bool Finished() const { return done_ >= total_; }

  // The next square (the run counts it as done).
  Square Next();
  // Takes up to `count` further squares without copying anything: their
  // window rectangles are added to `shown`; answers how many.
  int Take(int count, std::vector<QRect>& shown);
  // Copies up to `count` further squares onto the window; answers how many.
  int Step(QPainter& window, const QImage& canvas, int count);
  // The same at the window's device pixels: `window` is its picture and
  // `deviceCanvas` the canvas made at the window's scale (from the window's
  // origin), both `dpr` device pixels a window pixel; a square is the
  // canvas's own pixels under it. Each square's window rectangle is added to
  // `shown`.
  int Step(QImage& window, const QImage& deviceCanvas, qreal dpr, int count,
           std::vector<QRect>& shown);

  // Two runs are equal when they stand at the same square of the same sequence.
  friend bool operator==(const DissolveRun&, const DissolveRun&) = default;

 private:
  std::mt19937 random_;
  int total_ = 0;
  int done_ = 0;
  int side_ = 1;
  QSize client_;
  float scaleX_ = 1;
  float scaleY_ = 1;
};

// The window region that shows a frame's squares: the tiles of the window
// (a few pixels square) that any of them touches, joined along each row of
// tiles. It is what a dissolve frame repaints, rather than the whole window.
QRegion SquaresRegion(const std::vector<QRect>& squares, QSize client);

// The window rectangle FlashSeatHand inverts for a seat.
Rect FlashSeatHandRect(const HitRects& hits, int seat, float scaleX, float scaleY);

}  // namespace tolva
