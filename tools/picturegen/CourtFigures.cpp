#include "CourtFigures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

#include "CardGeometry.h"
#include "Style.h"

namespace tolva::picturegen {

namespace {

// Colours of one court card: the robe in the suit's own colour, a second
// colour for cloak or veil, and gold for every ornament.
struct Dress {
  QColor robe;
  QColor second;
  QColor hair;
};

Dress DressFor(Suit suit, int rank) {
  Dress d;
  switch (suit) {
    case Suit::Spades: d = {QColor(34, 58, 138), QColor(186, 34, 44), {}}; break;
    case Suit::Hearts: d = {QColor(182, 30, 42), QColor(34, 62, 140), {}}; break;
    case Suit::Diamonds: d = {QColor(118, 40, 116), QColor(30, 110, 84), {}}; break;
    case Suit::Clubs: d = {QColor(26, 104, 74), QColor(182, 36, 46), {}}; break;
  }
  d.hair = rank == 11 ? QColor(150, 92, 40) : QColor(68, 42, 28);
  return d;
}

const QColor kOutline(30, 26, 30);
const qreal kLine = 0.9;

// The frame around the figures: a rectangle with the two index corners cut
// away, so the figure may use the card's full width between them.
QPainterPath FramePath() {
  QPainterPath f;
  f.moveTo(41, 6);
  f.lineTo(145, 6);
  f.lineTo(145, 145);
  f.lineTo(110, 145);
  f.lineTo(110, 209);
  f.lineTo(6, 209);
  f.lineTo(6, 70);
  f.lineTo(41, 70);
  f.closeSubpath();
  return f;
}

void Shape(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal line = kLine) {
  p.setPen(QPen(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(brush);
  p.drawPath(path);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
}

QBrush Gold(const QRectF& box) { return GoldGradient(box); }

QBrush Cloth(const QColor& colour, const QRectF& box) {
  QLinearGradient g(box.topLeft(), box.bottomRight());
  g.setColorAt(0.0, colour.lighter(125));
  g.setColorAt(1.0, colour.darker(120));
  return g;
}

// The face, seen from the front, centred on `c`.
void Face(QPainter& p, QPointF c, bool beard, bool lady) {
  const qreal rx = lady ? 11.5 : 12.5;
  const qreal ry = lady ? 14.0 : 15.0;
  QRadialGradient skin(c + QPointF(-3, -4), ry * 1.3);
  skin.setColorAt(0.0, palette::kSkin.lighter(106));
  skin.setColorAt(1.0, palette::kSkinShade);
  QPainterPath head;
  head.addEllipse(c, rx, ry);
  Shape(p, head, skin);
  // Eyes with lids, brows, the straight Greek nose and a small mouth.
  for (int side = -1; side <= 1; side += 2) {
    const QPointF eye = c + QPointF(side * 4.6, -2.0);
    QPainterPath almond;
    almond.moveTo(eye + QPointF(-2.6, 0));
    almond.quadTo(eye + QPointF(0, -1.9), eye + QPointF(2.6, 0));
    almond.quadTo(eye + QPointF(0, 1.5), eye + QPointF(-2.6, 0));
    p.setPen(QPen(kOutline, 0.6));
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(almond);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 36, 24));
    p.drawEllipse(eye, 1.1, 1.1);
    p.setPen(QPen(beard ? QColor(60, 40, 28) : QColor(90, 60, 36), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath brow;
    brow.moveTo(eye + QPointF(-3.0, -2.6));
    brow.quadTo(eye + QPointF(0, -4.4), eye + QPointF(3.0, -2.8));
    p.drawPath(brow);
  }
  QPainterPath nose;
  nose.moveTo(c + QPointF(0.2, -2.5));
  nose.lineTo(c + QPointF(1.2, 4.2));
  nose.quadTo(c + QPointF(0.2, 5.4), c + QPointF(-1.6, 4.8));
  p.setPen(QPen(palette::kSkinShade.darker(140), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(nose);
  if (lady) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 150, 140, 110));
    p.drawEllipse(c + QPointF(-6.5, 4), 2.6, 1.8);
    p.drawEllipse(c + QPointF(6.5, 4), 2.6, 1.8);
  }
  QPainterPath mouth;
  mouth.moveTo(c + QPointF(-3.0, 8.4));
  mouth.quadTo(c + QPointF(0, 10.2), c + QPointF(3.0, 8.4));
  mouth.quadTo(c + QPointF(0, 9.0), c + QPointF(-3.0, 8.4));
  p.setPen(QPen(QColor(150, 40, 40), 0.9));
  p.setBrush(QColor(196, 60, 60));
  p.drawPath(mouth);
  if (beard) {
    // A full curled beard framing the chin, with a moustache above the lips.
    QPainterPath b;
    b.moveTo(c + QPointF(-12.2, -1));
    b.cubicTo(c + QPointF(-13, 10), c + QPointF(-9, 22), c + QPointF(0, 25));
    b.cubicTo(c + QPointF(9, 22), c + QPointF(13, 10), c + QPointF(12.2, -1));
    b.cubicTo(c + QPointF(10, 6), c + QPointF(7, 7.5), c + QPointF(4, 7.2));
    b.quadTo(c + QPointF(0, 12.5), c + QPointF(-4, 7.2));
    b.cubicTo(c + QPointF(-7, 7.5), c + QPointF(-10, 6), c + QPointF(-12.2, -1));
    QLinearGradient hair(c + QPointF(0, 0), c + QPointF(0, 25));
    hair.setColorAt(0, QColor(96, 62, 40));
    hair.setColorAt(1, QColor(58, 36, 24));
    Shape(p, b, hair);
    p.setPen(QPen(QColor(140, 100, 70), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
      const qreal x = -8 + i * 4;
      QPainterPath curl;
      curl.moveTo(c + QPointF(x - 1.5, 13 + std::abs(x) * -0.2));
      curl.quadTo(c + QPointF(x, 18 - std::abs(x) * 0.3), c + QPointF(x + 1.5, 14));
      p.drawPath(curl);
    }
    QPainterPath moustache;
    moustache.moveTo(c + QPointF(-6.5, 8.6));
    moustache.quadTo(c + QPointF(-3, 5.4), c + QPointF(0, 6.8));
    moustache.quadTo(c + QPointF(3, 5.4), c + QPointF(6.5, 8.6));
    moustache.quadTo(c + QPointF(3, 7.4), c + QPointF(0, 8.0));
    moustache.quadTo(c + QPointF(-3, 7.4), c + QPointF(-6.5, 8.6));
    Shape(p, moustache, QColor(70, 44, 30), 0.6);
  }
}

// Curls of hair on both sides of the head, drawn before the face.
void HairBehind(QPainter& p, QPointF c, const QColor& hair, bool lady) {
  QPainterPath h;
  if (lady) {
    h.moveTo(c + QPointF(-13, -6));
    h.cubicTo(c + QPointF(-19, 6), c + QPointF(-18, 20), c + QPointF(-13, 28));
    h.lineTo(c + QPointF(13, 28));
    h.cubicTo(c + QPointF(18, 20), c + QPointF(19, 6), c + QPointF(13, -6));
    h.cubicTo(c + QPointF(10, -18), c + QPointF(-10, -18), c + QPointF(-13, -6));
  } else {
    h.addEllipse(c + QPointF(0, -3), 15.5, 15.5);
  }
  QLinearGradient g(c + QPointF(0, -16), c + QPointF(0, 26));
  g.setColorAt(0, hair.lighter(125));
  g.setColorAt(1, hair.darker(120));
  Shape(p, h, g);
  // Ringlets, the mark of the hero's hair on coins and vases.
  p.setPen(QPen(hair.lighter(150), 0.7));
  p.setBrush(Qt::NoBrush);
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 3; ++i) {
      const QPointF at = c + QPointF(side * (lady ? 15 : 13.5), -2 + i * (lady ? 9 : 5.5));
      p.drawArc(QRectF(at.x() - 2.2, at.y() - 2.2, 4.4, 4.4), 0, 300 * 16);
    }
  }
}

// The upper body from the neck down to the card's middle line: rounded
// shoulders, the arms hanging at the sides.
QPainterPath Torso(QPointF neck, qreal halfWidth, qreal bottom) {
  QPainterPath body;
  body.moveTo(neck.x() - halfWidth - 2, bottom + 2);
  body.lineTo(neck.x() - halfWidth, neck.y() + 22);
  body.cubicTo(neck + QPointF(-halfWidth, 8), neck + QPointF(-halfWidth * 0.55, 3),
               neck + QPointF(-9, 2));
  body.lineTo(neck + QPointF(9, 2));
  body.cubicTo(neck + QPointF(halfWidth * 0.55, 3), neck + QPointF(halfWidth, 8),
               neck + QPointF(halfWidth, 22));
  body.lineTo(neck.x() + halfWidth + 2, bottom + 2);
  body.closeSubpath();
  return body;
}

// A sleeved arm from the shoulder to the wrist, as a thick tapering band.
void Arm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF wrist, const QColor& cloth) {
  QPainterPath line;
  line.moveTo(shoulder);
  line.quadTo(elbow, wrist);
  QPainterPathStroker stroker;
  stroker.setWidth(13);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  const QPainterPath sleeve = stroker.createStroke(line).simplified();
  Shape(p, sleeve, Cloth(cloth.darker(118), sleeve.boundingRect()));
  p.setPen(QPen(cloth.lighter(140), 0.7, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  // A gold cuff at the wrist.
  const QPointF d = wrist - elbow;
  const qreal len = std::hypot(d.x(), d.y());
  const QPointF n(d.x() / len, d.y() / len);
  const QPointF cuff = wrist - n * 3.5;
  p.setPen(QPen(kOutline, 0.7));
  p.setBrush(palette::kGold);
  p.save();
  p.translate(cuff);
  p.rotate(qRadiansToDegrees(std::atan2(n.y(), n.x())));
  p.drawRect(QRectF(-2, -6.8, 4, 13.6));
  p.restore();
}

// Robe with folds and a sash of the second colour carrying a Greek key.
void Robe(QPainter& p, QPointF neck, const Dress& dress, qreal bottom) {
  const QPainterPath body = Torso(neck, 42, bottom);
  const QRectF box = body.boundingRect();
  Shape(p, body, Cloth(dress.robe, box));
  p.setPen(QPen(dress.robe.darker(150), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = -2; i <= 2; ++i) {
    QPainterPath fold;
    fold.moveTo(neck + QPointF(i * 8, 14));
    fold.quadTo(neck + QPointF(i * 9 + 3, 28), neck + QPointF(i * 10, bottom - neck.y()));
    p.drawPath(fold);
  }
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  const QPointF from = neck + QPointF(-34, 6);
  const QPointF to = neck + QPointF(44, bottom - neck.y() + 4);
  const qreal angle = qRadiansToDegrees(std::atan2(to.y() - from.y(), to.x() - from.x()));
  const qreal length = std::hypot(to.x() - from.x(), to.y() - from.y());
  p.translate(from);
  p.rotate(angle);
  const QRectF sash(-10, -6.5, length + 20, 13);
  p.setPen(QPen(kOutline, kLine));
  p.setBrush(dress.second);
  p.drawRect(sash);
  p.setPen(QPen(palette::kGoldLight, 0.8));
  p.drawLine(QPointF(sash.left(), sash.top() + 1.6), QPointF(sash.right(), sash.top() + 1.6));
  p.drawLine(QPointF(sash.left(), sash.bottom() - 1.6), QPointF(sash.right(), sash.bottom() - 1.6));
  MeanderBand(p, sash.adjusted(0, 3, 0, -3), palette::kGoldLight, 1.0);
  p.restore();
}

void Neck(QPainter& p, QPointF neck) {
  QPainterPath n;
  n.addRect(QRectF(neck.x() - 5, neck.y() - 10, 10, 15));
  Shape(p, n, palette::kSkinShade, 0.7);
}

// A gold collar at the neckline.
void Collar(QPainter& p, QPointF neck, bool pearls) {
  QPainterPath collar;
  collar.moveTo(neck + QPointF(-14, 3));
  collar.quadTo(neck + QPointF(0, 14), neck + QPointF(14, 3));
  collar.lineTo(neck + QPointF(11, 1.5));
  collar.quadTo(neck + QPointF(0, 9.5), neck + QPointF(-11, 1.5));
  collar.closeSubpath();
  Shape(p, collar, Gold(collar.boundingRect()), 0.7);
  if (pearls) {
    p.setPen(QPen(QColor(150, 150, 150), 0.4));
    p.setBrush(QColor(252, 250, 244));
    for (int i = 0; i < 7; ++i) {
      const qreal t = (i - 3) / 3.0;
      p.drawEllipse(neck + QPointF(t * 11.5, 10.5 - t * t * 6.5), 1.3, 1.3);
    }
  }
}

// A hand closed round a staff at `at`.
void Fist(QPainter& p, QPointF at) {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(at.x() - 5.5, at.y() - 4.5, 11, 9), 4, 4);
  Shape(p, hand, palette::kSkin, 0.8);
  p.setPen(QPen(palette::kSkinShade.darker(130), 0.6));
  for (int i = 0; i < 3; ++i) {
    p.drawLine(at + QPointF(-3 + i * 2.6, -1.6), at + QPointF(-3 + i * 2.6, 2.8));
  }
}

// Heads are drawn a little larger than the body's measures, as on printed
// courts, so faces and crowns read at card size.
constexpr qreal kHeadScale = 1.14;

void BeginHead(QPainter& p, QPointF face) {
  p.save();
  p.translate(face);
  p.scale(kHeadScale, kHeadScale);
  p.translate(-face);
}

void SuitMark(QPainter& p, Suit suit, QPointF at) {
  const QPainterPath sign = SuitPath(suit, at, 14);
  p.setPen(QPen(SuitColour(suit).darker(140), 0.6));
  p.setBrush(SuitColour(suit));
  p.drawPath(sign);
}

// --- The king: diadem with the royal sun, curled beard, sceptre.
void KingHalf(QPainter& p, Suit suit) {
  const Dress dress = DressFor(suit, 12);
  const QPointF face(80, 44);
  const QPointF neck(80, 62);
  // The sceptre stands behind the shoulder, its sun finial over the frame's corner.
  const qreal staffX = 121;
  Line(p, QPointF(staffX, 108), QPointF(staffX, 22), kOutline, 3.6);
  Line(p, QPointF(staffX, 108), QPointF(staffX, 22), palette::kGold, 2.2);
  const QPainterPath finial = SunPath(QPointF(staffX, 18), 9.5, 12, 0.5);
  Shape(p, finial, Gold(finial.boundingRect()), 0.6);
  p.setPen(QPen(kOutline, 0.6));
  p.setBrush(palette::kCrimson);
  p.drawEllipse(QPointF(staffX, 18), 2.6, 2.6);

  BeginHead(p, face);
  HairBehind(p, face, dress.hair, false);
  p.restore();
  Robe(p, neck, dress, 108);
  Neck(p, neck);
  Collar(p, neck, false);
  BeginHead(p, face);
  Face(p, face, true, false);
  p.restore();
  Arm(p, neck + QPointF(34, 10), QPointF(staffX + 3, 80), QPointF(staffX - 1, 86), dress.robe);
  Arm(p, neck + QPointF(-34, 10), QPointF(40, 96), QPointF(60, 96), dress.robe);
  Fist(p, QPointF(staffX, 88));
  Fist(p, QPointF(64, 96));

  // The diadem: a gold band with points and a sun on the brow.
  BeginHead(p, face);
  QPainterPath diadem;
  diadem.moveTo(face + QPointF(-14, -8));
  const qreal tips[5] = {-11, -5.5, 0, 5.5, 11};
  diadem.lineTo(face + QPointF(-14, -14));
  for (int i = 0; i < 5; ++i) {
    const qreal h = i == 2 ? -30 : (i == 1 || i == 3 ? -25 : -21);
    diadem.lineTo(face + QPointF(tips[i] - 2.8, -15));
    diadem.lineTo(face + QPointF(tips[i], h));
    diadem.lineTo(face + QPointF(tips[i] + 2.8, -15));
  }
  diadem.lineTo(face + QPointF(14, -14));
  diadem.lineTo(face + QPointF(14, -8));
  diadem.quadTo(face + QPointF(0, -11), face + QPointF(-14, -8));
  diadem.closeSubpath();
  Shape(p, diadem, Gold(diadem.boundingRect()), 0.8);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    const qreal h = i == 2 ? -30 : (i == 1 || i == 3 ? -25 : -21);
    p.setBrush(i % 2 ? dress.second : QColor(250, 246, 230));
    p.drawEllipse(face + QPointF(tips[i], h), 1.7, 1.7);
  }
  p.setPen(QPen(kOutline, 0.5));
  p.setBrush(dress.robe);
  p.drawPath(SunPath(face + QPointF(0, -11.5), 3.2, 8, 0.5));
  p.restore();

  SuitMark(p, suit, QPointF(52, 17));
}

// --- The queen: veil, stephane and a flower.
void QueenHalf(QPainter& p, Suit suit) {
  const Dress dress = DressFor(suit, 11);
  const QPointF face(80, 45);
  const QPointF neck(80, 62);
  // The veil falls from the crown to the shoulders behind the head.
  QPainterPath veil;
  veil.moveTo(face + QPointF(-4, -22));
  veil.cubicTo(face + QPointF(-26, -18), face + QPointF(-30, 20), face + QPointF(-36, 64));
  veil.lineTo(face + QPointF(40, 64));
  veil.cubicTo(face + QPointF(32, 20), face + QPointF(26, -18), face + QPointF(4, -22));
  veil.closeSubpath();
  QLinearGradient veilShade(face + QPointF(-30, 0), face + QPointF(30, 0));
  veilShade.setColorAt(0.0, dress.second.lighter(115));
  veilShade.setColorAt(0.5, dress.second.lighter(150));
  veilShade.setColorAt(1.0, dress.second);
  Shape(p, veil, veilShade);
  p.setPen(QPen(palette::kGoldLight, 1.2));
  p.setBrush(Qt::NoBrush);
  QPainterPath hem;
  hem.moveTo(face + QPointF(-28, 10));
  hem.cubicTo(face + QPointF(-31, 30), face + QPointF(-33, 48), face + QPointF(-35, 62));
  p.drawPath(hem);

  BeginHead(p, face);
  HairBehind(p, face, dress.hair, true);
  p.restore();
  Robe(p, neck, dress, 108);
  Neck(p, neck);
  Collar(p, neck, true);
  BeginHead(p, face);
  Face(p, face, false, true);
  // Earrings.
  p.setPen(QPen(kOutline, 0.4));
  p.setBrush(palette::kGold);
  p.drawEllipse(face + QPointF(-12, 5), 1.6, 2.4);
  p.drawEllipse(face + QPointF(12, 5), 1.6, 2.4);
  // Hair parted over the brow.
  QPainterPath fringe;
  fringe.moveTo(face + QPointF(-12, -3));
  fringe.cubicTo(face + QPointF(-11, -14), face + QPointF(-4, -15), face + QPointF(0, -11));
  fringe.cubicTo(face + QPointF(4, -15), face + QPointF(11, -14), face + QPointF(12, -3));
  fringe.cubicTo(face + QPointF(8, -10), face + QPointF(4, -9), face + QPointF(0, -8));
  fringe.cubicTo(face + QPointF(-4, -9), face + QPointF(-8, -10), face + QPointF(-12, -3));
  Shape(p, fringe, dress.hair, 0.7);
  // The stephane: a crescent crown with small leaves.
  QPainterPath crown;
  crown.moveTo(face + QPointF(-13, -11));
  crown.quadTo(face + QPointF(0, -31), face + QPointF(13, -11));
  crown.quadTo(face + QPointF(0, -19), face + QPointF(-13, -11));
  crown.closeSubpath();
  Shape(p, crown, Gold(crown.boundingRect()), 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(dress.robe);
  p.drawEllipse(face + QPointF(0, -20.5), 2.2, 2.2);
  p.setBrush(QColor(250, 246, 230));
  p.drawEllipse(face + QPointF(-6.5, -17.5), 1.3, 1.3);
  p.drawEllipse(face + QPointF(6.5, -17.5), 1.3, 1.3);

  p.restore();

  // A rose held up in her right hand.
  const QPointF hand(116, 90);
  Line(p, hand + QPointF(0, 14), hand + QPointF(2, -46), QColor(40, 110, 60), 1.6);
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath leaf;
    const QPointF base = hand + QPointF(1, -16);
    leaf.moveTo(base);
    leaf.quadTo(base + QPointF(side * 9, -4), base + QPointF(side * 11, -13));
    leaf.quadTo(base + QPointF(side * 3, -8), base);
    Shape(p, leaf, QColor(60, 140, 70), 0.6);
  }
  // The bloom: a rose of five petals round a golden heart.
  const QPointF bloom = hand + QPointF(2, -48);
  for (int i = 0; i < 5; ++i) {
    const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
    QPainterPath petal;
    petal.addEllipse(bloom + QPointF(4.2 * std::cos(a), 4.2 * std::sin(a)), 4.4, 4.4);
    QRadialGradient red(bloom, 9);
    red.setColorAt(0.0, QColor(236, 70, 90));
    red.setColorAt(1.0, QColor(170, 20, 40));
    Shape(p, petal, red, 0.6);
  }
  p.setPen(QPen(QColor(120, 10, 30), 0.6));
  p.setBrush(QColor(220, 50, 70));
  p.drawEllipse(bloom, 3.2, 3.2);
  p.setPen(Qt::NoPen);
  p.setBrush(palette::kGoldLight);
  p.drawEllipse(bloom, 1.4, 1.4);
  Arm(p, neck + QPointF(34, 10), hand + QPointF(8, -6), hand + QPointF(0, 2), dress.robe);
  Arm(p, neck + QPointF(-34, 10), QPointF(40, 100), QPointF(58, 100), dress.robe);
  Fist(p, hand);
  Fist(p, QPointF(62, 100));

  SuitMark(p, suit, QPointF(52, 17));
}

// --- The jack: a young hoplite with crested helmet, spear and round shield.
void JackHalf(QPainter& p, Suit suit) {
  const Dress dress = DressFor(suit, 10);
  const QPointF face(80, 46);
  const QPointF neck(80, 63);
  // The spear leans against the right shoulder.
  const QPointF butt(126, 110);
  const QPointF head(117, 14);
  Line(p, butt, head, kOutline, 3.0);
  Line(p, butt, head, QColor(150, 100, 50), 1.8);
  QPainterPath tip;
  tip.moveTo(head + QPointF(-1.3, -12));
  tip.quadTo(head + QPointF(4.5, -3), head + QPointF(1.8, 4));
  tip.lineTo(head + QPointF(-1.8, 3.6));
  tip.quadTo(head + QPointF(-5, -4), head + QPointF(-1.3, -12));
  Shape(p, tip, SilverGradient(tip.boundingRect()), 0.7);

  // Cloak over the shoulders in the second colour, cuirass in bronze.
  const QPainterPath cloak = Torso(neck, 44, 108);
  Shape(p, cloak, Cloth(dress.second, cloak.boundingRect()));
  QPainterPath cuirass;
  cuirass.moveTo(neck + QPointF(-22, 47));
  cuirass.lineTo(neck + QPointF(-24, 12));
  cuirass.quadTo(neck + QPointF(0, 2), neck + QPointF(24, 12));
  cuirass.lineTo(neck + QPointF(22, 47));
  cuirass.closeSubpath();
  QLinearGradient bronze(neck + QPointF(-24, 0), neck + QPointF(24, 0));
  bronze.setColorAt(0.0, QColor(160, 104, 44));
  bronze.setColorAt(0.45, QColor(236, 190, 104));
  bronze.setColorAt(1.0, QColor(140, 86, 36));
  Shape(p, cuirass, bronze);
  // The sculpted chest of the muscle cuirass.
  p.setPen(QPen(QColor(120, 72, 28), 0.8));
  p.setBrush(Qt::NoBrush);
  QPainterPath chest;
  chest.moveTo(neck + QPointF(-16, 22));
  chest.quadTo(neck + QPointF(-8, 28), neck + QPointF(0, 22));
  chest.quadTo(neck + QPointF(8, 28), neck + QPointF(16, 22));
  chest.moveTo(neck + QPointF(0, 22));
  chest.lineTo(neck + QPointF(0, 44));
  p.drawPath(chest);
  Neck(p, neck);
  p.setPen(QPen(kOutline, kLine));
  p.setBrush(dress.robe);
  p.drawEllipse(neck + QPointF(-20, 9), 3.2, 3.2);  // cloak brooch
  p.drawEllipse(neck + QPointF(20, 9), 3.2, 3.2);

  BeginHead(p, face);
  Face(p, face, false, false);
  // Attic helmet: bowl, brow guard and cheek pieces, the face left open.
  QPainterPath helmet;
  helmet.moveTo(face + QPointF(-14, 10));
  helmet.lineTo(face + QPointF(-15, -6));
  helmet.cubicTo(face + QPointF(-15, -22), face + QPointF(15, -22), face + QPointF(15, -6));
  helmet.lineTo(face + QPointF(14, 10));
  helmet.quadTo(face + QPointF(10, 9), face + QPointF(9.5, 2));
  helmet.quadTo(face + QPointF(10, -5), face + QPointF(0, -6.5));
  helmet.quadTo(face + QPointF(-10, -5), face + QPointF(-9.5, 2));
  helmet.quadTo(face + QPointF(-10, 9), face + QPointF(-14, 10));
  helmet.closeSubpath();
  Shape(p, helmet, bronze);
  p.setPen(QPen(palette::kGoldLight, 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(face.x() - 12, face.y() - 17, 24, 16), 20 * 16, 140 * 16);
  // The horsehair crest sweeping back over the helmet.
  QPainterPath crest;
  crest.moveTo(face + QPointF(-13, -12));
  crest.cubicTo(face + QPointF(-14, -36), face + QPointF(14, -38), face + QPointF(24, -14));
  crest.cubicTo(face + QPointF(20, -20), face + QPointF(14, -20), face + QPointF(12, -14));
  crest.cubicTo(face + QPointF(6, -20), face + QPointF(-6, -20), face + QPointF(-13, -12));
  QLinearGradient hair(face + QPointF(0, -36), face + QPointF(0, -12));
  hair.setColorAt(0, dress.robe.lighter(130));
  hair.setColorAt(1, dress.robe.darker(110));
  Shape(p, crest, hair);
  p.setPen(QPen(dress.robe.lighter(170), 0.6));
  for (int i = 0; i < 6; ++i) {
    const qreal x = -9 + i * 5;
    p.drawLine(face + QPointF(x, -18 - (i < 3 ? i : 5 - i) * 1.5),
               face + QPointF(x + 3, -30 + std::abs(x) * 0.3));
  }

  p.restore();

  // The round shield on the left arm, bearing the suit's sign.
  const QPointF boss(34, 96);
  QPainterPath shield;
  shield.addEllipse(boss, 26, 26);
  Shape(p, shield, Gold(shield.boundingRect()), 1.0);
  QPainterPath field;
  field.addEllipse(boss, 21, 21);
  Shape(p, field, dress.robe, 0.8);
  BeadRing(p, boss, 23.5, 0.9, 28, QColor(255, 240, 190));
  const QPainterPath sign = SuitPath(suit, boss + QPointF(0, -4), 20);
  p.setPen(QPen(kOutline, 0.6));
  p.setBrush(QColor(252, 248, 236));
  p.drawPath(sign);

  Arm(p, neck + QPointF(36, 10), QPointF(128, 80), QPointF(123, 86), dress.second);
  Fist(p, QPointF(122, 88));
  SuitMark(p, suit, QPointF(52, 17));
}

}  // namespace

void DrawCourt(QPainter& p, Suit suit, int rank) {
  const QPainterPath frame = FramePath();
  // Pale ground with a faint wash of the suit's colour.
  QLinearGradient ground(0, 0, 0, kCardHeight);
  ground.setColorAt(0.0, QColor(253, 247, 228));
  ground.setColorAt(0.5, QColor(244, 232, 200));
  ground.setColorAt(1.0, QColor(253, 247, 228));
  p.setPen(Qt::NoPen);
  p.setBrush(ground);
  p.drawPath(frame);

  p.save();
  p.setClipPath(frame);
  DrawBothHalves(p, frame.boundingRect(), [&] {
    switch (rank) {
      case 10: JackHalf(p, suit); break;
      case 11: QueenHalf(p, suit); break;
      default: KingHalf(p, suit); break;
    }
  });
  p.restore();

  // Dividing line across the middle, then the frame: dark outside, gold inside.
  p.setPen(QPen(palette::kGoldDark, 1.2));
  p.drawLine(QPointF(6, kCardHeight / 2.0), QPointF(145, kCardHeight / 2.0));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kGold, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(frame);
  p.setPen(QPen(kOutline, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(frame);
}

}  // namespace tolva::picturegen
