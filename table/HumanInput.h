// What the human player points at and presses, in the game's own terms. The
// window maps pixels to these targets (hit-testing is the drawing's business);
// the table view then decides what the press, drag or key means in the state of
// the turn.
#pragma once

namespace tolva {

enum class TargetKind {
  HandCard,            // one of the human's hand cards (index: its slot)
  HandArea,            // inside the human's hand area but on no card
  Stock,               // the stock's top card
  River,               // the river's own rectangle
  RiverNeighbourhood,  // the widened rectangle around the river, minus the river itself
  MeldRow,             // one of the ten exposed rows (index: the row)
  SeatPlace0,          // the place of seat 0's hand (right of the human)
  SeatPlace3,          // the place of seat 3's hand (left of the human)
  Icon,                // one of the six buttons at the top left (index 0..5)
  Elsewhere,
};

// The six buttons at the top left of the table.
enum IconIndex : int {
  kIconStartMenu = 0,
  kIconSettingsMenu = 1,
  kIconHelpMenu = 2,
  kIconAngleUp = 3,
  kIconAngleDown = 4,
  kIconDeclarationMenu = 5,
};

// The pop-up menus the icons and F1, F2, F3, F6 open.
enum CommandMenu : int {
  kMenuStart = 0,
  kMenuSettings = 1,
  kMenuHelp = 2,
  kMenuDeclarations = 3,
};

struct PointerTarget {
  TargetKind kind = TargetKind::Elsewhere;
  int index = -1;  // hand slot, meld row or icon; -1 for the other kinds

  static constexpr PointerTarget HandCard(int slot) { return {TargetKind::HandCard, slot}; }
  static constexpr PointerTarget HandArea() { return {TargetKind::HandArea, -1}; }
  static constexpr PointerTarget Stock() { return {TargetKind::Stock, -1}; }
  static constexpr PointerTarget River() { return {TargetKind::River, -1}; }
  static constexpr PointerTarget RiverNeighbourhood() {
    return {TargetKind::RiverNeighbourhood, -1};
  }
  static constexpr PointerTarget MeldRow(int row) { return {TargetKind::MeldRow, row}; }
  static constexpr PointerTarget SeatPlace0() { return {TargetKind::SeatPlace0, -1}; }
  static constexpr PointerTarget SeatPlace3() { return {TargetKind::SeatPlace3, -1}; }
  static constexpr PointerTarget Icon(int icon) { return {TargetKind::Icon, icon}; }
  static constexpr PointerTarget Elsewhere() { return {TargetKind::Elsewhere, -1}; }

  friend constexpr bool operator==(const PointerTarget&, const PointerTarget&) = default;
};

// The keys the table itself handles (the function keys are commands of the
// main window and reach the view as DrawFromStock, DeclareReach ...). The digits
// stand for the main row and the number pad alike.
enum class HumanKey { Up, Down, Left, Right, Enter, Space, Backspace, Escape, Digit1, Digit2, Digit3 };

// The three items of the declaration menu.
enum class Declaration { Reach, Tolva, Seventy };

}  // namespace tolva
