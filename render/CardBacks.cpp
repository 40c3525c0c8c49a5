#include "render/CardBacks.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "render/ImageFiles.h"
#include "render/Pixels.h"
#include "render/TempFolder.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

constexpr int kUprightTop = 46;     // the one-card cell's back stands at (0, 46)
constexpr int kFanBaseline = 261;   // every fan turns about a point on this row

// Copies `picture` onto `target` at (x, y), leaving out its key-coloured pixels.
void CopyWithKey(QImage& target, const QImage& picture, int x, int y, QRgb key) {
  for (int i = 0; i < picture.height(); ++i) {
    const int ty = y + i;
    if (ty < 0 || ty >= target.height()) continue;
    const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(i));
    auto* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
    for (int j = 0; j < picture.width(); ++j) {
      const int tx = x + j;
      if (tx < 0 || tx >= target.width() || (in[j] & 0x00ffffff) == (key & 0x00ffffff)) continue;
      out[tx] = in[j] | 0xff000000u;
    }
  }
}

// The turned back's corners (0, 0), (lastU, 0), (lastU, lastV), (0, lastV)
// rotated by `degrees`: (x, y) goes to (x c + y s, y c - x s).
struct Rotation {
  double c = 1, s = 0;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;  // over the corners and 0
  std::array<QPoint, 4> corners;                  // truncated
};

Rotation RotationOf(int lastU, int lastV, double degrees) {
  Rotation r;
  const double theta = degrees * std::atan(1.0) * 4 / 180;
  r.c = std::cos(theta);
  r.s = std::sin(theta);
  const std::array<QPointF, 4> source = {QPointF(0, 0), QPointF(lastU, 0), QPointF(lastU, lastV),
                                         QPointF(0, lastV)};
  for (int i = 0; i < 4; ++i) {
    const double x = source[i].x() * r.c + source[i].y() * r.s;
    const double y = source[i].y() * r.c - source[i].x() * r.s;
    r.corners[i] = QPoint(static_cast<int>(x), static_cast<int>(y));
    r.minX = std::min(r.minX, x);
    r.maxX = std::max(r.maxX, x);
    r.minY = std::min(r.minY, y);
    r.maxY = std::max(r.maxY, y);
  }
  return r;
}

QString TempFile(const char* name, const MessageSink& messages) {
  const QString folder = TempFolder(QString(), messages);
  return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + QLatin1String(name);
}

void FrameCardBack(Surfaces& s) {
  s.CardBackFramed = true;
  QPainter painter(&s.CardBack);
  FrameRect(painter, Rect{0, 0, kCardWidth, kCardHeight}, colours::kCardFrame);
}

}  // namespace

bool LoadFreeImage(Surfaces& s, const MessageSink& messages) {
  const QString path = TempFile(kFreeImageFile, messages);
  if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
  s.Scratch = NewSurface(kCardWidth, kCardHeight);
  if (s.Scratch.isNull()) {
    Report(messages, kMsgOutOfMemory, MessageStyle::Error);
    return false;
  }
  const QImage picture = ReadImageFile(path);
  if (picture.isNull()) return false;
  QPainter painter(&s.Scratch);
  painter.drawImage(0, 0, picture);
  return true;
}

bool LoadCardBack(Surfaces& s, bool turned, const CardBackOptions& options,
                  const MessageSink& messages) {
  const QImage* source = &s.CardBack;
  if (options.BackSet == 1 && LoadFreeImage(s, messages)) {
    if (!turned) {
      s.CardBack = s.Scratch.copy();
      s.CardBackFree = true;
      s.CardBackFramed = false;
      s.CardBackShown = Keyed(s.CardBack, colours::kStripKey);
      return true;
    }
    source = &s.Scratch;
  } else {
    if (s.DefaultCardBack.isNull()) return false;
    s.CardBack = s.DefaultCardBack.copy(0, 0, kCardWidth, kCardHeight);
    s.CardBackFree = false;
    s.CardBackFramed = false;
    s.CardBackShown = Keyed(s.CardBack, colours::kStripKey);
    if (!turned) return true;
  }

  const QImage back = Opaque(*source);
  QImage onItsSide = NewSurface(kCardHeight, kCardWidth);
  if (onItsSide.isNull() || back.isNull()) return false;
  const int h = std::min(back.height(), kCardHeight);
  const int w = std::min(back.width(), kCardWidth);
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(back.constScanLine(y));
    for (int x = 0; x < w; ++x)
      reinterpret_cast<QRgb*>(onItsSide.scanLine(x))[kCardHeight - 1 - y] = line[x];
  }
  s.Scratch = std::move(onItsSide);
  return true;
}

RotatedBack RotateTurnedBack(const QImage& turned, double degrees) {
  RotatedBack result;
  const int lastU = turned.width() - 1;
  const int lastV = turned.height() - 1;
  const Rotation r = RotationOf(lastU, lastV, degrees);
  const double c = r.c, s = r.s, minX = r.minX, minY = r.minY;
  result.corners = r.corners;
  const int w = static_cast<int>(r.maxX - minX + 1.5);
  const int h = static_cast<int>(r.maxY - minY + 1.5);
  result.pivot = QPoint(static_cast<int>(-minX), static_cast<int>(-minY));
  result.picture = NewSurface(w, h, colours::kStripKey);
  if (result.picture.isNull() || turned.isNull()) return result;

  const QImage back = Opaque(turned);
  for (int i = 0; i < h; ++i) {
    auto* out = reinterpret_cast<QRgb*>(result.picture.scanLine(i));
    const double y = i + minY;
    for (int j = 0; j < w; ++j) {
      const double x = j + minX;
      const int u = static_cast<int>(x * c - y * s + 0.5);
      const int v = static_cast<int>(x * s + y * c + 0.5);
      if (u >= 0 && u <= lastU && v >= 0 && v <= lastV)
        out[j] = reinterpret_cast<const QRgb*>(back.constScanLine(v))[u];
    }
  }
  return result;
}

bool BuildHiddenHandStrip(Surfaces& s, const CardBackOptions& options,
                          const std::function<void()>& progress, const MessageSink& messages) {
  const auto blink = [&] {
    if (progress) progress();
  };
  if (s.HiddenHandStrip.size() != QSize(kStripWidth, kStripHeight))
    s.HiddenHandStrip = NewSurface(kStripWidth, kStripHeight, colours::kStripKey);
  if (s.HiddenHandStrip.isNull()) return false;
  s.HiddenHandStrip.fill(colours::kStripKey);
  blink();

  if (!LoadCardBack(s, false, options, messages)) return false;
  // A back's own key-coloured pixels (its rounded corners) stay see-through.
  CopyWithKey(s.HiddenHandStrip, Opaque(s.CardBack), 0, kUprightTop, colours::kStripKey);
  const bool frame = options.CardWaku == 1;
  if (frame) {
    QPainter painter(&s.HiddenHandStrip);
    FrameRect(painter, Rect::Sized(0, kUprightTop, kCardWidth, kCardHeight), colours::kCardFrame);
  }

  if (!LoadCardBack(s, true, options, messages)) return false;
  if (s.Scratch.depth() < 16 || s.Scratch.depth() > 32) return false;
  const QImage turned = Opaque(s.Scratch);

  for (int n = 2; n <= 7; ++n) {
    blink();
    const int x0 = FanCellX(n);
    QPoint anchor;
    for (int k = 0; k < n; ++k) {
      const RotatedBack card = RotateTurnedBack(turned, kFanFirstAngle[n] - kFanAngleStep * k);
      if (card.picture.isNull()) return false;
      if (k == 0) anchor = QPoint(x0 + card.pivot.x(), kFanBaseline);
      const QPoint at = anchor - card.pivot;
      CopyWithKey(s.HiddenHandStrip, card.picture, at.x(), at.y(), colours::kStripKey);
      if (frame) {
        QPolygon outline;
        for (const QPoint& corner : card.corners) outline << anchor + corner;
        QPainter painter(&s.HiddenHandStrip);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(colours::kCardFrame), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);
      }
    }
  }
  if (frame) FrameCardBack(s);
  s.PrepareCardBackPictures();
  return true;
}

QImage DrawFan(const QImage& back, int n, QSize size, bool framed) {
  QImage fan(size, kKeyedFormat);
  if (fan.isNull() || n < 1 || n > 7) return {};
  fan.fill(Qt::transparent);
  QPainter painter(&fan);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  // Strip coordinates of cell n, as the strip's own drawing uses them.
  painter.scale(static_cast<double>(size.width()) / kFanWidth[n],
                static_cast<double>(size.height()) / kStripHeight);
  const QRectF upright(0, 0, kCardWidth, kCardHeight);
  const QPen line(QColor::fromRgb(colours::kCardFrame), 1.0);
  if (n == 1) {
    painter.drawImage(upright.translated(0, kUprightTop), back);
    if (framed) {
      painter.setPen(line);
      painter.drawRect(upright.translated(0, kUprightTop).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return fan;
  }
  QPointF anchor;
  for (int k = 0; k < n; ++k) {
    const double degrees = kFanFirstAngle[n] - kFanAngleStep * k;
    const Rotation r = RotationOf(kCardHeight - 1, kCardWidth - 1, degrees);
    if (k == 0) anchor = QPointF(static_cast<int>(-r.minX), kFanBaseline);
    painter.save();
    // The upright back turned a quarter clockwise onto its side, then
    // rotated about its corner (0, 0), which lies on the anchor.
    painter.translate(anchor);
    painter.rotate(-degrees);
    painter.translate(kCardHeight, 0);
    painter.rotate(90);
    painter.drawImage(upright, back);
    painter.restore();
    if (framed) {
      QPolygonF outline;
      for (const QPoint& corner : r.corners) outline << anchor + corner;
      painter.setPen(line);
      painter.setBrush(Qt::NoBrush);
      painter.drawPolygon(outline);
    }
  }
  return fan;
}

bool PrepareCardBacks(Surfaces& s, bool force, const CardBackOptions& options,
                      const std::function<void()>& progress, const MessageSink& messages) {
  // Without a temporary folder the strip is drawn anew and not kept.
  const QString cache = TempFile(kStripCacheFile, messages);
  if (!force && !cache.isEmpty() && QFileInfo(cache).isFile()) {
    const QImage cached = Opaque(ReadImageFile(cache));
    if (cached.size() == QSize(kStripWidth, kStripHeight)) {
      s.HiddenHandStrip = cached;
      if (!LoadCardBack(s, false, options, messages)) return false;
      // The stock's back wears the same frame as the cached fans.
      if (options.CardWaku == 1) FrameCardBack(s);
      s.PrepareCardBackPictures();
      return true;
    }
    // A damaged cache is built again below instead of failing every start.
  }
  if (!BuildHiddenHandStrip(s, options, progress, messages)) return false;
  // A cache that cannot be written costs only the time of the next build.
  if (!cache.isEmpty())
    SaveBitmapAs(s.HiddenHandStrip, cache, kStripWidth, kStripHeight, QStringLiteral("bmp"),
                 OncePerRun(messages));
  return true;
}

Rect ProgressMarkRect(float scaleX, float scaleY) {
  return ToWindow(kButtonRect[0], scaleX, scaleY);
}

QImage StretchToCardBack(const QImage& picture, int density) {
  return Opaque(Halftone(Opaque(picture), kCardWidth * density, kCardHeight * density));
}

bool SaveFreeImageLarge(const QImage& picture, const MessageSink& messages) {
  const QString path = TempFile(kFreeImageLargeFile, messages);
  if (path.isEmpty()) return false;
  return SaveBitmapAs(picture, path, kCardWidth * kFreeImageLargeDensity,
                      kCardHeight * kFreeImageLargeDensity, QStringLiteral("png"), messages);
}

QImage LoadFreeImageLarge() {
  const QString large = TempFile(kFreeImageLargeFile, {});
  const QString small = TempFile(kFreeImageFile, {});
  const QFileInfo largeInfo(large);
  if (large.isEmpty() || !largeInfo.isFile()) return {};
  if (QFileInfo(small).lastModified() > largeInfo.lastModified()) return {};
  const QImage picture = ReadImageFile(large);
  const QSize size(kCardWidth * kFreeImageLargeDensity, kCardHeight * kFreeImageLargeDensity);
  return picture.size() == size ? Opaque(picture) : QImage();
}

}  // namespace tolva
