// The bird's-eye angle of the table ("Kakudo"): the keys and icons step it one
// degree at a time within these limits, and a stored value outside them is
// clamped to them. The drawing's offsets are measured from the steepest angle.
#pragma once

namespace tolva {

inline constexpr int kMinViewAngle = 9;
inline constexpr int kMaxViewAngle = 31;

}  // namespace tolva
