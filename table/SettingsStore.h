// The per-user store of everything the program remembers between runs: the
// application's four profile operations over named sections and keys.
//
// A missing value reads as the default the caller passes; nothing is ever
// deleted. Integers and texts are distinct kinds of value: an integer read of a
// value that does not hold an integer gives the default. Every write reaches
// permanent storage at once, so closing or killing the program loses nothing.
// Values that belong together (a settlement's five purses) are written by one
// WriteTogether: whenever the program is killed, the store holds either all
// of them or none.
//
// Callers do not use this directly: `Settings` (table/SettingsSchema.h) knows
// every section, key, type and default and makes stored values safe to use.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tolva {

// One value of a WriteTogether: an integer or a text.
struct StoredValue {
  std::string_view section;
  std::string_view key;
  std::variant<int, std::string> value;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) = 0;
  virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
  virtual std::string ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) = 0;
  virtual void WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
  virtual void WriteTogether(std::span<const StoredValue> values) = 0;
};

}  // namespace tolva
