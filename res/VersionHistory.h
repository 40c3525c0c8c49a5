// The texts of the about box: the product name, its subtitle, the notice of
// who made it, and the version history shown in its read-only box.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tolva {

inline constexpr std::string_view kAboutProductName = "トルヴァゲーム";
inline constexpr std::string_view kAboutSubtitle = "アレクサンドロス大王の遠征をたどるカードゲーム";
inline constexpr std::string_view kAboutNotice = "© 2026 TolvaGame 開発チーム";

// One line per release, newest first; each starts "Version x.y.z".
std::span<const std::string_view> VersionHistory();

// The history as the about box shows it: the lines, each ending in a line break.
std::string VersionHistoryText();

}  // namespace tolva
