#include "CardFaces.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRadialGradient>

#include <array>
#include <vector>

#include "CardGeometry.h"
#include "CourtFigures.h"
#include "Style.h"
#include "Suits.h"

namespace tolva::picturegen {

void DrawCardBase(QPainter& p, const QColor& cornerColour) {
  p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), cornerColour);
  const QRectF card(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
  QLinearGradient paper(card.topLeft(), card.bottomRight());
  paper.setColorAt(0.0, QColor(255, 255, 253));
  paper.setColorAt(1.0, QColor(247, 245, 238));
  p.setPen(QPen(QColor(96, 96, 100), 1.0));
  p.setBrush(paper);
  p.drawRoundedRect(card, kCardRadius, kCardRadius);
}

QString RankText(int rank) {
  static const std::array<const char*, 13> kRanks = {"A", "2", "3",  "4", "5", "6", "7",
                                                     "8", "9", "10", "J", "Q", "K"};
  return QString::fromLatin1(kRanks.at(rank));
}

void DrawIndex(QPainter& p, const QString& rank, Suit suit, const QColor& colour) {
  const QFont font = PMincho(40);
  // "10" is squeezed so both figures fit the strip; a single figure keeps its shape.
  const qreal squeeze = rank.size() > 1 ? 0.62 : 1.0;
  const QPainterPath text = FitPath(TextPath(rank, font), kRankBox, Qt::AlignCenter, squeeze);
  const QPainterPath sign =
      SuitPath(suit, QPointF(kIndexCentreX, kIndexSuitY), kIndexSuitHeight);
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    FillBold(p, text, colour, 2.4);
    FillBold(p, sign, SuitColour(suit), 0);
    p.restore();
  }
}

namespace {

// Pip places for two to ten: column -1, 0, 1 and row 0 (top) .. 1 (bottom).
struct Pip {
  int column;
  qreal row;
};

std::vector<Pip> PipLayout(int count) {
  const std::vector<Pip> sides2 = {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
  std::vector<Pip> pips;
  auto add = [&](const std::vector<Pip>& more) { pips.insert(pips.end(), more.begin(), more.end()); };
  switch (count) {
    case 2: add({{0, 0}, {0, 1}}); break;
    case 3: add({{0, 0}, {0, 0.5}, {0, 1}}); break;
    case 4: add(sides2); break;
    case 5: add(sides2); add({{0, 0.5}}); break;
    case 6: add(sides2); add({{-1, 0.5}, {1, 0.5}}); break;
    case 7: add(sides2); add({{-1, 0.5}, {1, 0.5}, {0, 0.25}}); break;
    case 8: add(sides2); add({{-1, 0.5}, {1, 0.5}, {0, 0.25}, {0, 0.75}}); break;
    case 9:
      add(sides2);
      add({{-1, 1.0 / 3}, {1, 1.0 / 3}, {-1, 2.0 / 3}, {1, 2.0 / 3}, {0, 0.5}});
      break;
    case 10:
      add(sides2);
      add({{-1, 1.0 / 3}, {1, 1.0 / 3}, {-1, 2.0 / 3}, {1, 2.0 / 3}, {0, 1.0 / 6}, {0, 5.0 / 6}});
      break;
    default: break;
  }
  return pips;
}

void DrawPips(QPainter& p, Suit suit, int count) {
  const qreal columnX[3] = {52.0, 75.5, 99.0};
  const qreal top = 36.0;
  const qreal bottom = 179.0;
  const qreal height = 26.0;
  // A faint darker rim gives the pips the printed look of real cards.
  const QColor fill = SuitColour(suit);
  for (const Pip& pip : PipLayout(count)) {
    const QPointF c(columnX[pip.column + 1], top + (bottom - top) * pip.row);
    const QPainterPath sign = SuitPath(suit, c, height, pip.row > 0.5);
    p.setPen(QPen(fill.darker(130), 0.8));
    p.setBrush(fill);
    p.drawPath(sign);
  }
}

void DrawAce(QPainter& p, Suit suit) {
  const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
  if (suit == Suit::Spades) {
    // The ace of spades carries the maker's mark: the royal sun behind the sign.
    QRadialGradient glow(centre, 52);
    glow.setColorAt(0.0, QColor(255, 238, 170));
    glow.setColorAt(1.0, QColor(255, 238, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 52, 52);
    p.setBrush(QColor(222, 180, 70));
    p.drawPath(SunPath(centre, 50, 16, 0.55));
  }
  const QColor goldLeaf(196, 150, 40);
  LaurelWreath(p, centre, 52, 15, QColor(214, 172, 60), goldLeaf.darker(140));
  const qreal size = suit == Suit::Spades ? 70 : 62;
  const QPainterPath sign = SuitPath(suit, centre, size);
  const QColor fill = SuitColour(suit);
  QLinearGradient shade(sign.boundingRect().topLeft(), sign.boundingRect().bottomRight());
  shade.setColorAt(0.0, fill.lighter(135));
  shade.setColorAt(1.0, fill.darker(115));
  p.setPen(QPen(fill.darker(150), 1.2));
  p.setBrush(shade);
  p.drawPath(sign);
}

}  // namespace

QImage CardFace(int code, int density) {
  const int suitIndex = (code - 1) / 13;
  const int rank = (code - 1) % 13;
  const Suit suit = static_cast<Suit>(suitIndex);
  QImage face = Blank(kCardWidth, kCardHeight, density);
  QPainter p(&face);
  Begin(p, density);
  DrawCardBase(p, palette::kFelt);
  if (rank == 0) DrawAce(p, suit);
  else if (rank <= 9) DrawPips(p, suit, rank + 1);
  else DrawCourt(p, suit, rank);
  DrawIndex(p, RankText(rank), suit, SuitColour(suit));
  p.end();
  return face.convertToFormat(QImage::Format_RGB32);
}

QImage CardSheet(int density) {
  const int w = kCardWidth * density;
  const int h = kCardHeight * density;
  QImage sheet(13 * w, 4 * h, QImage::Format_RGB32);
  sheet.fill(palette::kFelt);
  QPainter p(&sheet);
  for (int code = 1; code <= 52; ++code) {
    p.drawImage(((code - 1) % 13) * w, ((code - 1) / 13) * h, CardFace(code, density));
  }
  p.end();
  return sheet;
}

QByteArray Jpeg(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(96);
  writer.setOptimizedWrite(true);
  if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) return {};
  return bytes;
}

QByteArray CardSheetLibrary(const QImage& sheet) {
  QByteArray bytes = Jpeg(sheet);
  // The writer emits a JFIF header; only then does the loader's repair of the
  // first four bytes give back the file we wrote.
  static const char kJfifStart[4] = {'\xFF', '\xD8', '\xFF', '\xE0'};
  if (bytes.size() < 4 || !bytes.startsWith(QByteArray(kJfifStart, 4))) return {};
  bytes.replace(0, 4, QByteArray("TGS1", 4));
  return bytes;
}

}  // namespace tolva::picturegen
