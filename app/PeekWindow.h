// The peek instance's window on a desktop without taskbar thumbnails: a small
// tool window at the desktop's bottom-right corner that stays on top of the
// game and never takes the keyboard focus from it. It keeps its bottom-right
// corner where it is as it grows and shrinks with the hand it shows.
#pragma once

#include <QSize>
#include <QWidget>

namespace tolva {

// Gives the window the peek window's kind: a tool window on top, which the
// window manager does not focus when it appears or is clicked.
void MakePeekWindow(QWidget& window);

// Moves the window so that its frame's bottom-right corner lies at the
// bottom-right corner of its screen's free area (inside any panels).
void PlaceAtDesktopCorner(QWidget& window);

// Gives the window a fixed client size, keeping the bottom-right corner of its
// frame where it is; a corner beyond the screen's free area is brought back
// into it (the frame's decorations are known only once it is on screen).
void ResizeKeepingCorner(QWidget& window, QSize client);

// The player has asked for another general's hand: the window comes where he
// sees it. On X11 it stays on top of the game by its kind. On Wayland a
// window cannot place itself or stay on top, and the game's window, once
// clicked, covers it; no client may raise its own window either, but one that
// is shown anew comes up on top, where the compositor puts new windows.
void BringPeekWindowForward(QWidget& window);

}  // namespace tolva
