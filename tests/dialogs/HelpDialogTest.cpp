// The help window: a missing page or folder gives 30186 and no window; a
// present page opens maximised with its title and can be restored and resized;
// the links of the shipped pages lead to anchors and pages that exist, and
// following one to the other page gives the window that page's title.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <set>

#include "dialogs/CHelpDlg.h"
#include "res/Language.h"
#include "support/RecordedServices.h"

namespace tolva {
namespace {

using testing::RecordedMessage;
using testing::Recorder;

const QString kRulesFile = QStringLiteral("tolvagame_rule.html");
const QString kControlsFile = QStringLiteral("tolvagame_sousa.html");
const QString kRulesTitle = QStringLiteral("トルヴァゲームのルール");
const QString kControlsTitle = QStringLiteral("トルヴァゲームの操作方法");

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

struct HelpWindow : ::testing::Test {
  QTemporaryDir folder;
  Recorder recorder;

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    WriteFile(folder.filePath(kRulesFile),
              "<html><head><meta charset=\"utf-8\"><title>rules</title></head><body>"
              "<p><a href=\"#end\">to the end</a> <a href=\"tolvagame_sousa.html\">controls</a></p>"
              "<p>ルールのページ</p><p><a name=\"end\"></a>the end</p></body></html>");
  }

  void Prepare(CHelpDlg& dialog, const QString& page, const QString& title) {
    dialog.HelpFolder = folder.path();
    dialog.PageFile = page;
    dialog.Title = title;
  }
};

TEST_F(HelpWindow, AMissingPageShowsTheMessageAndNoWindow) {
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kControlsFile, kControlsTitle);  // only the rules page exists
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(recorder.messages,
            (std::vector<RecordedMessage>{{30186, MessageStyle::Information}}));

  // The rules page beside it still opens.
  CHelpDlg rules(recorder.Services());
  Prepare(rules, kRulesFile, kRulesTitle);
  EXPECT_TRUE(rules.OpenPage());
  EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST_F(HelpWindow, AMissingFolderShowsTheSameMessage) {
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kRulesFile, kRulesTitle);
  dialog.HelpFolder = folder.filePath("no-such-folder");
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_EQ(recorder.messages,
            (std::vector<RecordedMessage>{{30186, MessageStyle::Information}}));
}

TEST_F(HelpWindow, AFolderNamedLikeThePageIsNoPage) {
  QDir(folder.path()).mkdir(kControlsFile);
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kControlsFile, kControlsTitle);
  EXPECT_FALSE(dialog.OpenPage());
  EXPECT_EQ(recorder.messages.size(), 1u);
}

TEST_F(HelpWindow, APresentPageOpensMaximisedWithItsTitle) {
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kRulesFile, kRulesTitle);
  ASSERT_TRUE(dialog.OpenPage());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_EQ(dialog.windowTitle(), kRulesTitle);
  EXPECT_TRUE(dialog.isMaximized());
  EXPECT_TRUE(dialog.Browser()->toPlainText().contains(QStringLiteral("ルールのページ")));
  EXPECT_EQ(dialog.Browser()->source(), QUrl::fromLocalFile(folder.filePath(kRulesFile)));

  // Restorable and resizable like any window.
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
  dialog.showNormal();
  EXPECT_FALSE(dialog.isMaximized());
  EXPECT_NE(dialog.minimumSize(), dialog.maximumSize());
  dialog.resize(500, 400);
  EXPECT_EQ(dialog.size(), QSize(500, 400));
}

TEST_F(HelpWindow, FollowingALinkToTheOtherPageShowsItsTitle) {
  WriteFile(folder.filePath(kControlsFile),
            "<html><body><p>操作のページ</p><a href=\"tolvagame_rule.html\">rules</a></body></html>");
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kRulesFile, kRulesTitle);
  ASSERT_TRUE(dialog.OpenPage());

  dialog.Browser()->setSource(QUrl(kControlsFile));  // as a click on the relative link does
  EXPECT_TRUE(dialog.Browser()->toPlainText().contains(QStringLiteral("操作のページ")));
  EXPECT_EQ(dialog.windowTitle(), kControlsTitle);
  EXPECT_TRUE(dialog.Browser()->isBackwardAvailable());

  QTest::keyClick(dialog.Browser(), Qt::Key_Left, Qt::AltModifier);  // as the tip says
  EXPECT_EQ(dialog.windowTitle(), kRulesTitle);
  EXPECT_TRUE(dialog.Browser()->toPlainText().contains(QStringLiteral("ルールのページ")));
}

// The game speaks English for one test, and Japanese again after it.
struct SpeakingEnglish {
  SpeakingEnglish() { SetActiveLanguage(Language::English); }
  ~SpeakingEnglish() { SetActiveLanguage(Language::Japanese); }
};

TEST_F(HelpWindow, InEnglishTheEnglishPageOpensOrElseTheJapaneseOne) {
  const QString englishRules = QStringLiteral("tolvagame_rule_en.html");
  const QString englishControls = QStringLiteral("tolvagame_sousa_en.html");
  WriteFile(folder.filePath(englishRules),
            "<html><body><p>The rules page</p><a href=\"tolvagame_sousa_en.html\">controls</a></body></html>");
  WriteFile(folder.filePath(englishControls), "<html><body><p>The controls page</p></body></html>");
  SpeakingEnglish english;

  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kRulesFile, kRulesTitle);  // the commands name the Japanese page
  ASSERT_TRUE(dialog.OpenPage());
  EXPECT_EQ(dialog.Browser()->source(), QUrl::fromLocalFile(folder.filePath(englishRules)));
  EXPECT_TRUE(dialog.Browser()->toPlainText().contains(QStringLiteral("The rules page")));
  // An English page is known as the page it translates: following the link
  // gives the window the controls page's title.
  dialog.Browser()->setSource(QUrl(englishControls));
  EXPECT_EQ(dialog.windowTitle(), PageTitle(kControlsTitle));

  // Without its English page the Japanese one is shown, and nothing is said.
  QFile::remove(folder.filePath(englishRules));
  CHelpDlg fallback(recorder.Services());
  Prepare(fallback, kRulesFile, kRulesTitle);
  ASSERT_TRUE(fallback.OpenPage());
  EXPECT_EQ(fallback.Browser()->source(), QUrl::fromLocalFile(folder.filePath(kRulesFile)));
  EXPECT_TRUE(recorder.messages.empty());
}

TEST(HelpPageFiles, EnglishPagesCarryTheirMarkAndJapaneseOnesNone) {
  EXPECT_EQ(PageFileIn(Language::English, kRulesFile), QStringLiteral("tolvagame_rule_en.html"));
  EXPECT_EQ(PageFileIn(Language::English, kControlsFile), QStringLiteral("tolvagame_sousa_en.html"));
  EXPECT_EQ(PageFileIn(Language::Japanese, kRulesFile), kRulesFile);
  EXPECT_EQ(PageFileIn(Language::English, QStringLiteral("notes.txt")), QStringLiteral("notes.txt"));
}

TEST_F(HelpWindow, AnOversizedPageCountsAsMissing) {
  QByteArray huge(static_cast<qsizetype>(kMaxHelpFileBytes) + 16, 'x');
  WriteFile(folder.filePath(kControlsFile), huge);
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kControlsFile, kControlsTitle);
  EXPECT_FALSE(dialog.OpenPage());
  EXPECT_EQ(recorder.messages,
            (std::vector<RecordedMessage>{{30186, MessageStyle::Information}}));
}

TEST_F(HelpWindow, AnOversizedStyleSheetIsLeftOut) {
  WriteFile(folder.filePath("big.css"),
            QByteArray(static_cast<qsizetype>(kMaxHelpFileBytes) + 16, ' '));
  WriteFile(folder.filePath(kControlsFile),
            "<html><head><link rel=\"stylesheet\" href=\"big.css\"></head>"
            "<body><p>操作のページ</p></body></html>");
  CHelpDlg dialog(recorder.Services());
  Prepare(dialog, kControlsFile, kControlsTitle);
  ASSERT_TRUE(dialog.OpenPage());
  EXPECT_TRUE(dialog.Browser()->toPlainText().contains(QStringLiteral("操作のページ")));
  EXPECT_EQ(dialog.Browser()->loadResource(QTextDocument::StyleSheetResource, QUrl("big.css")),
            QVariant());
}

// Every link of a shown page: anchors of the page itself, files beside it, or
// addresses outside.
std::vector<QString> LinksOf(const QTextDocument& document) {
  std::vector<QString> links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().isAnchor()) links.push_back(it.fragment().charFormat().anchorHref());
  return links;
}

std::set<QString> AnchorNamesOf(const QTextDocument& document) {
  std::set<QString> names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (const QString& name : block.charFormat().anchorNames()) names.insert(name);
    for (auto it = block.begin(); !it.atEnd(); ++it)
      for (const QString& name : it.fragment().charFormat().anchorNames()) names.insert(name);
  }
  return names;
}

TEST(ShippedHelpPages, EveryLinkLeadsSomewhere) {
  const QString shipped = QStringLiteral(TOLVA_SHIPPED_HELP_DIR);
  if (!QFileInfo::exists(shipped + "/" + kRulesFile)) GTEST_SKIP() << "help pages not built";
  std::map<QString, std::set<QString>> anchors;
  std::map<QString, std::vector<QString>> links;
  for (const QString& page : {kRulesFile, kControlsFile, PageFileIn(Language::English, kRulesFile),
                             PageFileIn(Language::English, kControlsFile)}) {
    CHelpDlg dialog({});
    dialog.HelpFolder = shipped;
    dialog.PageFile = page;
    ASSERT_TRUE(dialog.OpenPage()) << page.toStdString();
    const QTextDocument& document = *dialog.Browser()->document();
    anchors[page] = AnchorNamesOf(document);
    links[page] = LinksOf(document);
    EXPECT_FALSE(links[page].empty()) << page.toStdString();
  }
  for (const auto& [page, hrefs] : links) {
    for (const QString& href : hrefs) {
      const QUrl url(href);
      if (!url.scheme().isEmpty() && url.scheme() != QLatin1String("file")) continue;  // outside
      const QString target = url.path().isEmpty() ? page : url.path();
      ASSERT_TRUE(anchors.count(target)) << page.toStdString() << " → " << href.toStdString();
      if (url.hasFragment()) {
        EXPECT_TRUE(anchors[target].count(url.fragment()))
            << page.toStdString() << " → " << href.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace tolva
