// Composing the canvas: background, far hands, the projected table, near
// hands, the human's hand and the overlays, in that order, each over the
// earlier ones; and painting the window from the canvas.
//
// The canvas and the flat table are kept at the device scale the shell asks
// for (the window's physical pixels): the geometry stays the 1200 x 900
// canvas's and the 1010 x 1010 table's, the pixels are made at that scale.
// Each composition records what the canvas and the table are made of
// (DrawList.h) and paints again only where that differs from the last time.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <memory>
#include <vector>

#include "render/DeviceScale.h"
#include "render/DrawList.h"
#include "render/HitRects.h"
#include "render/Projection.h"
#include "render/SceneState.h"
#include "render/ScaledPictures.h"
#include "render/Surfaces.h"

namespace tolva {

class SceneRenderer {
 public:
  explicit SceneRenderer(Surfaces& surfaces);

  // Composes s.BackBuffer from the scene. With tableChanged the flat table is
  // recorded again first; without, the table kept from the last time is
  // reused (it is drawn once if it never was). Answers the canvas rectangles
  // (canvas coordinates) whose pixels changed; the shell repaints them.
  std::vector<Rect> RedrawScene(const SceneState& scene, bool tableChanged);

  // The device scale of the canvas and the flat table: the surfaces are made
  // at their size in device pixels, and the next composition paints all.
  void SetScale(const DeviceScale& scale);
  const DeviceScale& Scale() const { return pictures_.Scale(); }
  // Where the pictures at two and three times their size come from.
  void SetPictureSource(std::shared_ptr<const PictureSource> source);
  // The pictures at the canvas's scale (the shell draws the cursor and the
  // dragged cards with them).
  ScaledPictures& Pictures() { return pictures_; }

  const HitRects& Hits() const { return hits_; }
  const QImage& Canvas() const { return s_.BackBuffer; }

 private:
  void RecordBackground(DrawList& list, const SceneState& scene);
  void RecordOverlays(DrawList& list, const SceneState& scene);
  // Records the flat table of the scene (none: keeps the one recorded) and
  // paints it where it changed, or whole after a new scale or new pictures;
  // answers the canvas area the changes project to.
  Rect UpdateTable(const SceneState* scene, const Projection& projection);
  void Paint(const DrawList& list, const std::vector<Rect>& changes);

  Surfaces& s_;
  ScaledPictures pictures_;
  HitRects hits_;
  DrawList canvas_;  // what the canvas shows now
  DrawList table_;   // what the flat table shows now
  bool tableRepaint_ = true;  // the flat table is painted whole next time
  bool everything_ = true;    // the next composition paints all
  int version_ = -1;        // the surfaces' pictures last painted with
};

// The bottom colour of the gradient background: (0, g, g), g = int(angle x 6) - 30.
QRgb GradientBottom(double viewAngle);

// Paints a window of `client` size from the canvas: the canvas stretched
// (halftone) to int(1200 x scaleX) by int(900 x scaleY) at the origin, white
// below and to the right of it.
void PaintTableWindow(QPainter& window, QSize client, const QImage& canvas, float scaleX,
                      float scaleY);

}  // namespace tolva
