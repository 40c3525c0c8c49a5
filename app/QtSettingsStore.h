// The settings store of the program: the user's profile through QSettings in
// its native format (an INI file, see ProfileNames.h), with the sections and
// keys of the schema.
//
// Every write is synced to the file at once, so nothing is lost when the
// program is killed. The "Cun" section is the channel to a peek window in a
// second process: it is also synced before every read, so each side sees the
// other's latest value at once.
#pragma once

#include <QSettings>
#include <QString>

#include "table/SettingsStore.h"

namespace tolva {

class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override;

  // The file the values live in.
  QString FileName() const { return settings_.fileName(); }

 private:
  QVariant Read(std::string_view section, std::string_view key);
  void Write(std::string_view section, std::string_view key, const QVariant& value);

  QSettings settings_;
};

}  // namespace tolva
