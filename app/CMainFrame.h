// CMainFrame: the program's main window, a fixed-size frame without menu bar
// whose client area is the table's window. Its size follows "Gamen": the
// client is Gamen x Gamen div 4 x 3 (here the window manager draws the
// decorations outside the client area, so the client gets the whole size).
// It owns the game: the Qt host, the table view and its window, and the
// commands of the menus; it holds the function-key accelerators; closing it
// during a game asks first.
//
// In a peek instance it is the peek window instead (PeekWindow.h): a small
// tool window at the desktop's corner that shows one computer seat's hand.
#pragma once

#include <QMainWindow>
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

  // The client size for a "Gamen" width: width x width div 4 x 3.
  static QSize ClientSizeFor(int gamen);

  // The screen-size command: writes "Gamen", gives the window its new size,
  // centres it on the screen, and sets ScaleX = width / 1200 and
  // ScaleY = height / 900 for the new client area.
  void ResizeForScreenSize(int width);

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
  // Where the game's chronicle is kept ($XDG_DATA_HOME/TolvaGame/chronicle.sqlite).
  const QString& ChroniclePath() const { return chroniclePath_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void AddAccelerators();
  void StartChronicle();
  bool AcceptsCommands() const;
  void ResetPeekChannel();

  AppState& app_;
  SettingsStore& store_;
  QString chroniclePath_;
  // The writer goes last: the game hands it entries until it is gone.
  std::unique_ptr<ChronicleWriter> chronicle_;
  QPointer<ChronicleWindow> chronicleWindow_;
  std::unique_ptr<QtHost> host_;
  std::unique_ptr<CTolvaView> view_;
  std::unique_ptr<PeekProbe> peekProbe_;
  CTolvaViewWidget* window_ = nullptr;
  std::unique_ptr<FrameCommandShell> commandShell_;
  std::unique_ptr<CommandMenus> commands_;
  bool quitting_ = false;
  bool peekShown_ = false;
};

}  // namespace tolva
