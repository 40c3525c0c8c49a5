#include "render/ResultPicture.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "render/DeviceScale.h"
#include "render/Pixels.h"

namespace tolva {

QRgb ResultFrameColour(ResultPicture picture) {
  switch (picture) {
    case ResultPicture::DrawnGame:
      return qRgb(255, 255, 0);
    case ResultPicture::TolvaFailed:
      return qRgb(0, 0, 255);
    default:
      return qRgb(255, 0, 255);
  }
}

Rect ResultPictureRect(QSize client) {
  const int w = client.width() / 10 * 9;
  const int h = client.height() / 10 * 9;
  return Rect::Sized((client.width() - w) / 2, (client.height() - h) / 2, w, h);
}

void DrawResultPicture(QPainter& window, QSize client, const QImage& picture, QRgb frame) {
  window.fillRect(QRect(QPoint(0, 0), client), QColor::fromRgb(frame));
  const Rect place = ResultPictureRect(client);
  if (picture.isNull() || place.IsEmpty()) return;
  window.setRenderHint(QPainter::SmoothPixmapTransform, true);
  window.drawImage(place.ToQRect(), picture);
}

DissolveRun::DissolveRun(std::uint32_t seed, bool fine, QSize client, float scaleX, float scaleY)
    : random_(seed),
      total_(client.width() > 0 && client.height() > 0 && scaleX > 0 && scaleY > 0
                 ? (fine ? 600000 : 100000)
                 : 0),
      side_(fine ? 1 : 6),
      client_(client),
      scaleX_(scaleX),
      scaleY_(scaleY) {}

DissolveRun::Square DissolveRun::Next() {
  ++done_;
  const int x = static_cast<int>(random_() % static_cast<unsigned>(client_.width()));
  const int y = static_cast<int>(random_() % static_cast<unsigned>(client_.height()));
  Square square;
  square.source = QRect(static_cast<int>(x / scaleX_), static_cast<int>(y / scaleY_), side_, side_);
  square.target = QRect(x, y, std::max(1, static_cast<int>(side_ * scaleX_)),
                        std::max(1, static_cast<int>(side_ * scaleY_)));
  return square;
}

int DissolveRun::Step(QPainter& window, const QImage& canvas, int count) {
  window.setRenderHint(QPainter::SmoothPixmapTransform, true);
  int drawn = 0;
  while (drawn < count && !Finished()) {
    const Square square = Next();
    if (!canvas.isNull()) window.drawImage(square.target, canvas, square.source);
    ++drawn;
  }
  return drawn;
}

int DissolveRun::Take(int count, std::vector<QRect>& shown) {
  int taken = 0;
  for (; taken < count && !Finished(); ++taken) shown.push_back(Next().target);
  return taken;
}

int DissolveRun::Step(QImage& window, const QImage& deviceCanvas, qreal dpr, int count,
                      std::vector<QRect>& shown) {
  const size_t first = shown.size();
  const int drawn = Take(count, shown);
  if (deviceCanvas.isNull() || deviceCanvas.format() != window.format() || window.depth() != 32)
    return drawn;
  for (size_t i = first; i < shown.size(); ++i) {
    const QRect pixels = DevicePixelsOf(shown[i], dpr)
                             .intersected(window.rect())
                             .intersected(deviceCanvas.rect());
    // The canvas's own pixels under the square.
    const size_t bytes = static_cast<size_t>(pixels.width()) * 4;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
      std::memcpy(window.scanLine(y) + pixels.left() * 4,
                  deviceCanvas.constScanLine(y) + pixels.left() * 4, bytes);
  }
  return drawn;
}

QRegion SquaresRegion(const std::vector<QRect>& squares, QSize client) {
  // Tiles as large as the squares (at least 16 pixels) keep the region's
  // rectangles few; each square touches at most four.
  int side = 16;
  for (const QRect& square : squares) side = std::max({side, square.width(), square.height()});
  const int columns = (client.width() + side - 1) / side;
  const int rows = (client.height() + side - 1) / side;
  if (columns <= 0 || rows <= 0) return {};
  // A bit a tile, 64 tiles a word: every frame of a dissolve looks for the
  // touched tiles of a grid that grows with the window (7,500 tiles at
  // 1600 x 1200), and a word of untouched tiles is passed over at once.
  constexpr int kTilesPerWord = 64;
  const int words = (columns + kTilesPerWord - 1) / kTilesPerWord;
  std::vector<std::uint64_t> touched(static_cast<size_t>(words) * static_cast<size_t>(rows), 0);
  const auto line = [&](int row) { return touched.data() + static_cast<size_t>(row) * static_cast<size_t>(words); };
  for (const QRect& square : squares) {
    if (square.isEmpty() || square.left() >= client.width() || square.top() >= client.height() ||
        square.right() < 0 || square.bottom() < 0)
      continue;
    const int firstColumn = std::max(square.left(), 0) / side;
    const int lastColumn = std::min(square.right(), client.width() - 1) / side;
    const int lastRow = std::min(square.bottom(), client.height() - 1) / side;
    for (int row = std::max(square.top(), 0) / side; row <= lastRow; ++row)
      for (int column = firstColumn; column <= lastColumn; ++column)
        line(row)[column / kTilesPerWord] |= std::uint64_t{1} << (column % kTilesPerWord);
  }
  // Rows of tiles are the region's bands: its rectangles come sorted by row,
  // then along the row, apart from each other, as a region keeps them.
  std::vector<QRect> runs;
  runs.reserve(squares.size() * 2);
  const QRect window(QPoint(0, 0), client);
  for (int row = 0; row < rows; ++row) {
    const auto run = [&](int start, int end) {
      runs.push_back(QRect(start * side, row * side, (end - start) * side, side).intersected(window));
    };
    int start = -1;  // the first tile of the run under way
    for (int w = 0; w < words; ++w) {
      const std::uint64_t bits = line(row)[w];
      // (The bits past the last column are clear, so a run ends there.)
      for (int at = 0; at < kTilesPerWord;) {
        const std::uint64_t ahead = (start < 0 ? bits : ~bits) >> at;
        if (ahead == 0) break;
        at += std::countr_zero(ahead);
        if (start < 0) {
          start = w * kTilesPerWord + at;
        } else {
          run(start, w * kTilesPerWord + at);
          start = -1;
        }
      }
    }
    if (start >= 0) run(start, columns);
  }
  QRegion region;
  region.setRects(runs.data(), static_cast<int>(runs.size()));
  return region;
}

Rect FlashSeatHandRect(const HitRects& hits, int seat, float scaleX, float scaleY) {
  if (seat < 0 || seat >= static_cast<int>(hits.SeatHandRect.size())) return {};
  return ToWindow(hits.SeatHandRect[seat], scaleX, scaleY);
}

}  // namespace tolva
