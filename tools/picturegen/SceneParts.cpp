#include "SceneParts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

#include "Style.h"

namespace tolva::picturegen {

namespace {

constexpr qreal kLatinCaptionSpacing = 104;  // percent
constexpr qreal kTwoLinesGain = 1.2;

// Two lines of text, each centred on x = 0, a line's height apart.
QPainterPath TwoLines(const QString& first, const QString& second, const QFont& font) {
  const qreal lineHeight = QFontMetricsF(font).height() * 0.9;
  QPainterPath lines;
  for (const auto& [line, y] : {std::pair{first, 0.0}, std::pair{second, lineHeight}}) {
    const QPainterPath path = TextPath(line, font);
    lines.addPath(path.translated(-path.boundingRect().center().x(), y));
  }
  return lines;
}

// How large the letters of a fitted caption came out, as the scale of the
// font they were drawn in: the ink of `lines` lines of text against one line
// of the whole text's height at the font's own size.
qreal LetterScale(const QPainterPath& fitted, const QString& text, const QFont& font, int lines) {
  const qreal oneLine = TextPath(text, font).boundingRect().height();
  const qreal lineHeight = QFontMetricsF(font).height() * 0.9;
  return fitted.boundingRect().height() / (oneLine + (lines - 1) * lineHeight);
}
const QColor kOutline(16, 20, 40);
}

void Sky(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0.0, top);
  g.setColorAt(1.0, bottom);
  p.fillRect(area, g);
}

void Rays(QPainter& p, QPointF c, int count, const QColor& colour, qreal phaseDeg) {
  const qreal reach = 600;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const qreal a0 = qDegreesToRadians(phaseDeg + i * 360.0 / count);
    const qreal a1 = a0 + qDegreesToRadians(180.0 / count);
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(reach * std::cos(a0), reach * std::sin(a0)));
    ray.lineTo(c + QPointF(reach * std::cos(a1), reach * std::sin(a1)));
    ray.closeSubpath();
    p.drawPath(ray);
  }
  p.restore();
}

void Stars(QPainter& p, const QRectF& area, int count, const QColor& colour) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  // A golden-ratio walk spreads the stars evenly without a random generator.
  const qreal phi = 0.6180339887;
  for (int i = 0; i < count; ++i) {
    const qreal fx = std::fmod(0.31 + i * phi, 1.0);
    const qreal fy = std::fmod(0.17 + i * phi * phi * 1.7, 1.0);
    const QPointF at(area.left() + fx * area.width(), area.top() + fy * area.height());
    const qreal r = 1.2 + (i % 3) * 0.9;
    p.drawPath(SunPath(at, r * 2, 4, 0.3));
  }
  p.restore();
}

void MiniCard(QPainter& p, QPointF centre, qreal w, qreal angle, const QString& rank, Suit suit) {
  const qreal h = w * 215.0 / 151.0;
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const QRectF card(-w / 2, -h / 2, w, h);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(card.translated(2, 2.5), w * 0.08, w * 0.08);
  p.setPen(QPen(QColor(80, 80, 90), 0.8));
  p.setBrush(QColor(255, 255, 252));
  p.drawRoundedRect(card, w * 0.08, w * 0.08);
  const QColor ink = SuitColour(suit);
  const QRectF index(card.left() + w * 0.06, card.top() + h * 0.04, w * 0.26, h * 0.16);
  const qreal squeeze = rank.size() > 1 ? 0.62 : 1.0;
  FillBold(p, FitPath(TextPath(rank, PMincho(40)), index, Qt::AlignCenter, squeeze), ink, w * 0.02);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(SuitPath(suit, QPointF(index.center().x(), index.bottom() + h * 0.08), h * 0.1));
  p.drawPath(SuitPath(suit, card.center() + QPointF(w * 0.06, h * 0.06), h * 0.36));
  p.restore();
}

void MiniBack(QPainter& p, QPointF centre, qreal w, qreal angle) {
  const qreal h = w * 215.0 / 151.0;
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const QRectF card(-w / 2, -h / 2, w, h);
  p.setPen(QPen(QColor(80, 80, 90), 0.8));
  p.setBrush(QColor(255, 255, 252));
  p.drawRoundedRect(card, w * 0.08, w * 0.08);
  const QRectF field = card.adjusted(w * 0.08, w * 0.08, -w * 0.08, -w * 0.08);
  QRadialGradient blue(field.center(), h * 0.7);
  blue.setColorAt(0.0, QColor(40, 76, 170));
  blue.setColorAt(1.0, QColor(12, 24, 70));
  p.setPen(QPen(palette::kGold, 0.8));
  p.setBrush(blue);
  p.drawRect(field);
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(field));
  p.drawPath(SunPath(field.center(), w * 0.26, 16, 0.5));
  p.restore();
}

void Temple(QPainter& p, QPointF base, qreal w, const QColor& stone, const QColor& shade) {
  const qreal stepH = w * 0.035;
  const qreal columnH = w * 0.42;
  const qreal entH = w * 0.08;
  const qreal pedH = w * 0.16;
  p.save();
  p.setPen(QPen(shade, 0.8));
  // Three steps.
  for (int s = 0; s < 3; ++s) {
    const qreal inset = s * w * 0.025;
    p.setBrush(s % 2 ? stone : stone.darker(108));
    p.drawRect(QRectF(base.x() - w / 2 + inset, base.y() - (s + 1) * stepH, w - 2 * inset, stepH));
  }
  const qreal floorY = base.y() - 3 * stepH;
  const qreal inner = w - 6 * w * 0.025;
  const int columns = 6;
  const qreal colW = inner / (columns * 1.9);
  for (int c = 0; c < columns; ++c) {
    const qreal x = base.x() - inner / 2 + colW * 0.45 + c * (inner - colW * 0.9) / (columns - 1) - colW / 2;
    QLinearGradient fluting(x, 0, x + colW, 0);
    fluting.setColorAt(0.0, shade);
    fluting.setColorAt(0.35, stone.lighter(112));
    fluting.setColorAt(1.0, stone.darker(125));
    p.setBrush(fluting);
    p.drawRect(QRectF(x, floorY - columnH, colW, columnH));
    p.setBrush(stone);
    p.drawRect(QRectF(x - colW * 0.2, floorY - columnH - colW * 0.25, colW * 1.4, colW * 0.25));
  }
  const qreal entY = floorY - columnH - entH - w * 0.02;
  p.setBrush(stone);
  p.drawRect(QRectF(base.x() - inner / 2 - w * 0.02, entY, inner + w * 0.04, entH + w * 0.02));
  p.setPen(QPen(shade, 0.8));
  for (int t = 0; t < 12; ++t) {  // triglyphs
    const qreal x = base.x() - inner / 2 + (t + 0.5) * inner / 12;
    p.drawLine(QPointF(x, entY + entH * 0.35), QPointF(x, entY + entH));
  }
  QPainterPath pediment;
  pediment.moveTo(base.x() - inner / 2 - w * 0.04, entY);
  pediment.lineTo(base.x(), entY - pedH);
  pediment.lineTo(base.x() + inner / 2 + w * 0.04, entY);
  pediment.closeSubpath();
  p.setBrush(stone.lighter(104));
  p.drawPath(pediment);
  p.restore();
}

void WaveScroll(QPainter& p, const QRectF& band, const QColor& colour, qreal lineWidth) {
  // Each wave rises, rolls over and curls into a spiral, then the line runs on.
  const qreal h = band.height();
  const qreal period = h * 1.5;
  const qreal base = band.bottom() - lineWidth;
  p.save();
  p.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(band.left() - period, base);
  for (qreal x = band.left() - period; x < band.right() + period; x += period) {
    const QPointF crest(x + period * 0.62, base - h * 0.78);
    const qreal r = h * 0.3;
    const QPointF eye(crest.x() - r * 0.1, crest.y() + r);
    path.cubicTo(QPointF(x + period * 0.35, base), QPointF(x + period * 0.30, crest.y()), crest);
    path.cubicTo(QPointF(crest.x() + r * 1.3, crest.y()), QPointF(crest.x() + r * 1.3, eye.y() + r),
                 QPointF(eye.x(), eye.y() + r * 0.9));
    path.cubicTo(QPointF(eye.x() - r * 0.8, eye.y() + r * 0.8), QPointF(eye.x() - r * 0.7, eye.y() - r * 0.2),
                 QPointF(eye.x() + r * 0.1, eye.y() - r * 0.1));
    // Back out of the curl along the wave's front to the trough.
    path.moveTo(crest + QPointF(r * 1.0, r * 0.9));
    path.cubicTo(QPointF(crest.x() + r * 1.2, base), QPointF(x + period * 0.9, base),
                 QPointF(x + period, base));
  }
  p.setClipRect(band.adjusted(-lineWidth, -lineWidth, lineWidth, lineWidth));
  p.drawPath(path);
  p.restore();
}

void Thunderbolt(QPainter& p, QPointF from, QPointF to, qreal width) {
  const QPointF d = to - from;
  const qreal len = std::hypot(d.x(), d.y());
  const QPointF u(d.x() / len, d.y() / len);
  const QPointF n(-u.y(), u.x());
  auto at = [&](qreal along, qreal side) { return from + u * (along * len) + n * (side * width); };
  QPainterPath bolt;
  bolt.moveTo(at(0.0, -0.6));
  bolt.lineTo(at(0.45, -1.1));
  bolt.lineTo(at(0.40, 0.2));
  bolt.lineTo(at(0.75, -0.5));
  bolt.lineTo(at(0.70, 0.5));
  bolt.lineTo(at(1.0, 0.0));
  bolt.lineTo(at(0.55, 1.1));
  bolt.lineTo(at(0.60, -0.1));
  bolt.lineTo(at(0.28, 0.7));
  bolt.lineTo(at(0.32, -0.3));
  bolt.closeSubpath();
  p.save();
  QRadialGradient glow(from + d * 0.5, len * 0.7);
  glow.setColorAt(0.0, QColor(255, 250, 200, 150));
  glow.setColorAt(1.0, QColor(255, 250, 200, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(from + d * 0.5, len * 0.7, len * 0.7);
  p.setPen(QPen(QColor(120, 70, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  QLinearGradient g(from, to);
  g.setColorAt(0.0, QColor(255, 255, 230));
  g.setColorAt(0.5, QColor(255, 220, 80));
  g.setColorAt(1.0, QColor(255, 170, 20));
  p.setBrush(g);
  p.drawPath(bolt);
  p.restore();
}

void FallenArms(QPainter& p, QPointF c, qreal scale) {
  p.save();
  p.translate(c);
  p.scale(scale, scale);
  // The shield, seen at a slant as it lies on the ground.
  p.setPen(QPen(kOutline, 1.2));
  QRadialGradient bronze(QPointF(-10, -8), 60);
  bronze.setColorAt(0.0, QColor(200, 170, 120));
  bronze.setColorAt(1.0, QColor(90, 70, 50));
  p.setBrush(bronze);
  p.drawEllipse(QPointF(0, 0), 46, 20);
  p.setBrush(QColor(70, 76, 96));
  p.drawEllipse(QPointF(0, -1), 37, 15);
  p.setPen(QPen(QColor(150, 150, 160), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(SunPath(QPointF(0, -1), 12, 16, 0.5));
  // The spear, snapped: two pieces lying across each other.
  p.setPen(QPen(kOutline, 3.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-70, 18), QPointF(-8, 6));
  p.drawLine(QPointF(4, 24), QPointF(74, 4));
  p.setPen(QPen(QColor(130, 96, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-70, 18), QPointF(-8, 6));
  p.drawLine(QPointF(4, 24), QPointF(74, 4));
  QPainterPath tip;
  tip.moveTo(74, 4);
  tip.lineTo(88, -2);
  tip.lineTo(76, 10);
  tip.closeSubpath();
  p.setPen(QPen(kOutline, 0.8));
  p.setBrush(QColor(170, 176, 190));
  p.drawPath(tip);
  p.restore();
}

void PictureFrame(QPainter& p, const QRectF& area, const QColor& band, qreal depth) {
  QPainterPath ring;
  ring.addRect(area);
  ring.addRect(area.adjusted(depth, depth, -depth, -depth));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawPath(ring);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kGold, 1.2));
  p.drawRect(area.adjusted(1, 1, -1, -1));
  p.drawRect(area.adjusted(depth - 1, depth - 1, 1 - depth, 1 - depth));
  MeanderFrame(p, area.adjusted(2.5, 2.5, -2.5, -2.5), depth - 5, palette::kGoldLight, 1.2);
}

QPainterPath CaptionPath(const QString& text, const QRectF& box, qreal spacing) {
  // Latin letters take the same Mincho in its proportional cut (the fixed
  // one sets them as on a typewriter) and stand a little apart, as in an
  // inscription; spacing closer than normal suits only the wide full-width
  // signs of Japanese.
  const bool latin = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x2E80; });
  QFont font = latin ? PMincho(64) : Mincho(64);
  font.setLetterSpacing(QFont::PercentageSpacing, latin ? kLatinCaptionSpacing : spacing);
  QPainterPath best = FitPath(TextPath(text, font), box);
  if (!latin) return best;
  // Words may also stand on two lines, broken at a space, where that lets
  // them be clearly larger in a tall box (one line reads more easily).
  const QStringList words = text.split(QLatin1Char(' '));
  for (int split = 1; split < words.size(); ++split) {
    const QPainterPath stacked = FitPath(
        TwoLines(words.mid(0, split).join(QLatin1Char(' ')), words.mid(split).join(QLatin1Char(' ')), font), box);
    if (LetterScale(stacked, text, font, 2) > kTwoLinesGain * LetterScale(best, text, font, 1)) best = stacked;
  }
  return best;
}

void Caption(QPainter& p, const QString& text, const QRectF& box, const QBrush& fill,
             const QColor& outline, qreal outlineWidth, qreal spacing) {
  const QPainterPath path = CaptionPath(text, box, spacing);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPath(path.translated(2, 2.5));
  p.restore();
  OutlinedText(p, path, fill, outline, outlineWidth, 1.8);
}

}  // namespace tolva::picturegen
