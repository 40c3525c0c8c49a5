#include "ContactSheet.h"

#include <QPainter>

#include <algorithm>

#include "CardGeometry.h"
#include "DialogBitmaps.h"
#include "Style.h"
#include "TableBitmaps.h"

namespace tolva::picturegen {

namespace {

const int kWidth = 2000;
const int kGap = 24;
const int kLabel = 22;
const QColor kPage(44, 48, 56);
const QColor kLabelColour(230, 232, 238);

// The picture with its key colour made transparent, as the table draws it.
QImage Keyed(const QImage& image, const QColor& key) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb k = key.rgb();
  for (int y = 0; y < out.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] | 0xFF000000u) == k) line[x] = 0;
    }
  }
  return out;
}

const QImage* Find(const std::vector<Picture>& pictures, const QString& path) {
  for (const Picture& picture : pictures) {
    if (picture.path == path) return &picture.image;
  }
  return nullptr;
}

// A corner of the table: felt, a meld row, the human's hand of eight cards
// overlapping as the game lays them, plates, coins, digits and the cursor.
QImage MockTable(const std::vector<Picture>& pictures, const QImage& sheet) {
  QImage table(1000, 420, QImage::Format_RGB32);
  QPainter p(&table);
  Smooth(p);
  QLinearGradient canvas(0, 0, 0, 420);
  canvas.setColorAt(0.0, palette::kCanvas);
  canvas.setColorAt(1.0, QColor(0, 108, 108));
  p.fillRect(table.rect(), canvas);
  p.fillRect(QRect(0, 0, 1000, 200), QColor(128, 128, 0));
  p.fillRect(QRect(7, 7, 986, 193), palette::kFelt);
  auto face = [&](int code) {
    return sheet.copy(((code - 1) % 13) * kCardWidth, ((code - 1) / 13) * kCardHeight, kCardWidth,
                      kCardHeight);
  };
  const QImage* jokers = Find(pictures, "pictures/146.png");
  const QImage* back = Find(pictures, "pictures/147.png");
  const QImage* plates = Find(pictures, "pictures/150.png");
  const QImage* coins = Find(pictures, "pictures/133.png");
  const QImage* digits = Find(pictures, "pictures/169.png");
  const QImage* cursor = Find(pictures, "pictures/152.png");
  const QImage* numbers = Find(pictures, "pictures/141.png");
  const QImage* buttons = Find(pictures, "pictures/140.png");
  // A meld row of three, spread as on the table.
  for (int j = 0; j < 3; ++j) p.drawImage(20 + j * 30, 10, face(11 + j * 13));
  if (back) p.drawImage(250, 10, *back);
  if (coins) {
    p.drawImage(QRectF(420, 30, 39, 39), Keyed(*coins, kCoinKey).copy(0, 0, 66, 66));
    p.drawImage(QRectF(470, 30, 39, 39), Keyed(*coins, kCoinKey).copy(66, 0, 66, 66));
  }
  // Face-up computer hand with its points in big digits.
  const int codes[] = {10, 23, 36, 49, 13};
  for (int i = 0; i < 5; ++i) {
    p.drawImage(QRectF(560 + i * 33, 20, 140, 200), face(codes[i]));
  }
  if (digits) {
    const QImage keyed = Keyed(*digits, kWhiteKey);
    p.drawImage(QPointF(688 - 59, 120 - 29), keyed.copy(4 * 59, 0, 59, 59));
    p.drawImage(QPointF(688, 120 - 29), keyed.copy(9 * 59, 0, 59, 59));
  }
  // The human's hand: eight cards, 40 pixels apart.
  const int hand[] = {1, 15, 29, 43, 5, 19, 52, 53};
  for (int i = 0; i < 8; ++i) {
    const QImage card = hand[i] > 52 && jokers ? jokers->copy(0, 0, kCardWidth, kCardHeight)
                                               : face(hand[i]);
    p.drawImage(20 + i * 40, 200, card);
  }
  if (cursor) p.drawImage(20 + 3 * 40 + 10, 180, Keyed(*cursor, kWhiteKey));
  if (plates) {
    const QImage keyed = Keyed(*plates, kPlateKey);
    for (int seat = 0; seat < 5; ++seat) {
      p.drawImage(520, 240 + seat * 30, keyed.copy(seat == 4 ? 0 : 92, seat * 23, 92, 23));
    }
  }
  if (buttons) p.drawImage(640, 250, *buttons);
  if (numbers) {
    const QImage keyed = Keyed(*numbers, kPlateKey);
    p.drawImage(835, 250, keyed.copy(2 * 32, 0, 32, 32));
    p.drawImage(870, 250, keyed.copy(9 * 32, 32, 32, 32));
  }
  p.end();
  return table;
}

int ScaleFor(const QImage& image) {
  if (image.width() <= 64 && image.height() <= 64) return 3;
  if (image.width() <= 200 && image.height() <= 120) return 2;
  return 1;
}

}  // namespace

QImage ContactSheet(const std::vector<Picture>& pictures, const QImage& cardSheet) {
  struct Item {
    QString label;
    QImage image;
    int scale;
  };
  std::vector<Item> items;
  items.push_back({"TolvaGameSys.dll (card faces)", cardSheet, 1});
  items.push_back({"mock table", MockTable(pictures, cardSheet), 1});
  for (const Picture& picture : pictures) {
    const int scale = ScaleFor(picture.image);
    QString label = picture.path + "  " + picture.caption;
    if (scale > 1) label += QString(" (x%1)").arg(scale);
    items.push_back({label, picture.image, scale});
  }
  // Lay the items out in rows, left to right.
  struct Placed {
    const Item* item;
    QPoint at;
  };
  std::vector<Placed> placed;
  int x = kGap;
  int y = kGap;
  int rowHeight = 0;
  for (const Item& item : items) {
    const int w = item.image.width() * item.scale;
    const int h = item.image.height() * item.scale + kLabel;
    const int labelWidth = 9 * item.label.size();
    const int cellWidth = std::max(w, std::min(labelWidth, 420));
    if (x + cellWidth > kWidth - kGap && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&item, QPoint(x, y)});
    x += cellWidth + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  const int height = y + rowHeight + kGap;
  QImage sheet(kWidth, height, QImage::Format_RGB32);
  sheet.fill(kPage);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(PGothic(15));
  for (const Placed& place : placed) {
    p.setPen(kLabelColour);
    p.drawText(QRect(place.at.x(), place.at.y(), 1000, kLabel), Qt::AlignLeft | Qt::AlignVCenter,
               place.item->label);
    const QImage& image = place.item->image;
    const QRect target(place.at.x(), place.at.y() + kLabel, image.width() * place.item->scale,
                       image.height() * place.item->scale);
    // Pictures with transparency are shown on a light checkerboard.
    if (image.hasAlphaChannel()) {
      for (int cy = target.top(); cy < target.bottom(); cy += 8) {
        for (int cx = target.left(); cx < target.right(); cx += 8) {
          const bool dark = ((cx - target.left()) / 8 + (cy - target.top()) / 8) % 2;
          p.fillRect(QRect(cx, cy, std::min(8, target.right() - cx + 1),
                           std::min(8, target.bottom() - cy + 1)),
                     dark ? QColor(200, 200, 204) : QColor(236, 236, 240));
        }
      }
    }
    p.drawImage(target, image);
  }
  p.end();
  return sheet;
}

}  // namespace tolva::picturegen
