// The flow's display state handed to the drawing and the window: a copy, so
// what draws cannot change the game.
#include "table/CTolvaView.h"

namespace tolva {

FlowDisplay CTolvaView::Display() const {
  FlowDisplay d;
  d.TableActive = TableActive;
  d.MapShown = MapShown;
  d.Initialising = Initialising;
  d.RevealHands = RevealHands;
  d.ChoiceShown = ChoiceShown;
  d.ChoiceTick = ChoiceTick;
  d.ChoiceBlink = ChoiceBlink;
  d.RiverStep = RiverStep;
  d.StockStep = StockStep;
  d.DiscardStep = DiscardStep;
  d.ReachStep = ReachStep;
  d.ReachAnimSeat = ReachAnimSeat;
  d.StockFlight = StockFlight;
  d.RiverFlight = RiverFlight;
  d.DiscardFlight = DiscardFlight;
  d.ReachFlight = ReachFlight;
  d.Dragging = Dragging;
  d.StockCardFaceDown = StockCardFaceDown;
  d.PeekOnPress = PeekOnPress;
  d.ViewAngle = ViewAngle;
  d.CunningMode = CunningMode;
  d.ComputerHandsFaceUp = ComputerHandsFaceUp();
  return d;
}

}  // namespace tolva
