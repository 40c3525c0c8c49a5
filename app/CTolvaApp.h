// CTolvaApp: the application object. It starts the process (InitInstance),
// holds the values the whole program shares (AppState: the scale factors,
// ModernSystem, the cunning-mode flag, PeekInstance), the settings store and
// the main frame. The application's title, "TolvaGame", is the caption of
// every message box and the name of the program's profile and temporary folder.
#pragma once

#include <QApplication>
#include <memory>

#include "app/AppState.h"
#include "app/GameLock.h"

namespace tolva {

class CMainFrame;
class ChronicleWindow;
class QtSettingsStore;

class CTolvaApp : public QApplication, public AppState {
 public:
  CTolvaApp(int& argc, char** argv);
  ~CTolvaApp() override;

  // The start-up sequence; false ends the process before any window is shown
  // (the picture library is missing, the command line is wrong, another game
  // runs, or a peek window has no settings to follow).
  bool InitInstance();

 private:
  // The chronicle window alone (--chronicle FILE): no game is started.
  bool ShowChronicleAlone(const QString& file);
  void PlayWithoutTheFile();

  // Nothing is read or written before this is held: a second copy ends
  // without touching the first one's settings or its peek window.
  GameLock lock_;
  std::unique_ptr<QtSettingsStore> store_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<ChronicleWindow> chronicle_;
};

}  // namespace tolva
