// The settings schema: defaults of a first run, purses kept as text, and the
// rules that make damaged stored values safe.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "rules/Card.h"
#include "table/MemorySettingsStore.h"
#include "table/SettingsSchema.h"

namespace tolva {
namespace {

struct SettingsTest : ::testing::Test {
  MemorySettingsStore store;
  Settings settings{store};

  void Store(std::string_view section, std::string_view key, int value) {
    store.WriteInt(section, key, value);
  }
};

// The names and defaults are part of the saved files of every player, so they
// are spelled out here once more, independently of the schema.
TEST(SettingsSchema, HoldsEverySectionKeyTypeAndDefault) {
  struct Row {
    std::string section, key;
    SettingType type;
    int number;
    std::string text;
  };
  const std::vector<Row> expected = {
      {"Settei", "ManSpeed", SettingType::Int, 1, ""},
      {"Settei", "CardSpeed", SettingType::Int, 1, ""},
      {"Settei", "PonSpeed", SettingType::Int, 1, ""},
      {"Settei", "OpenMode", SettingType::Int, 0, ""},
      {"Settei", "Koukaon", SettingType::Int, 1, ""},
      {"Settei", "RuleRem", SettingType::Int, 1, ""},
      {"Settei", "DspRem", SettingType::Int, 1, ""},
      {"Settei", "Zoom", SettingType::Int, 1, ""},
      {"Settei", "Gamen", SettingType::Int, 640, ""},
      {"Settei", "Joker", SettingType::Int, 2, ""},
      {"Settei", "TolvaRitu", SettingType::Int, 2, ""},
      {"Settei", "AutoStart", SettingType::Int, 0, ""},
      {"Settei", "Course", SettingType::Int, 1, ""},
      {"Last", "Kakudo", SettingType::Int, 23, ""},
      {"Last", "MapOrgX", SettingType::Int, 0, ""},
      {"Last", "MapOrgY", SettingType::Int, 0, ""},
      {"Last", "Coin0", SettingType::Text, 0, "0"},
      {"Last", "Coin1", SettingType::Text, 0, "0"},
      {"Last", "Coin2", SettingType::Text, 0, "0"},
      {"Last", "Coin3", SettingType::Text, 0, "0"},
      {"Last", "Coin4", SettingType::Text, 0, "0"},
      {"Last", "BackSet", SettingType::Int, 0, ""},
      {"Last", "CardWaku", SettingType::Int, 1, ""},
      {"Map", "ConqCity", SettingType::Int, 0, ""},
      {"Cun", "CunningView", SettingType::Int, 0, ""},
      {"Cun", "Now", SettingType::Int, 0, ""},
      {"Cun", "0", SettingType::Text, 0, ""},
      {"Cun", "1", SettingType::Text, 0, ""},
      {"Cun", "2", SettingType::Text, 0, ""},
      {"Cun", "3", SettingType::Text, 0, ""},
      {"Chronicle", "Campaign", SettingType::Text, 0, ""},
  };
  const auto schema = SettingsSchema();
  ASSERT_EQ(schema.size(), expected.size());
  for (std::size_t i = 0; i < schema.size(); ++i) {
    SCOPED_TRACE(expected[i].section + "/" + expected[i].key);
    EXPECT_EQ(schema[i].section, expected[i].section);
    EXPECT_EQ(schema[i].key, expected[i].key);
    EXPECT_EQ(schema[i].type, expected[i].type);
    if (expected[i].type == SettingType::Int) EXPECT_EQ(schema[i].intDefault, expected[i].number);
    else EXPECT_EQ(schema[i].textDefault, expected[i].text);
    EXPECT_EQ(&DeclarationOf(schema[i].id), &schema[i]);
  }
}

TEST_F(SettingsTest, FirstRunPlaysFastWithHelpOnTwoJokersAndTheMiddleAngle) {
  EXPECT_EQ(settings.ManSpeed(), 1);  // 超速い
  EXPECT_EQ(settings.CardSpeed(), 1);
  EXPECT_EQ(settings.PonSpeed(), 1);
  EXPECT_EQ(settings.Koukaon(), 1);
  EXPECT_EQ(settings.RuleRem(), 1);
  EXPECT_EQ(settings.DspRem(), 1);
  EXPECT_EQ(settings.OpenMode(), 0);
  EXPECT_EQ(settings.AutoStart(), 0);
  EXPECT_EQ(settings.Joker(), 2);
  EXPECT_EQ(settings.TolvaRitu(), 2);  // medium
  EXPECT_EQ(settings.Kakudo(), 23);
  EXPECT_EQ(settings.Zoom(), 1);
  EXPECT_EQ(settings.Gamen(), 640);
  EXPECT_EQ(settings.Course(), 1);
  EXPECT_EQ(settings.MapOrgX(), 0);
  EXPECT_EQ(settings.MapOrgY(), 0);
  EXPECT_EQ(settings.BackSet(), 0);
  EXPECT_EQ(settings.CardWaku(), 1);
  EXPECT_EQ(settings.ConqCity(), 0);
  EXPECT_EQ(settings.CunningView(), 0);
  EXPECT_EQ(settings.CunNow(), 0);
  for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(settings.Purse(seat), 0);
  for (int seat = 0; seat < kComputerSeats; ++seat) EXPECT_EQ(settings.CunHand(seat), "");
  EXPECT_EQ(store.WriteCount(), 0) << "reading must not write";
}

TEST_F(SettingsTest, FirstRunSizesTheWindowFromTheDesktopAndKeepsIt) {
  EXPECT_EQ(settings.GamenAtStartUp(1024), 1200);
  EXPECT_EQ(store.Stored("Settei", "Gamen"), "1200");
  EXPECT_EQ(settings.GamenAtStartUp(2000), 1200) << "a chosen size is not chosen again";
  EXPECT_EQ(settings.Gamen(), 1200);
}

TEST_F(SettingsTest, WindowWithoutADesktopStartsAtTheSmallestSize) {
  EXPECT_EQ(settings.GamenAtStartUp(std::nullopt), 640);
  EXPECT_EQ(store.Stored("Settei", "Gamen"), "640");
}

TEST_F(SettingsTest, StoredWindowSizeIsUsedWhateverTheDesktop) {
  settings.SetGamen(800);
  const int writes = store.WriteCount();
  EXPECT_EQ(settings.GamenAtStartUp(1200), 800);
  EXPECT_EQ(store.WriteCount(), writes);
}

TEST(FirstScreenWidth, TakesTheLargestWindowThatFitsTheDesktopHeight) {
  const std::vector<std::pair<int, int>> heightToWidth = {
      {599, 640},   {600, 800},   {767, 800},   {768, 1024},  {899, 1024}, {900, 1200},
      {1049, 1200}, {1050, 1400}, {1199, 1400}, {1200, 1600}, {0, 640},    {-1, 640},
      {INT_MAX, 1600}};
  for (const auto& [height, width] : heightToWidth)
    EXPECT_EQ(FirstScreenWidth(height), width) << "desktop height " << height;
}

TEST_F(SettingsTest, EverySetterWritesTheKeyItsGetterReads) {
  struct Case {
    std::string_view section, key;
    std::function<void()> set;
    std::function<int()> get;
    int value;
  };
  Settings& s = settings;
  const std::vector<Case> cases = {
      {"Settei", "ManSpeed", [&] { s.SetManSpeed(2); }, [&] { return s.ManSpeed(); }, 2},
      {"Settei", "CardSpeed", [&] { s.SetCardSpeed(3); }, [&] { return s.CardSpeed(); }, 3},
      {"Settei", "PonSpeed", [&] { s.SetPonSpeed(4); }, [&] { return s.PonSpeed(); }, 4},
      {"Settei", "OpenMode", [&] { s.SetOpenMode(1); }, [&] { return s.OpenMode(); }, 1},
      {"Settei", "Koukaon", [&] { s.SetKoukaon(0); }, [&] { return s.Koukaon(); }, 0},
      {"Settei", "RuleRem", [&] { s.SetRuleRem(0); }, [&] { return s.RuleRem(); }, 0},
      {"Settei", "DspRem", [&] { s.SetDspRem(0); }, [&] { return s.DspRem(); }, 0},
      {"Settei", "Zoom", [&] { s.SetZoom(3); }, [&] { return s.Zoom(); }, 3},
      {"Settei", "Gamen", [&] { s.SetGamen(1400); }, [&] { return s.Gamen(); }, 1400},
      {"Settei", "Joker", [&] { s.SetJoker(6); }, [&] { return s.Joker(); }, 6},
      {"Settei", "TolvaRitu", [&] { s.SetTolvaRitu(3); }, [&] { return s.TolvaRitu(); }, 3},
      {"Settei", "AutoStart", [&] { s.SetAutoStart(1); }, [&] { return s.AutoStart(); }, 1},
      {"Settei", "Course", [&] { s.SetCourse(4); }, [&] { return s.Course(); }, 4},
      {"Last", "Kakudo", [&] { s.SetKakudo(30); }, [&] { return s.Kakudo(); }, 30},
      {"Last", "MapOrgX", [&] { s.SetMapOrg(120, 0); }, [&] { return s.MapOrgX(); }, 120},
      {"Last", "MapOrgY", [&] { s.SetMapOrg(0, 340); }, [&] { return s.MapOrgY(); }, 340},
      {"Last", "BackSet", [&] { s.SetBackSet(1); }, [&] { return s.BackSet(); }, 1},
      {"Last", "CardWaku", [&] { s.SetCardWaku(0); }, [&] { return s.CardWaku(); }, 0},
      {"Map", "ConqCity", [&] { s.SetConqCity(42); }, [&] { return s.ConqCity(); }, 42},
      {"Cun", "CunningView", [&] { s.SetCunningView(1); }, [&] { return s.CunningView(); }, 1},
      {"Cun", "Now", [&] { s.SetCunNow(3); }, [&] { return s.CunNow(); }, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key));
    c.set();
    EXPECT_EQ(store.Stored(c.section, c.key), std::to_string(c.value));
    EXPECT_EQ(c.get(), c.value);
  }
}

TEST_F(SettingsTest, PeekHandsAreTextsPerComputerSeat) {
  settings.SetCunHand(2, "5,18,40,");
  EXPECT_EQ(store.Stored("Cun", "2"), "5,18,40,");
  EXPECT_EQ(settings.CunHand(2), "5,18,40,");
  EXPECT_EQ(settings.CunHand(1), "");
  settings.SetCunHand(2, "");
  EXPECT_EQ(settings.CunHand(2), "");
}

TEST_F(SettingsTest, PeekSeatOutsideTheComputerSeatsHasNoHand) {
  const int writes = store.WriteCount();
  for (int seat : {-1, 4, 17, INT_MIN}) {
    settings.SetCunHand(seat, "1,2,");
    EXPECT_EQ(settings.CunHand(seat), "");
  }
  EXPECT_EQ(store.WriteCount(), writes);
  Store("Cun", "Now", 17);  // harmless once the hand read refuses the seat
  EXPECT_EQ(settings.CunNow(), 17);
  EXPECT_EQ(settings.CunHand(settings.CunNow()), "");
}

// --- purses -------------------------------------------------------------------------

TEST_F(SettingsTest, PursesAreStoredAsTheirDecimalText) {
  settings.SetPurse(kHumanSeat, 10000);
  settings.SetPurse(1, -35);
  EXPECT_EQ(store.Stored("Last", "Coin4"), "10000");
  EXPECT_EQ(store.Stored("Last", "Coin1"), "-35");
  EXPECT_EQ(settings.Purse(kHumanSeat), 10000);
  EXPECT_EQ(settings.Purse(1), -35);
  EXPECT_EQ(settings.Purse(0), 0) << "a missing purse is 0";
}

TEST_F(SettingsTest, CompletedCampaignLeavesTheKingsPurseEmpty) {
  settings.SetPurse(kHumanSeat, 2500);
  settings.ClearPurse(kHumanSeat);
  EXPECT_EQ(store.Stored("Last", "Coin4"), "");
  EXPECT_EQ(settings.Purse(kHumanSeat), 0);
}

TEST_F(SettingsTest, SeatsOutsideTheTableHaveNoPurse) {
  for (int seat : {-1, 5, INT_MAX}) {
    settings.SetPurse(seat, 100);
    settings.ClearPurse(seat);
    EXPECT_EQ(settings.Purse(seat), 0);
  }
  EXPECT_EQ(store.WriteCount(), 0);
}

TEST(PurseFromText, ReadsTheLeadingNumberLikeAtoiButNeverOverflows) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"10000", 10000},
      {"0", 0},
      {"-7", -7},
      {"+5", 5},
      {" 5", 5},
      {"\t\n42", 42},
      {"12abc", 12},
      {"5 6", 5},
      {"0005", 5},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"-", 0},
      {"+", 0},
      {"+-5", 0},
      {"--5", 0},
      {"0x10", 0},
      {"999999999", 999'999'999},
      {"1000000000", kPurseLimit},
      {"2147483648", kPurseLimit},
      {"99999999999", kPurseLimit},
      {"-99999999999", -kPurseLimit},
      {"-2147483649", -kPurseLimit},
      {std::string(5000, '9'), kPurseLimit},
      {std::string(5000, '0') + "12", 12},
  };
  for (const auto& [text, coins] : cases) EXPECT_EQ(PurseFromText(text), coins) << '"' << text << '"';
}

TEST_F(SettingsTest, DamagedPurseTextsReadSafely) {
  store.WriteString("Last", "Coin4", "12abc");
  store.WriteString("Last", "Coin0", "abc");
  store.WriteString("Last", "Coin1", "99999999999");
  EXPECT_EQ(settings.Purse(kHumanSeat), 12);
  EXPECT_EQ(settings.Purse(0), 0);
  EXPECT_EQ(settings.Purse(1), kPurseLimit);
}

TEST(PurseText, RoundTripsEveryPurseThatCanBeStored) {
  for (int coins : {0, 1, -1, 10000, -123456, kPurseLimit, -kPurseLimit})
    EXPECT_EQ(PurseFromText(PurseText(coins)), coins);
  EXPECT_EQ(PurseText(-35), "-35");
}

// --- damaged stored values ------------------------------------------------------------

TEST(StoredIntFromText, AcceptsOnlyAWholeDecimalIntWithBlanksAround) {
  EXPECT_EQ(StoredIntFromText("23"), 23);
  EXPECT_EQ(StoredIntFromText(" -3 "), -3);
  EXPECT_EQ(StoredIntFromText("+5"), 5);
  EXPECT_EQ(StoredIntFromText("2147483647"), INT_MAX);
  EXPECT_EQ(StoredIntFromText("-2147483648"), INT_MIN);
  for (std::string_view bad : {"", " ", "abc", "12abc", "1 2", "+-3", "0x10", "2147483648", "4.0"})
    EXPECT_EQ(StoredIntFromText(bad), std::nullopt) << '"' << bad << '"';
}

TEST_F(SettingsTest, TextWhereAnIntBelongsReadsAsTheDefault) {
  store.WriteString("Settei", "Joker", "abc");
  store.WriteString("Last", "Kakudo", "");
  store.WriteString("Settei", "Koukaon", "yes");
  store.WriteString("Settei", "ManSpeed", "99999999999");
  EXPECT_EQ(settings.Joker(), 2);
  EXPECT_EQ(settings.Kakudo(), 23);
  EXPECT_EQ(settings.Koukaon(), 1);
  EXPECT_EQ(settings.ManSpeed(), 1);
}

TEST_F(SettingsTest, GarbledWindowSizeIsChosenAgainFromTheDesktop) {
  store.WriteString("Settei", "Gamen", "big");
  EXPECT_EQ(settings.GamenAtStartUp(900), 1200);
  EXPECT_EQ(store.Stored("Settei", "Gamen"), "1200");
}

// Checks one rule: each stored value reads as the paired value.
void ExpectReads(SettingsTest& test, std::string_view section, std::string_view key,
                 int (Settings::*get)() const, std::vector<std::pair<int, int>> storedToRead) {
  for (const auto& [stored, read] : storedToRead) {
    test.Store(section, key, stored);
    EXPECT_EQ((test.settings.*get)(), read) << section << "/" << key << " stored as " << stored;
  }
}

TEST_F(SettingsTest, SpeedsOutsideOneToFiveReadAsTheSlowest) {
  const std::vector<std::pair<int, int>> rule = {{1, 1}, {2, 2}, {4, 4},  {5, 5},
                                                 {0, 5}, {6, 5}, {-3, 5}, {INT_MAX, 5},
                                                 {INT_MIN, 5}};
  ExpectReads(*this, "Settei", "ManSpeed", &Settings::ManSpeed, rule);
  ExpectReads(*this, "Settei", "CardSpeed", &Settings::CardSpeed, rule);
  ExpectReads(*this, "Settei", "PonSpeed", &Settings::PonSpeed, rule);
}

TEST_F(SettingsTest, ZoomOtherThanTwoOrThreeReadsAsOne) {
  ExpectReads(*this, "Settei", "Zoom", &Settings::Zoom,
              {{1, 1}, {2, 2}, {3, 3}, {0, 1}, {4, 1}, {50, 1}, {-2, 1}, {INT_MAX, 1}});
}

TEST_F(SettingsTest, JokerCountOtherThanFourOrSixReadsAsTwo) {
  ExpectReads(*this, "Settei", "Joker", &Settings::Joker,
              {{2, 2}, {4, 4}, {6, 6}, {0, 2}, {3, 2}, {5, 2}, {8, 2}, {100, 2}, {-4, 2}});
}

TEST_F(SettingsTest, WindowWidthBeyondTheOfferedSizesReadsAsTheSmallest) {
  ExpectReads(*this, "Settei", "Gamen", &Settings::Gamen,
              {{640, 640},
               {1600, 1600},
               {700, 700},  // not on the menu (which checks 640) but a fine window
               {1000, 1000},
               {639, 640},
               {1601, 640},
               {99999, 640},
               {0, 640},
               {-800, 640},
               {INT_MIN, 640}});
  Store("Settei", "Gamen", 99999);
  EXPECT_EQ(settings.GamenAtStartUp(1200), 640);
  EXPECT_EQ(store.Stored("Settei", "Gamen"), "99999") << "reading repairs nothing in the file";
}

TEST_F(SettingsTest, AngleIsClampedToNineToThirtyOneDegrees) {
  ExpectReads(*this, "Last", "Kakudo", &Settings::Kakudo,
              {{9, 9}, {23, 23}, {31, 31}, {8, 9}, {0, 9}, {-45, 9}, {INT_MIN, 9},
               {32, 31}, {90, 31}, {500, 31}, {INT_MAX, 31}});
}

TEST_F(SettingsTest, MapOriginIsClampedToThreeTimesTheMap) {
  ExpectReads(*this, "Last", "MapOrgX", &Settings::MapOrgX,
              {{0, 0}, {2000, 2000}, {5493, 5493}, {5494, 5493}, {-5, 0}, {INT_MAX, 5493},
               {INT_MIN, 0}});
  ExpectReads(*this, "Last", "MapOrgY", &Settings::MapOrgY,
              {{0, 0}, {1947, 1947}, {1948, 1947}, {-1, 0}, {INT_MAX, 1947}});
}

TEST_F(SettingsTest, CardBackSourceOtherThanTheFreeImageIsTheDefaultBack) {
  ExpectReads(*this, "Last", "BackSet", &Settings::BackSet,
              {{0, 0}, {1, 1}, {2, 0}, {-1, 0}, {INT_MAX, 0}});
}

TEST_F(SettingsTest, AnyNonzeroCardFrameIsOn) {
  ExpectReads(*this, "Last", "CardWaku", &Settings::CardWaku,
              {{0, 0}, {1, 1}, {7, 1}, {-1, 1}, {INT_MIN, 1}});
}

TEST_F(SettingsTest, ConqueredCitiesAreClampedToTheRoute) {
  ExpectReads(*this, "Map", "ConqCity", &Settings::ConqCity,
              {{0, 0}, {3, 3}, {99, 99}, {100, 99}, {INT_MAX, 99}, {-1, 0}});
}

TEST_F(SettingsTest, HarmlessUnusualValuesReadAsStored) {
  // Any Tolva rate other than 1, 2, 3 declares always; the flags are used as
  // on/off; any course other than 2, 3, 4 is the beginner course.
  ExpectReads(*this, "Settei", "TolvaRitu", &Settings::TolvaRitu, {{0, 0}, {4, 4}, {-9, -9}});
  ExpectReads(*this, "Settei", "OpenMode", &Settings::OpenMode, {{7, 7}, {-1, -1}});
  ExpectReads(*this, "Settei", "Koukaon", &Settings::Koukaon, {{2, 2}});
  ExpectReads(*this, "Settei", "RuleRem", &Settings::RuleRem, {{-3, -3}});
  ExpectReads(*this, "Settei", "DspRem", &Settings::DspRem, {{9, 9}});
  ExpectReads(*this, "Settei", "AutoStart", &Settings::AutoStart, {{2, 2}});
  ExpectReads(*this, "Settei", "Course", &Settings::Course, {{0, 0}, {9, 9}});
  ExpectReads(*this, "Cun", "CunningView", &Settings::CunningView, {{5, 5}});
}

TEST_F(SettingsTest, WritesKeepWhatTheCallerGives) {
  settings.SetJoker(5);
  settings.SetKakudo(500);
  EXPECT_EQ(store.Stored("Settei", "Joker"), "5");
  EXPECT_EQ(store.Stored("Last", "Kakudo"), "500");
}

}  // namespace
}  // namespace tolva
