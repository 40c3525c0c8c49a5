// CHelpDlg: the help window. It shows one of the manual's HTML pages, which
// ship in the folder "help" beside the executable, maximised and with the
// page's title; it can be restored and resized like any window. Links inside
// the pages work: anchors, the other page, and outside addresses (which open
// in the desktop's browser).
//
//   ShowHelpPage(HelpPage::Rules, services, mainWindow);
#pragma once

#include <QDialog>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "dialogs/DialogServices.h"
#include "res/Language.h"

class QPushButton;

namespace tolva {

// The two pages of the help menu.
enum class HelpPage { Rules, Controls };

struct HelpPageInfo {
  int command;               // the help menu's command
  std::string_view file;     // in the help folder
  std::string_view title;    // the window title
};
const HelpPageInfo& InfoOf(HelpPage page);

// The file of a page in `language`: the Japanese page's own name, or for
// English the same name with "_en" before ".html" ("tolvagame_rule_en.html").
QString PageFileIn(Language language, const QString& pageFile);
// A page's window title in the player's language, from the Japanese title
// (through the translators installed at start-up, context "HelpPages").
QString PageTitle(const QString& japaneseTitle);

// Pages and the files they refer to are read only up to this size; a larger
// page counts as missing, a larger style sheet or picture is left out.
inline constexpr qint64 kMaxHelpFileBytes = 8LL * 1024 * 1024;

// The browser of the help window: loads the pages' files within the size
// limit and leaves outside addresses to the desktop.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

class CHelpDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CHelpDlg(DialogServices services, QWidget* parent = nullptr);

  // Set by the caller before the dialog runs.
  QString Title;     // the window title
  QString PageFile;  // the page's file name in the help folder
  // The help folder; the folder "help" beside the executable unless a caller
  // (a test) chooses another.
  QString HelpFolder;

  // Finds the page and prepares the window for it: the page shown, the title
  // set, maximised. A missing page shows 30186 and answers false.
  bool OpenPage();
  // Runs the window for the page; without the page it does not appear and
  // answers Rejected.
  int exec() override;

  HelpBrowser* Browser() const { return browser_; }

 private:
  void FollowSource(const QUrl& source);

  DialogServices services_;
  HelpBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

// The help command for one page: builds the window and runs it.
void ShowHelpPage(HelpPage page, const DialogServices& services, QWidget* parent);
// The same for a page file of the help folder and the window title.
void ShowHelpPage(std::string_view pageFile, std::string_view title,
                  const DialogServices& services, QWidget* parent);

}  // namespace tolva
