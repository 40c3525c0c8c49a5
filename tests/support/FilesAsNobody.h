// Root reads and writes any file whatever its mode. While this lives, the
// thread's file system user is "nobody", so that a file of mode 000 or 444 is
// unreadable or read-only to a test run as root too (for anyone else the mode
// alone does it).
#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace tolva::testing {

class FilesAsNobody {
 public:
  FilesAsNobody() : root_(::geteuid() == 0) {
    if (root_) ::setfsuid(kNobody);
  }
  ~FilesAsNobody() {
    if (root_) ::setfsuid(0);
  }
  FilesAsNobody(const FilesAsNobody&) = delete;
  FilesAsNobody& operator=(const FilesAsNobody&) = delete;

  static constexpr unsigned kNobody = 65534;

 private:
  bool root_;
};

}  // namespace tolva::testing
