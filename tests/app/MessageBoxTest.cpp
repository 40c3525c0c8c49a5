// The program's message box: caption, text, icon and buttons for each style,
// Qt's Japanese button texts, and answers given from the keyboard.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include "app/MessageBox.h"
#include "app/MessageLog.h"
#include "app/StartUp.h"
#include "res/StringTable.h"

namespace tolva {
namespace {

struct MessageBoxTest : ::testing::Test {
  static void SetUpTestSuite() { ASSERT_TRUE(InstallQtTranslation(*qApp)); }
};

QString Text(int number) {
  const std::string_view text = StringText(number);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Presses `key` in whatever message box is open once the event loop runs.
void AnswerWithKey(Qt::Key key) {
  QTimer::singleShot(0, [key] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, key);
  });
}

TEST_F(MessageBoxTest, CaptionIsTheApplicationTitleAndTextIsPrefixPlusStringTableText) {
  const auto box = MakeMessageBox(nullptr, "TolvaGameSys.dll\n", kMsgLibraryMissing,
                                  MessageStyle::Information);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), "TolvaGame");
  EXPECT_EQ(box->text(), "TolvaGameSys.dll\n" + Text(kMsgLibraryMissing));
  EXPECT_EQ(box->text(), "TolvaGameSys.dll\n実行ファイルと同じ場所に上記のファイルが見つかりません");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST_F(MessageBoxTest, NumberZeroShowsThePrefixAlone) {
  const auto box = MakeMessageBox(nullptr, "<精算>\n合計 100", 0, MessageStyle::Information);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), "<精算>\n合計 100");
}

TEST_F(MessageBoxTest, ANumberWithoutTextShowsNothingAndAnswersNone) {
  EXPECT_EQ(MakeMessageBox(nullptr, "x", 12345, MessageStyle::Information), nullptr);
  EXPECT_EQ(ShowMessage(nullptr, "x", 12345, MessageStyle::YesNo), Answer::None);
}

TEST_F(MessageBoxTest, EachStyleHasItsIconAndButtons) {
  struct Case {
    MessageStyle style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton byDefault;
  };
  const Case cases[] = {
      {MessageStyle::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
      {MessageStyle::Information, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
      {MessageStyle::YesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Yes},
      {MessageStyle::YesNoCancel, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
  };
  for (const Case& c : cases) {
    const auto box = MakeMessageBox(nullptr, {}, kMsgAskQuitMidGame, c.style);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(box->standardButtons(), c.buttons);
    EXPECT_EQ(box->standardButton(box->defaultButton()), c.byDefault);
  }
}

TEST_F(MessageBoxTest, StandardButtonsReadInJapanese) {
  const auto box = MakeMessageBox(nullptr, {}, kMsgAskKan, MessageStyle::YesNoCancel);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "はい(&Y)");
  EXPECT_EQ(box->button(QMessageBox::No)->text(), "いいえ(&N)");
  EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "キャンセル");
  const auto ok = MakeMessageBox(nullptr, {}, kMsgTimerSetFailed, MessageStyle::Error);
  EXPECT_EQ(ok->button(QMessageBox::Ok)->text(), "OK");
}

TEST_F(MessageBoxTest, TheLettersYAndNAnswerAQuestion) {
  AnswerWithKey(Qt::Key_Y);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskPon, MessageStyle::YesNo), Answer::Yes);
  AnswerWithKey(Qt::Key_N);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskPon, MessageStyle::YesNo), Answer::No);
  AnswerWithKey(Qt::Key_N);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskKan, MessageStyle::YesNoCancel), Answer::No);
}

TEST_F(MessageBoxTest, EnterTakesTheDefaultAndEscapeTheWayOut) {
  AnswerWithKey(Qt::Key_Return);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskRon, MessageStyle::YesNo), Answer::Yes);
  AnswerWithKey(Qt::Key_Escape);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskRon, MessageStyle::YesNo), Answer::No);
  AnswerWithKey(Qt::Key_Escape);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgAskKan, MessageStyle::YesNoCancel), Answer::Cancel);
  AnswerWithKey(Qt::Key_Return);
  EXPECT_EQ(ShowMessage(nullptr, {}, kMsgCardBackFailed, MessageStyle::Error), Answer::Ok);
}

// The real program, run by a test, tells what its boxes said as they open.
TEST_F(MessageBoxTest, WithTheLogVariableEachShownBoxIsOneLineOfTheLog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString log = folder.filePath("messages.jsonl");
  qputenv(kMessageLogVariable, QFile::encodeName(log));
  AnswerWithKey(Qt::Key_Return);
  ShowMessage(nullptr, "TolvaGameSys.dll\n", kMsgFileReadFailed, MessageStyle::Error);
  AnswerWithKey(Qt::Key_Y);
  ShowMessage(nullptr, {}, kMsgAskQuitMidGame, MessageStyle::YesNo);
  ShowMessage(nullptr, {}, 1, MessageStyle::Error);  // no text: no box, no line
  qunsetenv(kMessageLogVariable);
  AnswerWithKey(Qt::Key_Return);
  ShowMessage(nullptr, {}, kMsgFileReadFailed, MessageStyle::Error);  // not logged

  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 3);  // two lines and the end after the last
  EXPECT_TRUE(lines[2].isEmpty());
  const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
  EXPECT_EQ(first["title"].toString(), "TolvaGame");
  EXPECT_EQ(first["icon"].toString(), "critical");
  EXPECT_EQ(first["text"].toString(), "TolvaGameSys.dll\n" + Text(kMsgFileReadFailed));
  const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
  EXPECT_EQ(second["icon"].toString(), "question");
  EXPECT_EQ(second["text"].toString(), Text(kMsgAskQuitMidGame));
}

}  // namespace
}  // namespace tolva
