// A settlement that dies half way: the five purses given on the command line
// written through the program's settings store by a process that kills itself
// (SIGKILL, as a crash or a power cut would end it) at the n-th call that
// changes a file: a file made, written, flushed to disk, linked, renamed or
// removed.
//
//   tolva_settle_until_killed <n> together|one-by-one <coin0> ... <coin4>
//
// "together" writes them as the game writes a settlement, "one-by-one" as five
// single writes. It exits 0 when it got to the end without its n-th call.
//
// The calls are counted where Qt makes them: the definitions below stand in
// for the C library's (the dynamic linker looks in the program before the
// libraries) and pass each call on after counting it.
#include <QCoreApplication>
#include <array>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include "app/QtSettingsStore.h"
#include "rules/Card.h"
#include "table/SettingsSchema.h"

namespace {

int killAt = 0;  // 0: not armed
int calls = 0;

void Count() {
  if (killAt > 0 && ++calls == killAt) ::kill(::getpid(), SIGKILL);
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

// The calls through which Qt changes files (nm -D --undefined-only libQt6Core).
extern "C" {

#define TOLVA_COUNTED(result, name, parameters, arguments)          \
  result name parameters {                                            \
    Count();                                                          \
    static const auto next = Next<result(*) parameters>(#name);       \
    return next arguments;                                            \
  }

TOLVA_COUNTED(int, fdatasync, (int fd), (fd))
TOLVA_COUNTED(int, ftruncate64, (int fd, off64_t size), (fd, size))
TOLVA_COUNTED(int, link, (const char* from, const char* to), (from, to))
TOLVA_COUNTED(int, linkat, (int fromDir, const char* from, int toDir, const char* to, int flags),
              (fromDir, from, toDir, to, flags))
TOLVA_COUNTED(int, rename, (const char* from, const char* to), (from, to))
TOLVA_COUNTED(int, renameat2,
              (int fromDir, const char* from, int toDir, const char* to, unsigned flags),
              (fromDir, from, toDir, to, flags))
TOLVA_COUNTED(int, unlink, (const char* path), (path))

// Only the writes to files: 0 to 2 are the terminal's.
ssize_t write(int fd, const void* data, size_t size) {
  if (fd > STDERR_FILENO) Count();
  static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
  return next(fd, data, size);
}

// Only the opens that make a file.
int open64(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & (O_CREAT | O_TMPFILE)) != 0) {
    va_list arguments;
    va_start(arguments, flags);
    mode = static_cast<mode_t>(va_arg(arguments, int));
    va_end(arguments);
    Count();
  }
  static const auto next = Next<int (*)(const char*, int, ...)>("open64");
  return next(path, flags, mode);
}

}  // extern "C"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 8) return 2;
  std::array<int, tolva::kSeats> purses{};
  for (int seat = 0; seat < tolva::kSeats; ++seat) purses[seat] = std::atoi(argv[3 + seat]);
  tolva::QtSettingsStore store;
  tolva::Settings settings(store);

  killAt = std::atoi(argv[1]);
  if (std::strcmp(argv[2], "together") == 0) {
    settings.Write(tolva::SettingsChange().Purses(purses));
  } else {
    for (int seat = 0; seat < tolva::kSeats; ++seat) settings.SetPurse(seat, purses[seat]);
  }
  killAt = 0;
  return 0;
}
