// Every value the program keeps between runs, declared once: its section, key,
// type, default and the rule that makes a damaged stored value safe to use,
// and `Settings`, the typed accessors through which every reader and writer
// goes. No other code spells a section or key.
//
//   Settings settings(store);
//   if (settings.Purse(kHumanSeat) > 0) ...   // the campaign goes on
//   settings.SetJoker(4);
//
// A stored value that could crash, hang or exhaust memory when used as it is
// (an angle of 0, a zoom of 50, a joker count of 100 ...) reads as the nearest
// value the game can use; the rules are listed in SettingsSchema.cpp. A value
// that is merely unusual but harmless reads as stored.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table/SettingsStore.h"

namespace tolva {

// --- sections ----------------------------------------------------------------------
inline constexpr std::string_view kSectionSettei = "Settei";  // options of the settings menu
inline constexpr std::string_view kSectionLast = "Last";      // state of the last run
inline constexpr std::string_view kSectionMap = "Map";        // campaign progress
inline constexpr std::string_view kSectionCun = "Cun";        // channel to the peek window
inline constexpr std::string_view kSectionChronicle = "Chronicle";  // the campaign's chronicle

// --- keys --------------------------------------------------------------------------
inline constexpr std::string_view kKeyManSpeed = "ManSpeed";
inline constexpr std::string_view kKeyCardSpeed = "CardSpeed";
inline constexpr std::string_view kKeyPonSpeed = "PonSpeed";
inline constexpr std::string_view kKeyOpenMode = "OpenMode";
inline constexpr std::string_view kKeyKoukaon = "Koukaon";
inline constexpr std::string_view kKeyRuleRem = "RuleRem";
inline constexpr std::string_view kKeyDspRem = "DspRem";
inline constexpr std::string_view kKeyZoom = "Zoom";
inline constexpr std::string_view kKeyGamen = "Gamen";
inline constexpr std::string_view kKeyJoker = "Joker";
inline constexpr std::string_view kKeyTolvaRitu = "TolvaRitu";
inline constexpr std::string_view kKeyAutoStart = "AutoStart";
inline constexpr std::string_view kKeyCourse = "Course";
inline constexpr std::string_view kKeyKakudo = "Kakudo";
inline constexpr std::string_view kKeyMapOrgX = "MapOrgX";
inline constexpr std::string_view kKeyMapOrgY = "MapOrgY";
inline constexpr std::string_view kKeyCoin[] = {"Coin0", "Coin1", "Coin2", "Coin3", "Coin4"};
inline constexpr std::string_view kKeyBackSet = "BackSet";
inline constexpr std::string_view kKeyCardWaku = "CardWaku";
inline constexpr std::string_view kKeyConqCity = "ConqCity";
inline constexpr std::string_view kKeyCunningView = "CunningView";
inline constexpr std::string_view kKeyCunNow = "Now";
inline constexpr std::string_view kKeyCunHand[] = {"0", "1", "2", "3"};  // per computer seat
inline constexpr std::string_view kKeyChronicleCampaign = "Campaign";

// --- the schema --------------------------------------------------------------------
enum class SettingId : int {
  ManSpeed, CardSpeed, PonSpeed, OpenMode, Koukaon, RuleRem, DspRem, Zoom, Gamen, Joker,
  TolvaRitu, AutoStart, Course,
  Kakudo, MapOrgX, MapOrgY, Coin0, Coin1, Coin2, Coin3, Coin4, BackSet, CardWaku,
  ConqCity,
  CunningView, CunNow, CunHand0, CunHand1, CunHand2, CunHand3,
  ChronicleCampaign,
  Count
};

enum class SettingType { Int, Text };

struct SettingDeclaration {
  SettingId id;
  std::string_view section;
  std::string_view key;
  SettingType type;
  int intDefault;                // Int values
  std::string_view textDefault;  // Text values
  // Maps any stored integer to one that is safe to use; null keeps it as stored.
  int (*usable)(int stored);
};

// All values, in the order of SettingId.
std::span<const SettingDeclaration> SettingsSchema();
const SettingDeclaration& DeclarationOf(SettingId id);

// --- window sizes ("Gamen") -----------------------------------------------------------
// The six widths of the screen size menu; the window is width × width / 4 × 3.
inline constexpr int kScreenWidths[] = {640, 800, 1024, 1200, 1400, 1600};
// The main frame reads "Gamen" with this default before it exists: it means that
// no size was chosen yet, and the desktop decides (FirstScreenWidth).
inline constexpr int kGamenUnchosen = 1000;

// The first run's window width from the desktop height: the largest size whose
// window fits (1200 and up → 1600, 1050 → 1400, 900 → 1200, 768 → 1024, 600 → 800,
// below 600 → 640).
int FirstScreenWidth(int desktopHeight);

// --- purses as text ---------------------------------------------------------------
// Purses are kept far from the int limits, so that salaries and payments added
// to a stored purse can never overflow.
inline constexpr int kPurseLimit = 999'999'999;

// The stored text of a purse: its decimal digits ("%d").
std::string PurseText(int coins);
// Reads a purse like C's atoi, without its undefined overflow: leading blanks,
// an optional sign, then the leading digits ("12abc" → 12, " 5" → 5, "-7" → −7);
// text without leading digits reads as 0; the result is clamped to ±kPurseLimit.
int PurseFromText(std::string_view text);

// --- values written together ---------------------------------------------------------
// What one step of the campaign changes, written by Settings::Write in one
// WriteTogether of the store, so that no kill leaves half of it: a
// settlement's purses, the reset of a campaign, its end, a new course.
//
//   settings.Write(SettingsChange().Purses(t.Purse).ConqCity(0));
class SettingsChange {
 public:
  // The purses of seats 0, 1, ... as far as `coins` goes (at most seat 4).
  SettingsChange& Purses(std::span<const int> coins);
  // The empty text: the king's purse after a completed campaign.
  SettingsChange& ClearPurse(int seat);
  SettingsChange& Course(int course);
  SettingsChange& ConqCity(int cities);

  std::span<const StoredValue> Values() const { return values_; }

 private:
  std::vector<StoredValue> values_;
};

// --- the typed accessors ------------------------------------------------------------
class Settings {
 public:
  explicit Settings(SettingsStore& store) : store_(&store) {}

  // Options ("Settei"). Speeds 1 (超速い) to 5 (超遅い).
  int ManSpeed() const { return ReadInt(SettingId::ManSpeed); }
  void SetManSpeed(int speed) { WriteInt(SettingId::ManSpeed, speed); }
  int CardSpeed() const { return ReadInt(SettingId::CardSpeed); }
  void SetCardSpeed(int speed) { WriteInt(SettingId::CardSpeed, speed); }
  int PonSpeed() const { return ReadInt(SettingId::PonSpeed); }
  void SetPonSpeed(int speed) { WriteInt(SettingId::PonSpeed, speed); }
  int OpenMode() const { return ReadInt(SettingId::OpenMode); }
  void SetOpenMode(int on) { WriteInt(SettingId::OpenMode, on); }
  int Koukaon() const { return ReadInt(SettingId::Koukaon); }
  void SetKoukaon(int on) { WriteInt(SettingId::Koukaon, on); }
  int RuleRem() const { return ReadInt(SettingId::RuleRem); }
  void SetRuleRem(int on) { WriteInt(SettingId::RuleRem, on); }
  int DspRem() const { return ReadInt(SettingId::DspRem); }
  void SetDspRem(int on) { WriteInt(SettingId::DspRem, on); }
  int Zoom() const { return ReadInt(SettingId::Zoom); }
  void SetZoom(int zoom) { WriteInt(SettingId::Zoom, zoom); }
  // The window width as everything but the frame's first read sees it (default 640).
  int Gamen() const { return ReadInt(SettingId::Gamen); }
  void SetGamen(int width) { WriteInt(SettingId::Gamen, width); }
  // The frame's read before it is created: when no width was ever chosen, the
  // desktop height chooses one (640 without a desktop) and it is stored at once.
  int GamenAtStartUp(std::optional<int> desktopHeight);
  int Joker() const { return ReadInt(SettingId::Joker); }
  void SetJoker(int jokers) { WriteInt(SettingId::Joker, jokers); }
  int TolvaRitu() const { return ReadInt(SettingId::TolvaRitu); }
  void SetTolvaRitu(int rate) { WriteInt(SettingId::TolvaRitu, rate); }
  int AutoStart() const { return ReadInt(SettingId::AutoStart); }
  void SetAutoStart(int on) { WriteInt(SettingId::AutoStart, on); }
  int Course() const { return ReadInt(SettingId::Course); }
  void SetCourse(int course) { WriteInt(SettingId::Course, course); }

  // State of the last run ("Last").
  int Kakudo() const { return ReadInt(SettingId::Kakudo); }
  void SetKakudo(int degrees) { WriteInt(SettingId::Kakudo, degrees); }
  int MapOrgX() const { return ReadInt(SettingId::MapOrgX); }
  int MapOrgY() const { return ReadInt(SettingId::MapOrgY); }
  void SetMapOrg(int x, int y) {
    WriteInt(SettingId::MapOrgX, x);
    WriteInt(SettingId::MapOrgY, y);
  }
  // Seat 0 to 4; any other seat has no purse (reads 0, writes nothing). A step
  // of the campaign that changes several purses writes them together
  // (SettingsChange).
  int Purse(int seat) const;
  void SetPurse(int seat, int coins);
  // The empty text: the king's purse after a completed campaign.
  void ClearPurse(int seat);
  int BackSet() const { return ReadInt(SettingId::BackSet); }
  void SetBackSet(int source) { WriteInt(SettingId::BackSet, source); }
  int CardWaku() const { return ReadInt(SettingId::CardWaku); }
  void SetCardWaku(int on) { WriteInt(SettingId::CardWaku, on); }

  // Campaign progress ("Map").
  int ConqCity() const { return ReadInt(SettingId::ConqCity); }
  void SetConqCity(int cities) { WriteInt(SettingId::ConqCity, cities); }

  // The values of `change`, all or none.
  void Write(const SettingsChange& change) { store_->WriteTogether(change.Values()); }

  // The peek channel ("Cun"), shared with a second process.
  int CunningView() const { return ReadInt(SettingId::CunningView); }
  void SetCunningView(int running) { WriteInt(SettingId::CunningView, running); }
  int CunNow() const { return ReadInt(SettingId::CunNow); }
  void SetCunNow(int seat) { WriteInt(SettingId::CunNow, seat); }
  // The hand text of computer seat 0 to 3 ("5,18,40,"); other seats read empty
  // and write nothing.
  std::string CunHand(int seat) const;
  void SetCunHand(int seat, std::string_view text);

  // The key of the campaign under way in the chronicle ("Chronicle"); empty
  // between campaigns and for a campaign the chronicle has not seen yet.
  std::string ChronicleCampaign() const { return ReadText(SettingId::ChronicleCampaign); }
  void SetChronicleCampaign(std::string_view key) { WriteText(SettingId::ChronicleCampaign, key); }

  // By schema entry, for code that walks the schema. ReadInt applies the entry's
  // rule; the value must be of the matching type.
  int ReadInt(SettingId id) const;
  void WriteInt(SettingId id, int value);
  std::string ReadText(SettingId id) const;
  void WriteText(SettingId id, std::string_view text);

 private:
  SettingsStore* store_;
};

}  // namespace tolva
