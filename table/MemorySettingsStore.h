// A settings store held in memory, for tests and the simulator. Like the file
// store of the program, it keeps every value as text: an integer is written as
// its decimal digits, and an integer read accepts what the file store accepts
// (blanks around an optionally signed decimal number within the int range);
// anything else reads as the default.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

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

  // The stored text, or nothing when the value was never written.
  std::optional<std::string> Stored(std::string_view section, std::string_view key) const;
  int WriteCount() const { return writes_; }

 private:
  std::map<std::string, std::string, std::less<>> values_;  // "section/key" → text
  int writes_ = 0;
};

// The integer a stored text holds, as the stores read it: blanks around an
// optionally signed decimal number within the int range; nothing otherwise.
std::optional<int> StoredIntFromText(std::string_view text);

}  // namespace tolva
