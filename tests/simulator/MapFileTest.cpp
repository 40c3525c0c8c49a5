// The world map read without Qt: a binary portable pixmap as the map
// generator writes it, and every kind of damaged file refused with a reason.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/simulator/MapFile.h"

namespace tolva {
namespace {

using sim::ParseMapPicture;
using sim::ReadMapPicture;

std::string Pixmap(std::string_view header, std::string pixels) { return std::string(header) + pixels; }

TEST(MapFile, ReadsThePixelsRowByRow) {
  const std::string bytes = Pixmap("P6\n3 2\n255\n", std::string("\x10\x20\x30\xFF\x00\x00\x00\x00\xFF"
                                                                 "\x01\x02\x03\xAA\xBB\xCC\x00\xFF\x00",
                                                                 18));
  std::string error;
  const auto map = ParseMapPicture(bytes, error);
  ASSERT_TRUE(map) << error;
  EXPECT_EQ(map->Width(), 3);
  EXPECT_EQ(map->Height(), 2);
  EXPECT_EQ(map->Pixel(0, 0), 0x102030u);
  EXPECT_EQ(map->Pixel(1, 0), 0xFF0000u);
  EXPECT_EQ(map->Pixel(2, 0), 0x0000FFu);
  EXPECT_EQ(map->Pixel(0, 1), 0x010203u);
  EXPECT_EQ(map->Pixel(2, 1), 0x00FF00u);
}

TEST(MapFile, CommentsAndAnyBlanksMaySeparateTheHeaderFields) {
  std::string error;
  const auto map = ParseMapPicture(Pixmap("P6 # made by hand\n 1\t1 # one pixel\n255 ", "\x7F\x7F\x7F"), error);
  ASSERT_TRUE(map) << error;
  EXPECT_EQ(map->Pixel(0, 0), 0x7F7F7Fu);
}

TEST(MapFile, DamagedFilesAreRefusedWithAReason) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "P6"},
      {"P3\n1 1\n255\n1 2 3", "P6"},
      {"GIF89a", "P6"},
      {"P6\n1\n", "decimal"},
      {"P6\nx 1 255\n", "decimal"},
      {"P6\n1 1 65535\n\x01\x02\x03\x04\x05\x06", "255"},
      {"P6\n0 5 255\n", "1 to 8192"},
      {"P6\n-3 5 255\n", "1 to 8192"},
      {"P6\n100000 100000 255\n", "1 to 8192"},
      {"P6\n99999999999 1 255\n", "decimal"},
      {"P6\n8192 8192 255\nabc", "ends after 1 of 67108864 pixels"},
      {"P6\n2 2 255", "blank"},
      {"P6\n2 2 255\n\x01\x02", "ends after 0 of 4 pixels"},
  };
  for (const auto& [bytes, reason] : cases) {
    std::string error;
    EXPECT_FALSE(ParseMapPicture(bytes, error)) << bytes;
    EXPECT_NE(error.find(reason), std::string::npos) << bytes << " gave: " << error;
  }
}

TEST(MapFile, AFileIsReadWholeAndAMissingOneNamed) {
  const auto path = std::filesystem::temp_directory_path() / "tolva-mapfile-test.ppm";
  {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n2 1\n255\n" << std::string("\x01\x02\x03\x04\x05\x06", 6);
  }
  std::string error;
  const auto map = ReadMapPicture(path.string(), error);
  ASSERT_TRUE(map) << error;
  EXPECT_EQ(map->Pixel(1, 0), 0x040506u);
  std::filesystem::remove(path);

  EXPECT_FALSE(ReadMapPicture(path.string(), error));
  EXPECT_NE(error.find(path.string()), std::string::npos) << error;
  EXPECT_FALSE(ReadMapPicture(std::filesystem::temp_directory_path().string(), error)) << "a folder";
}

}  // namespace
}  // namespace tolva
