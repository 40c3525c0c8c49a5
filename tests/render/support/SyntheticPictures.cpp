#include "tests/render/support/SyntheticPictures.h"

#include <QFile>
#include <QFont>
#include <QImageWriter>
#include <QPainter>
#include <cstdlib>

#include "render/CardBacks.h"
#include "render/Pixels.h"
#include "rules/Card.h"
#include "rules/CardText.h"

namespace tolva::testing {

namespace {

QFont Font(int pixels, bool bold = false) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A picture of w x h drawn at `density` times that size: painters on it draw
// in its own coordinates, so a denser picture has finer detail, not larger
// blocks.
QImage Filled(int w, int h, QRgb colour, int density = 1) {
  QImage image(w * density, h * density, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

void Dense(QPainter& p, int density) { p.scale(density, density); }

void DrawFaceCell(QPainter& p, int x, int y, int code, QRgb body) {
  p.fillRect(x, y, kCardWidth, kCardHeight, Qt::white);
  p.fillRect(x + 6, y + 6, kCardWidth - 12, kCardHeight - 12, QColor::fromRgb(body));
  p.setPen(Qt::black);
  p.setFont(Font(22, true));
  const QString name = IsJoker(code) ? QStringLiteral("Jk") : QString::fromStdString(CardName(code));
  p.drawText(QRect(x + 8, y + 8, 40, 30), Qt::AlignLeft | Qt::AlignTop, name);
}

QImage NamePlates(int density) {
  QImage image = Filled(2 * kPlateWidth, 5 * kPlateHeight, colours::kBackground, density);
  QPainter p(&image);
  Dense(p, density);
  p.setFont(Font(13));
  for (int seat = 0; seat < 5; ++seat)
    for (int column = 0; column < 2; ++column) {
      const QRect plate(column * kPlateWidth + 1, seat * kPlateHeight + 1, kPlateWidth - 2,
                        kPlateHeight - 2);
      p.fillRect(plate, column == 0 ? QColor(235, 190, 60) : QColor(205, 205, 205));
      p.setPen(Qt::black);
      p.drawText(plate, Qt::AlignCenter, QString::fromUtf8(kSeatNames[seat].data(),
                                                          static_cast<int>(kSeatNames[seat].size())));
    }
  return image;
}

QImage Coins(int density) {
  QImage image = Filled(2 * kCoinSize, kCoinSize, colours::kCoinKey, density);
  QPainter p(&image);
  Dense(p, density);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 180, 40));
  p.drawEllipse(3, 3, 60, 60);
  p.setBrush(QColor(190, 190, 205));
  p.drawEllipse(kCoinSize + 3, 3, 60, 60);
  return image;
}

QImage GameNumbers(int density) {
  QImage image = Filled(10 * kGameNumberSize, 2 * kGameNumberSize, colours::kBackground, density);
  QPainter p(&image);
  Dense(p, density);
  p.setFont(Font(16, true));
  for (int row = 0; row < 2; ++row)
    for (int n = 0; n < 10; ++n) {
      const QRect frame(n * 32 + 2, row * 32 + 2, 28, 28);
      p.fillRect(frame, row == 0 ? QColor(240, 140, 40) : QColor(180, 180, 180));
      p.setPen(Qt::black);
      p.drawText(frame, Qt::AlignCenter, QString::number(n + 1));
    }
  return image;
}

QImage Digits(int density) {
  QImage image = Filled(10 * kDigitSize, kDigitSize, colours::kWhite, density);
  QPainter p(&image);
  Dense(p, density);
  p.setFont(Font(44, true));
  for (int d = 0; d < 10; ++d) {
    const QRect cell(d * kDigitSize + 4, 4, kDigitSize - 8, kDigitSize - 8);
    p.fillRect(cell, QColor::fromRgb(DigitColour(d)));
    p.setPen(Qt::black);
    p.drawText(cell.adjusted(8, 8, 0, 0), Qt::AlignCenter, QString::number(d));
  }
  return image;
}

QImage Buttons(int density) {
  QImage image = Filled(195, 32, qRgb(200, 200, 210), density);
  QPainter p(&image);
  Dense(p, density);
  p.setFont(Font(12));
  static const char* kLabels[6] = {"Start", "Set", "?", "Up", "Dn", "!"};
  for (int i = 0; i < 6; ++i) {
    const Rect& r = kButtonRect[i];
    const QRect button(r.left - 10, 0, r.Width(), 32);
    p.setPen(QColor(90, 90, 100));
    p.drawRect(button.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(button, Qt::AlignCenter, QString::fromLatin1(kLabels[i]));
  }
  return image;
}

QImage CardBack(int density) {
  // A solid body with an ornament ring well inside it, so that a probe 20
  // pixels from the left edge always meets the body colour.
  QImage image = Filled(kCardWidth, kCardHeight, qRgb(255, 255, 255), density);
  QPainter p(&image);
  Dense(p, density);
  p.fillRect(5, 5, kCardWidth - 10, kCardHeight - 10, QColor::fromRgb(kBackColour));
  p.setPen(QPen(QColor(120, 140, 220), 3));
  p.drawRoundedRect(QRect(32, 40, 87, 135), 12, 12);
  p.drawEllipse(QRect(55, 80, 41, 55));
  return image;
}

QImage Cursor(int density) {
  QImage image = Filled(20, 18, colours::kWhite, density);
  QPainter p(&image);
  Dense(p, density);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 0, 0));
  p.drawPolygon(QPolygon({QPoint(10, 17), QPoint(2, 5), QPoint(18, 5)}));
  return image;
}

QImage ResultPicture(int id, int density) {
  QImage image = Filled(300, 200, qRgb(40 + id % 7 * 30, 60 + id % 5 * 30, 90 + id % 3 * 50), density);
  QPainter p(&image);
  Dense(p, density);
  p.setPen(Qt::white);
  p.setFont(Font(48, true));
  p.drawText(image.rect(), Qt::AlignCenter, QString::number(id));
  return image;
}

}  // namespace

QRgb FaceColour(int code) {
  if (IsJoker(code)) return qRgb(250, 210, 40);
  const int suit = SuitOf(code);
  const int rank = RankOf(code);
  static constexpr int kHue[4] = {210, 0, 30, 120};
  return QColor::fromHsv(kHue[suit], 90 + rank * 12, 120 + rank * 9).rgb();
}

QRgb DigitColour(int digit) { return QColor::fromHsv(digit * 36, 200, 230).rgb(); }

QImage SyntheticCardSheet(int density) {
  QImage sheet(kRanks * kCardWidth * density, kSuits * kCardHeight * density, QImage::Format_RGB32);
  QPainter p(&sheet);
  Dense(p, density);
  for (int code = 1; code <= kOrdinaryCards; ++code)
    DrawFaceCell(p, RankOf(code) * kCardWidth, SuitOf(code) * kCardHeight, code, FaceColour(code));
  return sheet;
}

QImage SyntheticBitmap(int id, int density) {
  switch (id) {
    case kBmpJokerStrip: {
      QImage image = Filled(906, kCardHeight, qRgb(60, 60, 60), density);
      QPainter p(&image);
      Dense(p, density);
      DrawFaceCell(p, 0, 0, 53, FaceColour(53));
      return image;
    }
    case kBmpButtons:
      return Buttons(density);
    case kBmpMap:
      return Filled(1831, 649, qRgb(40, 90, 160), density);
    case kBmpNamePlates:
      return NamePlates(density);
    case kBmpCardBack:
      return CardBack(density);
    case kBmpCoins:
      return Coins(density);
    case kBmpGameNumbers:
      return GameNumbers(density);
    case kBmpCursor:
      return Cursor(density);
    case kBmpDigits:
      return Digits(density);
    default:
      for (int result : kResultBitmaps)
        if (id == result) return ResultPicture(id, density);
      return {};
  }
}

SyntheticPictures::SyntheticPictures() = default;

QImage SyntheticPictures::Bitmap(int id) const {
  if (missing.count(id)) return {};
  if (const auto found = replaced.find(id); found != replaced.end()) return found->second;
  return SyntheticBitmap(id);
}

QImage SyntheticPictures::Bitmap(int id, int density) const {
  if (!dense || missing.count(id)) return {};
  return SyntheticBitmap(id, density);
}

QImage SyntheticPictures::CardSheet(int density, const QRect& clip) const {
  if (!dense) return {};
  const QImage sheet = SyntheticCardSheet(density);
  return clip.isEmpty() ? sheet : sheet.copy(clip);
}

QString WriteCardLibrary(const QString& folder, const QImage& sheet) {
  const QString path = folder + QStringLiteral("/TolvaGameSys.dll");
  {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(100);
    if (!writer.write(sheet)) return {};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return {};
  file.write("TLV1", 4);  // the shipped file does not start with the JPEG markers
  return path;
}

Surfaces LoadedSurfaces(const SyntheticPictures& pictures) {
  Surfaces s;
  if (!LoadBoardPictures(s, pictures, false, {})) std::abort();
  s.CardSheet = SyntheticCardSheet();
  if (!BuildHiddenHandStrip(s, CardBackOptions{}, {}, {})) std::abort();
  return s;
}

SceneState SceneFor(const TableState& t, double viewAngle) {
  SceneState scene;
  scene.t = &t;
  scene.TableActive = 1;
  scene.Initialising = 0;
  scene.ViewAngle = viewAngle;
  return scene;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace tolva::testing
