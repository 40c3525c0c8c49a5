#include "dialogs/COpenning.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>

#include "dialogs/DialogPictures.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/PlainMnemonics.h"
#include "dialogs/QtText.h"
#include "res/StoryText.h"
#include "res/VersionHistory.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

const QColor kStoryBackground(64, 128, 128);
const QColor kStoryInk(255, 255, 0);
constexpr QSize kCourseMarkSize(16, 16);
constexpr QSize kOkImageSize(32, 32);
constexpr QSize kCancelImageSize(20, 20);

QImage NewTextSurface(int width, int height) {
  return QImage(width, height, QImage::Format_RGB32);
}

}  // namespace

int StartingPurse(int course) {
  switch (course) {
    case 2: return 5000;
    case 3: return 3000;
    case 4: return 1000;
    default: return 10000;
  }
}

COpenning::COpenning(CourseSelectionContext context, QWidget* parent)
    : COpenning(std::move(context), NewTextSurface, parent) {}

COpenning::COpenning(CourseSelectionContext context, const SurfaceFactory& createSurface,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), context_(std::move(context)) {
  setFont(FixedDialogFont());
  setWindowTitle(Tr(text_context::kDialogs, kAboutProductName));  // no caption bar, but the task bar shows it
  PlainMnemonics::Install(*this);
  setFixedSize(kClientWidth, kClientHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);  // paintEvent fills every pixel
  BuildControls();

  DrawStory(createSurface);
  scrollTimer_.setInterval(kStoryTickMs);
  connect(&scrollTimer_, &QTimer::timeout, this, &COpenning::OnScrollTimer);
  // Without the story there is nothing to scroll; the courses still work.
  if (HasStory()) scrollTimer_.start();
}

COpenning::~COpenning() = default;

void COpenning::BuildControls() {
  static constexpr int kCourseTop[kCourseCount] = {6, 25, 44, 63};
  for (int k = 1; k <= kCourseCount; ++k) {
    auto* button = new QPushButton(Tr(text_context::kDialogs, kCourseTexts[k - 1]), this);
    button->setToolTip(Tr(text_context::kDialogs, kCourseTips[k - 1]));
    button->setIcon(DialogIcon(k == Course ? kBmpCourseOn : kBmpCourseOff));
    button->setIconSize(kCourseMarkSize);
    // The mark stands on the left and the texts line up in their columns.
    button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 8px; }"));
    button->setAutoDefault(false);
    button->setGeometry(UnitRect(10, kCourseTop[k - 1], 155, 19));
    connect(button, &QPushButton::clicked, this, [this, k] { SelectCourse(k); });
    courseButtons_[k - 1] = button;
  }

  ok_ = new QToolButton(this);
  ok_->setText(Tr(text_context::kDialogs, kOpenningOkText));
  ok_->setIcon(DialogIcon(kBmpOk32));
  ok_->setIconSize(kOkImageSize);
  ok_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  ok_->setGeometry(UnitRect(167, 6, 51, 57));
  connect(ok_, &QToolButton::clicked, this, &COpenning::accept);

  cancel_ = new QPushButton(DialogIcon(kBmpEnd32), Tr(text_context::kDialogs, kOpenningCancelText), this);
  cancel_->setIconSize(kCancelImageSize);
  cancel_->setAutoDefault(false);
  cancel_->setGeometry(UnitRect(167, 64, 51, 17));
  connect(cancel_, &QPushButton::clicked, this, &COpenning::reject);

  ok_->setFocus();
}

void COpenning::DrawStory(const SurfaceFactory& createSurface) {
  const QFont storyFont = font();
  LineHeight = QFontMetrics(storyFont).size(Qt::TextSingleLine, QtText(kLineHeightSample)).height();

  // Drawn at the screen's pixel density, so the text stays sharp on dense
  // screens; everything below works in the dialog's own pixels.
  const int w = kClientWidth;
  const qreal density = devicePixelRatioF();
  textSurface_ = createSurface ? createSurface(qRound(w * density), qRound(3 * w * density))
                               : QImage();
  if (textSurface_.isNull()) return;
  textSurface_.setDevicePixelRatio(density);

  textSurface_.fill(kStoryBackground);
  QPainter painter(&textSurface_);
  painter.setFont(storyFont);
  painter.setPen(kStoryInk);
  painter.setBackgroundMode(Qt::TransparentMode);
  const int ascent = QFontMetrics(storyFont).ascent();
  for (int i = 0; i < kStoryDrawnLines; ++i) {
    const int top = i * LineHeight + kStoryFirstLineY;
    painter.drawText(QPoint(kStoryMargin, top + ascent), Tr(text_context::kStory, kStoryLines[i]));
  }
}

void COpenning::OnScrollTimer() {
  if (!ScrollTick(Scroll, LineHeight, kClientWidth)) return;
  storyShown_ = true;
  update(0, kStoryTop, kClientWidth, kClientWidth - kStoryMargin);
}

void COpenning::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kStoryBackground);
  // The story appears with the first tick of the timer; after that it is
  // drawn on every repaint, so halted text does not vanish when the window is
  // covered and uncovered.
  if (!storyShown_ || !HasStory()) return;
  const qreal density = textSurface_.devicePixelRatio();
  const int surfaceHeight = static_cast<int>(textSurface_.height() / density);
  const StoryCopy copy = StoryCopyRects(Scroll.ScrollPos, kClientWidth, surfaceHeight);
  if (copy.source.isEmpty()) return;
  const QRectF source(copy.source.x() * density, copy.source.y() * density,
                      copy.source.width() * density, copy.source.height() * density);
  painter.drawImage(QRectF(copy.target), textSurface_, source);
}

void COpenning::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
  ToggleScrolling(Scroll);
  pressGlobal_ = event->globalPosition().toPoint();
  pressWindowPos_ = pos();
  dragging_ = false;
}

void COpenning::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QDialog::mouseMoveEvent(event);
  const QPoint moved = event->globalPosition().toPoint() - pressGlobal_;
  if (!dragging_) {
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    dragging_ = true;
    // The window manager moves the window when it can; otherwise we follow
    // the pointer ourselves.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
  }
  move(pressWindowPos_ + moved);
}

void COpenning::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QDialog::mouseReleaseEvent(event);
}

void COpenning::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, or OK when no button has the focus
  // (OK is a picture button, not the dialog's default push button).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
      button->click();
    } else {
      ok_->click();
    }
    return;
  }
  QDialog::keyPressEvent(event);  // Escape cancels
}

QPushButton* COpenning::CourseButton(int course) const {
  if (course < 1 || course > kCourseCount) return nullptr;
  return courseButtons_[course - 1];
}

void COpenning::SelectCourse(int course) {
  if (course < 1 || course > kCourseCount || course == Course) return;
  Course = course;
  for (QPushButton* button : courseButtons_) button->setIcon(DialogIcon(kBmpCourseOff));
  courseButtons_[course - 1]->setIcon(DialogIcon(kBmpCourseOn));
  for (QPushButton* button : courseButtons_) button->repaint();
}

void COpenning::accept() {
  Purse.fill(0);
  Purse[kHumanSeat] = StartingPurse(Course);
  if (context_.purse) *context_.purse = Purse;

  Settings(context_.store).Write(SettingsChange().Purses(Purse).Course(Course));
  if (context_.setCunningMode) context_.setCunningMode(Course == 1 ? 1 : 0);

  scrollTimer_.stop();
  QDialog::accept();
}

}  // namespace tolva
