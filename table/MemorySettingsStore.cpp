#include "table/MemorySettingsStore.h"

#include <charconv>
#include <system_error>
#include <utility>
#include <variant>

namespace tolva {
namespace {

std::string PathOf(std::string_view section, std::string_view key) {
  std::string path;
  path.reserve(section.size() + 1 + key.size());
  path.append(section).append("/").append(key);
  return path;
}

}  // namespace

std::optional<int> StoredIntFromText(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\n\r\f\v";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
  // from_chars takes a minus sign but no plus sign.
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                 int defaultValue) {
  const auto text = Stored(section, key);
  if (!text) return defaultValue;
  return StoredIntFromText(*text).value_or(defaultValue);
}

void MemorySettingsStore::Store(std::string_view section, std::string_view key,
                                std::string text) {
  values_[PathOf(section, key)] = std::move(text);
  ++writes_;
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
  Store(section, key, std::to_string(value));
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
  return Stored(section, key).value_or(std::string(defaultValue));
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
  Store(section, key, std::string(value));
}

void MemorySettingsStore::WriteTogether(std::span<const StoredValue> values) {
  std::vector<std::string>& group = groups_.emplace_back();
  for (const StoredValue& stored : values) {
    group.push_back(PathOf(stored.section, stored.key));
    if (const int* number = std::get_if<int>(&stored.value))
      Store(stored.section, stored.key, std::to_string(*number));
    else
      Store(stored.section, stored.key, std::get<std::string>(stored.value));
  }
}

std::optional<std::string> MemorySettingsStore::Stored(std::string_view section,
                                                       std::string_view key) const {
  const auto found = values_.find(PathOf(section, key));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tolva
