// What the Qt host asks of the table's window: the drawing and the effects on
// it, the card backs it draws with, and the command pop-ups under its icons.
#pragma once

#include "res/ResourceIds.h"

namespace tolva {

class HostWindow {
 public:
  virtual ~HostWindow() = default;

  virtual void RedrawScene(bool tableChanged) = 0;
  virtual void ShowResultPicture(ResultPicture picture) = 0;
  virtual void FlashSeatHand(int seat) = 0;
  virtual void Dissolve(bool fine) = 0;
  virtual bool PrepareCardBacks() = 0;
  virtual void ShowCommandMenu(int menuIndex) = 0;
  virtual void MapViewChanged() = 0;
};

}  // namespace tolva
