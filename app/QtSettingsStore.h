// The settings store of the program: the user's profile through QSettings in
// its native format (an INI file, see ProfileNames.h), with the sections and
// keys of the schema.
//
// Every write is synced to the file at once, so nothing is lost when the
// program is killed; a WriteTogether is one sync, which QSettings makes by
// writing a new file beside the old one and renaming it over it, so a kill
// leaves the whole old group or the whole new one. The "Cun" section is the
// channel to a peek window in a second process: it is also synced before
// every read, so each side sees the other's latest value at once.
//
// The file is opened only when it is a regular file we may read (a named
// pipe would hang the start). One that cannot be read is never written: the
// store then keeps this run's values in memory and the file stays as it was,
// with the player's campaign in it. Writes that fail (a read-only file or
// folder, a full disk) keep the values in memory too. Either problem is told
// once, with the file's path and what is wrong.
#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "table/MemorySettingsStore.h"
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
  void WriteTogether(std::span<const StoredValue> values) override;

  // The file the values live in.
  QString FileName() const { return fileName_; }
  // False when the file exists but could not be read: the values are this
  // run's alone, and no other process sees them.
  bool FileRead() const { return settings_ != nullptr; }

  // Where a problem with the file is told: the text to put before the message
  // ("<path>\n<what is wrong>\n") and the message's number. A problem found
  // before a teller is set is told when it is set; each is told once a run.
  using ProblemTeller = std::function<void(const std::string& prefix, int stringId)>;
  void TellProblemsTo(ProblemTeller teller);

 private:
  QVariant Read(std::string_view section, std::string_view key);
  void Write(std::string_view section, std::string_view key, const QVariant& value);
  // Syncs the values set since the last sync to the file; a failure is told.
  void Save();
  void Tell(int reason, int stringId);

  QString fileName_;
  std::unique_ptr<QSettings> settings_;  // none when the file could not be read
  MemorySettingsStore unsaved_;          // the values instead, then
  ProblemTeller teller_;
  std::string untoldPrefix_;
  int untoldMessage_ = 0;
  bool told_ = false;
};

}  // namespace tolva
