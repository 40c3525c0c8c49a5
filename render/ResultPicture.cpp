#include "render/ResultPicture.h"

#include <algorithm>

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

Rect FlashSeatHandRect(const HitRects& hits, int seat, float scaleX, float scaleY) {
  if (seat < 0 || seat >= static_cast<int>(hits.SeatHandRect.size())) return {};
  return ToWindow(hits.SeatHandRect[seat], scaleX, scaleY);
}

}  // namespace tolva
