// The names under which the program keeps its per-user profile: an INI file at
// $XDG_CONFIG_HOME/TolvaGame/TolvaGame.conf (~/.config/... by default). Kept
// in one place so the application object and the settings store agree.
#pragma once

namespace tolva {

inline constexpr char kProfileOrganisation[] = "TolvaGame";
inline constexpr char kProfileApplication[] = "TolvaGame";

}  // namespace tolva
