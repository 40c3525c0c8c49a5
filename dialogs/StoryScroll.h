// The course selection's scrolling story: its state and the arithmetic of one
// tick of its timer and of a click, apart from any drawing so it can be
// checked step by step.
//
// The story surface is W wide and 3 W high; the dialog shows a square of
// (W - 20) x (W - 20) of it, from (0, ScrollPos), at (0, 200) of its client
// area. The offset runs up past the 39 drawn lines and starts again at the
// top; running backwards it goes below 0 (the text moves down and away) until
// the whole square is empty, then jumps to the end.
#pragma once

#include <QRect>

namespace tolva {

inline constexpr int kStoryStep = 3;          // pixels per tick
inline constexpr int kStoryTickMs = 500;      // timer 1
inline constexpr int kStoryMargin = 20;       // text left edge; the square is W - 20 wide
inline constexpr int kStoryTop = 200;         // where the square stands in the dialog
inline constexpr int kStoryFirstLineY = 2;    // line i is drawn at i x LineHeight + 2

struct StoryScroll {
  int ScrollPos = 0;   // vertical offset of the visible part, pixels
  int Scrolling = 1;   // 1 while the text moves
  int ScrollDown = 1;  // 1: the text moves up (the offset grows); 0: it moves down
};

// Timer 1: one step of 3 pixels while scrolling; nothing while halted.
// Answers whether the offset moved.
bool ScrollTick(StoryScroll& scroll, int lineHeight, int clientWidth);

// A click in the dialog: halts moving text; halted text starts again the other
// way.
void ToggleScrolling(StoryScroll& scroll);

// What one tick copies: the square of (W - 20)² from (0, ScrollPos) of the
// surface to (0, 200) of the dialog, cut to the part that lies on the surface
// (the rest of the square shows the background).
struct StoryCopy {
  QRect source;  // on the surface
  QRect target;  // in the dialog
};
StoryCopy StoryCopyRects(int scrollPos, int clientWidth, int surfaceHeight);

}  // namespace tolva
