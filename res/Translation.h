// How the texts of the layers without Qt reach the player in his language.
// Those layers keep their Japanese texts and name them by number or key; the
// shell, when the player reads English, installs a translator that turns a
// text of a given context into his language. Without one every text stays as
// it is written, character for character.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tolva {

// The groups the texts are translated in (the contexts of res/i18n/*.ts).
namespace text_context {
inline constexpr std::string_view kStringTable = "StringTable";
inline constexpr std::string_view kCourses = "Courses";
inline constexpr std::string_view kSeatNames = "SeatNames";
inline constexpr std::string_view kCityNames = "CityNames";
inline constexpr std::string_view kResultKinds = "ResultKinds";
inline constexpr std::string_view kSettlement = "Settlement";
inline constexpr std::string_view kProfiles = "Profiles";
inline constexpr std::string_view kStory = "Story";
inline constexpr std::string_view kTitles = "Titles";
}  // namespace text_context

// Turns `text` of `context` into the player's language; returns the text
// unchanged when it has no translation.
using TextTranslator = std::function<std::string(std::string_view context, std::string_view text)>;

// Installs the translator (an empty one brings the written texts back).
void InstallTextTranslator(TextTranslator translator);

// `text` in the player's language. The view stays valid for the whole run:
// each translation is made once and kept.
std::string_view Translated(std::string_view context, std::string_view text);

// `pattern` with %1 … %9 replaced by the arguments, as QString::arg fills
// them (a place with no argument stays as it is). Written here because the
// layers without Qt build their sentences with it.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace tolva
