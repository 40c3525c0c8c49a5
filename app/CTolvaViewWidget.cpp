#include "app/CTolvaViewWidget.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
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

MessageSink CTolvaViewWidget::Messages() {
  return [this](int stringId, MessageStyle style) { host_.ShowMessage({}, stringId, style); };
}

// --- first showing ------------------------------------------------------------------------------

void CTolvaViewWidget::FirstShow() {
  if (firstShown_) return;
  firstShown_ = true;
  LoadPictures(PictureSource());
  if (app_.PeekInstance) {
    // The peek window keeps to its own refresh; it polls even without its
    // pictures, so that it still closes when the game tells it to.
    view_.StartPeekPolling();
    return;
  }
  if (!loaded_) return;
  view_.OnFirstShow();
}

bool CTolvaViewWidget::LoadPictures(const PictureSource& pictures) {
  // Without its pictures the view stays without a table and no game starts.
  // A failure of the embedded pictures shows 30001. The card face sheet's
  // loader says nothing of its own; the player is told which file failed
  // rather than left before an empty window.
  if (LoadBoardPictures(surfaces_, pictures, app_.PeekInstance != 0, Messages())) {
    if (LoadCardSheet(surfaces_, pictures, Messages())) {
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
  if (loaded_ && !app_.PeekInstance) {
    renderer_.RedrawScene(SceneOf(view_, app_.ModernSystem), tableChanged);
    scaledStale_ = true;
  }
  UpdatePeekButtons();
  repaint();
}

void CTolvaViewWidget::MapViewChanged() {
  map_->Sync();
  UpdatePeekButtons();
  update();
}

const QImage& CTolvaViewWidget::ScaledCanvas() {
  const QImage& canvas = renderer_.Canvas();
  const int w = static_cast<int>(kCanvasWidth * app_.ScaleX);
  const int h = static_cast<int>(kCanvasHeight * app_.ScaleY);
  if (w == canvas.width() && h == canvas.height()) return canvas;
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
  QImage picture(size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  Paint(painter);
  return picture;
}

void CTolvaViewWidget::Paint(QPainter& painter) {
  if (effect_ != Effect::None) {
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, effectPicture_);
  } else if (app_.PeekInstance) {
    PaintPeekWindow(painter);
  } else if (view_.MapShown) {
    PaintMap(painter);
  } else {
    PaintTable(painter);
  }
  if (flashOn_) InvertOnWindow(painter, flashRect_);
  if (progressOn_) InvertOnWindow(painter, ProgressMarkRect(app_.ScaleX, app_.ScaleY).ToQRect());
}

void CTolvaViewWidget::PaintTable(QPainter& painter) {
  const QImage& canvas = ScaledCanvas();
  if (canvas.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  painter.drawImage(0, 0, canvas);
  // White below the picture across the whole width, then right of it.
  const int w = canvas.width();
  const int h = canvas.height();
  if (height() > h) painter.fillRect(QRect(0, h, width(), height() - h), Qt::white);
  if (width() > w) painter.fillRect(QRect(w, 0, width() - w, std::min(h, height())), Qt::white);

  if (view_.TableActive && !view_.Initialising && view_.t.TurnSeat == kHumanSeat)
    PaintCursor(painter);
  PaintDraggedCards(painter);
}

void CTolvaViewWidget::PaintMap(QPainter& painter) { map_->Paint(painter); }

void CTolvaViewWidget::PaintPeekWindow(QPainter& painter) {
  const TableState& t = view_.t;
  const int n = std::clamp(t.HandCount[0], 0, kHandSlots);
  // Nothing but white until the first hand has come.
  const bool shown = n > 0 || !view_.LastPeekText.empty();
  PaintPeek(painter, surfaces_, std::span(t.Hand[0]).first(static_cast<size_t>(n)),
            shown ? view_.think.HandPoints(0) : -1, size());
}

void CTolvaViewWidget::PaintCursor(QPainter& painter) {
  const TableState& t = view_.t;
  const int slot = ClampCursor(t.Cursor, t.HandCount[kHumanSeat], t.ReachFlag[kHumanSeat] != 0,
                               t.ReachPending != 0);
  DrawCursorSprite(painter, surfaces_, CursorSpriteRect(Hits(), slot, app_.ScaleX, app_.ScaleY));
}

void CTolvaViewWidget::PaintDraggedCards(QPainter& painter) {
  const TableState& t = view_.t;
  if (view_.Dragging == DragKind::None || t.DraggedCount <= 0) return;
  const float sx = app_.ScaleX;
  const float sy = app_.ScaleY;
  const QPointF first = WindowToCanvas(dragPoint_, sx, sy) - grabOffset_;
  const bool faceDown = view_.Dragging == DragKind::StockCard && view_.StockCardFaceDown;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  const int count = std::min(t.DraggedCount, static_cast<int>(t.Dragged.size()));
  for (int k = 0; k < count; ++k) {
    const QRectF place((first.x() + k * kDraggedCardStep) * sx, first.y() * sy, kCardWidth * sx,
                       kCardHeight * sy);
    if (faceDown) {
      painter.drawImage(place, surfaces_.CardBack);
    } else if (const FaceRef face = surfaces_.FaceOf(t.Dragged[k]); face.image != nullptr) {
      painter.drawImage(place, *face.image, face.source);
    }
  }
  painter.restore();
}

// --- effects ------------------------------------------------------------------------------------

void CTolvaViewWidget::ShowResultPicture(ResultPicture picture) {
  const QtHost::BusyScope busy(host_);
  effectPicture_ = QImage(size(), QImage::Format_RGB32);
  {
    QPainter painter(&effectPicture_);
    const auto found = surfaces_.ResultPictures.find(static_cast<int>(picture));
    DrawResultPicture(painter, size(),
                      found != surfaces_.ResultPictures.end() ? found->second : QImage(),
                      ResultFrameColour(picture));
  }
  effect_ = Effect::Picture;
  UpdatePeekButtons();
  repaint();
  Dissolve(picture == ResultPicture::CampaignComplete);
}

void CTolvaViewWidget::Dissolve(bool fine) {
  const QtHost::BusyScope busy(host_);
  BeginDissolve();
  view_.SkipEffect = 0;

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
    if (view_.SkipEffect || run.Finished() || host_.Closing() || !isVisible()) {
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
  // Over whatever the window shows now (the result picture, or the map).
  if (effect_ == Effect::None) effectPicture_ = WindowPicture();
  effect_ = Effect::Dissolving;
  UpdatePeekButtons();
}

void CTolvaViewWidget::DissolveFrame(DissolveRun& run, int squares) {
  if (squares > 0) {
    QPainter painter(&effectPicture_);
    run.Step(painter, renderer_.Canvas(), squares);
  }
  repaint();
}

void CTolvaViewWidget::EndDissolve() {
  // The window shows the table again, white outside the canvas.
  effect_ = Effect::None;
  effectPicture_ = QImage();
  UpdatePeekButtons();
  repaint();
}

void CTolvaViewWidget::FlashSeatHand(int seat) {
  const QtHost::BusyScope busy(host_);
  flashRect_ = FlashSeatHandRect(Hits(), seat, app_.ScaleX, app_.ScaleY).ToQRect();
  for (int i = 0; i < kFlashInversions && !host_.Closing(); ++i) {
    flashOn_ = !flashOn_;
    repaint();
    host_.Wait(kFlashWaitMs);
  }
  flashOn_ = false;
  repaint();
}

bool CTolvaViewWidget::PrepareCardBacks() { return RebuildCardBacks(false); }

bool CTolvaViewWidget::RebuildCardBacks(bool force) {
  const Settings settings(host_.Store());
  const CardBackOptions options{settings.BackSet(), settings.CardWaku()};
  // The mark under the start icon blinks while the strip is drawn.
  const auto progress = [this] {
    progressOn_ = !progressOn_;
    repaint();
  };
  const bool ok = tolva::PrepareCardBacks(surfaces_, force, options, progress, Messages());
  progressOn_ = false;
  repaint();
  return ok;
}

// --- menus --------------------------------------------------------------------------------------

void CTolvaViewWidget::ShowCommandMenu(int menuIndex) {
  if (commands_ == nullptr || host_.Closing()) return;
  commands_->ShowCommandMenu(menuIndex);
  update();
}

// --- pointer and keys ---------------------------------------------------------------------------

PointerContext CTolvaViewWidget::Context() const {
  PointerContext context;
  context.handCount = view_.t.HandCount[kHumanSeat];
  context.viewAngle = view_.ViewAngle;
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
  const TableState& t = view_.t;
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
  if (event->button() == Qt::LeftButton) view_.SkipEffect = 1;
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
    update();
  } else if (event->button() == Qt::RightButton) {
    view_.RightPress(target);
    update();
  }
}

void CTolvaViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!AcceptsInput()) return;
  const QPoint point = event->position().toPoint();
  const QPointF canvas = WindowToCanvas(point, app_.ScaleX, app_.ScaleY);
  if (view_.Dragging != DragKind::None) {
    dragPoint_ = point;
    view_.DragMove(TargetAt(Hits(), Context(), canvas, Gesture::Move));
    update();
    return;
  }
  // (On the map the pointer's shape is the map's: MapViewport.)
  if (PeekPlateAt(canvas) >= 0) {
    setCursor(Qt::PointingHandCursor);
  } else {
    UpdatePointerShape(TargetAt(Hits(), Context(), canvas, Gesture::Press));
  }
  ShowHoverHelp(canvas, event->globalPosition().toPoint());
}

void CTolvaViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!AcceptsInput() || event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  const QPointF canvas = WindowToCanvas(point, app_.ScaleX, app_.ScaleY);
  view_.LeftRelease(TargetAt(Hits(), Context(), canvas, Gesture::Drop));
  update();
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
  update();  // the keyboard cursor
}

void CTolvaViewWidget::UpdatePointerShape(const PointerTarget& target) {
  if (ShowsHandPointer(target, view_.TableActive != 0)) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

// --- hover help ---------------------------------------------------------------------------------

void CTolvaViewWidget::ShowHoverHelp(QPointF canvas, QPoint global) {
  if (!view_.t.DspRem) return;
  const tolva::HoverText choice = tolva::HoverHelp(Hits(), view_.TableActive != 0, view_.t.ReachFlag,
                                            static_cast<int>(canvas.x()),
                                            static_cast<int>(canvas.y()));
  std::optional<QString> text;  // none: the part has no text, the tip keeps its own
  switch (choice.kind) {
    case tolva::HoverText::Kind::String: text = FromUtf8(StringText(choice.value)); break;
    case tolva::HoverText::Kind::Profile:
      text = QString::fromStdString(view_.think.ProfileText(choice.value));
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
  return !app_.PeekInstance && app_.CunningMode && view_.CunningMode;
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
  if (!PeekOffered() || !view_.TableActive || view_.Initialising || view_.MapShown) return -1;
  for (int seat = 0; seat < kComputerSeats; ++seat)
    if (Hits().SeatPlateRect[seat].Contains(static_cast<int>(canvas.x()), static_cast<int>(canvas.y())))
      return seat;
  return -1;
}

void CTolvaViewWidget::UpdatePeekButtons() {
  const bool shown = PeekOffered() && view_.TableActive && !view_.Initialising &&
                     !view_.MapShown && effect_ == Effect::None;
  if (shown) peekButtons_->Place(app_.ScaleX, app_.ScaleY);
  if (peekButtons_->isVisibleTo(this) != shown) peekButtons_->setVisible(shown);
}

}  // namespace tolva
