// The start-up's decisions: the peek switch, cunning mode from the display
// depth, where the picture library is looked for.
#include <gtest/gtest.h>

#include "app/StartUp.h"

namespace tolva {
namespace {

TEST(PeekSwitch, SlashWAnywhereInTheArgumentsMakesAPeekInstance) {
  EXPECT_TRUE(HasPeekSwitch({"TolvaGame", "/W"}));
  EXPECT_TRUE(HasPeekSwitch({"TolvaGame", "-x", "/W"}));
  EXPECT_TRUE(HasPeekSwitch({"TolvaGame", "ab/Wcd"}));  // inside a longer word
  EXPECT_TRUE(HasPeekSwitch({"TolvaGame", "a/", "Wb/W"}));
}

TEST(PeekSwitch, LowerCaseOrSplitLettersDoNot) {
  EXPECT_FALSE(HasPeekSwitch({"TolvaGame"}));
  EXPECT_FALSE(HasPeekSwitch({"TolvaGame", "/w"}));
  EXPECT_FALSE(HasPeekSwitch({"TolvaGame", "/", "W"}));  // joined with a space: "/ W"
  EXPECT_FALSE(HasPeekSwitch({}));
}

TEST(PeekSwitch, TheProgramsOwnPathDoesNotCount) {
  EXPECT_FALSE(HasPeekSwitch({"/Work/games/TolvaGame"}));
  EXPECT_FALSE(HasPeekSwitch({"/home/W/TolvaGame", "--x"}));
}

TEST(ChronicleSwitch, NamesTheFileAfterItAndNothingElse) {
  bool bad = true;
  EXPECT_EQ(ChronicleFileArgument({"TolvaGame", "--chronicle", "/Work/sim.sqlite"}, bad),
            QStringLiteral("/Work/sim.sqlite"));  // a path with "/W" is no peek switch here
  EXPECT_FALSE(bad);
  EXPECT_EQ(ChronicleFileArgument({"TolvaGame", "/W"}, bad), QString());
  EXPECT_FALSE(bad);
  EXPECT_EQ(ChronicleFileArgument({"--chronicle", "x"}, bad), QString()) << "the program's own path";
  EXPECT_EQ(ChronicleFileArgument({"TolvaGame", "--chronicle"}, bad), QString());
  EXPECT_TRUE(bad);
}

TEST(CunningMode, NeedsAFullColourDisplay) {
  EXPECT_EQ(CunningModeForDepth(8), 0);
  EXPECT_EQ(CunningModeForDepth(16), 0);
  EXPECT_EQ(CunningModeForDepth(24), 1);  // X11's true colour
  EXPECT_EQ(CunningModeForDepth(32), 1);
  EXPECT_EQ(CunningModeForDepth(0), 0);  // no screen
}

TEST(PictureLibrary, LiesBesideTheExecutable) {
  EXPECT_EQ(LibraryFilePath("/opt/tolva/bin"), "/opt/tolva/bin/TolvaGameSys.dll");
  EXPECT_EQ(LibraryFilePath("/opt/tolva/bin/"), "/opt/tolva/bin/TolvaGameSys.dll");
}

}  // namespace
}  // namespace tolva
