#include "app/QtSettingsStore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <cerrno>
#include <utility>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ProfileNames.h"
#include "render/FileProblems.h"
#include "res/StringTable.h"
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

QVariant ToQVariant(const std::variant<int, std::string>& value) {
  if (const int* number = std::get_if<int>(&value)) return QVariant(*number);
  return QVariant(QString::fromStdString(std::get<std::string>(value)));
}

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

// The profile's file, where QSettings keeps the user scope of our names:
// $XDG_CONFIG_HOME/TolvaGame/TolvaGame.conf.
QString ProfileFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
         QLatin1String(kProfileOrganisation) + u'/' + QLatin1String(kProfileApplication) +
         QStringLiteral(".conf");
}

// 0 when the file may be read: a regular file we can open for reading, or none
// yet (the first start). Otherwise the reason it cannot be.
int ReadProblemOf(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::stat(name.constData(), &info) != 0) return errno == ENOENT ? 0 : ReasonFor(errno);
  if (!S_ISREG(info.st_mode)) return kWhyNotRegularFile;
  // Not blocking: a pipe put there since the look above must not hang the start.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReasonFor(errno);
  ::close(fd);
  return 0;
}

}  // namespace

QtSettingsStore::QtSettingsStore() : fileName_(ProfileFile()) {
  if (const int problem = ReadProblemOf(fileName_)) {
    Tell(problem, kMsgSettingsUnreadable);
    return;
  }
  settings_ = std::make_unique<QSettings>(fileName_, QSettings::NativeFormat);
}

void QtSettingsStore::TellProblemsTo(ProblemTeller teller) {
  teller_ = std::move(teller);
  if (teller_ && untoldMessage_ != 0) {
    const int message = std::exchange(untoldMessage_, 0);
    teller_(std::exchange(untoldPrefix_, {}), message);
  }
}

void QtSettingsStore::Tell(int reason, int stringId) {
  if (told_) return;
  told_ = true;
  // Marked before telling: the message box lets the table repaint, and a
  // repaint may write again.
  std::string prefix = ProblemPrefix(fileName_, reason);
  if (teller_) {
    teller_(prefix, stringId);
  } else {
    untoldPrefix_ = std::move(prefix);
    untoldMessage_ = stringId;
  }
}

void QtSettingsStore::Save() {
  const qint64 replacedMs = ModifiedMs(fileName_);
  settings_->sync();
  if (settings_->status() == QSettings::AccessError) {
    // QSettings keeps the values and tries again at the next sync. The file
    // written anew needs about its old size, and a page more for what was set.
    constexpr qint64 kPage = 4096;
    Tell(WriteFailureReason(fileName_, QFileInfo(fileName_).size() + kPage), kMsgSettingsNotSaved);
    return;
  }
  KeepWritesApart(fileName_, replacedMs);
}

QVariant QtSettingsStore::Read(std::string_view section, std::string_view key) {
  if (IsPeekChannel(section)) settings_->sync();
  return settings_->value(PathOf(section, key));
}

void QtSettingsStore::Write(std::string_view section, std::string_view key,
                            const QVariant& value) {
  const QString path = PathOf(section, key);
  // Publishing a hand rewrites the same text on every redraw; a value the file
  // already holds costs only the look at the file that sync() makes. An int and
  // a text are both kept as their text, so the texts decide.
  settings_->sync();
  const QVariant current = settings_->value(path);
  const bool plain = current.typeId() == QMetaType::Int || current.typeId() == QMetaType::QString;
  if (plain && current.toString() == value.toString()) return;
  settings_->setValue(path, value);
  Save();
}

void QtSettingsStore::WriteTogether(std::span<const StoredValue> values) {
  if (!settings_) {
    unsaved_.WriteTogether(values);
    return;
  }
  settings_->sync();  // the other process's latest values stay as they are
  for (const StoredValue& stored : values)
    settings_->setValue(PathOf(stored.section, stored.key), ToQVariant(stored.value));
  Save();
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view key,
                             int defaultValue) {
  if (!settings_) return unsaved_.ReadInt(section, key, defaultValue);
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
  if (!settings_) return unsaved_.WriteInt(section, key, value);
  Write(section, key, QVariant(value));
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) {
  if (!settings_) return unsaved_.ReadString(section, key, defaultValue);
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
  if (!settings_) return unsaved_.WriteString(section, key, value);
  Write(section, key, QVariant(ToQString(value)));
}

}  // namespace tolva
