// CTolvaViewWidget: the table view's window. It shows the canvas the
// presentation layer composes from the table view CTolvaView, at the
// program's ScaleX and ScaleY made at the window's physical pixels (ScaleX
// times the device pixel ratio), with white margins, the keyboard cursor and
// the cards being dragged, and repaints only the rectangles a step changed; it turns the pointer and the keys into the game's
// actions; and it runs the effects on the window: the result picture, the
// dissolve, the hand flash, the hover help. In cunning mode it offers the
// peek commands (a row of buttons, and the computer seats' name plates); in
// a peek instance it shows the peek picture instead of the table.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/HoverTip.h"
#include "app/HostWindow.h"
#include "app/MapViewport.h"
#include "app/PointerTargets.h"
#include "app/QImagePixelMap.h"
#include "render/Messages.h"
#include "render/PictureSource.h"
#include "render/ResultPicture.h"
#include "render/Scene.h"
#include "render/Surfaces.h"

namespace tolva {

struct AppState;
class CommandMenus;
class CTolvaView;
struct FlowDisplay;
class PeekButtonRow;
class QtHost;

class CTolvaViewWidget : public QWidget, public HostWindow {
 public:
  CTolvaViewWidget(AppState& app, CTolvaView& view, QtHost& host, QWidget* parent = nullptr);
  ~CTolvaViewWidget() override;

  // The commands behind the pop-up menus of the icons and of the map.
  void AttachCommands(CommandMenus& commands) { commands_ = &commands; }

  // --- HostWindow ---------------------------------------------------------------------------
  void RedrawScene(bool tableChanged) override;
  void ShowResultPicture(ResultPicture picture) override;
  void FlashSeatHand(int seat) override;
  void Dissolve(bool fine) override;
  bool PrepareCardBacks() override;
  void ShowCommandMenu(int menuIndex) override;
  void MapViewChanged() override;

  // --- for the frame, the commands and tests -----------------------------------------------------
  // Sets up the card back and the hidden-hand strip again; `force` draws the
  // strip anew instead of reading its cache (after the card back changed).
  bool RebuildCardBacks(bool force);
  // The pictures are loaded and the table can be drawn.
  bool PicturesLoaded() const { return loaded_; }
  // Forgets the hover text (the option is switched off, the focus is lost).
  void ClearHoverText();
  const HitRects& Hits() const { return renderer_.Hits(); }
  MapViewport& Map() { return *map_; }
  Surfaces& DrawingSurfaces() { return surfaces_; }
  // What the human points at under a window point.
  PointerTarget TargetAtWindow(QPoint window, Gesture gesture) const;
  // What the window shows, as a picture of its size at its device pixels.
  QImage WindowPicture();
  // The colours at the top and the bottom of the table's background now
  // (in full screen the strips beside the table continue it).
  struct Background {
    QRgb top = 0;
    QRgb bottom = 0;
    friend bool operator==(const Background&, const Background&) = default;
  };
  Background BackgroundColours() const;
  // After a change of ScaleX and ScaleY: the peek buttons move and the
  // window shows the canvas at the new scale.
  void ScaleChanged();
  // The canvas as the window shows it (at the window's device pixels).
  const QImage& Canvas() const { return renderer_.Canvas(); }
  // The result picture or the dissolve is on the window.
  bool EffectRunning() const { return effect_ != Effect::None; }
  // Squares the last dissolve copied before it ended (all of them, unless a
  // click cut it short).
  int LastDissolveSquares() const { return lastDissolveSquares_; }

  // Asks for a repaint where the keyboard cursor and the dragged cards are
  // now and where they were painted last (after a key, a click, a command).
  void UpdateOverlays();

  // The view's first showing: loads the pictures and starts the game's
  // start-up (the frame calls it when it is first shown).
  void FirstShow();
  // Loads the pictures from `pictures` (FirstShow: the program's own); the
  // failures are reported as FirstShow describes. Answers PicturesLoaded().
  bool LoadPictures(std::shared_ptr<const PictureSource> pictures);

  // The dissolve in the steps Dissolve runs them in (benchmarks time a frame):
  // the effect goes over whatever the window shows, each frame copies the
  // run's next `squares` squares of the canvas and shows them, and the end
  // gives the window back to the table.
  void BeginDissolve();
  void DissolveFrame(DissolveRun& run, int squares);
  void EndDissolve();

  // --- cunning mode ----------------------------------------------------------------------------
  // The peek commands are offered: cunning mode on a display that allows it,
  // in the main instance.
  bool PeekOffered() const;
  // A peek command (701 to 704) from the buttons or a name plate.
  void PeekCommand(int command);
  // The row of peek buttons; shown while the peek is offered and the table is.
  PeekButtonRow& PeekButtons() { return *peekButtons_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Effect { None, Picture, Dissolving };

  // The game as the window reads it: the table record, and a copy of the
  // flow's display state. The window changes the game only through the
  // view's operations (the pointer, the keys, the peek commands).
  const TableState& Table() const;
  FlowDisplay Flow() const;

  void Paint(QPainter& painter);
  // These paint in device pixels (`dpr` of them a window pixel).
  void PaintTable(QPainter& painter, qreal dpr);
  void PaintCursor(QPainter& painter, qreal dpr);
  void PaintDraggedCards(QPainter& painter, qreal dpr);
  void PaintPeekWindow(QPainter& painter, qreal dpr);
  void PaintMap(QPainter& painter);
  // Copies the squares the window shows and the effect's picture lacks into it.
  void CatchUpDissolve();
  // The scale of a canvas that fills int(1200 x ScaleX) by int(900 x ScaleY)
  // window pixels at `dpr` device pixels each.
  DeviceScale CanvasScale(qreal dpr) const;
  // Composes the canvas at the window's present scale, at `dpr` device
  // pixels a window pixel, when it is at another (a new size, or a screen of
  // another pixel density).
  void FollowScale(qreal dpr);
  // Repaints the window where canvas rectangles changed (or wholly).
  void RepaintCanvas(const std::vector<Rect>& changes);
  // Where the cursor and the dragged cards are now (window pixels).
  QRect OverlayRect() const;
  // The computer seat (0 to 3) whose name plate is under a canvas point, or -1.
  int PeekPlateAt(QPointF canvas) const;
  void UpdatePeekButtons();
  const QImage& ScaledCanvas(qreal dpr);
  PointerContext Context() const;
  bool AcceptsInput() const;
  void NoteGrab(const PointerTarget& target, QPointF canvas);
  void UpdatePointerShape(const PointerTarget& target);
  // The pointer shape and the hover help for where the pointer is (no drag).
  void PointerOver(QPoint window, QPoint global);
  void ShowHoverHelp(QPointF canvas, QPoint global);
  MessageSink Messages();

  AppState& app_;
  CTolvaView& view_;
  QtHost& host_;
  Surfaces surfaces_;
  SceneRenderer renderer_;
  QImagePixelMap mapPixels_{surfaces_.Map};  // the campaign marks the map here
  CommandMenus* commands_ = nullptr;

  bool firstShown_ = false;
  bool loaded_ = false;

  // A canvas made at another scale than the window's, as the window shows it
  // until the next composition; made again only when either changed.
  QImage scaled_;
  bool scaledStale_ = true;
  // The pictures of the peek instance's window, at its device pixels.
  ScaledPictures peekPictures_{surfaces_};
  // Where the cursor and the dragged cards were painted last (window pixels).
  QRect overlayShown_;
  // The squares a dissolve frame shows, while it repaints (device pixels).
  std::vector<QRect> frameSquares_;
  // The running dissolve as the window last showed it, and as the effect's
  // picture last took its squares (the squares between are on the window only).
  std::optional<DissolveRun> dissolveShown_;
  std::optional<DissolveRun> dissolveApplied_;
  Background background_;  // as last composed

  // Effects on the window.
  Effect effect_ = Effect::None;
  QImage effectPicture_;  // the window's device pixels while an effect runs
  bool flashOn_ = false;
  QRect flashRect_;
  bool progressOn_ = false;
  int lastDissolveSquares_ = 0;

  // The cards being dragged follow the pointer: where it is (window) and
  // where on the first dragged card it holds it (canvas).
  QPoint dragPoint_;
  QPointF grabOffset_;

  HoverTip hoverTip_{*this};
  PeekButtonRow* peekButtons_ = nullptr;

  std::unique_ptr<MapViewport> map_;  // the world map, while it is shown
};

}  // namespace tolva
