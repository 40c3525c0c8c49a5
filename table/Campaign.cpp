// The campaign as far as the games need it: the purses in the store, the
// salaries at the start of a city, the window title of the course, and the
// reset of a lost campaign. The map advance between cities is MapAdvance.cpp's.
#include <string>

#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {
constexpr int kSalary = 50;
}  // namespace

void CTolvaView::LoadPurses() {
  const Settings settings = StoredSettings();
  for (int seat = 0; seat < kSeats; ++seat) t.Purse[seat] = settings.Purse(seat);
}

void CTolvaView::SavePurses() { StoredSettings().Write(SettingsChange().Purses(t.Purse)); }

void CTolvaView::PaySalaries() {
  for (int seat = 0; seat < kComputerSeats; ++seat) t.Purse[seat] += kSalary;
  t.Purse[kHumanSeat] -= kSalary * kComputerSeats;
}

void CTolvaView::SetCourseTitle(bool notice) {
  const int course = StoredSettings().Course();
  CunningMode = course < 2 ? 1 : 0;
  if (CunningMode && notice) Inform(kMsgCunningNextStart);
  host_.SetWindowTitle(
      FillIn(Translated(text_context::kTitles, "トルヴァゲーム【%1コース】"), {CourseName(course)}));
}

bool CTolvaView::ChooseCourse() {
  if (!host_.RunCourseSelection()) {
    host_.QuitProgram();
    return false;
  }
  SetCourseTitle(true);
  BeginChronicleCampaign();
  return true;
}

void CTolvaView::ResetCampaign(CampaignEnding how) {
  EndChronicleCampaign(how);
  t.Purse.fill(0);
  StoredSettings().Write(SettingsChange().Purses(t.Purse).ConqCity(0));
  // The king goes back to the starting city on a map without this run's
  // marks; a new campaign that walked on from the old city point would reach
  // the end of the route long before its count of cities.
  RebuildRoute();
  host_.MapViewChanged();
  TableActive = 0;
  t.GameNo = 0;
  RedrawScene(false);
  if (Ask(kMsgWarChestEmpty, MessageStyle::YesNo) != Answer::Yes) return;
  if (ChooseCourse()) StartGame();
}

void CTolvaView::MapResetCommand() {
  if (!TableActive) return;
  if (Ask(kMsgAskResetMap, MessageStyle::YesNo) != Answer::Yes) return;
  // Every step of the abandoned game stops, not only the last timer set: a
  // discard still flying must not land in the next deal.
  KillLastTimer();
  KillGameTimers();
  if (Dragging != DragKind::None) ReturnDragged();
  ResetCampaign(CampaignEnding::MapReset);
}

}  // namespace tolva
