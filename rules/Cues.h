// The two habits every refusal and sound of the game shares: a wave plays only
// while the sound option ("Koukaon") is on, and an explanatory message shows
// only while the rules reminder ("RuleRem") is on.
#pragma once

#include "res/ResourceIds.h"
#include "rules/RulesHost.h"
#include "rules/TableState.h"

namespace tolva {

inline void PlayCue(const TableState& t, RulesHost& host, int wave, bool toEnd = false) {
  if (t.Koukaon) host.PlayWave(wave, toEnd);
}

// Information message shown only while rule reminders are on.
inline void Remind(const TableState& t, RulesHost& host, int message) {
  if (t.RuleRem) host.ShowMessage({}, message, MessageStyle::Information);
}

// A refused action of the human: the refusal sound, then the reminder (if any).
inline void Refuse(const TableState& t, RulesHost& host, int message = 0) {
  PlayCue(t, host, kWaveRefused);
  if (message != 0) Remind(t, host, message);
}

}  // namespace tolva
