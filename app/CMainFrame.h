// CMainFrame: the program's main window, a fixed-size frame without menu bar
// whose client area is the table's window. Its size follows "Gamen": the
// window with its frame is Gamen x Gamen div 4 x 3, the client what remains
// inside the window manager's decorations (known once the window is framed;
// until then the client has the whole size). F11 puts it in full screen and
// back (Esc too, on the table); full screen is not stored.
// It owns the game: the Qt host, the table view and its window, and the
// commands of the menus; it holds the function-key accelerators; closing it
// during a game asks first.
//
// In a peek instance it is the peek window instead (PeekWindow.h): a small
// tool window at the desktop's corner that shows one computer seat's hand.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <QSize>
#include <memory>
#include <optional>

namespace tolva {

struct AppState;
class ChronicleWindow;
class ChronicleWriter;
class CommandMenus;
class CTolvaView;
class PeekProbe;
class CTolvaViewWidget;
class FrameCommandShell;
class QtHost;
class SettingsStore;

class CMainFrame : public QMainWindow {
 public:
  // `desktopHeight` chooses the size on the first start (none: 640 x 480).
  CMainFrame(AppState& app, SettingsStore& store, std::optional<int> desktopHeight,
             QWidget* parent = nullptr);
  ~CMainFrame() override;

  CTolvaView& View() { return *view_; }
  CTolvaViewWidget& Window() { return *window_; }
  QtHost& Host() { return *host_; }
  CommandMenus& Commands() { return *commands_; }

  // The window's outer size for a "Gamen" width: width x width div 4 x 3.
  static QSize ClientSizeFor(int gamen);
  // The client size for a "Gamen" width inside decorations of `frame`.
  static QSize ClientSizeFor(int gamen, QMargins frame);

  // The screen-size command: writes "Gamen", leaves full screen, gives the
  // window its new size (frame included), centres it on the screen, and sets
  // ScaleX = width / 1200 and ScaleY = height / 900 for the new client area.
  // Answers the client size.
  QSize ResizeForScreenSize(int width);

  // Full screen: the table at its 4:3 shape, centred, as large as the screen
  // allows; back to the chosen size.
  void ToggleFullScreen();
  bool FullScreen() const { return fullScreen_; }
  // Where the table's window lies in full screen on a screen of `area`: the
  // largest 4:3 rectangle, centred.
  static QRect FullScreenPlace(QSize area);

  // The peek instance's window: 333 x 217, at the desktop's bottom-right corner.
  void PlaceAsPeekWindow();
  // After each poll of the peek window, what it shows (only with a probe).
  void ReportPeek();

  // Ends the program without asking (the campaign is over, the course
  // selection was cancelled).
  void Quit();

  // The chronicle window beside the table, made the first time; raised when
  // it is open already.
  void ShowChronicle();
  ChronicleWindow* Chronicle() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddAccelerators();
  // The decorations the window manager draws round the client area.
  QMargins Decorations() const;
  // Gives the client the size that makes the whole window "Gamen"'s, once
  // the decorations are known; at its chosen size only, not in full screen.
  void FitToGamen();
  // ScaleX and ScaleY for the table window's size `table`.
  void Rescale(QSize table);
  void StartChronicle();
  bool AcceptsCommands() const;
  void ResetPeekChannel();

  AppState& app_;
  SettingsStore& store_;
  QString chroniclePath_;  // $XDG_DATA_HOME/TolvaGame/chronicle.sqlite
  // The writer goes last: the game hands it entries until it is gone.
  std::unique_ptr<ChronicleWriter> chronicle_;
  QPointer<ChronicleWindow> chronicleWindow_;
  std::unique_ptr<QtHost> host_;
  std::unique_ptr<CTolvaView> view_;
  std::unique_ptr<PeekProbe> peekProbe_;
  CTolvaViewWidget* window_ = nullptr;
  bool fullScreen_ = false;
  std::unique_ptr<FrameCommandShell> commandShell_;
  std::unique_ptr<CommandMenus> commands_;
  bool quitting_ = false;
  bool peekShown_ = false;
  bool fitTimed_ = false;
};

}  // namespace tolva
