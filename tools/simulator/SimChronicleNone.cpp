// The simulator built without Qt keeps no chronicle.
#include "tools/simulator/SimChronicle.h"

namespace tolva::sim {

struct SimChronicle::Store {};

SimChronicle::SimChronicle(const std::string&)
    : problem_("this simulator was built without Qt, which the chronicle needs") {}
SimChronicle::~SimChronicle() = default;
void SimChronicle::Keep(const ChronicleEntry&) {}

}  // namespace tolva::sim
