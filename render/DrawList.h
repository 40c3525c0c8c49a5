// A picture described before it is drawn: the list of what the canvas (or the
// flat table) is made of, in drawing order, each item with the rectangle it
// covers. Composing records a list; painting it (DrawListPainter.h) makes the
// pixels at any device scale; comparing the list with the one drawn before
// tells which rectangles changed, so only those are painted again.
#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

#include "render/Geometry.h"

namespace tolva {

// The pictures a list draws, by what they show rather than by their pixels,
// so one list serves every scale.
enum class PictureKind : std::uint8_t {
  Face,        // index: the card code (the joker for codes above 52)
  CardBack,    // the card back in use
  Buttons,     // the six icons
  NamePlate,   // index: seat × 2 + column (0 lit, 1 plain)
  GameNumber,  // index: row × 10 + game − 1
  GoldCoin,    // 39 x 39
  SilverCoin,  // 39 x 39
  FarFan,      // index: cards in the fan
  NearFan,     // index: cards in the fan
  Digit,       // index: the digit
};

struct PictureRef {
  PictureKind kind = PictureKind::Face;
  int index = 0;
  friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

enum class DrawOp : std::uint8_t {
  Fill,      // colour
  Outlined,  // colour, with a one-pixel outline of `line` just inside
  Gradient,  // from colour at the rectangle's top to `line` at its bottom
  Picture,   // the picture, at the rectangle's size
  Text,      // the canvas text, its box the rectangle
  Invert,    // the colours inverted
  Table,     // the flat table projected at `angle`
};

struct DrawCommand {
  DrawOp op = DrawOp::Fill;
  Rect rect;
  QRgb colour = 0;
  QRgb line = 0;
  PictureRef picture;
  QString text;
  double angle = 0;
  friend bool operator==(const DrawCommand&, const DrawCommand&) = default;
};

class DrawList {
 public:
  DrawList();

  void Clear() { commands_.clear(); }
  bool Empty() const { return commands_.empty(); }
  const std::vector<DrawCommand>& Commands() const { return commands_; }

  void Fill(const Rect& r, QRgb colour);
  void Outlined(const Rect& r, QRgb fill, QRgb line);
  void Gradient(const Rect& r, QRgb top, QRgb bottom);
  void Picture(PictureRef picture, const Rect& place);
  // The text with its top-left corner at (x, y); answers its box.
  Rect Text(int x, int y, const QString& text);
  void Invert(const Rect& r);
  // The flat table projected at the angle; `bounds` is what it covers.
  void Table(const Rect& bounds, double angle);

  // The canvas font the texts are measured and drawn in.
  const QFont& Font() const { return font_; }

 private:
  void Add(DrawOp op, const Rect& r, QRgb colour = 0, QRgb line = 0);

  std::vector<DrawCommand> commands_;
  QFont font_;
};

// Where two lists draw differently: the rectangles of the commands one has
// and the other has not. When the commands they share come in another order,
// or either list is empty, all of `whole`.
std::vector<Rect> Changes(const DrawList& before, const DrawList& after, const Rect& whole);

// The rectangle that holds both.
Rect Union(const Rect& a, const Rect& b);
// The rectangle grown by `by` on every side.
Rect Inflated(const Rect& r, int by);

}  // namespace tolva
