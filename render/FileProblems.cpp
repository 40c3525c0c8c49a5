#include "render/FileProblems.h"

#include <QFileInfo>
#include <cerrno>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "res/StringTable.h"

namespace tolva {

int ReasonFor(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return kWhyNoAccess;
    case EROFS: return kWhyReadOnly;
    case ENOSPC:
    case EDQUOT: return kWhyDiskFull;
    case ENOTDIR: return kWhyFileInPlaceOfFolder;
    case ENOENT: return kWhyNoSuchFolder;
    case EISDIR:
    case ENXIO:
    case ELOOP: return kWhyNotRegularFile;
    default: return kWhyInputOutput;
  }
}

std::string ProblemPrefix(const QString& path, int reason) {
  return path.toStdString() + '\n' + std::string(StringText(reason)) + '\n';
}

int WriteFailureReason(const QString& path, qint64 bytes) {
  const QByteArray file = QFile::encodeName(path);
  const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
  // As the writer: its effective (and file system) user, not its real one.
  const auto writable = [](const QByteArray& name) {
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0;
  };
  if (QFileInfo::exists(path) && !writable(file)) return ReasonFor(errno);
  if (!writable(folder)) return ReasonFor(errno);
  struct statvfs disk {};
  if (::statvfs(folder.constData(), &disk) == 0) {
    if ((disk.f_flag & ST_RDONLY) != 0) return kWhyReadOnly;
    // A new file needs a free inode as well as room for its bytes.
    const qint64 room = static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize);
    if (room < bytes || (disk.f_files > 0 && disk.f_favail == 0)) return kWhyDiskFull;
  }
  return kWhyInputOutput;
}

}  // namespace tolva
