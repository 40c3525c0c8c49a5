// COpenning: the course selection that begins a campaign. It shows the game's
// story as a slowly scrolling text and offers the four courses; OK writes the
// starting purses and the course and sets the cunning-mode flag, Cancel writes
// nothing (the caller then ends the program).
//
//   COpenning dialog({store, [&](int on) { app.CunningMode = on; }, &view.t.Purse});
//   if (dialog.exec() != QDialog::Accepted) quit();
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <array>
#include <functional>

#include "dialogs/StoryScroll.h"
#include "rules/Card.h"

class QAbstractButton;
class QPushButton;
class QToolButton;

namespace tolva {

class SettingsStore;

struct CourseSelectionContext {
  SettingsStore& store;
  // The application's cunning-mode flag (1: peek windows possible).
  std::function<void(int on)> setCunningMode;
  // The table view's purses, set on OK when given.
  std::array<int, kSeats>* purse = nullptr;
};

// The four courses and the king's starting purse for each (the generals always
// start with nothing).
inline constexpr int kCourseCount = 4;
int StartingPurse(int course);

class COpenning : public QDialog {
  Q_OBJECT

 public:
  explicit COpenning(CourseSelectionContext context, QWidget* parent = nullptr);
  ~COpenning() override;

  // The client area: W = 340, tall enough for the course buttons above and
  // the (W - 20)² square of the story at y 200 below them.
  static constexpr int kClientWidth = 340;
  static constexpr int kClientHeight = kStoryTop + kClientWidth - kStoryMargin + 10;

  StoryScroll Scroll;
  int LineHeight = 0;  // height of "文字テスト" in the story's font
  int Course = 1;      // the selected course, 1 to 4
  std::array<int, kSeats> Purse{};

  bool HasStory() const { return !textSurface_.isNull(); }
  bool ScrollTimerActive() const { return scrollTimer_.isActive(); }
  // The story surface, at the pixel density of the screen.
  const QImage& TextSurface() const { return textSurface_; }
  // Course button k (1 to 4), OK and Cancel.
  QPushButton* CourseButton(int course) const;
  QToolButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // Course button k: selects the course and moves the mark to its button; the
  // selected course's own button does nothing.
  void SelectCourse(int course);
  // OK ("決定"): writes the purses and the course, sets the cunning mode.
  void accept() override;

 protected:
  using SurfaceFactory = std::function<QImage(int width, int height)>;
  // For tests of a story surface that cannot be made.
  COpenning(CourseSelectionContext context, const SurfaceFactory& createSurface,
            QWidget* parent);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void DrawStory(const SurfaceFactory& createSurface);
  void OnScrollTimer();

  CourseSelectionContext context_;
  std::array<QPushButton*, kCourseCount> courseButtons_{};
  QToolButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QImage textSurface_;  // the whole story, W x 3W, drawn once
  bool storyShown_ = false;  // the timer has put the story on screen
  QTimer scrollTimer_{this};  // timer 1
  // Moving the captionless window by dragging it.
  QPoint pressGlobal_;
  QPoint pressWindowPos_;
  bool dragging_ = false;
};

}  // namespace tolva
