// The seats' profile texts shown over their name plates.
#include "rules/CThink.h"

namespace tolva {

std::string CThink::ProfileText(int) { return {}; }

}  // namespace tolva
