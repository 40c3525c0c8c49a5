// The computer seats' decisions.
#include "rules/CThink.h"

namespace tolva {

void CThink::PlanStrategy(int) {}
int CThink::ChooseTurnAction() { return kActionDrawStock; }
int CThink::ExposeFromHand() { return 0; }
int CThink::ChooseDiscard(int, int) { return 0; }
int CThink::ChooseReachDiscard(int) { return -1; }

}  // namespace tolva
