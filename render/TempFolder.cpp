#include "render/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "render/FileProblems.h"
#include "res/StringTable.h"

namespace tolva {

namespace {

constexpr char kAppTitle[] = "TolvaGame";
constexpr mode_t kOwnerOnly = S_IRWXU;

enum class Found { Usable, Missing, NotOurs, Unreachable };

struct Look {
  Found found;
  int error = 0;  // Unreachable: what the system said
};

// What stands at `path`: a folder the player may use alone, nothing,
// something that is not his to use, or no way to tell.
Look LookAt(const QByteArray& path) {
  struct stat info {};
  if (::lstat(path.constData(), &info) != 0)
    return errno == ENOENT ? Look{Found::Missing} : Look{Found::Unreachable, errno};
  // A link, a file, another user's folder, or one that others could have
  // put links into.
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
      (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
    return {Found::NotOurs};
  // Ours, but readable by others (an older version of the game made it so):
  // from now on the player's alone.
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(path.constData(), kOwnerOnly) != 0)
    return {Found::NotOurs};
  return {Found::Usable};
}

Look Make(const QByteArray& path) {
  if (::mkdir(path.constData(), kOwnerOnly) == 0 || errno == EEXIST) return LookAt(path);
  return {Found::Unreachable, errno};
}

// The system's temporary folder; $TMPDIR as given when it names no folder,
// so that the message can say which.
QString SystemTempFolder() {
  const QString folder = QDir::tempPath();
  return folder.isEmpty() ? QDir::cleanPath(qEnvironmentVariable("TMPDIR")) : folder;
}

// Makes the folders of `relative` below `base` that are missing; 0 or the
// system's error.
int MakeSubfolders(const QString& base, const QString& relative) {
  QString path = base;
  for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
    path += u'/' + part;
    if (::mkdir(QFile::encodeName(path).constData(), kOwnerOnly) != 0 && errno != EEXIST) return errno;
    if (!QFileInfo(path).isDir()) return ENOTDIR;
  }
  return 0;
}

}  // namespace

TempFolderCheck PrivateTempFolder() {
  const QString system = SystemTempFolder();
  const QString shared = system + u'/' + QLatin1String(kAppTitle);
  const QString own = shared + u'-' + QString::number(::geteuid());
  for (const QString& name : {shared, own}) {
    const QByteArray path = QFile::encodeName(name);
    Look look = LookAt(path);
    if (look.found == Found::Missing) look = Make(path);
    if (look.found == Found::Usable) return {name};
    if (look.found == Found::Unreachable) return {name, ReasonFor(look.error)};
  }
  // Someone else holds both names: a folder of ours made under a fresh name
  // at an earlier start, or a new one.
  const QDir folder(system);
  const QString pattern = QFileInfo(own).fileName() + QStringLiteral("-??????");
  for (const QString& entry : folder.entryList({pattern}, QDir::Dirs, QDir::Name)) {
    const QString candidate = folder.filePath(entry);
    if (LookAt(QFile::encodeName(candidate)).found == Found::Usable) return {candidate};
  }
  QByteArray fresh = QFile::encodeName(own) + "-XXXXXX";
  if (::mkdtemp(fresh.data()) == nullptr) return {own, ReasonFor(errno)};
  return {QFile::decodeName(fresh)};
}

void TellFileProblem(const MessageSink& messages, const QString& path, int reason) {
  Report(messages, ProblemPrefix(path, reason), kMsgFileReadFailed, MessageStyle::Error);
}

void TellTempFileProblem(const MessageSink& messages, const QString& path, int reason) {
  TellFileProblem(messages, reason == kWhyNotRegularFile ? path : QFileInfo(path).path(), reason);
}

QString TempFolder(const QString& subfolder, const MessageSink& messages) {
  const TempFolderCheck check = PrivateTempFolder();
  if (check.reason != 0) {
    TellFileProblem(OncePerRun(messages), check.path, check.reason);
    return {};
  }
  if (subfolder.isEmpty()) return check.path;
  if (const int error = MakeSubfolders(check.path, subfolder)) {
    TellFileProblem(OncePerRun(messages), check.path + u'/' + subfolder, ReasonFor(error));
    return {};
  }
  return check.path + u'/' + subfolder;
}

// QSaveFile writes the same way but does not say why it failed, and the player
// is told what is wrong.
int WriteTempFile(const QString& path, const QByteArray& bytes) {
  const QByteArray target = QFile::encodeName(path);
  QByteArray scratch = target + ".XXXXXX";
  // Created anew (O_CREAT | O_EXCL): never through a link.
  const int fd = ::mkostemp(scratch.data(), O_CLOEXEC);
  if (fd < 0) return ReasonFor(errno);
  int error = 0;
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t written = ::write(fd, bytes.constData() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      error = errno;
      break;
    }
    done += written;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  // The rename replaces whatever has the name, a link too, and follows none.
  if (error == 0 && ::rename(scratch.constData(), target.constData()) != 0) error = errno;
  if (error == 0) return 0;
  ::unlink(scratch.constData());
  return ReasonFor(error);
}

}  // namespace tolva
