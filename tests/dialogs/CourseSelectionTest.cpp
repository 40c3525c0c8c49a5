// The course selection: what OK writes for each course, that Cancel and
// Escape write nothing, that the selected course's own button changes and
// redraws nothing, the story surface and the timer's copy of it, and the
// dialog without a story surface.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <optional>
#include <string>

#include "dialogs/COpenning.h"
#include "dialogs/DialogPictures.h"
#include "table/MemorySettingsStore.h"

namespace tolva {
namespace {

constexpr QRgb kBackground = qRgb(64, 128, 128);
constexpr QRgb kInk = qRgb(255, 255, 0);

std::optional<std::string> Coin(const MemorySettingsStore& store, int seat) {
  return store.Stored("Last", "Coin" + std::to_string(seat));
}

struct CourseSelection : ::testing::Test {
  MemorySettingsStore store;
  int cunning = -1;  // untouched until OK
  std::array<int, kSeats> viewPurse{7, 7, 7, 7, 7};
  CourseSelectionContext Context() {
    return {store, [this](int on) { cunning = on; }, &viewPurse};
  }
};

TEST_F(CourseSelection, OkAtOnceGivesTheBeginnerCourse) {
  COpenning dialog(Context());
  dialog.OkButton()->click();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Coin(store, 4), "10000");
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(Coin(store, seat), "0") << seat;
  EXPECT_EQ(store.Stored("Settei", "Course"), "1");
  EXPECT_EQ(store.Groups(), (std::vector<std::vector<std::string>>{
                                {"Last/Coin0", "Last/Coin1", "Last/Coin2", "Last/Coin3",
                                 "Last/Coin4", "Settei/Course"}}))
      << "the new campaign is written as one";
  EXPECT_EQ(cunning, 1);
  EXPECT_EQ(viewPurse, (std::array<int, kSeats>{0, 0, 0, 0, 10000}));
  EXPECT_FALSE(dialog.ScrollTimerActive());
}

TEST_F(CourseSelection, TheProfessionalCourseStartsWithAThousandAndNoCunning) {
  COpenning dialog(Context());
  dialog.CourseButton(4)->click();
  dialog.OkButton()->click();

  EXPECT_EQ(Coin(store, 4), "1000");
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(Coin(store, seat), "0") << seat;
  EXPECT_EQ(store.Stored("Settei", "Course"), "4");
  EXPECT_EQ(cunning, 0);
}

TEST_F(CourseSelection, EachCourseWritesItsPurseAndOnlyTheFirstAllowsCunning) {
  constexpr std::array<const char*, 4> kPurses = {"10000", "5000", "3000", "1000"};
  for (int course = 1; course <= 4; ++course) {
    MemorySettingsStore fresh;
    int flag = -1;
    COpenning dialog({fresh, [&](int on) { flag = on; }});
    // Going through another course first shows the last click decides.
    dialog.CourseButton(course == 2 ? 3 : 2)->click();
    dialog.CourseButton(course)->click();
    dialog.OkButton()->click();
    EXPECT_EQ(fresh.Stored("Last", "Coin4"), kPurses[course - 1]) << course;
    EXPECT_EQ(fresh.Stored("Settei", "Course"), std::to_string(course));
    EXPECT_EQ(flag, course == 1 ? 1 : 0) << course;
  }
}

TEST_F(CourseSelection, CancelAndEscapeWriteNothing) {
  {
    COpenning dialog(Context());
    dialog.CourseButton(3)->click();
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  {
    COpenning dialog(Context());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
  EXPECT_EQ(store.WriteCount(), 0);
  EXPECT_EQ(cunning, -1);
  EXPECT_EQ(viewPurse, (std::array<int, kSeats>{7, 7, 7, 7, 7}));
}

TEST_F(CourseSelection, EnterConfirmsTheChoice) {
  COpenning dialog(Context());
  dialog.show();
  dialog.CourseButton(2)->click();
  dialog.OkButton()->setFocus();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.Stored("Last", "Coin4"), "5000");
}

// Counts the paint events of one widget.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

QImage IconImage(const QAbstractButton& button) {
  return button.icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(CourseSelection, TheSelectedCoursesButtonChangesAndRedrawsNothing) {
  COpenning dialog(Context());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QCoreApplication::processEvents();

  const QImage on = IconImage(*dialog.CourseButton(1));
  const QImage off = IconImage(*dialog.CourseButton(2));
  ASSERT_FALSE(DialogPicture(kBmpCourseOn).isNull()) << "the course marks are embedded";
  ASSERT_NE(on, off);

  std::array<PaintCounter, 4> counters;
  for (int k = 1; k <= 4; ++k) dialog.CourseButton(k)->installEventFilter(&counters[k - 1]);

  QTest::mouseClick(dialog.CourseButton(1), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.Course, 1);
  for (int k = 2; k <= 4; ++k) EXPECT_EQ(counters[k - 1].paints, 0) << k;
  EXPECT_EQ(IconImage(*dialog.CourseButton(1)), on);

  QTest::mouseClick(dialog.CourseButton(3), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.Course, 3);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_GT(counters[k - 1].paints, 0) << k;  // all four redrawn at once
    EXPECT_EQ(IconImage(*dialog.CourseButton(k)), k == 3 ? on : off) << k;
  }
}

TEST_F(CourseSelection, EveryControlLiesInsideTheCaptionlessWindow) {
  COpenning dialog(Context());
  EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(dialog.OkButton()->icon().isNull()) << "IDB_OK32 is embedded";
  EXPECT_FALSE(dialog.CancelButton()->icon().isNull()) << "IDB_END32 is embedded";
  for (QWidget* control : dialog.findChildren<QWidget*>())
    EXPECT_TRUE(dialog.rect().contains(control->geometry())) << control->metaObject()->className();
}

// Where the story's yellow pixels lie on the surface.
QRect InkBounds(const QImage& surface) {
  QRect bounds;
  for (int y = 0; y < surface.height(); ++y)
    for (int x = 0; x < surface.width(); ++x)
      if (surface.pixel(x, y) == kInk) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

TEST_F(CourseSelection, TheStoryIsDrawnOnceWithinTheSquaresWidth) {
  COpenning dialog(Context());
  ASSERT_TRUE(dialog.HasStory());
  const QImage& surface = dialog.TextSurface();
  const int w = COpenning::kClientWidth;
  EXPECT_EQ(surface.width(), w);
  EXPECT_EQ(surface.height(), 3 * w);
  EXPECT_GT(dialog.LineHeight, 8);
  EXPECT_EQ(surface.pixel(0, 0), kBackground);

  const QRect ink = InkBounds(surface);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 20);
  // The lines fit in the square the dialog shows (W - 20 wide).
  EXPECT_LT(ink.right(), w - 20);
  // The title on line 2 is the first ink; nothing below line 38 (the closing
  // wish on line 43 is not drawn).
  EXPECT_GE(ink.top(), 2 * dialog.LineHeight + 2);
  EXPECT_LT(ink.bottom(), 39 * dialog.LineHeight + 2);
  EXPECT_TRUE(dialog.ScrollTimerActive());
}

QTimer* ScrollTimer(COpenning& dialog) {
  QTimer* timer = dialog.findChild<QTimer*>();
  EXPECT_NE(timer, nullptr);
  if (timer) {
    EXPECT_EQ(timer->interval(), 500);
  }
  return timer;
}

TEST_F(CourseSelection, EachTickShowsTheSquareOfTheStoryAtTheOffset) {
  COpenning dialog(Context());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QImage before = dialog.grab().toImage();
  for (int y = 200; y < 520; y += 7)
    for (int x = 0; x < 320; x += 5) ASSERT_EQ(before.pixel(x, y), kBackground) << x << "," << y;

  QTimer* timer = ScrollTimer(dialog);
  ASSERT_NE(timer, nullptr);
  for (int tick = 0; tick < 20; ++tick) QMetaObject::invokeMethod(timer, "timeout");
  ASSERT_EQ(dialog.Scroll.ScrollPos, 60);

  const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& surface = dialog.TextSurface();
  int inkSeen = 0;  // pixels of text, antialiased edges included
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 320; ++x) {
      const QRgb expected = surface.pixel(x, 60 + y);
      ASSERT_EQ(shown.pixel(x, 200 + y), expected) << x << "," << y;
      if (expected != kBackground) ++inkSeen;
    }
  }
  EXPECT_GT(inkSeen, 100);
  EXPECT_EQ(shown.pixel(330, 300), kBackground);  // right of the square

  // A click halts the text: further ticks leave it where it is.
  QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(170, 400));
  EXPECT_EQ(dialog.Scroll.Scrolling, 0);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(dialog.Scroll.ScrollPos, 60);
  QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(170, 400));
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(dialog.Scroll.ScrollPos, 57);
}

// A course selection whose story surface cannot be made.
class CourseSelectionWithoutStory : public COpenning {
 public:
  explicit CourseSelectionWithoutStory(CourseSelectionContext context)
      : COpenning(std::move(context), [](int, int) { return QImage(); }, nullptr) {}
};

TEST_F(CourseSelection, WithoutTheStorySurfaceTheChoiceStillWorks) {
  CourseSelectionWithoutStory dialog(Context());
  EXPECT_FALSE(dialog.HasStory());
  EXPECT_FALSE(dialog.ScrollTimerActive());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.grab().toImage().pixel(100, 300), kBackground);

  dialog.CourseButton(2)->click();
  dialog.OkButton()->click();
  EXPECT_EQ(store.Stored("Last", "Coin4"), "5000");
  EXPECT_EQ(store.Stored("Settei", "Course"), "2");
  EXPECT_EQ(cunning, 0);
}

}  // namespace
}  // namespace tolva
