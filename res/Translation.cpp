#include "res/Translation.h"

#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace tolva {

namespace {

struct TranslationCache {
  std::mutex mutex;
  TextTranslator translator;
  // Keyed by context and text; a map's nodes never move, so the views handed
  // out stay valid.
  std::map<std::pair<std::string, std::string>, std::string, std::less<>> texts;
};

TranslationCache& Cache() {
  static TranslationCache cache;
  return cache;
}

}  // namespace

void InstallTextTranslator(TextTranslator translator) {
  TranslationCache& cache = Cache();
  const std::lock_guard lock(cache.mutex);
  cache.translator = std::move(translator);
  cache.texts.clear();
}

std::string_view Translated(std::string_view context, std::string_view text) {
  TranslationCache& cache = Cache();
  const std::lock_guard lock(cache.mutex);
  if (!cache.translator || text.empty()) return text;
  std::pair<std::string, std::string> key{std::string(context), std::string(text)};
  auto it = cache.texts.find(key);
  if (it == cache.texts.end()) {
    std::string translation = cache.translator(context, text);
    it = cache.texts.emplace(std::move(key), std::move(translation)).first;
  }
  return it->second;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> args(arguments);
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < args.size()) {
        out += args[index];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace tolva
