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

SceneState SceneOf(const CTolvaView& view, int modernSystem) {
  const FlowDisplay flow = view.Display();
  SceneState scene;
  scene.t = &view.Table();
  scene.TableActive = flow.TableActive;
  scene.Initialising = flow.Initialising;
  scene.RevealHands = flow.RevealHands;
  scene.ModernSystem = modernSystem;
  scene.ChoiceShown = flow.ChoiceShown;
  scene.ChoiceTick = flow.ChoiceTick;
  scene.ChoiceBlink = flow.ChoiceBlink;
  scene.RiverStep = flow.RiverStep;
  scene.StockStep = flow.StockStep;
  scene.DiscardStep = flow.DiscardStep;
  scene.ReachStep = flow.ReachStep;
  scene.ReachAnimSeat = flow.ReachAnimSeat;
  scene.StockFlight = PathsOf(flow.StockFlight);
  scene.RiverFlight = PathsOf(flow.RiverFlight);
  scene.DiscardFlight = PathsOf(flow.DiscardFlight);
  scene.ReachFlight = PathsOf(flow.ReachFlight);
  scene.Dragging = flow.Dragging != DragKind::None;
  scene.PeekOnPress = flow.PeekOnPress;
  scene.ViewAngle = flow.ViewAngle;
  scene.HandPoints = [&view](int seat) { return view.HandPoints(seat); };
  // In cunning mode every drawing of a computer seat keeps the peek window's
  // copy of its hand current.
  if (flow.CunningMode) scene.PublishHand = [&view](int seat) { view.PublishHand(seat); };
  return scene;
}

}  // namespace tolva
