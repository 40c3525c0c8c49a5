// The language the player reads the game in. Japanese is the game's own
// language and the default; English is shown when the desktop asks for it.
// The program decides once at start-up; every text, page and picture with
// words on it then follows ActiveLanguage().
#pragma once

#include <string_view>

namespace tolva {

enum class Language { Japanese, English };

// The language the desktop's environment asks for, in the order gettext reads
// it: the entries of LANGUAGE (a colon-separated list; the first one the game
// has decides), then the first of LC_ALL, LC_MESSAGES and LANG that is set.
// "en…" is English, "ja…" Japanese; anything else ("C", "de_DE", unset) leaves
// the game in Japanese. Pass the variables' values, empty when unset.
Language LanguageFromEnvironment(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang);

// The same, read from this process's environment.
Language LanguageOfThisDesktop();

// The language chosen for this run (Japanese until the program sets one).
Language ActiveLanguage();
void SetActiveLanguage(Language language);

}  // namespace tolva
