// A settings store held in memory, for tests and the simulator. Like the file
// store of the program, it keeps every value as text: an integer is written as
// its decimal digits, and an integer read accepts what the file store accepts
// (blanks around an optionally signed decimal number within the int range);
// anything else reads as the default. It remembers which values were written
// together, so tests can tell a group from single writes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/SettingsStore.h"

namespace tolva {

class MemorySettingsStore : public SettingsStore {
 public:
  int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override;
  void WriteTogether(std::span<const StoredValue> values) override;

  // The stored text, or nothing when the value was never written.
  std::optional<std::string> Stored(std::string_view section, std::string_view key) const;
  // Values written so far, each value of a group counted.
  int WriteCount() const { return writes_; }
  // The "section/key" of every value of each WriteTogether so far, in order.
  const std::vector<std::vector<std::string>>& Groups() const { return groups_; }

 private:
  void Store(std::string_view section, std::string_view key, std::string text);

  std::map<std::string, std::string, std::less<>> values_;  // "section/key" → text
  int writes_ = 0;
  std::vector<std::vector<std::string>> groups_;
};

// The integer a stored text holds, as the stores read it: blanks around an
// optionally signed decimal number within the int range; nothing otherwise.
std::optional<int> StoredIntFromText(std::string_view text);

}  // namespace tolva
