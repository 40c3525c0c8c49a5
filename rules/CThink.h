// CThink: the rules engine. It answers every rule question the table asks and
// makes the computer seats' decisions, working directly on the table record it
// is given. It holds no state of its own beyond the two references.
//
// The 22 operations are listed in their fixed slot order. Refusals are results
// (0, 99, -1), never errors; a seat number outside 0 to 4 is refused the same
// way, and the table is left as it was. Their algorithms live in one file per
// topic:
//   Hands.cpp       InsertIntoHand, RemoveFromHand, CountSelected, HandPoints
//   Winning.cpp     IsWinningHand, IsReachHand, CountForCall, ChooseCall,
//                   ComputerCall, HumanCall, JudgeTolva
//   Settlement.cpp  PaymentMultiplier, SettleGame
//   Melds.cpp       CheckExposeCount, ExposeSelection, CanAttachToMeld
//   Strategy.cpp    PlanStrategy, ChooseTurnAction, ExposeFromHand,
//                   ChooseDiscard, ChooseReachDiscard
//   Profiles.cpp    ProfileText
#pragma once

#include <string>

#include "rules/RulesHost.h"
#include "rules/TableState.h"

namespace tolva {

// Answers of ChooseCall.
inline constexpr int kCallPon = 12;
inline constexpr int kCallKan = 13;
inline constexpr int kNoCall = 99;

// Answers of ChooseTurnAction.
inline constexpr int kActionRon = 1;
inline constexpr int kActionTolva = 2;
inline constexpr int kActionSeventy = 3;
inline constexpr int kActionTakeRiver = 5;
inline constexpr int kActionDrawStock = 99;

class CThink {
 public:
  CThink(TableState& table, RulesHost& host) : t_(table), host_(host) {}

  /* 1 */ void PlanStrategy(int seat);
  /* 2 */ int JudgeTolva(int seat);
  /* 3 */ int CanAttachToMeld(int row, int card);
  /* 4 */ int PaymentMultiplier(int seat);
  /* 5 */ int ChooseCall(int seat);
  /* 6 */ int ChooseTurnAction();
  /* 7 */ int ExposeFromHand();
  /* 8 */ int ChooseDiscard(int takenCard, int mayDiscardTaken);
  /* 9 */ int HandPoints(int seat) const;
  /* 10 */ int CountForCall(int seat, int card);
  /* 11 */ int IsReachHand(int seat);
  /* 12 */ int ExposeSelection(int row, int count);
  /* 13 */ int IsWinningHand(int seat);
  /* 14 */ int CheckExposeCount(int row, int count);
  /* 15 */ int ChooseReachDiscard(int seat);
  /* 16 */ std::string ProfileText(int seat) const;
  /* 17 */ std::string SettleGame();
  /* 18 */ void HumanCall(int ponFlag);
  /* 19 */ int ComputerCall(int seat, int ponFlag);
  /* 20 */ int CountSelected();
  /* 21 */ void RemoveFromHand(int seat, int index);
  /* 22 */ void InsertIntoHand(int seat, int card);

  TableState& Table() { return t_; }
  RulesHost& Host() { return host_; }

 private:
  // Attaches `card` to the meld in `row` as ExposeSelection attaches the
  // human's one picked-up card; a computer seat's card comes from its hand.
  int AttachCard(int row, int card);

  TableState& t_;
  RulesHost& host_;
};

}  // namespace tolva
