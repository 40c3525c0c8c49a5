// Stand-in for the course selection at the start of a campaign, until the
// opening dialog is part of the program: it chooses the beginner course
// without asking, writing the purses ("0" for the four generals, "10000" for
// the king) and "Course" 1, and answers OK.
#pragma once

namespace tolva {

class SettingsStore;

bool RunCourseSelection(SettingsStore& store);

}  // namespace tolva
