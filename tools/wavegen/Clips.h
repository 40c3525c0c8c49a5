// The game's eighteen sound cues, each a short recipe over the instruments.
#pragma once

#include <span>
#include <string_view>

#include "tools/wavegen/Synth.h"

namespace tolva::wavegen {

struct ClipRecipe {
  int id;                 // the game's wave number
  std::string_view what;  // when the game plays it
  Buffer (*make)();       // the finished clip, ready for ToPcm16
};

// Every clip, in wave-number order.
std::span<const ClipRecipe> AllClips();

}  // namespace tolva::wavegen
