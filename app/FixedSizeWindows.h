// Windows of one fixed size (the main window, the peek window, the dialogs
// and the message boxes) are never maximized.
//
// On Wayland Qt draws the window decorations itself (most compositors draw
// none for their clients), and its decorations carry a maximize button on
// every window, fixed in size or not. A compositor that honours the request
// (Weston does) then demands that the window fill the screen, which a window
// of fixed size cannot, and ends the program's connection for breaking the
// protocol: the game would vanish with its table. The guard takes the request
// back before the compositor has answered it, so the button does nothing, as
// it does on compositors that refuse to maximize a window that cannot grow.
#pragma once

class QGuiApplication;

namespace tolva {

// Watches every window the application creates from now on; does nothing
// outside Wayland (elsewhere the frame's flags keep the button away).
void KeepFixedSizeWindowsUnmaximized(QGuiApplication& app);

}  // namespace tolva
