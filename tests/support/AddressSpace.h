// Lets a test child process grow its address space by only so much, as a
// machine that accounts strictly for memory grants a program what it asks
// for, not what it touches.
#pragma once

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace tolva::testing {

// Limits this process's address space to its size now plus `growth` bytes.
// Meant for a death test's child: the limit stays for the rest of the process.
inline bool LimitAddressSpaceGrowth(unsigned long growth) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return false;
  unsigned long sizeKb = 0;
  char line[256];
  while (std::fgets(line, sizeof line, status) != nullptr)
    if (std::strncmp(line, "VmSize:", 7) == 0) std::sscanf(line + 7, "%lu", &sizeKb);
  std::fclose(status);
  if (sizeKb == 0) return false;
  const rlimit limit{sizeKb * 1024 + growth, sizeKb * 1024 + growth};
  return ::setrlimit(RLIMIT_AS, &limit) == 0;
}

}  // namespace tolva::testing
