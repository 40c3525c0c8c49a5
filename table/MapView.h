// The world map as the view shows it: the picture's size, the magnifications,
// and the arithmetic of centring a city in the window. The view's operations
// on the map (ToggleMap, SetMapZoom, CentreOnCity, OnDestroy) are members of
// CTolvaView, in MapView.cpp.
#pragma once

#include "table/CTolvaView.h"

namespace tolva {

inline constexpr int kMapWidth = 1831;  // the map picture, bitmap 142
inline constexpr int kMapHeight = 649;
inline constexpr int kMinMapZoom = 1;
inline constexpr int kMaxMapZoom = 3;

// The scrolled area while the map is shown: the picture at `zoom` times its size.
constexpr TablePoint MapScrollSize(int zoom) { return {kMapWidth * zoom, kMapHeight * zoom}; }

// The scroll origin that puts map pixel `city` in the middle of a window of
// `client` size (it may lie outside the scrollable range: the scroll bars
// then stop at their ends).
constexpr TablePoint CentredOrigin(TablePoint city, int zoom, TablePoint client) {
  return {zoom * city.x - client.x / 2, zoom * city.y - client.y / 2};
}

}  // namespace tolva
