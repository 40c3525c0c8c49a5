#include "app/HoverTip.h"

#include <algorithm>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>
#include <QWidget>

namespace tolva {

namespace {

constexpr int kShownMs = 5000;
// The tip starts this far right of and below the pointer's hot spot, clear of
// an arrow pointer; where the screen ends it goes to the pointer's left or
// above it instead.
constexpr QPoint kBesidePointer{2, 16};
constexpr int kLeftOfPointer = 4;
constexpr int kAbovePointer = 24;

// A label painted as the style paints tooltips; it takes the tooltip palette
// and font each time it shows (the hover help's colours are set there,
// app/HoverTips.h). The pointer goes through it to the table (an empty input
// region on X11 and Wayland). The platform gives a tooltip window the
// stays-on-top, frameless and bypass hints anyway; given from the start they
// spare the window being made afresh when first shown, which on X11 would
// lose its input transparency.
class TipLabel : public QLabel {
 public:
  explicit TipLabel(QWidget* owner)
      : QLabel(owner, Qt::ToolTip | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint |
                          Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    setTextFormat(Qt::PlainText);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QStylePainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    painter.end();
    QLabel::paintEvent(event);
  }
};

}  // namespace

HoverTip::HoverTip(QWidget& owner) : owner_(owner), label_(new TipLabel(&owner)) {
  expiry_.setSingleShot(true);
  expiry_.setInterval(kShownMs);
  QObject::connect(&expiry_, &QTimer::timeout, label_, &QWidget::hide);
}

void HoverTip::PointerAt(QPoint global, const std::optional<QString>& text) {
  if (!text) return;                        // a shown tip stays as it is; a gone one stays gone
  if (*text == text_ && Shown()) return;  // the same tip stays where it came up
  text_ = *text;
  if (text_.isEmpty()) {
    Hide();
    return;
  }
  ShowAt(global);
}

void HoverTip::ShowAt(QPoint global) {
  label_->setPalette(QToolTip::palette());
  label_->setFont(QToolTip::font());
  label_->setText(text_);
  label_->adjustSize();
  const QSize size = label_->size();
  QPoint at = global + kBesidePointer;
  const QScreen* screen = QGuiApplication::screenAt(global);
  if (!screen) screen = owner_.screen();
  if (screen) {
    const QRect area = screen->geometry();
    if (at.x() + size.width() > area.right() + 1) at.rx() = global.x() - kLeftOfPointer - size.width();
    if (at.y() + size.height() > area.bottom() + 1) at.ry() = global.y() - kAbovePointer - size.height();
    at.rx() = std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    at.ry() = std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
  }
  label_->move(at);
  label_->show();
  label_->raise();
  expiry_.start();
}

void HoverTip::Hide() {
  expiry_.stop();
  label_->hide();
}

void HoverTip::Clear() {
  text_.clear();
  Hide();
}

bool HoverTip::Shown() const { return label_->isVisible(); }

QRect HoverTip::ShownGeometry() const { return Shown() ? label_->geometry() : QRect(); }

}  // namespace tolva
