#include "app/GameLock.h"

#include <QStandardPaths>

#include "app/ProfileNames.h"

namespace tolva {

GameLock TakeGameLock() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) return {};
  auto file = std::make_unique<QLockFile>(folder + u'/' + QLatin1String(kProfileApplication) +
                                          QStringLiteral(".lock"));
  // Only a dead holder makes the lock stale, never its age: a game may run
  // for days. (On a local disk the holder's own lock on the file keeps it
  // anyway; not every file system has one.)
  file->setStaleLockTime(0);
  if (file->tryLock(0)) return {std::move(file), false};
  return {nullptr, file->error() == QLockFile::LockFailedError};
}

}  // namespace tolva
