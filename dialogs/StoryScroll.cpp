#include "dialogs/StoryScroll.h"

#include "res/StoryText.h"

namespace tolva {

bool ScrollTick(StoryScroll& scroll, int lineHeight, int clientWidth) {
  if (scroll.Scrolling != 1) return false;
  scroll.ScrollPos += scroll.ScrollDown == 1 ? kStoryStep : -kStoryStep;
  const int end = kStoryDrawnLines * lineHeight;
  if (scroll.ScrollPos > end) scroll.ScrollPos = 0;
  if (clientWidth + scroll.ScrollPos - kStoryMargin < 0) scroll.ScrollPos = end;
  return true;
}

void ToggleScrolling(StoryScroll& scroll) {
  if (scroll.Scrolling == 1) {
    scroll.Scrolling = 0;
    return;
  }
  scroll.Scrolling = 1;
  scroll.ScrollDown = 1 - scroll.ScrollDown;
}

StoryCopy StoryCopyRects(int scrollPos, int clientWidth, int surfaceHeight) {
  const int side = clientWidth - kStoryMargin;
  if (side <= 0) return {};
  const QRect square(0, scrollPos, side, side);
  const QRect source = square.intersected(QRect(0, 0, clientWidth, surfaceHeight));
  if (source.isEmpty()) return {};
  return {source, source.translated(0, kStoryTop - scrollPos)};
}

}  // namespace tolva
