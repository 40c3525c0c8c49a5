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

// The groups the texts are translated in (the contexts of res/i18n/*.ts),
// for the layers without Qt and for the shell's Tr() alike.
namespace text_context {
inline constexpr char kStringTable[] = "StringTable";  // numbered texts, and notes before them
inline constexpr char kCourses[] = "Courses";
inline constexpr char kSeatNames[] = "SeatNames";
inline constexpr char kCityNames[] = "CityNames";
inline constexpr char kResultKinds[] = "ResultKinds";
inline constexpr char kSettlement[] = "Settlement";
inline constexpr char kProfiles[] = "Profiles";
inline constexpr char kTitles[] = "Titles";            // window titles
inline constexpr char kMenus[] = "Menus";
inline constexpr char kHoverHelp[] = "HoverHelp";      // the hover help the shell builds itself
inline constexpr char kDialogs[] = "Dialogs";
inline constexpr char kStory[] = "Story";
inline constexpr char kChronicle[] = "Chronicle";
}  // namespace text_context

// Turns `text` of `context` into the player's language; returns the text
// unchanged when it has no translation.
using TextTranslator = std::function<std::string(std::string_view context, std::string_view text)>;

// Installs the translator (an empty one brings the written texts back). The
// program installs one once, at start-up; views handed out before another is
// installed no longer hold.
void InstallTextTranslator(TextTranslator translator);

// `text` in the player's language. The view stays valid for the whole run:
// each translation is made once and kept.
std::string_view Translated(std::string_view context, std::string_view text);

// `pattern` with %1 … %9 replaced by the arguments, as QString::arg fills
// them (a place with no argument stays as it is). Written here because the
// layers without Qt build their sentences with it.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace tolva
