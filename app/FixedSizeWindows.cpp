#include "app/FixedSizeWindows.h"

#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include "xdg-shell-client-protocol.h"

namespace tolva {

namespace {

constexpr char kWatchedProperty[] = "tolvaFixedSizeWatched";

bool FixedSize(const QWindow& window) { return window.minimumSize() == window.maximumSize(); }

// Called as the decoration asks for the maximized state, while the request
// still waits in the connection's buffer: the compositor reads the take-back
// right after it and answers both at once, with the window as it was.
void TakeBackMaximize(QWindow& window) {
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  auto* toplevel = native == nullptr ? nullptr
                                     : static_cast<xdg_toplevel*>(native->nativeResourceForWindow(
                                           "xdg_toplevel", &window));
  if (toplevel == nullptr) return;
  xdg_toplevel_unset_maximized(toplevel);
  // Qt's own record of the state; it sends nothing more, since the compositor
  // never told it the window was maximized.
  window.setWindowStates(Qt::WindowNoState);
}

void Watch(QWindow& window) {
  if (window.property(kWatchedProperty).toBool()) return;
  window.setProperty(kWatchedProperty, true);
  QObject::connect(&window, &QWindow::windowStateChanged, &window, [&window](Qt::WindowState state) {
    if (state == Qt::WindowMaximized && FixedSize(window)) TakeBackMaximize(window);
  });
}

class FixedSizeGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceCreated) {
      if (auto* window = qobject_cast<QWindow*>(watched)) Watch(*window);
    }
    return false;
  }
};

}  // namespace

void KeepFixedSizeWindowsUnmaximized(QGuiApplication& app) {
  if (QGuiApplication::platformName() != QLatin1String("wayland")) return;
  app.installEventFilter(new FixedSizeGuard(&app));
}

}  // namespace tolva
