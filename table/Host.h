// Everything the game needs from the platform: message boxes, sounds, redraws,
// window timers by id, short blocking waits, the result display, the clock and
// the shuffle's seed, the settings store, the map picture's pixels, and the few
// shell services of the campaign. The Qt program implements it for real; tests
// and the simulator implement it in virtual time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "res/ResourceIds.h"
#include "rules/RulesHost.h"
#include "table/Chronicle.h"

namespace tolva {

class SettingsStore;
class PixelMap;

class Host {
 public:
  virtual ~Host() = default;

  // --- messages and sound ---------------------------------------------------------
  // Shows prefix + the string-table text `stringId`. The number 0 means "prefix
  // only": the text was built at run time (the settlement of a game).
  virtual Answer ShowMessage(std::string_view prefix, int stringId, MessageStyle style) = 0;
  // Plays a wave; with toEnd the call returns when the clip has finished.
  // The game gates every wave on its sound option before calling.
  virtual void PlayWave(int waveId, bool toEnd) = 0;

  // --- drawing -------------------------------------------------------------------------
  // Composes the table picture from the view's state and repaints the window at
  // once; tableChanged redraws the flat table too.
  virtual void RedrawScene(bool tableChanged) = 0;
  // The result picture over the table, then its dissolve (fine only for the
  // campaign's end); returns when the window shows the table again. Timers
  // keep being served meanwhile.
  virtual void ShowResultPicture(ResultPicture picture) = 0;
  // Ten inversions of a seat's drawn hand, 200 ms apart (blocks two seconds).
  virtual void FlashSeatHand(int seat) = 0;
  // Brings the table back over the map, square by square.
  virtual void Dissolve(bool fine) = 0;
  // Prepares the card back picture and the hidden-hand strip from the chosen
  // card back; false when that failed (the table cannot be drawn then).
  virtual bool PrepareCardBacks() = 0;
  // Opens one of the four command pop-ups (start, settings, help, declarations)
  // under the icons; returns when it has closed (its command, if any, has run).
  virtual void ShowCommandMenu(int menuIndex) = 0;

  // --- timers (one periodic timer per id; the game calls OnTimer(id)) ---------------------
  // Both answer false when the platform refused.
  virtual bool SetTimer(int id, int periodMs) = 0;
  virtual bool KillTimer(int id) = 0;
  // A short blocking wait (blinks); the window does not respond meanwhile.
  virtual void Wait(int milliseconds) = 0;

  // --- clock ------------------------------------------------------------------------------
  virtual int ClockSeconds() = 0;             // 0..59, or -1 when unreadable
  virtual std::uint32_t ShuffleSeed() = 0;    // the current time in seconds

  // --- the world around the game ------------------------------------------------------------
  virtual SettingsStore& Store() = 0;
  virtual PixelMap& MapPicture() = 0;         // bitmap 142, marked by the campaign
  // The modal course selection; true on OK (it has written the purses and the
  // course), false on Cancel.
  virtual bool RunCourseSelection() = 0;
  virtual void SetWindowTitle(const std::string& title) = 0;
  // Ends the program (after the campaign is complete, or a cancelled course
  // selection; in a peek instance, when the game tells its window to close).
  virtual void QuitProgram() = 0;
  // The Reach cue's badge on the main window (icon 169 or 168; 0 removes it).
  virtual void ShowReachBadge(int iconId) = 0;
  // The map view changed (shown, hidden, zoomed or scrolled): repaint it.
  virtual void MapViewChanged() = 0;

  // --- the peek window (cunning mode) ----------------------------------------------------
  // Starts a peek instance, a second process of this program with "/W"; false
  // when it could not be started.
  virtual bool StartPeekInstance() = 0;
  // The peek instance this process started last is still running (false when
  // it started none).
  virtual bool PeekInstanceRunning() = 0;
  // In a peek instance: gives its window a client area of width x height; the
  // window's bottom-right corner stays where it is.
  virtual void ResizePeekWindow(int width, int height) = 0;

  // --- the chronicle -------------------------------------------------------------------------
  // Keeps an entry of the campaign's chronicle (table/Chronicle.h), stamped
  // with the time it arrives, without making the game wait. Nothing is kept
  // by default.
  virtual void Chronicle(const ChronicleEntry& /*entry*/) {}
};

}  // namespace tolva
