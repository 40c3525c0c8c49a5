#include "app/CTolvaApp.h"

#include <QFile>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <array>
#include <cstdio>
#include <optional>

#include "app/CMainFrame.h"
#include "app/FixedSizeWindows.h"
#include "app/HoverTips.h"
#include "app/MessageBox.h"
#include "app/ProfileNames.h"
#include "app/ProgramStyle.h"
#include "app/QtHost.h"
#include "app/QtSettingsStore.h"
#include "app/StartUp.h"
#include "dialogs/COpenning.h"
#include "dialogs/ChronicleWindow.h"
#include "dialogs/QtText.h"
#include "res/ChronicleTexts.h"
#include "res/Language.h"
#include "res/StringTable.h"
#include "rules/Card.h"
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
  // The language is chosen once; everything with words follows it.
  SetActiveLanguage(LanguageOfThisDesktop());
  if (ActiveLanguage() == Language::English) {
    InstallGameTranslations(*this);  // Qt's own buttons are English already
    UseEnglishFont(*this);
  } else {
    InstallQtTranslation(*this);
    UseJapaneseFont(*this);
  }
  UseProgramStyle(*this);
  KeepFixedSizeWindowsUnmaximized(*this);
  UseHoverHelpColours();
}

CTolvaApp::~CTolvaApp() {
  // A write that fails now is not told: the program is going.
  if (store_) store_->TellProblemsTo({});
  chronicle_.reset();
  frame_.reset();  // the window and the game before the store they write to
  store_.reset();
}

bool CTolvaApp::ShowChronicleAlone(const QString& file) {
  store_ = std::make_unique<QtSettingsStore>();
  chronicle_ = std::make_unique<ChronicleWindow>(
      file, [this] { return QString::fromStdString(Settings(*store_).ChronicleCampaign()); });
  connect(chronicle_.get(), &QDialog::finished, this, &QCoreApplication::quit, Qt::QueuedConnection);
  chronicle_->show();
  return true;
}

bool CTolvaApp::InitInstance() {
  // Before the peek switch: a path may well hold "/W".
  bool badChronicle = false;
  const QString chronicleFile = ChronicleFileArgument(arguments(), badChronicle);
  if (badChronicle) {
    std::fwrite(chronicle_text::kViewerUsage.data(), 1, chronicle_text::kViewerUsage.size(), stderr);
    return false;
  }
  if (!chronicleFile.isEmpty()) return ShowChronicleAlone(chronicleFile);

  // A current system; cunning mode wants a full-colour display.
  ModernSystem = 1;
  const QScreen* screen = primaryScreen();
  CunningMode = CunningModeForDepth(screen != nullptr ? screen->depth() : 0);

  if (!QFile::exists(LibraryFilePath(applicationDirPath()))) {
    ShowMessage(nullptr, "TolvaGameSys.dll\n", kMsgLibraryMissing, MessageStyle::Information);
    return false;
  }

  PeekInstance = HasPeekSwitch(arguments()) ? 1 : 0;
  if (!PeekInstance) {
    lock_ = TakeGameLock();
    if (lock_.heldByAnotherGame) {
      ShowMessage(nullptr, {}, kMsgAlreadyRunning, MessageStyle::Information);
      return false;
    }
  }

  store_ = std::make_unique<QtSettingsStore>();
  // The peek window sees the game only through the settings file.
  if (PeekInstance && !store_->FileRead()) return false;
  if (!PeekInstance) {
    store_->TellProblemsTo([this](const std::string& prefix, int stringId) {
      if (!frame_) {
        ShowMessage(nullptr, prefix, stringId, MessageStyle::Error);
        return;
      }
      // A write may come while the table is being drawn: the box opens
      // between two steps of the game, not in the middle of one.
      QTimer::singleShot(0, this, [this, prefix, stringId] {
        if (frame_) frame_->Host().ShowMessage(prefix, stringId, MessageStyle::Error);
      });
    });
    if (!store_->FileRead()) PlayWithoutTheFile();
    // A peek window belongs to the game that started it. One left over from a
    // run that did not close (it was killed) closes now, and its flag no
    // longer stands for a running peek window.
    Settings settings(*store_);
    ClosePeekWindow(settings);
  }

  frame_ = std::make_unique<CMainFrame>(*this, *store_, DesktopHeight());
  if (!store_->FileRead()) {
    // Nothing of this run is kept: a peek window could not see the hands,
    // and the chronicle would record a campaign that is nowhere else.
    frame_->Host().Peek().Disable();
    frame_->Host().DetachChronicle();
  }
  if (PeekInstance) {
    frame_->PlaceAsPeekWindow();
    frame_->show();
  } else {
    frame_->setWindowTitle(QtText(Translated(text_context::kTitles, kStartTitle)));
    frame_->show();
  }
  return true;
}

// The campaign in the file could not be read. A course selection now would
// look like a first start and would lose the campaign once the file can be
// written again, so this run plays a beginner's campaign that is kept in
// memory only; the player's own goes on when the file is mended.
void CTolvaApp::PlayWithoutTheFile() {
  constexpr int kBeginnerCourse = 1;
  std::array<int, kSeats> purses{};
  purses[kHumanSeat] = StartingPurse(kBeginnerCourse);
  Settings(*store_).Write(SettingsChange().Purses(purses).Course(kBeginnerCourse));
}

}  // namespace tolva
