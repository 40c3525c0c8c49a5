#include "ResultPictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>

#include "SceneParts.h"
#include "Style.h"

namespace tolva::picturegen {

namespace {

const QRectF kArea(0, 0, 300, 200);
const qreal kFrame = 13;
const QColor kOutline(16, 20, 40);

// The caption of each picture: its box, the width of its outline and the
// spacing of its letters.
CaptionPlace PlaceOf(ResultScene scene) {
  switch (scene) {
    case ResultScene::TolvaSucceeded: return {QRectF(28, 126, 244, 52)};
    case ResultScene::TolvaFailed: return {QRectF(28, 126, 244, 52)};
    case ResultScene::Seventy: return {QRectF(40, 128, 220, 54), 2.4, 86};
    case ResultScene::WentOut: return {QRectF(60, 120, 180, 58)};
    case ResultScene::DrawnGame: return {QRectF(70, 84, 160, 76), 2.8};
    case ResultScene::Tsumo: return {QRectF(26, 126, 248, 52)};
    case ResultScene::Ron: return {QRectF(22, 100, 150, 80), 3.0};
    case ResultScene::CampaignComplete: return {QRectF(36, 134, 228, 50), 2.6};
  }
  return {kArea};
}

void DrawCaption(QPainter& p, ResultScene scene, const QString& caption,
                 QLinearGradient (*fill)(const QRectF&), const QColor& outline) {
  const CaptionPlace place = PlaceOf(scene);
  Caption(p, caption, place.box, fill(place.box), outline, place.outlineWidth, place.spacing);
}

void Glow(QPainter& p, QPointF c, qreal r, const QColor& colour) {
  QRadialGradient g(c, r);
  g.setColorAt(0.0, colour);
  QColor clear = colour;
  clear.setAlpha(0);
  g.setColorAt(1.0, clear);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

void Emblem(QPainter& p, QPointF c, qreal r) {
  LaurelWreath(p, c, r, r * 0.42, GoldGradient(QRectF(c.x(), c.y() - r, 1, 2 * r)),
               palette::kGoldDark);
  const QPainterPath sun = SunPath(c, r * 0.72, 16, 0.5);
  p.setPen(QPen(palette::kGoldDark, 1.0));
  p.setBrush(GoldGradient(sun.boundingRect()));
  p.drawPath(sun);
}

// トルヴァ成功: the royal sun in its wreath over a burst of gold.
void TolvaSucceeded(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(20, 40, 110), QColor(8, 16, 50));
  Rays(p, QPointF(150, 70), 24, QColor(255, 220, 120, 40));
  Glow(p, QPointF(150, 70), 90, QColor(255, 230, 150, 120));
  Stars(p, kArea.adjusted(16, 16, -16, -70), 26, QColor(255, 240, 190, 200));
  Emblem(p, QPointF(150, 72), 44);
  DrawCaption(p, ResultScene::TolvaSucceeded, caption, GoldGradient, kOutline);
}

// トルヴァ失敗: a storm over a fallen shield and a broken spear.
void TolvaFailed(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(60, 70, 90), QColor(24, 28, 40));
  p.save();
  p.setPen(QPen(QColor(170, 190, 220, 90), 1.0));
  for (int i = 0; i < 40; ++i) {  // driving rain
    const qreal x = std::fmod(i * 37.0, 300.0);
    const qreal y = std::fmod(i * 53.0, 150.0);
    p.drawLine(QPointF(x, y), QPointF(x - 6, y + 16));
  }
  p.restore();
  QLinearGradient ground(0, 104, 0, 200);
  ground.setColorAt(0.0, QColor(70, 64, 56));
  ground.setColorAt(1.0, QColor(36, 32, 30));
  p.fillRect(QRectF(0, 104, 300, 96), ground);
  // Heavy clouds hang over the field.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 9; ++i) {
    const qreal x = 10 + i * 36;
    const qreal y = 22 + (i % 3) * 8;
    QRadialGradient cloud(QPointF(x, y), 34);
    cloud.setColorAt(0.0, QColor(30, 34, 46, 220));
    cloud.setColorAt(1.0, QColor(30, 34, 46, 0));
    p.setBrush(cloud);
    p.drawEllipse(QPointF(x, y), 44, 26);
  }
  FallenArms(p, QPointF(150, 96), 1.35);
  DrawCaption(p, ResultScene::TolvaFailed, caption, SilverGradient, kOutline);
}

// ７０成功: seven ten-point cards fanned out under a burst of crimson.
void Seventy(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(140, 20, 40), QColor(60, 6, 20));
  Rays(p, QPointF(150, 120), 20, QColor(255, 200, 120, 36), 4);
  Glow(p, QPointF(150, 80), 100, QColor(255, 210, 120, 90));
  const std::array<const char*, 7> ranks = {"10", "J", "Q", "K", "10", "J", "K"};
  const std::array<Suit, 7> suits = {Suit::Spades, Suit::Hearts, Suit::Diamonds, Suit::Clubs,
                                     Suit::Hearts, Suit::Spades,  Suit::Diamonds};
  for (int i = 0; i < 7; ++i) {
    const qreal angle = -36 + i * 12;
    p.save();
    p.translate(150, 150);
    p.rotate(angle);
    MiniCard(p, QPointF(0, -78), 40, 0, QString::fromLatin1(ranks[i]), suits[i]);
    p.restore();
  }
  DrawCaption(p, ResultScene::Seventy, caption, GoldGradient, kOutline);
}

// 上がり: the last card flies up and away into the dawn.
void WentOut(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(250, 190, 90), QColor(200, 80, 40));
  Glow(p, QPointF(150, 150), 140, QColor(255, 250, 210, 200));
  Rays(p, QPointF(150, 150), 18, QColor(255, 255, 230, 50), 2);
  // Streaks behind the flying card.
  p.save();
  for (int i = 0; i < 5; ++i) {
    QLinearGradient trail(QPointF(110, 120), QPointF(170, 40));
    trail.setColorAt(0.0, QColor(255, 255, 255, 0));
    trail.setColorAt(1.0, QColor(255, 255, 255, 180));
    p.setPen(QPen(QBrush(trail), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96 + i * 9, 132 - i * 3), QPointF(158 + i * 9, 50 - i * 3));
  }
  p.restore();
  MiniCard(p, QPointF(190, 56), 46, 24, QStringLiteral("A"), Suit::Spades);
  LaurelArc(p, QPointF(150, 210), 118, 160, 120, 16, QColor(70, 130, 60), QColor(30, 70, 30));
  LaurelArc(p, QPointF(150, 210), 118, 20, 60, 16, QColor(70, 130, 60), QColor(30, 70, 30));
  DrawCaption(p, ResultScene::WentOut, caption, GoldGradient, QColor(90, 20, 10));
}

// 流れ: the river carries the game away.
void DrawnGame(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(40, 110, 150), QColor(10, 40, 80));
  for (int row = 0; row < 5; ++row) {
    const qreal top = 34 + row * 30;
    QColor c(200, 236, 255, 90 + row * 30);
    WaveScroll(p, QRectF(-10 + (row % 2) * 12, top, 320, 22), c, 2.0);
  }
  // Cards drifting downstream.
  MiniBack(p, QPointF(62, 70), 30, -24);
  MiniCard(p, QPointF(236, 66), 30, 18, QStringLiteral("7"), Suit::Diamonds);
  MiniBack(p, QPointF(258, 150), 26, 40);
  DrawCaption(p, ResultScene::DrawnGame, caption, SilverGradient, QColor(8, 24, 60));
}

// ツモ上がり: the winning card drawn glowing from the stock.
void Tsumo(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(20, 110, 60), QColor(6, 50, 26));
  Rays(p, QPointF(150, 66), 16, QColor(255, 240, 160, 40));
  Glow(p, QPointF(150, 60), 70, QColor(255, 240, 170, 170));
  for (int i = 0; i < 5; ++i) MiniBack(p, QPointF(86 - i * 1.2, 80 - i * 2.4), 42, 0);
  MiniCard(p, QPointF(168, 62), 44, 14, QStringLiteral("K"), Suit::Hearts);
  DrawCaption(p, ResultScene::Tsumo, caption, GoldGradient, kOutline);
}

// ロン: the thunderbolt strikes the discard.
void Ron(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(40, 10, 30), QColor(120, 20, 30));
  Rays(p, QPointF(214, 118), 22, QColor(255, 180, 120, 40));
  Glow(p, QPointF(214, 118), 70, QColor(255, 220, 150, 150));
  MiniCard(p, QPointF(216, 120), 58, -10, QStringLiteral("Q"), Suit::Clubs);
  Thunderbolt(p, QPointF(112, 10), QPointF(204, 104), 20);
  // Sparks where the bolt strikes.
  p.setPen(QPen(QColor(255, 240, 160), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 4 + 0.3;
    const QPointF c(204, 104);
    p.drawLine(c + QPointF(10 * std::cos(a), 10 * std::sin(a)), c + QPointF(20 * std::cos(a), 20 * std::sin(a)));
  }
  DrawCaption(p, ResultScene::Ron, caption, GoldGradient, kOutline);
}

// 遠征完了: the march is over; the sun rises over the temple of victory.
void CampaignComplete(QPainter& p, const QString& caption) {
  Sky(p, kArea, QColor(250, 214, 120), QColor(210, 110, 50));
  Rays(p, QPointF(150, 84), 28, QColor(255, 255, 230, 60));
  Glow(p, QPointF(150, 80), 110, QColor(255, 250, 220, 220));
  // The royal sun rises behind the temple.
  const QPainterPath sun = SunPath(QPointF(150, 74), 62, 16, 0.55);
  p.setPen(QPen(QColor(200, 130, 30), 1.0));
  p.setBrush(GoldGradient(sun.boundingRect()));
  p.drawPath(sun);
  Temple(p, QPointF(150, 130), 122, QColor(246, 238, 220), QColor(150, 120, 90));
  // Banners on both sides.
  for (int side = -1; side <= 1; side += 2) {
    const qreal x = 150 + side * 112;
    p.setPen(QPen(kOutline, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 30), QPointF(x, 128));
    QPainterPath banner;
    banner.moveTo(x, 34);
    banner.lineTo(x - side * 24, 36);
    banner.lineTo(x - side * 22, 76);
    banner.lineTo(x - side * 12, 70);
    banner.lineTo(x - side * 2, 78);
    banner.lineTo(x, 34);
    p.setPen(QPen(kOutline, 0.9));
    p.setBrush(palette::kCrimson);
    p.drawPath(banner);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kGoldLight);
    p.drawPath(SunPath(QPointF(x - side * 12, 52), 7, 8, 0.45));
  }
  QLinearGradient ground(0, 128, 0, 200);
  ground.setColorAt(0.0, QColor(150, 110, 60));
  ground.setColorAt(1.0, QColor(90, 60, 30));
  p.fillRect(QRectF(0, 128, 300, 72), ground);
  DrawCaption(p, ResultScene::CampaignComplete, caption, GoldGradient, QColor(70, 20, 0));
}

}  // namespace

CaptionPlace CaptionPlaceOf(ResultScene scene) { return PlaceOf(scene); }

QPainterPath ResultCaption(ResultScene scene, const Words& words) {
  const CaptionPlace place = PlaceOf(scene);
  return CaptionPath(words.Caption(scene), place.box, place.spacing);
}

QImage ResultPicture(ResultScene scene, const Words& words, int density) {
  QImage picture = Blank(300, 200, density);
  QPainter p(&picture);
  Begin(p, density);
  switch (scene) {
    case ResultScene::TolvaSucceeded: TolvaSucceeded(p, words.Caption(scene)); break;
    case ResultScene::TolvaFailed: TolvaFailed(p, words.Caption(scene)); break;
    case ResultScene::Seventy: Seventy(p, words.Caption(scene)); break;
    case ResultScene::WentOut: WentOut(p, words.Caption(scene)); break;
    case ResultScene::DrawnGame: DrawnGame(p, words.Caption(scene)); break;
    case ResultScene::Tsumo: Tsumo(p, words.Caption(scene)); break;
    case ResultScene::Ron: Ron(p, words.Caption(scene)); break;
    case ResultScene::CampaignComplete: CampaignComplete(p, words.Caption(scene)); break;
  }
  PictureFrame(p, kArea, palette::kNavy, kFrame);
  p.end();
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tolva::picturegen
