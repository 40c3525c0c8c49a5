// What the pop-up menus hold in a given state of the game: every item's text,
// command, check mark and grey-out, worked out from a plain MenuState so the
// rules can be tested without a window. MenuBuilder turns the result into a
// QMenu; CommandMenus fills the MenuState from the view and the store.
//
// Item texts are the menu resource's own: "&" marks the mnemonic and a tab
// separates the key hint, which the menu shows in its shortcut column.
#pragma once

#include <string>
#include <vector>

namespace tolva {

struct MenuItem {
  enum class Kind { Command, Separator, Popup };

  Kind kind = Kind::Command;
  std::string text;  // empty for a separator
  int id = 0;        // the command (Command only)
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> items;  // Popup only

  static MenuItem Command(std::string text, int id, bool checked = false, bool enabled = true);
  static MenuItem Separator();
  static MenuItem Popup(std::string text, std::vector<MenuItem> items);
};
using MenuItems = std::vector<MenuItem>;

// Everything the checks and grey-outs depend on.
struct MenuState {
  bool tableActive = false;  // a game is on the table
  bool startUpDone = false;  // the start-up step has finished (course, card backs)
  int gameNo = 0;
  bool mapShown = false;
  // The view's option fields.
  int openMode = 0;
  int koukaon = 1;
  int ruleRem = 1;
  int dspRem = 1;
  int manSpeed = 1;
  int cardSpeed = 1;
  int ponSpeed = 1;
  // As stored: these are read from the store each time they are needed.
  int autoStart = 0;
  int tolvaRitu = 2;
  int joker = 2;
  int gamen = 640;
  // The declarations the game would accept now.
  bool reachAllowed = false;
  bool tolvaAllowed = false;
  bool seventyAllowed = false;
};

// The pop-ups under the table's buttons: 0 start, 1 settings, 2 help,
// 3 declarations. Any other index has no menu (empty).
MenuItems CommandMenu(int index, const MenuState& state);
// The world map's pop-up; its check mark goes to the zoom the map is shown
// at. That is the stored "Zoom" except after a march to the next city, which
// shows the map at ×2 without storing it: the mark, the map and the keys
// 1, 2, 3 then still agree.
MenuItems MapMenu(int shownZoom);

// Which item of a choice carries the check mark for a value that may be any
// number (a damaged store): the value itself when the menu offers it, else
// the item the game has always fallen back to.
int SpeedChoice(int speed);            // 1 … 5; any other → 5 (超遅い)
int TolvaRateChoice(int storedRate);   // 1, 3; any other → 2 (中確率)
int JokerChoice(int storedJokers);     // 4, 6; any other → 2
int ScreenWidthChoice(int storedGamen);  // 800 … 1600; any other → 640
int ZoomChoice(int storedZoom);        // 2, 3; any other → 1 (等倍)

// The option toggles. "オープンモード" and "画面表示説明" turn on from 0 and
// off from anything else; "効果音" and "ルール説明" (and "AutoStart") turn
// off from 1 and on from anything else. The check mark is on exactly when
// choosing the item turns the option off, so choosing it always moves the mark.
inline int ToggledFromZero(int value) { return value == 0 ? 1 : 0; }
inline int ToggledFromOne(int value) { return value == 1 ? 0 : 1; }
inline bool OnUnlessZero(int value) { return value != 0; }
inline bool OnWhenOne(int value) { return value == 1; }

}  // namespace tolva
