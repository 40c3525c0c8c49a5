#include "app/CTolvaApp.h"

#include <QFile>
#include <QIcon>
#include <QScreen>
#include <optional>

#include "app/CMainFrame.h"
#include "app/FixedSizeWindows.h"
#include "app/HoverTips.h"
#include "app/MessageBox.h"
#include "app/ProfileNames.h"
#include "app/ProgramStyle.h"
#include "app/QtSettingsStore.h"
#include "app/StartUp.h"
#include "res/StringTable.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

constexpr char kStartTitle[] = "トルヴァゲーム";

std::optional<int> DesktopHeight() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  return screen->geometry().height();
}

}  // namespace

CTolvaApp::CTolvaApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName(QString::fromLatin1(kProfileOrganisation));
  setApplicationName(QString::fromLatin1(kProfileApplication));
  setDesktopFileName(QStringLiteral("io.github.tolvagame.TolvaGame"));  // its menu entry
  setWindowIcon(QIcon(QStringLiteral(":/icons/tolvagame.png")));
  InstallQtTranslation(*this);
  UseJapaneseFont(*this);
  UseProgramStyle(*this);
  KeepFixedSizeWindowsUnmaximized(*this);
  UseHoverHelpColours();
}

CTolvaApp::~CTolvaApp() {
  frame_.reset();  // the window and the game before the store they write to
  store_.reset();
}

bool CTolvaApp::InitInstance() {
  // A current system; cunning mode wants a full-colour display.
  ModernSystem = 1;
  const QScreen* screen = primaryScreen();
  CunningMode = CunningModeForDepth(screen != nullptr ? screen->depth() : 0);

  if (!QFile::exists(LibraryFilePath(applicationDirPath()))) {
    ShowMessage(nullptr, "TolvaGameSys.dll\n", kMsgLibraryMissing, MessageStyle::Information);
    return false;
  }

  store_ = std::make_unique<QtSettingsStore>();
  PeekInstance = HasPeekSwitch(arguments()) ? 1 : 0;
  // A peek window belongs to the game that started it. One left over from a
  // run that did not close (it was killed) closes now, and its flag no longer
  // stands for a running peek window.
  if (!PeekInstance) {
    Settings settings(*store_);
    ClosePeekWindow(settings);
  }

  frame_ = std::make_unique<CMainFrame>(*this, *store_, DesktopHeight());
  if (PeekInstance) {
    frame_->PlaceAsPeekWindow();
    frame_->show();
  } else {
    frame_->setWindowTitle(QString::fromUtf8(kStartTitle));
    frame_->show();
  }
  return true;
}

}  // namespace tolva
