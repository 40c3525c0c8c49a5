// Composing the table picture at 1200 x 900 from a busy mid-game table, with
// synthetic pictures of the game's sizes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "bench/render/BusyTable.h"
#include "render/CardBacks.h"
#include "render/Scene.h"
#include "tests/render/support/SyntheticPictures.h"

namespace tolva {
namespace {

void RedrawScene(benchmark::State& state) {
  Surfaces s = testing::LoadedSurfaces();
  SceneRenderer renderer(s);
  const TableState t = BusyTable();
  SceneState scene = testing::SceneFor(t, static_cast<double>(state.range(1)));
  scene.HandPoints = [](int seat) { return 10 + seat; };
  const bool tableChanged = state.range(0) != 0;
  renderer.RedrawScene(scene, true);
  for (auto _ : state) {
    renderer.RedrawScene(scene, tableChanged);
    benchmark::DoNotOptimize(s.BackBuffer.constBits());
  }
}
BENCHMARK(RedrawScene)
    ->ArgNames({"tableChanged", "angle"})
    ->Args({1, 23})
    ->Args({0, 23})
    ->Args({1, 31})
    ->Args({0, 9})
    ->Unit(benchmark::kMillisecond);

void BuildHiddenHandStrip(benchmark::State& state) {
  Surfaces s = testing::LoadedSurfaces();
  for (auto _ : state) benchmark::DoNotOptimize(BuildHiddenHandStrip(s, CardBackOptions{}, {}, {}));
}
BENCHMARK(BuildHiddenHandStrip)->Unit(benchmark::kMillisecond);

void PaintLargeWindow(benchmark::State& state) {
  Surfaces s = testing::LoadedSurfaces();
  QImage window(1600 - 16, 1200 - 39, QImage::Format_RGB32);
  const float scale = window.width() / 1200.0f;
  for (auto _ : state) {
    QPainter painter(&window);
    PaintTableWindow(painter, window.size(), s.BackBuffer, scale, scale);
  }
}
BENCHMARK(PaintLargeWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolva

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
