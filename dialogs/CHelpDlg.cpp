#include "dialogs/CHelpDlg.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/DialogPictures.h"
#include "dialogs/QtText.h"
#include "res/Language.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

// The titles are marked for the translation tools: PageTitle() looks them up.
constexpr HelpPageInfo kPages[] = {
    {32777, "tolvagame_rule.html", QT_TRANSLATE_NOOP("HelpPages", "トルヴァゲームのルール")},
    {32840, "tolvagame_sousa.html", QT_TRANSLATE_NOOP("HelpPages", "トルヴァゲームの操作方法")},
};

// The size the window takes when it is restored from maximised.
constexpr QSize kRestoredSize(820, 620);

// The English pages stand beside the Japanese ones under the same name with
// this before ".html".
const QLatin1String kEnglishPageMark("_en");

// The page file the English page was made from ("tolvagame_rule_en.html" gives
// "tolvagame_rule.html"); any other name unchanged.
QString JapanesePageFile(const QString& file) {
  const QString marked = kEnglishPageMark + QLatin1String(".html");
  if (!file.endsWith(marked)) return file;
  return file.left(file.size() - marked.size()) + QLatin1String(".html");
}

}  // namespace

const HelpPageInfo& InfoOf(HelpPage page) {
  return kPages[page == HelpPage::Controls ? 1 : 0];
}

QString PageFileIn(Language language, const QString& pageFile) {
  if (language != Language::English || !pageFile.endsWith(QLatin1String(".html"))) return pageFile;
  return pageFile.left(pageFile.size() - 5) + kEnglishPageMark + QLatin1String(".html");
}

QString PageTitle(const QString& japaneseTitle) {
  return QCoreApplication::translate("HelpPages", japaneseTitle.toUtf8().constData());
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.isLocalFile() || name.isRelative()) {
    const QUrl resolved = source().resolved(name);
    const QFileInfo info(resolved.toLocalFile());
    if (!info.isFile() || info.size() > kMaxHelpFileBytes) return {};
  }
  return QTextBrowser::loadResource(type, name);
}

CHelpDlg::CHelpDlg(DialogServices services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      HelpFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/help")),
      services_(std::move(services)) {
  setFont(ProportionalDialogFont());
  setWindowIcon(ApplicationIcon());
  setSizeGripEnabled(true);

  browser_ = new HelpBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);  // http and mail links go to the desktop
  browser_->setFrameShape(QFrame::NoFrame);

  back_ = new QPushButton(Tr(text_context::kDialogs, "◀ 戻る"), this);
  forward_ = new QPushButton(Tr(text_context::kDialogs, "進む ▶"), this);
  auto* close = new QPushButton(Tr(text_context::kDialogs, "閉じる"), this);
  for (QPushButton* button : {back_, forward_, close}) {
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
  }
  back_->setEnabled(false);
  forward_->setEnabled(false);
  back_->setToolTip(Tr(text_context::kDialogs, "前のページに戻ります (Alt+←)"));
  forward_->setToolTip(Tr(text_context::kDialogs, "次のページに進みます (Alt+→)"));
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &CHelpDlg::FollowSource);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 4, 6, 4);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);

  QSize restored = kRestoredSize;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    restored = restored.boundedTo(screen->availableSize());
  resize(restored);
}

bool CHelpDlg::OpenPage() {
  if (HelpFolder.isEmpty()) return false;  // no folder of the executable: nothing to say
  // The page in the player's language; a folder without it still has the
  // game's own Japanese page to show.
  QFileInfo page(HelpFolder + QLatin1Char('/') + PageFileIn(ActiveLanguage(), PageFile));
  if (!page.isFile()) page.setFile(HelpFolder + QLatin1Char('/') + PageFile);
  // A page too large to read is as good as missing.
  if (PageFile.isEmpty() || !page.isFile() || page.size() > kMaxHelpFileBytes) {
    services_.Message(kMsgHelpFolderMissing, MessageStyle::Information);
    return false;
  }
  browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()));
  browser_->clearHistory();
  setWindowTitle(PageTitle(Title));
  setWindowState(windowState() | Qt::WindowMaximized);
  return true;
}

int CHelpDlg::exec() {
  if (!OpenPage()) return QDialog::Rejected;
  return QDialog::exec();
}

void CHelpDlg::FollowSource(const QUrl& source) {
  // Moving to the other page of the manual gives the window that page's title.
  const QString file = JapanesePageFile(source.fileName());
  for (const HelpPageInfo& info : kPages) {
    if (file == QtText(info.file)) setWindowTitle(PageTitle(QtText(info.title)));
  }
}

void ShowHelpPage(HelpPage page, const DialogServices& services, QWidget* parent) {
  const HelpPageInfo& info = InfoOf(page);
  ShowHelpPage(info.file, info.title, services, parent);
}

void ShowHelpPage(std::string_view pageFile, std::string_view title,
                  const DialogServices& services, QWidget* parent) {
  CHelpDlg dialog(services, parent);
  dialog.PageFile = QtText(pageFile);
  dialog.Title = QtText(title);
  dialog.exec();
}

}  // namespace tolva
