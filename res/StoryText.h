// The story text the course selection scrolls: the game's setting, its goal
// and two notes, followed by the credits. UTF-8, one entry per line.
#pragma once

#include <array>
#include <string_view>

namespace tolva {

inline constexpr int kStoryLineCount = 44;
// The dialog draws the first 39 lines; the closing wish of good luck stands
// beyond them.
inline constexpr int kStoryDrawnLines = 39;

extern const std::array<std::string_view, kStoryLineCount> kStoryLines;

}  // namespace tolva
