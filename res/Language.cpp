#include "res/Language.h"

#include <cstdlib>
#include <optional>

namespace tolva {
namespace {

std::optional<Language> LanguageOfLocaleName(std::string_view name) {
  if (name.starts_with("en")) return Language::English;
  if (name.starts_with("ja")) return Language::Japanese;
  return std::nullopt;
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

Language active = Language::Japanese;

}  // namespace

Language LanguageFromEnvironment(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang) {
  while (!language.empty()) {
    const size_t colon = language.find(':');
    if (const auto chosen = LanguageOfLocaleName(language.substr(0, colon))) return *chosen;
    language = colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
  }
  for (const std::string_view locale : {lcAll, lcMessages, lang}) {
    if (!locale.empty()) return LanguageOfLocaleName(locale).value_or(Language::Japanese);
  }
  return Language::Japanese;
}

Language LanguageOfThisDesktop() {
  return LanguageFromEnvironment(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                                 Variable("LANG"));
}

Language ActiveLanguage() { return active; }
void SetActiveLanguage(Language language) { active = language; }

}  // namespace tolva
