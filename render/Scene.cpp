#include "render/Scene.h"

#include <QLinearGradient>
#include <algorithm>

#include "render/CardDrawing.h"
#include "render/Hands.h"
#include "render/Pixels.h"
#include "render/Projection.h"
#include "render/TableSurface.h"
#include "render/Text.h"

namespace tolva {

namespace {

constexpr QChar kDegreeSign(0xFF9F);  // the half-width sound mark the angle is written with

}  // namespace

QRgb GradientBottom(double viewAngle) {
  const int g = std::clamp(static_cast<int>(DrawableViewAngle(viewAngle) * 6) - 30, 0, 255);
  return qRgb(0, g, g);
}

SceneRenderer::SceneRenderer(Surfaces& surfaces) : s_(surfaces), font_(CanvasFont()) {}

void SceneRenderer::DrawBackground(QPainter& painter, const SceneState& scene) {
  const QRect all(0, 0, kCanvasWidth, kCanvasHeight);
  if (scene.TableActive && scene.ModernSystem) {
    QLinearGradient gradient(0, 0, 0, kCanvasHeight);
    gradient.setColorAt(0, QColor::fromRgb(colours::kBackground));
    gradient.setColorAt(1, QColor::fromRgb(GradientBottom(scene.ViewAngle)));
    painter.fillRect(all, gradient);
  } else {
    painter.fillRect(all, QColor::fromRgb(colours::kBackground));
  }
  if (!s_.Buttons.isNull()) painter.drawImage(kButtonStripX, kButtonStripY, s_.Buttons);
}

void SceneRenderer::RedrawScene(const SceneState& scene, bool tableChanged) {
  if (s_.BackBuffer.isNull() || scene.t == nullptr) return;
  const TableState& t = *scene.t;
  {
    QPainter painter(&s_.BackBuffer);
    BeginSmooth(painter);
    painter.setFont(font_);
    DrawBackground(painter, scene);
    if (scene.Initialising || !scene.TableActive) return;

    const bool faceUp = scene.RevealHands || (t.OpenMode && t.GameNo < 4);
    DrawComputerSeat(painter, s_, scene, 1, faceUp, hits_);
    DrawComputerSeat(painter, s_, scene, 2, faceUp, hits_);

    if (tableChanged || !tableDrawn_) {
      // The flat table has a painter of its own; the canvas waits meanwhile.
      painter.end();
      DrawTableSurface(s_, scene);
      tableDrawn_ = true;
      painter.begin(&s_.BackBuffer);
      BeginSmooth(painter);
      painter.setFont(font_);
    }

    const Projection projection = ComputeProjection(scene.ViewAngle);
    ProjectTable(painter, s_.TableSurface, projection);
    const ProjectionBand& last = projection.Last();
    DrawCanvasText(painter, last.x + last.w - 20, last.y + projection.e + 3,
                   QString::number(projection.angle) + kDegreeSign);
    hits_.StockRect = ProjectRect(kStockPlace, scene.ViewAngle);
    hits_.RiverRect = ProjectRect(kRiverPlace, scene.ViewAngle);
    for (int row = 0; row < kMeldRows; ++row)
      hits_.MeldHitRect[row] = ProjectRect(kMeldSlotRect[row], scene.ViewAngle);
    for (int seat = 0; seat < kSeats; ++seat)
      hits_.ReachCoinRect[seat] = ProjectRect(kReachCoinPlace[seat], scene.ViewAngle);
    hits_.TableEdgeRect = ProjectRect(TableEdgePlace(projection), scene.ViewAngle);

    DrawComputerSeat(painter, s_, scene, 0, faceUp, hits_);
    DrawComputerSeat(painter, s_, scene, 3, faceUp, hits_);
    DrawHumanHand(painter, s_, scene, hits_);
    DrawOverlays(painter, scene);
  }
}

void SceneRenderer::DrawOverlays(QPainter& painter, const SceneState& scene) {
  const TableState& t = *scene.t;

  if (t.GameNo > 0 && t.GameNo <= 10 && !s_.GameNumbers.isNull()) {
    const int row = t.FirstRound ? 0 : 1;
    painter.drawImage(QPoint(kGameNumberRect.left, kGameNumberRect.top), s_.GameNumbers,
                      QRect((t.GameNo - 1) * kGameNumberSize, row * kGameNumberSize,
                            kGameNumberSize, kGameNumberSize));
  }

  if (t.PendingPool <= 0) {
    hits_.PendingRect = Rect{};
  } else {
    const auto column = [&](int count, int x, const QImage& coin) {
      for (int i = 0; i < count; ++i) {
        const int y = kPendingTop + kPendingStep * i;
        if (y >= kCanvasHeight) break;  // a pool beyond the canvas is not drawn on
        if (!coin.isNull()) painter.drawImage(x, y, coin);
      }
    };
    column(t.PendingPool / 10, kPendingGoldX, s_.GoldCoin);
    column(t.PendingPool % 10, kPendingSilverX, s_.SilverCoin);
    hits_.PendingRect = kPendingHitRect;
  }

  const QString count = QString::number(t.StockCount);
  const Rect countBox = TextBox(painter.font(), 0, 0, count);
  const int lineY = hits_.StockRect.bottom + 3;
  hits_.StockCountRect = DrawCanvasText(
      painter, hits_.StockRect.left + (hits_.StockRect.Width() - countBox.Width()) / 2, lineY, count);

  Rect labels;
  if (t.StockCount > 0) {
    const QString f7 = QStringLiteral("F7");
    const int w = TextBox(painter.font(), 0, 0, f7).Width();
    labels = DrawCanvasText(painter, hits_.StockRect.right - w, lineY, f7);
  }
  if (t.RiverCount > 0) {
    const Rect f8 = DrawCanvasText(painter, hits_.RiverRect.left, lineY, QStringLiteral("F8"));
    labels = labels.IsEmpty() ? f8 : Rect{labels.left, labels.top, f8.right, f8.bottom};
  }
  hits_.KeyLabelRect = labels;
}

void PaintTableWindow(QPainter& window, QSize client, const QImage& canvas, float scaleX,
                      float scaleY) {
  const int w = static_cast<int>(kCanvasWidth * scaleX);
  const int h = static_cast<int>(kCanvasHeight * scaleY);
  window.setRenderHint(QPainter::SmoothPixmapTransform, true);
  if (!canvas.isNull()) window.drawImage(QRect(0, 0, w, h), canvas);
  if (client.height() > h) window.fillRect(QRect(0, h, client.width(), client.height() - h), Qt::white);
  if (client.width() > w) window.fillRect(QRect(w, 0, client.width() - w, h), Qt::white);
}

}  // namespace tolva
