// A button's underlined letter alone presses it, as the player of these
// dialogs expects, wherever the keyboard is except in a field that takes text.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/CAboutDlg.h"
#include "dialogs/COpenning.h"
#include "table/MemorySettingsStore.h"

namespace tolva {
namespace {

void ShowActive(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

TEST(PlainMnemonics, YAloneClosesTheAboutBoxEvenFromTheReadOnlyHistory) {
  CAboutDlg about;
  ShowActive(about);
  about.HistoryBox()->setFocus();
  QTest::keyClick(about.HistoryBox(), Qt::Key_Q);  // no button of that letter
  EXPECT_TRUE(about.isVisible());

  QTest::keyClick(about.HistoryBox(), Qt::Key_Y);
  QTRY_VERIFY(!about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(PlainMnemonics, CAloneCancelsTheCourseSelectionAndWritesNothing) {
  MemorySettingsStore store;
  int cunning = -1;
  COpenning dialog({store, [&](int on) { cunning = on; }});
  ShowActive(dialog);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
  // The button shows itself pressed for a moment before it acts.
  QTRY_VERIFY(!dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(store.WriteCount(), 0);
  EXPECT_EQ(cunning, -1);
}

TEST(PlainMnemonics, YAloneTakesTheChosenCourse) {
  MemorySettingsStore store;
  COpenning dialog({store, [](int) {}});
  ShowActive(dialog);
  dialog.CourseButton(3)->click();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y);
  QTRY_VERIFY(!dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.Stored("Settei", "Course"), "3");
}

}  // namespace
}  // namespace tolva
