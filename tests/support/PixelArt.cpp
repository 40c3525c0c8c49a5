#include "tests/support/PixelArt.h"

namespace tolva::testing {
namespace {

constexpr Rgb kLand = 0x808060;

}  // namespace

MapColours ArtColours() {
  MapColours c;
  c.route = 0x96201E;
  c.cityEdge = 0x2A1C12;
  c.city = 0xFFDE4A;
  return c;
}

void DrawArt(PixelMap& map, MapPoint origin, std::initializer_list<std::string_view> rows) {
  const MapColours c = ArtColours();
  int y = origin.y;
  for (std::string_view row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      Rgb rgb = kArtBackground;
      switch (row[i]) {
        case 'r': rgb = c.route; break;
        case 'e': rgb = c.cityEdge; break;
        case 'c': rgb = c.city; break;
        case 'X': rgb = c.conquered; break;
        case 'm': rgb = c.travelled; break;
        case '#': rgb = kLand; break;
        default: break;
      }
      map.SetPixel(origin.x + static_cast<int>(i), y, rgb);
    }
    ++y;
  }
}

std::vector<std::string> ReadArt(const PixelMap& map, MapPoint origin, int w, int h) {
  const MapColours c = ArtColours();
  std::vector<std::string> rows;
  for (int y = origin.y; y < origin.y + h; ++y) {
    std::string row;
    for (int x = origin.x; x < origin.x + w; ++x) {
      const Rgb rgb = map.Pixel(x, y);
      row += rgb == c.route       ? 'r'
             : rgb == c.cityEdge  ? 'e'
             : rgb == c.city      ? 'c'
             : rgb == c.conquered ? 'X'
             : rgb == c.travelled ? 'm'
             : rgb == kArtBackground ? '.'
                                  : '#';
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace tolva::testing
