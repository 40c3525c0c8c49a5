#include "render/ViewScene.h"

#include "table/CTolvaView.h"

namespace tolva {

namespace {

template <size_t N>
std::array<ScenePath, N> PathsOf(const std::array<FlightPath, N>& flights) {
  std::array<ScenePath, N> paths{};
  for (size_t seat = 0; seat < N; ++seat)
    for (int d = 0; d < kFlightPoints; ++d)
      paths[seat][d] = ScenePoint{flights[seat][d].x, flights[seat][d].y};
  return paths;
}

}  // namespace

SceneState SceneOf(CTolvaView& view, int modernSystem) {
  SceneState scene;
  scene.t = &view.t;
  scene.TableActive = view.TableActive;
  scene.Initialising = view.Initialising;
  scene.RevealHands = view.RevealHands;
  scene.ModernSystem = modernSystem;
  scene.ChoiceShown = view.ChoiceShown;
  scene.ChoiceTick = view.ChoiceTick;
  scene.ChoiceBlink = view.ChoiceBlink;
  scene.RiverStep = view.RiverStep;
  scene.StockStep = view.StockStep;
  scene.DiscardStep = view.DiscardStep;
  scene.ReachStep = view.ReachStep;
  scene.ReachAnimSeat = view.ReachAnimSeat;
  scene.StockFlight = PathsOf(view.StockFlight);
  scene.RiverFlight = PathsOf(view.RiverFlight);
  scene.DiscardFlight = PathsOf(view.DiscardFlight);
  scene.ReachFlight = PathsOf(view.ReachFlight);
  scene.Dragging = view.Dragging != DragKind::None;
  scene.PeekOnPress = view.PeekOnPress;
  scene.ViewAngle = view.ViewAngle;
  scene.HandPoints = [&view](int seat) { return view.think.HandPoints(seat); };
  // In cunning mode every drawing of a computer seat keeps the peek window's
  // copy of its hand current.
  if (view.CunningMode) scene.PublishHand = [&view](int seat) { view.PublishHand(seat); };
  return scene;
}

}  // namespace tolva
