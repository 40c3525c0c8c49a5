#include "table/SettingsSchema.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <system_error>
#include <utility>

#include "table/ViewAngle.h"

namespace tolva {
namespace {

// Which stored values are made safe, and why. The store is a file the user can
// edit, so any integer may come back. A value is kept as stored unless using it
// could crash, hang or allocate without bound; then it reads as the value the
// settings menu puts its check mark on for it, or the nearest usable one.
//
// | value          | kept          | otherwise reads    | what the unsafe value would do          |
// |----------------|---------------|--------------------|-----------------------------------------|
// | ManSpeed,      | 1 to 5        | 5 (超遅い)          | negative or overflowing timer periods:  |
// | CardSpeed,     |               |                    | a timer that cannot be set stops the    |
// | PonSpeed       |               |                    | game for good                           |
// | Zoom           | 1, 2, 3       | 1 (等倍)            | a map picture of 1831 z × 649 z pixels  |
// | Gamen          | 640 to 1600   | 640                | a window and back buffer of any size;   |
// |                |               |                    | 0 makes the canvas scale 0              |
// | Joker          | 2, 4, 6       | 2                  | more cards than the stock's 23 slots    |
// | Kakudo         | 9 to 31       | clamped to 9 … 31  | tan(0) divides by zero; 90 and beyond   |
// |                |               |                    | turn the projection inside out          |
// | MapOrgX, -Y    | 0 to 3 × map  | clamped to that    | scroll arithmetic near the int limits   |
// |                | (5493, 1947)  |                    |                                         |
// | BackSet        | 0, 1          | 0 (default back)   | card back code knows only 0 and 1       |
// | CardWaku       | 0, 1          | 1 for any nonzero  | (the frame is on for any nonzero value) |
// | ConqCity       | 0 to 99       | clamped to 0 … 99  | a campaign that never completes, and a  |
// |                |               |                    | count that overflows                    |
// | Coin0 … Coin4  | ±kPurseLimit  | clamped; no number | salaries and payments that overflow     |
// |   (text)       |               | reads 0            | (PurseFromText)                         |
//
// Kept as stored, because every value is harmless: TolvaRitu (any value other
// than 1, 2, 3 declares always; the menu checks 中確率), OpenMode, Koukaon,
// RuleRem, DspRem, AutoStart (used as on/off), Course (any value other than 2, 3,
// 4 is the beginner course), CunningView, Now (a seat outside 0 to 3 has no
// hand text: CunHand reads it as empty), and the chronicle's campaign key (any
// text names a campaign; the database keeps it as a bound value). A value in range that the menu does not
// offer, such as a width of 700, is kept: the menu checks 640 for it, and a
// 700 × 525 window is a perfectly good window.
//
// An int value holding text that is not an int reads as its default (the
// stores' ReadInt); only the frame's first "Gamen" read then chooses afresh.

constexpr int kMapWidth = 1831;  // the world map picture
constexpr int kMapHeight = 649;
constexpr int kMaxMapZoom = 3;
constexpr int kLastCity = 99;  // cities along the route

int UsableSpeed(int v) { return v >= 1 && v <= 5 ? v : 5; }
int UsableZoom(int v) { return v >= 1 && v <= kMaxMapZoom ? v : 1; }
int UsableScreenWidth(int v) {
  return v >= kScreenWidths[0] && v <= std::end(kScreenWidths)[-1] ? v : kScreenWidths[0];
}
int UsableJoker(int v) { return v == 2 || v == 4 || v == 6 ? v : 2; }
int UsableAngle(int v) { return std::clamp(v, kMinViewAngle, kMaxViewAngle); }
int UsableMapOrgX(int v) { return std::clamp(v, 0, kMaxMapZoom * kMapWidth); }
int UsableMapOrgY(int v) { return std::clamp(v, 0, kMaxMapZoom * kMapHeight); }
int UsableBackSet(int v) { return v == 1 ? 1 : 0; }
int UsableFlagOn(int v) { return v != 0 ? 1 : 0; }
int UsableConqCity(int v) { return std::clamp(v, 0, kLastCity); }

constexpr SettingDeclaration Int(SettingId id, std::string_view section, std::string_view key,
                          int fallback, int (*usable)(int) = nullptr) {
  return {id, section, key, SettingType::Int, fallback, {}, usable};
}
constexpr SettingDeclaration Text(SettingId id, std::string_view section, std::string_view key,
                           std::string_view fallback) {
  return {id, section, key, SettingType::Text, 0, fallback, nullptr};
}

using Id = SettingId;

constexpr std::array kSchema = {
    Int(Id::ManSpeed, kSectionSettei, kKeyManSpeed, 1, UsableSpeed),
    Int(Id::CardSpeed, kSectionSettei, kKeyCardSpeed, 1, UsableSpeed),
    Int(Id::PonSpeed, kSectionSettei, kKeyPonSpeed, 1, UsableSpeed),
    Int(Id::OpenMode, kSectionSettei, kKeyOpenMode, 0),
    Int(Id::Koukaon, kSectionSettei, kKeyKoukaon, 1),
    Int(Id::RuleRem, kSectionSettei, kKeyRuleRem, 1),
    Int(Id::DspRem, kSectionSettei, kKeyDspRem, 1),
    Int(Id::Zoom, kSectionSettei, kKeyZoom, 1, UsableZoom),
    Int(Id::Gamen, kSectionSettei, kKeyGamen, 640, UsableScreenWidth),
    Int(Id::Joker, kSectionSettei, kKeyJoker, 2, UsableJoker),
    Int(Id::TolvaRitu, kSectionSettei, kKeyTolvaRitu, 2),
    Int(Id::AutoStart, kSectionSettei, kKeyAutoStart, 0),
    Int(Id::Course, kSectionSettei, kKeyCourse, 1),

    Int(Id::Kakudo, kSectionLast, kKeyKakudo, 23, UsableAngle),
    Int(Id::MapOrgX, kSectionLast, kKeyMapOrgX, 0, UsableMapOrgX),
    Int(Id::MapOrgY, kSectionLast, kKeyMapOrgY, 0, UsableMapOrgY),
    Text(Id::Coin0, kSectionLast, kKeyCoin[0], "0"),
    Text(Id::Coin1, kSectionLast, kKeyCoin[1], "0"),
    Text(Id::Coin2, kSectionLast, kKeyCoin[2], "0"),
    Text(Id::Coin3, kSectionLast, kKeyCoin[3], "0"),
    Text(Id::Coin4, kSectionLast, kKeyCoin[4], "0"),
    Int(Id::BackSet, kSectionLast, kKeyBackSet, 0, UsableBackSet),
    Int(Id::CardWaku, kSectionLast, kKeyCardWaku, 1, UsableFlagOn),

    Int(Id::ConqCity, kSectionMap, kKeyConqCity, 0, UsableConqCity),

    Int(Id::CunningView, kSectionCun, kKeyCunningView, 0),
    Int(Id::CunNow, kSectionCun, kKeyCunNow, 0),
    Text(Id::CunHand0, kSectionCun, kKeyCunHand[0], ""),
    Text(Id::CunHand1, kSectionCun, kKeyCunHand[1], ""),
    Text(Id::CunHand2, kSectionCun, kKeyCunHand[2], ""),
    Text(Id::CunHand3, kSectionCun, kKeyCunHand[3], ""),

    Text(Id::ChronicleCampaign, kSectionChronicle, kKeyChronicleCampaign, ""),
};

constexpr bool RowsFollowTheIds() {
  for (std::size_t i = 0; i < kSchema.size(); ++i)
    if (static_cast<std::size_t>(kSchema[i].id) != i) return false;
  return kSchema.size() == static_cast<std::size_t>(SettingId::Count);
}
static_assert(RowsFollowTheIds(), "one schema row per SettingId, in the order of the enum");

SettingId CoinId(int seat) {
  return static_cast<SettingId>(static_cast<int>(SettingId::Coin0) + seat);
}
SettingId CunHandId(int seat) {
  return static_cast<SettingId>(static_cast<int>(SettingId::CunHand0) + seat);
}
bool IsPurseSeat(int seat) { return seat >= 0 && seat < static_cast<int>(std::size(kKeyCoin)); }
bool IsPeekSeat(int seat) { return seat >= 0 && seat < static_cast<int>(std::size(kKeyCunHand)); }

StoredValue StoredValueOf(SettingId id, std::variant<int, std::string> value) {
  const SettingDeclaration& declared = kSchema[static_cast<std::size_t>(id)];
  return {declared.section, declared.key, std::move(value)};
}

}  // namespace

std::span<const SettingDeclaration> SettingsSchema() { return kSchema; }

const SettingDeclaration& DeclarationOf(SettingId id) { return kSchema[static_cast<std::size_t>(id)]; }

int FirstScreenWidth(int desktopHeight) {
  if (desktopHeight >= 1200) return 1600;
  if (desktopHeight >= 1050) return 1400;
  if (desktopHeight >= 900) return 1200;
  if (desktopHeight >= 768) return 1024;
  if (desktopHeight < 600) return 640;
  return 800;
}

std::string PurseText(int coins) { return std::to_string(coins); }

int PurseFromText(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t\n\r\f\v");
  if (i == std::string_view::npos) return 0;
  // from_chars takes a minus sign but no plus sign, and no sign after a plus.
  if (text[i] == '+' && ++i < text.size() && text[i] == '-') return 0;
  long long value = 0;
  const auto [digitsEnd, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
  if (error == std::errc::invalid_argument) return 0;
  if (error == std::errc::result_out_of_range) return text[i] == '-' ? -kPurseLimit : kPurseLimit;
  return static_cast<int>(std::clamp<long long>(value, -kPurseLimit, kPurseLimit));
}

int Settings::ReadInt(SettingId id) const {
  const SettingDeclaration& declared = DeclarationOf(id);
  const int stored = store_->ReadInt(declared.section, declared.key, declared.intDefault);
  return declared.usable ? declared.usable(stored) : stored;
}

void Settings::WriteInt(SettingId id, int value) {
  const SettingDeclaration& declared = DeclarationOf(id);
  store_->WriteInt(declared.section, declared.key, value);
}

std::string Settings::ReadText(SettingId id) const {
  const SettingDeclaration& declared = DeclarationOf(id);
  return store_->ReadString(declared.section, declared.key, declared.textDefault);
}

void Settings::WriteText(SettingId id, std::string_view text) {
  const SettingDeclaration& declared = DeclarationOf(id);
  store_->WriteString(declared.section, declared.key, text);
}

int Settings::GamenAtStartUp(std::optional<int> desktopHeight) {
  const SettingDeclaration& declared = DeclarationOf(SettingId::Gamen);
  const int stored = store_->ReadInt(declared.section, declared.key, kGamenUnchosen);
  if (stored != kGamenUnchosen) return declared.usable(stored);
  const int width = desktopHeight ? FirstScreenWidth(*desktopHeight) : kScreenWidths[0];
  SetGamen(width);
  return width;
}

int Settings::Purse(int seat) const {
  return IsPurseSeat(seat) ? PurseFromText(ReadText(CoinId(seat))) : 0;
}

void Settings::SetPurse(int seat, int coins) {
  if (IsPurseSeat(seat)) WriteText(CoinId(seat), PurseText(coins));
}

void Settings::ClearPurse(int seat) {
  if (IsPurseSeat(seat)) WriteText(CoinId(seat), "");
}

SettingsChange& SettingsChange::Purses(std::span<const int> coins) {
  for (int seat = 0; seat < static_cast<int>(coins.size()) && IsPurseSeat(seat); ++seat)
    values_.push_back(StoredValueOf(CoinId(seat), PurseText(coins[seat])));
  return *this;
}

SettingsChange& SettingsChange::ClearPurse(int seat) {
  if (IsPurseSeat(seat)) values_.push_back(StoredValueOf(CoinId(seat), std::string()));
  return *this;
}

SettingsChange& SettingsChange::Course(int course) {
  values_.push_back(StoredValueOf(SettingId::Course, course));
  return *this;
}

SettingsChange& SettingsChange::ConqCity(int cities) {
  values_.push_back(StoredValueOf(SettingId::ConqCity, cities));
  return *this;
}

std::string Settings::CunHand(int seat) const {
  return IsPeekSeat(seat) ? ReadText(CunHandId(seat)) : std::string();
}

void Settings::SetCunHand(int seat, std::string_view text) {
  if (IsPeekSeat(seat)) WriteText(CunHandId(seat), text);
}

}  // namespace tolva
