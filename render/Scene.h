// Composing the canvas: background, far hands, the projected table, near
// hands, the human's hand and the overlays, in that order, each over the
// earlier ones; and painting the window from the canvas.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "render/HitRects.h"
#include "render/SceneState.h"
#include "render/Surfaces.h"

namespace tolva {

class SceneRenderer {
 public:
  explicit SceneRenderer(Surfaces& surfaces);

  // Composes s.BackBuffer from the scene. With tableChanged the flat table is
  // drawn again first; without, the table kept from the last time is reused
  // (it is drawn once if it never was). The shell repaints its window after.
  void RedrawScene(const SceneState& scene, bool tableChanged);

  const HitRects& Hits() const { return hits_; }
  const QImage& Canvas() const { return s_.BackBuffer; }

 private:
  void DrawBackground(QPainter& painter, const SceneState& scene);
  void DrawOverlays(QPainter& painter, const SceneState& scene);

  Surfaces& s_;
  HitRects hits_;
  QFont font_;
  bool tableDrawn_ = false;
};

// The bottom colour of the gradient background: (0, g, g), g = int(angle x 6) - 30.
QRgb GradientBottom(double viewAngle);

// Paints a window of `client` size from the canvas: the canvas stretched
// (halftone) to int(1200 x scaleX) by int(900 x scaleY) at the origin, white
// below and to the right of it.
void PaintTableWindow(QPainter& window, QSize client, const QImage& canvas, float scaleX,
                      float scaleY);

}  // namespace tolva
