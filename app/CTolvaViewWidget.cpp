#include "app/CTolvaViewWidget.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

#include "app/AppState.h"
#include "app/CommandMenus.h"
#include "app/FirstFrameProbe.h"
#include "app/KeyMap.h"
#include "app/PeekButtonRow.h"
#include "app/PeekCommands.h"
#include "app/QtHost.h"
#include "render/CardBacks.h"
#include "render/CardSheet.h"
#include "render/Cursor.h"
#include "render/HoverHelp.h"
#include "render/PeekPicture.h"
#include "render/Pixels.h"
#include "render/ResultPicture.h"
#include "render/ViewScene.h"
#include "res/StringTable.h"
#include "rules/Card.h"
#include "table/CTolvaView.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

constexpr int kFlashInversions = 10;
constexpr int kFlashWaitMs = 200;
constexpr int kDissolveMs = 1200;      // the coarse dissolve after a result
constexpr int kFineDissolveMs = 2000;  // the fine one after the campaign's end
constexpr int kDissolveFrameMs = 10;
constexpr int kDraggedCardStep = 40;   // dragged cards overlap as in the hand

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The colour inversion of a window rectangle, as the platform's inversion.
void InvertOnWindow(QPainter& painter, const QRect& r) {
  if (r.isEmpty()) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(r, Qt::white);
  painter.restore();
}

QPointF Clamped(QPointF offset) {
  return {std::clamp(offset.x(), 0.0, kCardWidth - 1.0),
          std::clamp(offset.y(), 0.0, kCardHeight - 1.0)};
}

// Where on a card of full size the pointer holds it, when it pressed a place
// that shows the card smaller (the projected piles).
QPointF OffsetIn(const Rect& place, QPointF canvas) {
  if (place.IsEmpty()) return {};
  return Clamped({(canvas.x() - place.left) * kCardWidth / place.Width(),
                  (canvas.y() - place.top) * kCardHeight / place.Height()});
}

}  // namespace

CTolvaViewWidget::CTolvaViewWidget(AppState& app, CTolvaView& view, QtHost& host, QWidget* parent)
    : QWidget(parent), app_(app), view_(view), host_(host), renderer_(surfaces_) {
  // The whole window is painted every time: no background erasing, no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  peekButtons_ = new PeekButtonRow([this](int command) { PeekCommand(command); }, this);
  peekButtons_->hide();
  map_ = std::make_unique<MapViewport>(
      *this, view_, surfaces_.Map,
      [this](QPoint at) {
        if (commands_ != nullptr) commands_->ShowMapMenu(at);
      },
      [this] { return AcceptsInput(); });
}

// The view goes with its window; with the map up it keeps the map's origin.
CTolvaViewWidget::~CTolvaViewWidget() { view_.OnDestroy(); }

const TableState& CTolvaViewWidget::Table() const { return view_.Table(); }
FlowDisplay CTolvaViewWidget::Flow() const { return view_.Display(); }

MessageSink CTolvaViewWidget::Messages() {
  return [this](std::string_view prefix, int stringId, MessageStyle style) {
    host_.ShowMessage(prefix, stringId, style);
  };
}

// --- first showing ------------------------------------------------------------------------------

void CTolvaViewWidget::FirstShow() {
  if (firstShown_) return;
  firstShown_ = true;
  // (Pictures given before, to tests and benchmarks, are kept.)
  if (!loaded_) LoadPictures(std::make_shared<const PictureSource>());
  if (app_.PeekInstance) {
    // The peek window keeps to its own refresh; it polls even without its
    // pictures, so that it still closes when the game tells it to.
    view_.StartPeekPolling();
    return;
  }
  if (!loaded_) return;
  view_.OnFirstShow();
}

bool CTolvaViewWidget::LoadPictures(std::shared_ptr<const PictureSource> pictures) {
  renderer_.SetPictureSource(pictures);
  peekPictures_.SetSource(pictures);
  // Without its pictures the view stays without a table and no game starts.
  // A failure of the embedded pictures shows 30001. The card face sheet's
  // loader says nothing of its own; the player is told which file failed
  // rather than left before an empty window.
  if (LoadBoardPictures(surfaces_, *pictures, app_.PeekInstance != 0, Messages())) {
    // A peek window says nothing of a temporary folder: the game has told it.
    if (LoadCardSheet(surfaces_, *pictures, app_.PeekInstance ? MessageSink() : Messages())) {
      loaded_ = true;
      host_.AttachMapPicture(mapPixels_);
    } else {
      host_.ShowMessage("TolvaGameSys.dll\n", kMsgFileReadFailed, MessageStyle::Error);
    }
  }
  return loaded_;
}

// --- drawing ------------------------------------------------------------------------------------

void CTolvaViewWidget::RedrawScene(bool tableChanged) {
  UpdatePeekButtons();
  if (!loaded_ || app_.PeekInstance) {
    repaint();
    return;
  }
  renderer_.SetScale(CanvasScale(devicePixelRatioF()));
  const std::vector<Rect> changes =
      renderer_.RedrawScene(SceneOf(view_, app_.ModernSystem), tableChanged);
  scaledStale_ = true;
  RepaintCanvas(changes);
  if (const Background now = BackgroundColours(); now != background_) {
    background_ = now;
    // The strips beside the table in full screen are the frame's.
    if (QWidget* frame = parentWidget(); frame != nullptr && frame->contentsMargins() != QMargins())
      frame->update(QRegion(frame->rect()) - QRegion(geometry()));
  }
}

CTolvaViewWidget::Background CTolvaViewWidget::BackgroundColours() const {
  const FlowDisplay flow = Flow();
  if (flow.TableActive && app_.ModernSystem)
    return {colours::kBackground, GradientBottom(flow.ViewAngle)};
  return {colours::kBackground, colours::kBackground};
}

void CTolvaViewWidget::ScaleChanged() {
  peekButtons_->Place(app_.ScaleX, app_.ScaleY);
  update();
}

void CTolvaViewWidget::RepaintCanvas(const std::vector<Rect>& changes) {
  // An effect covers the canvas (the dissolve takes its squares from it as
  // they come); the map's own changes come with this repaint too.
  if (effect_ != Effect::None) return;
  if (Flow().MapShown) {
    repaint();
    return;
  }
  // The cursor and the dragged cards may have moved with the game: where
  // they were and where they are now.
  QRegion region = QRegion(overlayShown_) + OverlayRect();
  for (const Rect& change : changes) {
    if (change.Holds(Rect{0, 0, kCanvasWidth, kCanvasHeight})) {
      repaint();  // the margins beside the canvas too
      return;
    }
    // Window pixels that show any of the rectangle, and one beside for the
    // smoothing of the edges.
    const int left = static_cast<int>(std::floor(change.left * app_.ScaleX)) - 1;
    const int top = static_cast<int>(std::floor(change.top * app_.ScaleY)) - 1;
    const int right = static_cast<int>(std::ceil(change.right * app_.ScaleX)) + 1;
    const int bottom = static_cast<int>(std::ceil(change.bottom * app_.ScaleY)) + 1;
    region += QRect(QPoint(left, top), QPoint(right, bottom));
  }
  if (!region.isEmpty()) repaint(region);
}

DeviceScale CTolvaViewWidget::CanvasScale(qreal dpr) const {
  return ScaleFor(QSize(static_cast<int>(std::lround(kCanvasWidth * app_.ScaleX * dpr)),
                        static_cast<int>(std::lround(kCanvasHeight * app_.ScaleY * dpr))));
}

void CTolvaViewWidget::FollowScale(qreal dpr) {
  if (!loaded_ || app_.PeekInstance || renderer_.Canvas().isNull()) return;
  const DeviceScale scale = CanvasScale(dpr);
  if (scale == renderer_.Scale()) return;
  renderer_.SetScale(scale);
  renderer_.RedrawScene(SceneOf(view_, app_.ModernSystem), false);
  scaledStale_ = true;
}

void CTolvaViewWidget::MapViewChanged() {
  map_->Sync();
  UpdatePeekButtons();
  update();
}

const QImage& CTolvaViewWidget::ScaledCanvas(qreal dpr) {
  const QImage& canvas = renderer_.Canvas();
  const int w = static_cast<int>(kCanvasWidth * app_.ScaleX * dpr);
  const int h = static_cast<int>(kCanvasHeight * app_.ScaleY * dpr);
  if (scaledStale_ || scaled_.size() != QSize(w, h)) {
    scaled_ = canvas.isNull() || w <= 0 || h <= 0 ? QImage() : Halftone(canvas, w, h);
    scaledStale_ = false;
  }
  return scaled_;
}

void CTolvaViewWidget::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    Paint(painter);
  }
  if (loaded_ && !app_.PeekInstance) NoteFirstFrame();
}

QImage CTolvaViewWidget::WindowPicture() {
  const qreal dpr = devicePixelRatioF();
  QImage picture(DevicePixelsOf(rect(), dpr).size(), QImage::Format_RGB32);
  picture.setDevicePixelRatio(dpr);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  Paint(painter);
  return picture;
}

void CTolvaViewWidget::Paint(QPainter& painter) {
  const bool map = Flow().MapShown && effect_ == Effect::None && !app_.PeekInstance;
  if (map) PaintMap(painter);
  // Everything else is painted in device pixels.
  const qreal dpr = painter.device()->devicePixelRatioF();
  painter.save();
  painter.setTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
  if (effect_ != Effect::None) {
    // The effect's picture is the window's size: it covers all of it. A
    // dissolve frame copies just its new squares: the rest of the tiles it
    // repaints shows the picture already.
    if (!frameSquares_.empty()) {
      CopyRects(painter, renderer_.Canvas(), frameSquares_);
    } else {
      CatchUpDissolve();
      painter.drawImage(0, 0, effectPicture_);
    }
  } else if (app_.PeekInstance) {
    PaintPeekWindow(painter, dpr);
  } else if (!map) {
    PaintTable(painter, dpr);
  }
  if (flashOn_) InvertOnWindow(painter, DevicePixelsOf(flashRect_, dpr));
  if (progressOn_)
    InvertOnWindow(painter, DevicePixelsOf(ProgressMarkRect(app_.ScaleX, app_.ScaleY).ToQRect(), dpr));
  painter.restore();
}

void CTolvaViewWidget::PaintTable(QPainter& painter, qreal dpr) {
  // A new size or screen first gets its canvas; the window never shows an
  // enlarged one.
  FollowScale(dpr);
  const QRect device = DevicePixelsOf(rect(), dpr);
  const QImage* canvas = &renderer_.Canvas();
  // A canvas made at another scale (not composed since the window changed)
  // is shown stretched until the next composition.
  const QSize expected(static_cast<int>(kCanvasWidth * app_.ScaleX * dpr),
                       static_cast<int>(kCanvasHeight * app_.ScaleY * dpr));
  if (!canvas->isNull() && (std::abs(canvas->width() - expected.width()) > 1 ||
                            std::abs(canvas->height() - expected.height()) > 1))
    canvas = &ScaledCanvas(dpr);
  if (canvas->isNull()) {
    painter.fillRect(device, Qt::white);
    return;
  }
  painter.drawImage(0, 0, *canvas);
  // White below the picture across the whole width, then right of it.
  const int w = canvas->width();
  const int h = canvas->height();
  if (device.height() > h) painter.fillRect(QRect(0, h, device.width(), device.height() - h), Qt::white);
  if (device.width() > w)
    painter.fillRect(QRect(w, 0, device.width() - w, std::min(h, device.height())), Qt::white);

  const FlowDisplay flow = Flow();
  if (flow.TableActive && !flow.Initialising && Table().TurnSeat == kHumanSeat)
    PaintCursor(painter, dpr);
  PaintDraggedCards(painter, dpr);
  overlayShown_ = OverlayRect();
}

void CTolvaViewWidget::PaintMap(QPainter& painter) { map_->Paint(painter); }

void CTolvaViewWidget::PaintPeekWindow(QPainter& painter, qreal dpr) {
  const TableState& t = Table();
  const int n = std::clamp(t.HandCount[0], 0, kHandSlots);
  // Nothing but white until the first hand has come.
  const bool shown = n > 0 || !view_.LastPeekText.empty();
  peekPictures_.SetScale({dpr, dpr});
  PaintPeek(painter, peekPictures_, std::span(t.Hand[0]).first(static_cast<size_t>(n)),
            shown ? view_.HandPoints(0) : -1, size());
}

void CTolvaViewWidget::PaintCursor(QPainter& painter, qreal dpr) {
  const TableState& t = Table();
  const int slot = ClampCursor(t.Cursor, t.HandCount[kHumanSeat], t.ReachFlag[kHumanSeat] != 0,
                               t.ReachPending != 0);
  const Rect place = CursorSpriteRect(Hits(), slot, app_.ScaleX, app_.ScaleY);
  if (place.IsEmpty()) return;
  DrawCursorSprite(painter, renderer_.Pictures(),
                   QRect(static_cast<int>(std::lround(place.left * dpr)),
                         static_cast<int>(std::lround(place.top * dpr)),
                         std::max(1, static_cast<int>(std::lround(place.Width() * dpr))),
                         std::max(1, static_cast<int>(std::lround(place.Height() * dpr)))));
}

void CTolvaViewWidget::PaintDraggedCards(QPainter& painter, qreal dpr) {
  const TableState& t = Table();
  const FlowDisplay flow = Flow();
  if (flow.Dragging == DragKind::None || t.DraggedCount <= 0) return;
  const float sx = app_.ScaleX;
  const float sy = app_.ScaleY;
  const QPointF first = WindowToCanvas(dragPoint_, sx, sy) - grabOffset_;
  const bool faceDown = flow.Dragging == DragKind::StockCard && flow.StockCardFaceDown;
  ScaledPictures& pictures = renderer_.Pictures();
  const Rect card = Rect::Sized(0, 0, kCardWidth, kCardHeight);
  const int count = std::min(t.DraggedCount, static_cast<int>(t.Dragged.size()));
  for (int k = 0; k < count; ++k) {
    // The faces at the canvas's device scale, where the pointer holds them.
    const QPoint at(static_cast<int>(std::lround((first.x() + k * kDraggedCardStep) * sx * dpr)),
                    static_cast<int>(std::lround(first.y() * sy * dpr)));
    const int code = t.Dragged[k];
    const ScaledPictures::Piece piece =
        faceDown ? pictures.CardBack()
                 : pictures.Get({PictureKind::Face, IsJoker(code) ? 53 : code}, card);
    if (piece.image != nullptr && !piece.image->isNull() && (faceDown || IsOrdinary(code) || IsJoker(code)))
      painter.drawImage(at, *piece.image, piece.source);
  }
}

QRect CTolvaViewWidget::OverlayRect() const {
  QRect overlay;
  const TableState& t = Table();
  const FlowDisplay flow = Flow();
  if (!flow.MapShown && flow.TableActive && !flow.Initialising && t.TurnSeat == kHumanSeat) {
    const int slot = ClampCursor(t.Cursor, t.HandCount[kHumanSeat], t.ReachFlag[kHumanSeat] != 0,
                                 t.ReachPending != 0);
    overlay = CursorSpriteRect(Hits(), slot, app_.ScaleX, app_.ScaleY).ToQRect();
  }
  if (flow.Dragging != DragKind::None && t.DraggedCount > 0) {
    const QPointF first = WindowToCanvas(dragPoint_, app_.ScaleX, app_.ScaleY) - grabOffset_;
    const int count = std::min(t.DraggedCount, static_cast<int>(t.Dragged.size()));
    const QRectF cards(first.x() * app_.ScaleX, first.y() * app_.ScaleY,
                       (kCardWidth + (count - 1) * kDraggedCardStep) * app_.ScaleX,
                       kCardHeight * app_.ScaleY);
    overlay |= cards.toAlignedRect();
  }
  return overlay.isEmpty() ? QRect() : overlay.adjusted(-2, -2, 2, 2);
}

void CTolvaViewWidget::UpdateOverlays() {
  const QRect now = OverlayRect();
  const QRegion both = QRegion(now) + overlayShown_;
  if (!both.isEmpty()) update(both);
}

// --- effects ------------------------------------------------------------------------------------

void CTolvaViewWidget::ShowResultPicture(ResultPicture picture) {
  const QtHost::BusyScope busy(host_);
  // The picture in its frame fills the window: made at its device pixels
  // from the densest picture it needs.
  const qreal dpr = devicePixelRatioF();
  effectPicture_ = QImage(DevicePixelsOf(rect(), dpr).size(), QImage::Format_RGB32);
  effectPicture_.setDevicePixelRatio(dpr);
  {
    QPainter painter(&effectPicture_);
    const QRect place = ResultPictureRect(size()).ToQRect();
    DrawResultPicture(painter, size(),
                      renderer_.Pictures().Result(static_cast<int>(picture),
                                                  DevicePixelsOf(place, dpr).size()),
                      ResultFrameColour(picture));
  }
  effectPicture_.setDevicePixelRatio(1);  // kept and shown in device pixels
  effect_ = Effect::Picture;
  UpdatePeekButtons();
  repaint();
  Dissolve(picture == ResultPicture::CampaignComplete);
}

void CTolvaViewWidget::Dissolve(bool fine) {
  const QtHost::BusyScope busy(host_);
  BeginDissolve();
  view_.ClearEffectSkip();

  DissolveRun run(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()), fine, size(),
                  app_.ScaleX, app_.ScaleY);
  const qint64 duration = fine ? kFineDissolveMs : kDissolveMs;
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer frames;
  frames.setTimerType(Qt::PreciseTimer);
  // Each frame copies the squares that are due by the time elapsed, so the
  // effect takes the same time on any machine; between frames the window's
  // events are served: the game's timers, repaints, and the click that ends it.
  QObject::connect(&frames, &QTimer::timeout, &loop, [&] {
    if (view_.EffectSkipped() || run.Finished() || host_.Closing() || !isVisible()) {
      loop.quit();
      return;
    }
    const qint64 due =
        std::min<qint64>(run.Total(), run.Total() * std::min(clock.elapsed(), duration) / duration);
    DissolveFrame(run, static_cast<int>(due - run.Done()));
  });
  frames.start(kDissolveFrameMs);
  loop.exec();
  lastDissolveSquares_ = run.Done();
  EndDissolve();
}

void CTolvaViewWidget::BeginDissolve() {
  // The squares come from the canvas at the window's scale.
  FollowScale(devicePixelRatioF());
  // Over whatever the window shows now (the result picture, or the map).
  if (effect_ == Effect::None) {
    effectPicture_ = WindowPicture();
    effectPicture_.setDevicePixelRatio(1);  // kept and shown in device pixels
  }
  effect_ = Effect::Dissolving;
  dissolveShown_.reset();
  dissolveApplied_.reset();
  UpdatePeekButtons();
}

void CTolvaViewWidget::DissolveFrame(DissolveRun& run, int squares) {
  if (squares <= 0) return;
  // A run the window has not followed from its start (or another one) first
  // leaves what it showed in the effect's picture.
  if (!dissolveShown_ || !(*dissolveShown_ == run)) {
    CatchUpDissolve();
    dissolveShown_ = run;
    dissolveApplied_ = run;
  }
  std::vector<QRect> shown;
  shown.reserve(static_cast<size_t>(squares));
  run.Take(squares, shown);
  dissolveShown_ = run;
  // Only the new squares are painted, straight from the canvas onto the
  // window: the window repaints the tiles they touch and copies no more than
  // the squares into them. On a large screen every row of a square is a
  // cache miss, so each pixel is copied once a frame; the effect's picture
  // takes the squares only when the window is painted whole.
  const qreal dpr = devicePixelRatioF();
  const QRect copied = effectPicture_.rect().intersected(renderer_.Canvas().rect());
  frameSquares_.clear();
  for (const QRect& square : shown) frameSquares_.push_back(DevicePixelsOf(square, dpr).intersected(copied));
  repaint(SquaresRegion(shown, size()));
  frameSquares_.clear();
}

void CTolvaViewWidget::CatchUpDissolve() {
  if (!dissolveShown_ || !dissolveApplied_) return;
  // The squares shown since the picture last took them are the same run's
  // next ones: taken again from the run's sequence, not stored.
  std::vector<QRect> shown;
  dissolveApplied_->Step(effectPicture_, renderer_.Canvas(), devicePixelRatioF(),
                         dissolveShown_->Done() - dissolveApplied_->Done(), shown);
}

void CTolvaViewWidget::EndDissolve() {
  // The window shows the table again, white outside the canvas.
  effect_ = Effect::None;
  effectPicture_ = QImage();
  dissolveShown_.reset();
  dissolveApplied_.reset();
  UpdatePeekButtons();
  repaint();
}

void CTolvaViewWidget::FlashSeatHand(int seat) {
  const QtHost::BusyScope busy(host_);
  flashRect_ = FlashSeatHandRect(Hits(), seat, app_.ScaleX, app_.ScaleY).ToQRect();
  for (int i = 0; i < kFlashInversions && !host_.Closing(); ++i) {
    flashOn_ = !flashOn_;
    repaint(flashRect_);
    host_.Wait(kFlashWaitMs);
  }
  flashOn_ = false;
  repaint(flashRect_);
}

bool CTolvaViewWidget::PrepareCardBacks() { return RebuildCardBacks(false); }

bool CTolvaViewWidget::RebuildCardBacks(bool force) {
  const Settings settings(host_.Store());
  const CardBackOptions options{settings.BackSet(), settings.CardWaku()};
  // The mark under the start icon blinks while the strip is drawn.
  const QRect mark = ProgressMarkRect(app_.ScaleX, app_.ScaleY).ToQRect();
  const auto progress = [this, mark] {
    progressOn_ = !progressOn_;
    repaint(mark);
  };
  const bool ok = tolva::PrepareCardBacks(surfaces_, force, options, progress, Messages());
  progressOn_ = false;
  repaint(mark);
  return ok;
}

// --- menus --------------------------------------------------------------------------------------

void CTolvaViewWidget::ShowCommandMenu(int menuIndex) {
  if (commands_ == nullptr || host_.Closing()) return;
  commands_->ShowCommandMenu(menuIndex);
  UpdateOverlays();
}

// --- pointer and keys ---------------------------------------------------------------------------

PointerContext CTolvaViewWidget::Context() const {
  PointerContext context;
  context.handCount = Table().HandCount[kHumanSeat];
  context.viewAngle = Flow().ViewAngle;
  context.seatHandsFaceUp = view_.ComputerHandsFaceUp();
  return context;
}

PointerTarget CTolvaViewWidget::TargetAtWindow(QPoint window, Gesture gesture) const {
  return TargetAt(Hits(), Context(), WindowToCanvas(window, app_.ScaleX, app_.ScaleY), gesture);
}

bool CTolvaViewWidget::AcceptsInput() const {
  return loaded_ && !app_.PeekInstance && effect_ == Effect::None && !host_.Busy() &&
         !host_.Closing();
}

void CTolvaViewWidget::NoteGrab(const PointerTarget& target, QPointF canvas) {
  const TableState& t = Table();
  const HitRects& hits = Hits();
  grabOffset_ = {};
  switch (target.kind) {
    case TargetKind::HandCard: {
      const int slot = std::clamp(target.index, 0, kHandSlots - 1);
      const Rect& card = hits.HandCardRect[slot];
      // With marked cards all of them go up in slot order; the pressed card
      // keeps its place in that row under the pointer.
      int before = 0;
      if (t.Selected[slot])
        for (int s = 0; s < slot; ++s) before += t.Selected[s] ? 1 : 0;
      grabOffset_ = Clamped({canvas.x() - card.left, canvas.y() - card.top}) +
                    QPointF(before * kDraggedCardStep, 0);
      break;
    }
    case TargetKind::Stock: grabOffset_ = OffsetIn(hits.StockRect, canvas); break;
    case TargetKind::River: grabOffset_ = OffsetIn(hits.RiverRect, canvas); break;
    default: break;
  }
}

void CTolvaViewWidget::mousePressEvent(QMouseEvent* event) {
  // A left click ends a running dissolve at once.
  if (event->button() == Qt::LeftButton) view_.SkipRunningEffect();
  if (!AcceptsInput()) return;
  hoverTip_.Hide();  // a press hides the tip; it keeps its text
  const QPoint point = event->position().toPoint();
  const QPointF canvas = WindowToCanvas(point, app_.ScaleX, app_.ScaleY);
  const PointerTarget target = TargetAt(Hits(), Context(), canvas, Gesture::Press);
  if (event->button() == Qt::LeftButton) {
    if (const int seat = PeekPlateAt(canvas); seat >= 0) {
      PeekCommand(kCmdPeekSeat0 + seat);
      return;
    }
    NoteGrab(target, canvas);
    dragPoint_ = point;
    view_.LeftPress(target);
    UpdateOverlays();
  } else if (event->button() == Qt::RightButton) {
    view_.RightPress(target);
    UpdateOverlays();
  }
}

void CTolvaViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!AcceptsInput()) return;
  const QPoint point = event->position().toPoint();
  const QPointF canvas = WindowToCanvas(point, app_.ScaleX, app_.ScaleY);
  if (Flow().Dragging != DragKind::None) {
    dragPoint_ = point;
    view_.DragMove(TargetAt(Hits(), Context(), canvas, Gesture::Move));
    UpdateOverlays();
    return;
  }
  PointerOver(point, event->globalPosition().toPoint());
}

void CTolvaViewWidget::PointerOver(QPoint window, QPoint global) {
  const QPointF canvas = WindowToCanvas(window, app_.ScaleX, app_.ScaleY);
  // (On the map the pointer's shape is the map's: MapViewport.)
  if (PeekPlateAt(canvas) >= 0) {
    setCursor(Qt::PointingHandCursor);
  } else {
    UpdatePointerShape(TargetAt(Hits(), Context(), canvas, Gesture::Press));
  }
  ShowHoverHelp(canvas, global);
}

void CTolvaViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!AcceptsInput() || event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  const QPointF canvas = WindowToCanvas(point, app_.ScaleX, app_.ScaleY);
  view_.LeftRelease(TargetAt(Hits(), Context(), canvas, Gesture::Drop));
  UpdateOverlays();
  if (AcceptsInput()) UpdatePointerShape(TargetAt(Hits(), Context(), canvas, Gesture::Press));
}

void CTolvaViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  // On the map the double click is the map's (MapViewport); on the table the
  // second click is a press like the first.
  mousePressEvent(event);
}

void CTolvaViewWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<HumanKey> key = HumanKeyOf(event->key());
  if (!key) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (!AcceptsInput()) return;
  view_.Key(*key, (event->modifiers() & Qt::ControlModifier) != 0);
  UpdateOverlays();  // the keyboard cursor
}

void CTolvaViewWidget::UpdatePointerShape(const PointerTarget& target) {
  if (ShowsHandPointer(target, Flow().TableActive != 0)) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

// --- hover help ---------------------------------------------------------------------------------

void CTolvaViewWidget::ShowHoverHelp(QPointF canvas, QPoint global) {
  if (!Table().DspRem) return;
  const tolva::HoverText choice = tolva::HoverHelp(Hits(), Flow().TableActive != 0, Table().ReachFlag,
                                            static_cast<int>(canvas.x()),
                                            static_cast<int>(canvas.y()));
  std::optional<QString> text;  // none: the part has no text, the tip keeps its own
  switch (choice.kind) {
    case tolva::HoverText::Kind::String: text = FromUtf8(StringText(choice.value)); break;
    case tolva::HoverText::Kind::Profile:
      text = QString::fromStdString(view_.ProfileText(choice.value));
      // The plate tells how to peek at the seat's hand.
      if (PeekOffered()) *text += PlatePeekHint(choice.value);
      break;
    case tolva::HoverText::Kind::Unchanged: break;
  }
  hoverTip_.PointerAt(global, text);
}

void CTolvaViewWidget::ClearHoverText() { hoverTip_.Clear(); }

void CTolvaViewWidget::focusOutEvent(QFocusEvent* event) {
  ClearHoverText();
  QWidget::focusOutEvent(event);
}

void CTolvaViewWidget::enterEvent(QEnterEvent* event) {
  // A pointer that comes in and stays where it came in sends no move. (On
  // the map the pointer is the map's: MapViewport.)
  const FlowDisplay flow = Flow();
  if (AcceptsInput() && !flow.MapShown && flow.Dragging == DragKind::None)
    PointerOver(event->position().toPoint(), event->globalPosition().toPoint());
  QWidget::enterEvent(event);
}

void CTolvaViewWidget::leaveEvent(QEvent* event) {
  hoverTip_.Hide();
  QWidget::leaveEvent(event);
}

void CTolvaViewWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  peekButtons_->Place(app_.ScaleX, app_.ScaleY);
}

// --- cunning mode -------------------------------------------------------------------------------

bool CTolvaViewWidget::PeekOffered() const {
  return !app_.PeekInstance && app_.CunningMode && Flow().CunningMode;
}

void CTolvaViewWidget::PeekCommand(int command) {
  const int seat = PeekSeatOfCommand(command);
  if (seat < 0 || !PeekOffered() || effect_ != Effect::None || host_.Busy() || host_.Closing())
    return;
  ClearHoverText();
  view_.StartPeek(seat);
}

int CTolvaViewWidget::PeekPlateAt(QPointF canvas) const {
  // The plates are drawn, and their rectangles current, only with a table.
  const FlowDisplay flow = Flow();
  if (!PeekOffered() || !flow.TableActive || flow.Initialising || flow.MapShown) return -1;
  for (int seat = 0; seat < kComputerSeats; ++seat)
    if (Hits().SeatPlateRect[seat].Contains(static_cast<int>(canvas.x()), static_cast<int>(canvas.y())))
      return seat;
  return -1;
}

void CTolvaViewWidget::UpdatePeekButtons() {
  const FlowDisplay flow = Flow();
  const bool shown = PeekOffered() && flow.TableActive && !flow.Initialising && !flow.MapShown &&
                     effect_ == Effect::None;
  if (shown) peekButtons_->Place(app_.ScaleX, app_.ScaleY);
  if (peekButtons_->isVisibleTo(this) != shown) peekButtons_->setVisible(shown);
}

}  // namespace tolva
