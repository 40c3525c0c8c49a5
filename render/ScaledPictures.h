// The table's pictures at the device scale. At scale 1 they are the
// surfaces' own pictures, untouched. At any other scale each is made once,
// when first drawn, from the densest version the program has of it (drawn at
// one, two or three times the canvas's size by the picture generator),
// shrunk with area averaging to its size in device pixels; so no picture on
// the screen is an enlarged smaller bitmap. A change of scale or of the
// surfaces' pictures (Surfaces::Version) forgets what was made.
#pragma once

#include <QImage>
#include <array>
#include <map>
#include <memory>
#include <tuple>

#include "render/DeviceScale.h"
#include "render/DrawList.h"
#include "render/PictureSource.h"
#include "render/Surfaces.h"

namespace tolva {

class ScaledPictures {
 public:
  explicit ScaledPictures(Surfaces& s) : s_(s) {}

  // Where the denser pictures come from; without one, the surfaces' pictures
  // are scaled.
  void SetSource(std::shared_ptr<const PictureSource> source);
  void SetScale(const DeviceScale& scale);
  const DeviceScale& Scale() const { return scale_; }

  // What to copy for a picture drawn over `place` (canvas coordinates): the
  // image and the part of it, whose size is the place's in device pixels.
  struct Piece {
    const QImage* image = nullptr;
    QRect source;
  };
  Piece Get(PictureRef picture, const Rect& place);

  // The keyboard cursor's sprite at a size in device pixels.
  const QImage& Cursor(QSize size);
  // An end-of-game picture (bitmap number) to be stretched to `size` device
  // pixels: the least dense version there is that needs no enlarging (the
  // densest one, when all do).
  QImage Result(int id, QSize size) const;
  // The card back (the face down dragged stock card) at the device scale.
  Piece CardBack() { return Get({PictureKind::CardBack, 0}, Rect::Sized(0, 0, kCardWidth, kCardHeight)); }

 private:
  void ForgetIfStale();
  void Forget();
  // A bitmap at the density the scale asks for (its key made transparent),
  // or the surfaces' own when the program has no denser one; with the
  // density it was drawn at.
  struct Dense {
    QImage image;
    int density = 1;
  };
  const Dense& Bitmap(int id);
  // The face at the scale: a cell of faces_, its suit's row made from the
  // densest sheet there is when it is first asked for; the joker apart.
  Piece Face(int code);
  bool MakeSuit(int suit);
  QImage DenseCardBack();
  QImage Make(PictureRef picture, QSize size);
  // The cell (x, y, w, h in 1x pixels) of a dense bitmap.
  static QImage Cell(const Dense& dense, int x, int y, int w, int h);

  Surfaces& s_;
  std::shared_ptr<const PictureSource> source_;
  DeviceScale scale_;
  int version_ = -1;
  std::map<int, Dense> bitmaps_;  // by bitmap number, at the scale's density
  // The 52 faces at the scale in cells of one size, as the sheet lays them out.
  QImage faces_;
  std::array<bool, 4> suitMade_{};
  std::map<std::tuple<int, int, int, int>, QImage> made_;  // kind, index, w, h
  // The faces shrunk for the computer seats' face-up hands, a bounded few.
  std::map<std::tuple<int, int, int>, QImage> shrunkFaces_;  // code, w, h
  std::map<std::pair<int, int>, QImage> cursors_;
};

}  // namespace tolva
