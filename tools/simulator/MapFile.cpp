#include "tools/simulator/MapFile.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace tolva::sim {

namespace {

// The largest file worth reading: the largest picture a MemoryPixelMap holds,
// and room for a header.
constexpr std::uintmax_t kMaxFileBytes =
    std::uintmax_t{MemoryPixelMap::kMaxSide} * MemoryPixelMap::kMaxSide * 3 + 4096;

class Header {
 public:
  explicit Header(std::string_view bytes) : bytes_(bytes) {}

  // The next field: the run of non-blank characters after blanks and comments.
  std::string_view Field() {
    for (;;) {
      while (at_ < bytes_.size() && std::isspace(static_cast<unsigned char>(bytes_[at_]))) ++at_;
      if (at_ >= bytes_.size() || bytes_[at_] != '#') break;
      while (at_ < bytes_.size() && bytes_[at_] != '\n') ++at_;
    }
    const std::size_t start = at_;
    while (at_ < bytes_.size() && !std::isspace(static_cast<unsigned char>(bytes_[at_])) && bytes_[at_] != '#') ++at_;
    return bytes_.substr(start, at_ - start);
  }

  // A decimal field of at most nine digits; nothing for anything else.
  std::optional<int> Number() {
    const std::string_view field = Field();
    int value = 0;
    if (field.empty() || field.size() > 9) return std::nullopt;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
  }

  // After the last field exactly one blank comes before the pixels.
  bool EndOfHeader() {
    if (at_ >= bytes_.size() || !std::isspace(static_cast<unsigned char>(bytes_[at_]))) return false;
    ++at_;
    return true;
  }
  std::size_t Offset() const { return at_; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<MemoryPixelMap> ParseMapPicture(std::string_view bytes, std::string& error) {
  Header header(bytes);
  if (header.Field() != "P6") {
    error = "not a binary portable pixmap (it must begin with \"P6\")";
    return std::nullopt;
  }
  const auto width = header.Number();
  const auto height = header.Number();
  const auto maxValue = header.Number();
  if (!width || !height || !maxValue) {
    error = "the header must give the width, the height and 255 as decimal numbers";
    return std::nullopt;
  }
  if (*width < 1 || *height < 1 || *width > MemoryPixelMap::kMaxSide || *height > MemoryPixelMap::kMaxSide) {
    error = "a picture of " + std::to_string(*width) + " x " + std::to_string(*height) +
            " pixels: each side must be 1 to " + std::to_string(MemoryPixelMap::kMaxSide);
    return std::nullopt;
  }
  if (*maxValue != 255) {
    error = "only one byte per colour (255) is read, not " + std::to_string(*maxValue);
    return std::nullopt;
  }
  if (!header.EndOfHeader()) {
    error = "the header does not end with a blank before the pixels";
    return std::nullopt;
  }
  const std::size_t pixels = static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
  const std::size_t have = bytes.size() - header.Offset();
  if (have < pixels * 3) {
    error = "the file ends after " + std::to_string(have / 3) + " of " + std::to_string(pixels) + " pixels";
    return std::nullopt;
  }
  MemoryPixelMap map(*width, *height);
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data() + header.Offset());
  for (int y = 0; y < *height; ++y) {
    for (int x = 0; x < *width; ++x, data += 3)
      map.SetPixel(x, y, (Rgb{data[0]} << 16) | (Rgb{data[1]} << 8) | Rgb{data[2]});
  }
  return map;
}

std::optional<MemoryPixelMap> ReadMapPicture(const std::string& path, std::string& error) {
  std::error_code code;
  const std::uintmax_t size = std::filesystem::file_size(path, code);
  if (code) {
    error = path + ": " + code.message();
    return std::nullopt;
  }
  if (size > kMaxFileBytes) {
    error = path + ": " + std::to_string(size) + " bytes is more than any map picture";
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!file || !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  auto map = ParseMapPicture(bytes, error);
  if (!map) error = path + ": " + error;
  return map;
}

}  // namespace tolva::sim
