// The game in English: every text a player can meet has an English text from
// the compiled translations (no Japanese letter left in it), the menus keep a
// mnemonic each, and the dialogs drawn offscreen in English cut no text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <set>
#include <vector>

#include "app/MenuModel.h"
#include "app/PeekCommands.h"
#include "app/StartUp.h"
#include "dialogs/CAboutDlg.h"
#include "dialogs/CBackSet.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/COpenning.h"
#include "dialogs/ChronicleWindow.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/QtText.h"
#include "dialogs/StoryScroll.h"
#include "render/Surfaces.h"
#include "res/ChronicleTexts.h"
#include "res/StoryText.h"
#include "res/StringTable.h"
#include "res/Translation.h"
#include "res/VersionHistory.h"
#include "rules/CThink.h"
#include "table/MemorySettingsStore.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

bool HasJapanese(const QString& text) {
  static const QRegularExpression japanese(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
  return text.contains(japanese);
}

struct EnglishTextsTest : ::testing::Test {
  const QFont japaneseFont = QApplication::font();
  void SetUp() override { ASSERT_GE(InstallGameTranslations(*qApp), 2) << "the program's and the names'"; }
  void TearDown() override {
    QApplication::setFont(japaneseFont);
    for (QTranslator* translator : qApp->findChildren<QTranslator*>(QLatin1String(kGameTranslationName))) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
    InstallTextTranslator({});
  }

  // Every text reads English: none is empty, none keeps a Japanese letter.
  static void ExpectEnglish(const QString& text, const std::string& what) {
    EXPECT_FALSE(text.trimmed().isEmpty()) << what;
    EXPECT_FALSE(HasJapanese(text)) << what << ": " << text.toStdString();
  }
};

TEST_F(EnglishTextsTest, EveryNumberedTextNameAndTitleOfTheLayersWithoutQt) {
  std::vector<int> numbered;
  for (int number = 30000; number < 30200; ++number)
    if (!StringText(number).empty()) numbered.push_back(number);
  ASSERT_GT(numbered.size(), 75u);
  for (const int number : numbered) ExpectEnglish(QtText(StringText(number)), std::to_string(number));
  EXPECT_EQ(StringText(kMsgAskPon), "Call Pon?");
  for (int course = 1; course <= 4; ++course) ExpectEnglish(QtText(CourseName(course)), "course");
  for (int seat = 0; seat < kSeats; ++seat) ExpectEnglish(QtText(SeatName(seat)), "seat name");
  EXPECT_EQ(SeatName(kHumanSeat), "Alexander");
  for (int kind = kTolvaFailed; kind <= kRon; ++kind) ExpectEnglish(QtText(ResultKindName(kind)), "result");
  ExpectEnglish(QtText(FillIn(Translated(text_context::kTitles, "トルヴァゲーム【%1コース】"), {CourseName(2)})),
                "window title");
  EXPECT_EQ(Translated(text_context::kTitles, "トルヴァゲーム"), "TolvaGame");
}

TEST_F(EnglishTextsTest, EveryProfileAndSettlementLine) {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};
  for (int seat = 0; seat < kSeats; ++seat) {
    const QString profile = QString::fromStdString(think.ProfileText(seat));
    for (const QString& line : profile.split(u'\n', Qt::SkipEmptyParts)) ExpectEnglish(line, "profile");
    EXPECT_TRUE(profile.startsWith(QtText(SeatName(seat)))) << profile.toStdString();
  }
  for (int seat = 0; seat < kSeats; ++seat) testing::SetHand(t, seat, "Jk 3s");
  t.ResultSeat = 2;
  t.ResultKind = kTolvaFailed;
  t.TolvaMark = {1, 1, 0, 1, 1};
  t.FirstRound = 1;
  t.IppatsuFlag[2] = 1;
  ExpectEnglish(QString::fromStdString(think.SettleGame()), "settlement");
  t.ResultSeat = 0;
  t.ResultKind = kTsumo;
  t.PendingPool = 4;
  ExpectEnglish(QString::fromStdString(think.SettleGame()), "settlement");
  t.ResultSeat = 5 + 1;
  t.PendingPool = 4;
  ExpectEnglish(QString::fromStdString(think.SettleGame()), "drawn game");
}

// Every item of every pop-up, with a mnemonic of its own in its menu.
void ExpectEnglishMenu(const MenuItems& items, const std::string& where) {
  std::set<QChar> mnemonics;
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Separator) continue;
    const QString text = Tr(text_context::kMenus, item.text);
    EXPECT_FALSE(HasJapanese(text)) << where << ": " << text.toStdString();
    const qsizetype amp = text.indexOf(u'&');
    ASSERT_GE(amp, 0) << where << ": no mnemonic in " << text.toStdString();
    EXPECT_TRUE(mnemonics.insert(text[amp + 1].toLower()).second)
        << where << ": mnemonic of " << text.toStdString() << " taken twice";
    if (item.kind == MenuItem::Kind::Popup) ExpectEnglishMenu(item.items, where + " > " + text.toStdString());
  }
}

TEST_F(EnglishTextsTest, EveryMenuItemWithItsOwnMnemonic) {
  MenuState state;
  for (int index = 0; index < 4; ++index) ExpectEnglishMenu(CommandMenu(index, state), "menu " + std::to_string(index));
  ExpectEnglishMenu(MapMenu(1), "map menu");
  for (int seat = 0; seat < kComputerSeats; ++seat) {
    ExpectEnglish(PeekButtonTip(seat), "peek button");
    ExpectEnglish(PlatePeekHint(seat), "plate hint");
  }
}

TEST_F(EnglishTextsTest, EveryDialogTextStoryLineAndChronicleText) {
  using namespace chronicle_text;
  std::vector<std::string_view> dialogs = {
      kOpenningOkText, kOpenningCancelText, kBackSetCaption, kBackDefaultText, kBackFreeText,
      kBackSaveText, kBackCancelText, kBackChangeText, kBackFrameLineText, kBackChooseLabel,
      kBackHowToLabel, kImageFileDialogTitle, kImageFileFilter, kAboutCaption, kAboutHistoryLabel,
      kAboutOkText, kAboutProductName, kAboutSubtitle, kAboutNotice};
  dialogs.insert(dialogs.end(), kCourseTexts.begin(), kCourseTexts.end());
  dialogs.insert(dialogs.end(), kCourseTips.begin(), kCourseTips.end());
  for (const std::string_view text : dialogs) ExpectEnglish(Tr(text_context::kDialogs, text), std::string(text));
  ExpectEnglish(Tr(text_context::kDialogs, VersionHistoryText()), "version history");
  EXPECT_NE(Tr(text_context::kDialogs, kAboutHistoryLabel, kAboutHistoryNote),
            Tr(text_context::kDialogs, kAboutCaption))
      << "the label over the versions is not the caption";

  for (const std::string_view line : kStoryLines)
    if (!QtText(line).trimmed().isEmpty()) ExpectEnglish(Tr(text_context::kStory, line), std::string(line));

  for (const std::string_view text :
       {kTitle, kCampaignLabel, kAllCampaigns, kCampaignItem, kCampaignUnderWay, kCampaignBeforeChronicle,
        kExportButton, kCloseButton, kOverviewTab, kPurseTab, kWinsTab, kCitiesTab, kNoGames, kReadFailed,
        kNotAFile, kGamesLabel, kGamesValue, kSeatColumn, kWinsColumn, kTolvaColumn, kReachColumn,
        kCallsColumn, kBestGameLabel, kWorstGameLabel, kGameValue, kLongestWinsLabel, kLongestLossesLabel,
        kCurrentStreakLabel, kStreakValue, kWinningNow, kLosingNow, kNoStreak, kStreakNote, kDrawnGame,
        kPurseChartTitle, kPurseChartAxis, kCampaignStart, kWinsBySeatTitle, kGamesByKindTitle,
        kCityNumberColumn, kCityColumn, kConqueredColumn, kCampaignColumn, kCampaignNumber, kNoCities,
        kExportDialogTitle, kExportFilter, kExportFailed, kCsvTime, kCsvCourse, kCsvCityNumber, kCsvGameNo,
        kCsvJokers, kCsvResult, kCsvResultSeat, kCsvPayer, kCsvPayment, kCsvPurse, kCsvPendingPool,
        kCsvTurns, kCsvReach, kCsvCalls, kSetAsideMessage, kLockedMessage, kDiskFullMessage,
        kReadOnlyMessage, kUnavailableMessage, kNewerMessage})
    ExpectEnglish(Tr(text_context::kChronicle, text), std::string(text));
  ExpectEnglish(Tr(text_context::kMenus, kHelpMenuItem), "chronicle menu item");
  ExpectEnglish(Tr(text_context::kCityNames, "アンフィポリス"), "city name");
}

// The width a push or tool button's face needs: its text beside or under its
// icon, inside the frame the style draws.
int FaceWidth(const QAbstractButton& button) {
  QString text = button.text();
  text.remove(u'&');
  const int textWidth = button.fontMetrics().horizontalAdvance(text);
  const int icon = button.icon().isNull() ? 0 : button.iconSize().width();
  const auto* tool = qobject_cast<const QToolButton*>(&button);
  const int face = tool != nullptr && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon
                       ? std::max(textWidth, icon)
                       : textWidth + (icon > 0 ? icon + 4 : 0);
  return face + 2 * button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

// A text the widget cannot show whole: a button or a label narrower or lower
// than its text needs, or a tab cut short.
std::vector<std::string> CutTexts(QWidget& dialog) {
  std::vector<std::string> cut;
  // A widget standing out of its window is cut by the window's edge.
  const auto outside = [&dialog](const QWidget& widget) {
    return !dialog.rect().contains(QRect(widget.mapTo(&dialog, QPoint(0, 0)), widget.size()));
  };
  for (QWidget* widget : dialog.findChildren<QWidget*>())
    if (widget->isVisible() && widget->parentWidget() == &dialog && outside(*widget))
      cut.push_back(std::string("out of the window: ") + widget->metaObject()->className() +
                    std::string(" ") + widget->objectName().toStdString());
  for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    if (!button->isVisible() || button->text().isEmpty()) continue;
    if (outside(*button)) cut.push_back(button->text().toStdString());
    const bool face = qobject_cast<QPushButton*>(button) != nullptr || qobject_cast<QToolButton*>(button) != nullptr;
    const int needed = face ? FaceWidth(*button) : button->sizeHint().width();
    if (needed > button->width() || button->fontMetrics().height() > button->height())
      cut.push_back(button->text().toStdString());
  }
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty()) continue;
    const QSize needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->contentsRect().width()))
                                           : label->sizeHint();
    if (needed.width() > label->width() || needed.height() > label->height())
      cut.push_back(label->text().toStdString());
  }
  for (QTabBar* tabs : dialog.findChildren<QTabBar*>())
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->tabRect(i).width() < tabs->fontMetrics().horizontalAdvance(tabs->tabText(i).remove(u'&')))
        cut.push_back(tabs->tabText(i).toStdString());
  return cut;
}

std::vector<std::string> CutTextsShown(QWidget& dialog) {
  dialog.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QCoreApplication::processEvents();
  return CutTexts(dialog);
}

TEST_F(EnglishTextsTest, TheDialogsInEnglishCutNoText) {
  UseEnglishFont(*qApp);
  MemorySettingsStore store;
  {
    COpenning course({store, nullptr});
    EXPECT_EQ(CutTextsShown(course), std::vector<std::string>{}) << "course selection";
    for (QAbstractButton* button : course.findChildren<QAbstractButton*>())
      EXPECT_FALSE(HasJapanese(button->text())) << button->text().toStdString();
    // The story scrolls in a square with a margin on either side.
    const QFontMetrics story(course.font());
    for (int i = 0; i < kStoryDrawnLines; ++i)
      EXPECT_LE(story.horizontalAdvance(Tr(text_context::kStory, kStoryLines[i])),
                COpenning::kClientWidth - 2 * kStoryMargin)
          << kStoryLines[i];
  }
  {
    Surfaces surfaces;
    CBackSet backs({store, surfaces, {}, 0});
    EXPECT_EQ(CutTextsShown(backs), std::vector<std::string>{}) << "card backs";
  }
  {
    CHelpDlg help(DialogServices{});
    EXPECT_EQ(CutTextsShown(help), std::vector<std::string>{}) << "help window";
    for (QAbstractButton* button : help.findChildren<QAbstractButton*>()) {
      EXPECT_FALSE(HasJapanese(button->text())) << button->text().toStdString();
      EXPECT_FALSE(HasJapanese(button->toolTip())) << button->toolTip().toStdString();
    }
  }
  {
    CAboutDlg about;
    EXPECT_EQ(CutTextsShown(about), std::vector<std::string>{}) << "about box";
  }
  {
    QTemporaryDir folder;
    ChronicleWindow chronicle(folder.filePath(QStringLiteral("chronicle.sqlite")), [] { return QString(); });
    EXPECT_EQ(CutTextsShown(chronicle), std::vector<std::string>{}) << "chronicle window";
    EXPECT_EQ(chronicle.windowTitle(), QStringLiteral("Chronicle"));
  }
}

}  // namespace
}  // namespace tolva
