// Showing, hiding, zooming and centring the world map.
//
// The map is a scrolled view of the picture at one, two or three times its
// size. The window owns the scroll bars; the view keeps their position in
// MapScroll: the window writes it whenever the player scrolls, and the view
// writes it when it wants the map scrolled somewhere (then tells the window
// through MapViewChanged, which moves the bars there and writes back where
// they stopped). MapClient is the size of the area the map is shown in,
// written by the window. MapOrg is the origin remembered between showings:
// taken from the scroll position when the map is hidden, reset by the zoom to
// ×1, set by centring on a city, and kept for the next run only when the
// window goes away with the map up.
#include "table/MapView.h"

#include "table/SettingsSchema.h"

namespace tolva {

void CTolvaView::ToggleMap() {
  if (MapShown) {
    MapOrg = MapScroll;
    MapShown = 0;
  } else {
    // A drag under way ends with its cards back where they came from: the
    // map takes the pointer.
    if (Dragging != DragKind::None) ReturnDragged();
    MapShown = 1;
    MapScroll = MapOrg;
  }
  host_.MapViewChanged();
}

void CTolvaView::SetMapZoom(int zoom) {
  if (zoom < kMinMapZoom || zoom > kMaxMapZoom || zoom == MapZoom) return;
  if (zoom == 1) MapOrg = {};
  MapZoom = zoom;
  // The origin of the last hide or centring, not where the player has
  // scrolled since.
  MapScroll = MapOrg;
  host_.MapViewChanged();
  StoredSettings().SetZoom(zoom);
}

void CTolvaView::CentreOnCity() {
  // The window lays the map out for the zoom first (the scroll bars it needs
  // take room), so that MapClient is the area the city is centred in.
  host_.MapViewChanged();
  MapOrg = CentredOrigin(CityPoint, MapZoom, MapClient);
  MapScroll = MapOrg;
  host_.MapViewChanged();
}

void CTolvaView::OnDestroy() {
  if (!MapShown) return;
  MapOrg = MapScroll;
  StoredSettings().SetMapOrg(MapOrg.x, MapOrg.y);
}

}  // namespace tolva
