#include "app/PeekWindow.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <algorithm>

namespace tolva {

namespace {

QRect FreeArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Moves the window so that its frame, `frameSize` large, ends at `corner`.
void MoveFrameTo(QWidget& window, QPoint corner, QSize frameSize) {
  QRect frame(QPoint(0, 0), frameSize);
  frame.moveBottomRight(corner);
  window.move(frame.topLeft());
}

}  // namespace

void MakePeekWindow(QWidget& window) {
  window.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::CustomizeWindowHint);
  window.setAttribute(Qt::WA_ShowWithoutActivating);
}

void PlaceAtDesktopCorner(QWidget& window) {
  const QRect free = FreeArea(window);
  if (free.isEmpty()) return;
  MoveFrameTo(window, free.bottomRight(), window.frameGeometry().size());
}

void BringPeekWindowForward(QWidget& window) {
  if (!window.isVisible() || QGuiApplication::platformName() != QLatin1String("wayland")) return;
  window.hide();
  window.show();
}

void ResizeKeepingCorner(QWidget& window, QSize client) {
  const QRect before = window.frameGeometry();
  // The decorations around the client area, as far as they are known.
  const QSize decorations = before.size() - window.size();
  QPoint corner = before.bottomRight();
  if (const QRect free = FreeArea(window); !free.isEmpty())
    corner = QPoint(std::min(corner.x(), free.right()), std::min(corner.y(), free.bottom()));
  window.setFixedSize(client);
  MoveFrameTo(window, corner, client + decorations);
}

}  // namespace tolva
