#include "render/Scene.h"

#include <algorithm>

#include "render/CardDrawing.h"
#include "render/DrawListPainter.h"
#include "render/Hands.h"
#include "render/Pixels.h"
#include "render/Projection.h"
#include "render/TableSurface.h"
#include "render/Text.h"
#include "table/OpenMode.h"

namespace tolva {

namespace {

constexpr QChar kDegreeSign(0xFF9F);  // the half-width sound mark the angle is written with
constexpr Rect kWholeCanvas{0, 0, kCanvasWidth, kCanvasHeight};
constexpr Rect kWholeTable{0, 0, kTableSize, kTableSize};
// More changed rectangles than this are painted as their bounding rectangle.
constexpr size_t kMostPieces = 24;

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The changed rectangles with those that overlap merged, few enough to paint
// one by one.
std::vector<Rect> Merged(std::vector<Rect> pieces) {
  std::erase_if(pieces, [](const Rect& r) { return r.IsEmpty(); });
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < pieces.size() && !merged; ++i)
      for (size_t j = i + 1; j < pieces.size() && !merged; ++j)
        if (Overlap(pieces[i], pieces[j])) {
          pieces[i] = Union(pieces[i], pieces[j]);
          pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
        }
  }
  if (pieces.size() > kMostPieces) {
    Rect all;
    for (const Rect& r : pieces) all = Union(all, r);
    pieces = {all};
  }
  return pieces;
}

// The changes of a list as the rectangles its commands' pixels may reach (a
// changed text's glyphs may stand out of its box).
std::vector<Rect> Reached(std::vector<Rect> changes) {
  for (Rect& r : changes) r = Inflated(r, kGlyphOverhang);
  return changes;
}

}  // namespace

QRgb GradientBottom(double viewAngle) {
  const int g = std::clamp(static_cast<int>(DrawableViewAngle(viewAngle) * 6) - 30, 0, 255);
  return qRgb(0, g, g);
}

SceneRenderer::SceneRenderer(Surfaces& surfaces) : s_(surfaces), pictures_(surfaces) {}

void SceneRenderer::SetScale(const DeviceScale& scale) {
  if (scale == pictures_.Scale() && !s_.BackBuffer.isNull()) return;
  pictures_.SetScale(scale);
  const QSize canvas = scale.Size(kCanvasWidth, kCanvasHeight);
  const QSize table = scale.Size(kTableSize, kTableSize);
  if (s_.BackBuffer.size() != canvas)
    s_.BackBuffer = NewSurface(canvas.width(), canvas.height(), colours::kBackground);
  if (!s_.TableSurface.isNull() && s_.TableSurface.size() != table)
    s_.TableSurface = NewSurface(table.width(), table.height(), colours::kFelt);
  everything_ = true;
  tableRepaint_ = true;
}

void SceneRenderer::SetPictureSource(std::shared_ptr<const PictureSource> source) {
  pictures_.SetSource(std::move(source));
  everything_ = true;
  tableRepaint_ = true;
}

void SceneRenderer::RecordBackground(DrawList& list, const SceneState& scene) {
  if (scene.TableActive && scene.ModernSystem) {
    list.Gradient(kWholeCanvas, colours::kBackground, GradientBottom(scene.ViewAngle));
  } else {
    list.Fill(kWholeCanvas, colours::kBackground);
  }
  list.Picture({PictureKind::Buttons, 0},
               Rect::Sized(kButtonStripX, kButtonStripY, s_.Buttons.width(), s_.Buttons.height()));
}

Rect SceneRenderer::UpdateTable(const SceneState* scene, const Projection& projection) {
  std::vector<Rect> changes{kWholeTable};
  if (scene != nullptr) {
    DrawList table;
    RecordTableSurface(table, *scene);
    if (!tableRepaint_ && !table_.Empty()) changes = Changes(table_, table, kWholeTable);
    table_ = std::move(table);
  }
  tableRepaint_ = false;
  if (changes.empty() || s_.TableSurface.isNull()) return {};
  QPainter painter(&s_.TableSurface);
  Rect area;
  for (const Rect& change : Merged(Reached(changes))) {
    const bool whole = change.Holds(kWholeTable);
    PaintList(painter, table_, pictures_, QImage(),
              whole ? QRect() : pictures_.Scale().Map(change).adjusted(-1, -1, 1, 1));
    area = Union(area, ProjectedArea(projection, change));
  }
  return area;
}

std::vector<Rect> SceneRenderer::RedrawScene(const SceneState& scene, bool tableChanged) {
  if (s_.BackBuffer.isNull() || scene.t == nullptr) return {};
  if (version_ != s_.Version()) {
    // New pictures: everything shows them.
    version_ = s_.Version();
    everything_ = true;
    tableRepaint_ = true;
  }
  const TableState& t = *scene.t;
  DrawList list;
  RecordBackground(list, scene);
  Rect tableArea;
  if (!scene.Initialising && scene.TableActive) {
    const bool faceUp = scene.RevealHands || OpenModeShowsHands(t);
    DrawComputerSeat(list, scene, 1, faceUp, hits_);
    DrawComputerSeat(list, scene, 2, faceUp, hits_);

    // The flat table is recorded again only when it changed; the kept one is
    // painted again at a new scale or with new pictures.
    const Projection projection = ComputeProjection(scene.ViewAngle);
    if (tableChanged || table_.Empty()) {
      tableArea = UpdateTable(&scene, projection);
    } else if (tableRepaint_) {
      tableArea = UpdateTable(nullptr, projection);
    }
    list.Table(ProjectedBounds(projection), scene.ViewAngle);
    list.Fill(FrontEdge(projection), colours::kTableEdge);
    const ProjectionBand& last = projection.Last();
    list.Text(last.x + last.w - 20, last.y + projection.e + 3,
              QString::number(projection.angle) + kDegreeSign);
    hits_.StockRect = ProjectRect(kStockPlace, scene.ViewAngle);
    hits_.RiverRect = ProjectRect(kRiverPlace, scene.ViewAngle);
    for (int row = 0; row < kMeldRows; ++row)
      hits_.MeldHitRect[row] = ProjectRect(kMeldSlotRect[row], scene.ViewAngle);
    for (int seat = 0; seat < kSeats; ++seat)
      hits_.ReachCoinRect[seat] = ProjectRect(kReachCoinPlace[seat], scene.ViewAngle);
    hits_.TableEdgeRect = ProjectRect(TableEdgePlace(projection), scene.ViewAngle);

    DrawComputerSeat(list, scene, 0, faceUp, hits_);
    DrawComputerSeat(list, scene, 3, faceUp, hits_);
    DrawHumanHand(list, scene, hits_);
    RecordOverlays(list, scene);
  }

  std::vector<Rect> changes = everything_ ? std::vector<Rect>{kWholeCanvas}
                                          : Reached(Changes(canvas_, list, kWholeCanvas));
  if (!tableArea.IsEmpty()) changes.push_back(tableArea);
  changes = Merged(std::move(changes));
  Paint(list, changes);
  canvas_ = std::move(list);
  everything_ = false;
  return changes;
}

void SceneRenderer::Paint(const DrawList& list, const std::vector<Rect>& changes) {
  QPainter painter(&s_.BackBuffer);
  for (const Rect& change : changes) {
    const bool whole = change.Holds(kWholeCanvas);
    PaintList(painter, list, pictures_, s_.TableSurface,
              whole ? QRect() : pictures_.Scale().Map(change).adjusted(-1, -1, 1, 1));
    if (whole) break;
  }
}

void SceneRenderer::RecordOverlays(DrawList& list, const SceneState& scene) {
  const TableState& t = *scene.t;

  if (t.GameNo > 0 && t.GameNo <= 10) {
    const int row = t.FirstRound ? 0 : 1;
    list.Picture({PictureKind::GameNumber, row * 10 + t.GameNo - 1},
                 Rect::Sized(kGameNumberRect.left, kGameNumberRect.top, kGameNumberSize,
                             kGameNumberSize));
  }

  if (t.PendingPool <= 0) {
    hits_.PendingRect = Rect{};
  } else {
    const auto column = [&](int count, int x, PictureKind coin) {
      for (int i = 0; i < count; ++i) {
        const int y = kPendingTop + kPendingStep * i;
        if (y >= kCanvasHeight) break;  // a pool beyond the canvas is not drawn on
        list.Picture({coin, 0}, Rect::Sized(x, y, kSmallCoinSize, kSmallCoinSize));
      }
    };
    column(t.PendingPool / 10, kPendingGoldX, PictureKind::GoldCoin);
    column(t.PendingPool % 10, kPendingSilverX, PictureKind::SilverCoin);
    hits_.PendingRect = kPendingHitRect;
  }

  const QString count = QString::number(t.StockCount);
  const Rect countBox = TextBox(list.Font(), 0, 0, count);
  const int lineY = hits_.StockRect.bottom + 3;
  hits_.StockCountRect =
      list.Text(hits_.StockRect.left + (hits_.StockRect.Width() - countBox.Width()) / 2, lineY, count);

  Rect labels;
  if (t.StockCount > 0) {
    const QString f7 = QStringLiteral("F7");
    const int w = TextBox(list.Font(), 0, 0, f7).Width();
    labels = list.Text(hits_.StockRect.right - w, lineY, f7);
  }
  if (t.RiverCount > 0) {
    const Rect f8 = list.Text(hits_.RiverRect.left, lineY, QStringLiteral("F8"));
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
