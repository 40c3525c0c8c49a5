#include "render/DrawList.h"

#include <QHash>
#include <algorithm>
#include <unordered_map>

#include "render/Text.h"

namespace tolva {

namespace {

size_t HashOf(const DrawCommand& c) {
  size_t seed = qHashMulti(0, static_cast<int>(c.op), c.rect.left, c.rect.top, c.rect.right,
                           c.rect.bottom, c.colour, c.line);
  return qHashMulti(seed, static_cast<int>(c.picture.kind), c.picture.index, c.text, c.angle);
}

struct CommandHash {
  size_t operator()(const DrawCommand* c) const { return HashOf(*c); }
};
struct CommandEqual {
  bool operator()(const DrawCommand* a, const DrawCommand* b) const { return *a == *b; }
};

}  // namespace

DrawList::DrawList() : font_(CanvasFont()) { commands_.reserve(256); }

void DrawList::Add(DrawOp op, const Rect& r, QRgb colour, QRgb line) {
  DrawCommand& c = commands_.emplace_back();
  c.op = op;
  c.rect = r;
  c.colour = colour;
  c.line = line;
}

void DrawList::Fill(const Rect& r, QRgb colour) {
  if (!r.IsEmpty()) Add(DrawOp::Fill, r, colour);
}

void DrawList::Outlined(const Rect& r, QRgb fill, QRgb line) {
  if (!r.IsEmpty()) Add(DrawOp::Outlined, r, fill, line);
}

void DrawList::Gradient(const Rect& r, QRgb top, QRgb bottom) {
  if (!r.IsEmpty()) Add(DrawOp::Gradient, r, top, bottom);
}

void DrawList::Picture(PictureRef picture, const Rect& place) {
  if (place.IsEmpty()) return;
  Add(DrawOp::Picture, place);
  commands_.back().picture = picture;
}

Rect DrawList::Text(int x, int y, const QString& text) {
  const Rect box = TextBox(font_, x, y, text);
  Add(DrawOp::Text, box);
  commands_.back().text = text;
  return box;
}

void DrawList::Invert(const Rect& r) {
  if (!r.IsEmpty()) Add(DrawOp::Invert, r);
}

void DrawList::Table(const Rect& bounds, double angle) {
  Add(DrawOp::Table, bounds);
  commands_.back().angle = angle;
}

Rect Inflated(const Rect& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

Rect Union(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

std::vector<Rect> Changes(const DrawList& before, const DrawList& after, const Rect& whole) {
  if (before.Empty() || after.Empty()) return {whole};
  const auto& old = before.Commands();
  const auto& now = after.Commands();
  // Each command of the new list takes the first unclaimed equal one of the old.
  std::unordered_map<const DrawCommand*, std::vector<size_t>, CommandHash, CommandEqual> waiting;
  waiting.reserve(old.size());
  for (size_t i = old.size(); i-- > 0;) waiting[&old[i]].push_back(i);
  std::vector<bool> kept(old.size(), false);
  std::vector<Rect> changes;
  size_t lastKept = 0;
  bool first = true;
  for (const DrawCommand& command : now) {
    const auto found = waiting.find(&command);
    if (found == waiting.end() || found->second.empty()) {
      changes.push_back(command.rect);
      continue;
    }
    const size_t index = found->second.back();
    found->second.pop_back();
    // A shared command drawn in another order may cover others differently.
    if (!first && index < lastKept) return {whole};
    first = false;
    lastKept = index;
    kept[index] = true;
  }
  for (size_t i = 0; i < old.size(); ++i)
    if (!kept[i]) changes.push_back(old[i].rect);
  return changes;
}

}  // namespace tolva
