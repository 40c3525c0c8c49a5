#include "res/VersionHistory.h"

#include <array>

namespace tolva {

namespace {

constexpr std::array<std::string_view, 1> kReleases = {
    "Version 1.0.0  2026/12  Linux 版 初版（Qt 6 版、絵・効果音・ヘルプを新規制作）",
};

}  // namespace

std::span<const std::string_view> VersionHistory() { return kReleases; }

std::string VersionHistoryText() {
  std::string text;
  for (std::string_view line : kReleases) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace tolva
