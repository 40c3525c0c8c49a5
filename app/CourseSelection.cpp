#include "app/CourseSelection.h"

#include "rules/TableState.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {
constexpr int kBeginnerCourse = 1;
constexpr int kBeginnerPurse = 10000;
}  // namespace

bool RunCourseSelection(SettingsStore& store) {
  Settings settings(store);
  for (int seat = 0; seat < kComputerSeats; ++seat) settings.SetPurse(seat, 0);
  settings.SetPurse(kHumanSeat, kBeginnerPurse);
  settings.SetCourse(kBeginnerCourse);
  return true;
}

}  // namespace tolva
