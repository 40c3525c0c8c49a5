#include "app/QtSettingsStore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "app/ProfileNames.h"
#include "table/SettingsSchema.h"

namespace tolva {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PathOf(std::string_view section, std::string_view key) {
  return ToQString(section) + u'/' + ToQString(key);
}

bool IsPeekChannel(std::string_view section) { return section == kSectionCun; }

qint64 ModifiedMs(const QString& fileName) {
  const QFileInfo info(fileName);
  return info.exists() ? info.lastModified().toMSecsSinceEpoch() : -1;
}

// QSettings tells that another process changed the file by its size and its
// modification time in whole milliseconds, and a write takes well under one. Two
// writes of equal size within a millisecond would look like one: a reader in
// the other process would keep the older value, and a writer there would write
// it back over the newer one. So every write moves the file's time on past the
// time of the file it replaced.
void KeepWritesApart(const QString& fileName, qint64 replacedMs) {
  if (replacedMs < 0 || ModifiedMs(fileName) > replacedMs) return;
  QFile file(fileName);
  if (file.open(QIODevice::ReadWrite))
    file.setFileTime(QDateTime::fromMSecsSinceEpoch(replacedMs + 1),
                     QFileDevice::FileModificationTime);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, kProfileOrganisation,
                kProfileApplication) {}

QVariant QtSettingsStore::Read(std::string_view section, std::string_view key) {
  if (IsPeekChannel(section)) settings_.sync();
  return settings_.value(PathOf(section, key));
}

void QtSettingsStore::Write(std::string_view section, std::string_view key,
                            const QVariant& value) {
  const QString path = PathOf(section, key);
  // Publishing a hand rewrites the same text on every redraw; a value the file
  // already holds costs only the look at the file that sync() makes. An int and
  // a text are both kept as their text, so the texts decide.
  settings_.sync();
  const QVariant current = settings_.value(path);
  const bool plain = current.typeId() == QMetaType::Int || current.typeId() == QMetaType::QString;
  if (plain && current.toString() == value.toString()) return;
  const qint64 replacedMs = ModifiedMs(settings_.fileName());
  settings_.setValue(path, value);
  settings_.sync();
  KeepWritesApart(settings_.fileName(), replacedMs);
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view key,
                             int defaultValue) {
  const QVariant value = Read(section, key);
  // A value written in this run is still an int; one read from the file is its
  // text. QVariant's own conversion would wrap numbers beyond the int range, so
  // texts go through QString::toInt, which refuses them.
  if (value.typeId() == QMetaType::Int) return value.toInt();
  if (value.typeId() == QMetaType::QString) {
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    return ok ? number : defaultValue;
  }
  return defaultValue;
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
  Write(section, key, QVariant(value));
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) {
  const QVariant value = Read(section, key);
  if (!value.isValid()) return std::string(defaultValue);
  // A hand-edited file may hold a hand text without its quotes (0=5,18,40,),
  // which QSettings reads as a list of the parts between the commas.
  if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList)
    return value.toStringList().join(u',').toStdString();
  return value.toString().toStdString();
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value) {
  Write(section, key, QVariant(ToQString(value)));
}

}  // namespace tolva
