#include "render/ResultPicture.h"

#include <algorithm>
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
  // A byte a tile (bytes, not bits: the rows are scanned every frame of a
  // dissolve, and a large window has thousands of tiles).
  std::vector<std::uint8_t> touched(static_cast<size_t>(columns) * static_cast<size_t>(rows), 0);
  const QRect window(QPoint(0, 0), client);
  for (const QRect& square : squares) {
    const QRect r = square.intersected(window);
    if (r.isEmpty()) continue;
    for (int row = r.top() / side; row <= r.bottom() / side; ++row) {
      std::uint8_t* line = touched.data() + static_cast<size_t>(row) * static_cast<size_t>(columns);
      for (int column = r.left() / side; column <= r.right() / side; ++column) line[column] = 1;
    }
  }
  // Rows of tiles are the region's bands: its rectangles come sorted by row,
  // then along the row, apart from each other, as a region keeps them.
  std::vector<QRect> runs;
  runs.reserve(squares.size() * 2);
  for (int row = 0; row < rows; ++row) {
    const std::uint8_t* line = touched.data() + static_cast<size_t>(row) * static_cast<size_t>(columns);
    for (int column = 0; column < columns;) {
      if (line[column] == 0) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < columns && line[column] != 0) ++column;
      runs.push_back(QRect(start * side, row * side, (column - start) * side, side).intersected(window));
    }
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
