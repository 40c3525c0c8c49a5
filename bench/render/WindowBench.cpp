// What a player waits for on the table's window, measured through the real
// widget on an offscreen screen: a cursor key, a tilt, one step of a card's
// flight and one frame of the result's dissolve, each at the window sizes of
// the settings menu's range, at a device pixel ratio of 2 and in full screen
// on a 3840 x 2160 screen; beside them, the least a step that changes every
// pixel can cost at each size. Time is wall-clock time; CPU is the whole
// process's, every thread included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <memory>

#include "app/AppState.h"
#include "app/CMainFrame.h"
#include "app/CTolvaViewWidget.h"
#include "app/QtHost.h"
#include "bench/render/BusyTable.h"
#include "render/ResultPicture.h"
#include "table/CTolvaView.h"
#include "table/MemorySettingsStore.h"

namespace tolva {
namespace {

// The program's own pictures, with the card face sheet from the build tree.
class BuildTreePictures : public PictureSource {
 public:
  QString CardSheetPath() const override { return QStringLiteral(TOLVA_CARD_SHEET); }
};

// Two screens: one of device pixel ratio 1 large enough for 3840 x 2160, and
// one of ratio 2 beside it.
constexpr char kScreens[] =
    R"({"screens": [)"
    R"({"name": "one", "x": 0, "y": 0, "width": 3840, "height": 2160, "dpr": 1},)"
    R"({"name": "two", "x": 3840, "y": 0, "width": 1920, "height": 1080, "dpr": 2}]})";

// The dissolve copies 100 000 squares in 1.2 s, a frame every 10 ms.
constexpr int kSquaresPerFrame = 100000 / 120;

struct TableWindow {
  AppState app;
  MemorySettingsStore store;
  QWidget mainWindow;
  QtHost host{store, mainWindow, [] {}};
  CTolvaView view{host};
  CTolvaViewWidget window{app, view, host};

  // A window of w x h on the screen of that device pixel ratio; a window of
  // the screen's size is the table in full screen, where it keeps its shape.
  TableWindow(int w, int h, int dpr) {
    host.AttachWindow(window);
    view.t = BusyTable();
    view.t.Koukaon = 0;
    view.TableActive = 1;
    view.Initialising = 0;
    for (int seat = 0; seat < kComputerSeats; ++seat)
      view.StockFlight[seat] = MakeFlight(kStockPoint, kSeatPlaces[seat]);
    if (!window.LoadPictures(std::make_shared<const BuildTreePictures>())) std::abort();

    QScreen* screen = QGuiApplication::screens().value(dpr == 2 ? 1 : 0);
    window.winId();
    window.windowHandle()->setScreen(screen);
    window.move(screen->geometry().topLeft());
    const bool fullScreen = w == screen->geometry().width() && h == screen->geometry().height();
    const QSize table = fullScreen ? CMainFrame::FullScreenPlace(QSize(w, h)).size() : QSize(w, h);
    app.ScaleX = table.width() / 1200.0f;
    app.ScaleY = table.height() / 900.0f;
    window.resize(table);
    window.show();
    Settle();
    window.RedrawScene(true);
    Settle();
  }
  ~TableWindow() { host.Timers().KillAll(); }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
};

void Register(benchmark::internal::Benchmark* b) {
  b->ArgNames({"w", "h", "dpr"})
      ->Args({640, 480, 1})
      ->Args({1200, 900, 1})
      ->Args({1600, 1200, 1})
      ->Args({1200, 900, 2})
      ->Args({3840, 2160, 1})
      ->MeasureProcessCPUTime()
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

std::unique_ptr<TableWindow> WindowFor(const benchmark::State& state) {
  return std::make_unique<TableWindow>(static_cast<int>(state.range(0)),
                                       static_cast<int>(state.range(1)),
                                       static_cast<int>(state.range(2)));
}

// A cursor key on the human's turn, until the window has shown it.
void CursorMove(benchmark::State& state) {
  const auto table = WindowFor(state);
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&table->window, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&table->window, &release);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(CursorMove)->Apply(Register);

// The table tilted up or down by one degree (F4, F5), shown.
void Tilt(benchmark::State& state) {
  const auto table = WindowFor(state);
  bool up = true;
  for (auto _ : state) {
    if (up) table->view.AngleUp(); else table->view.AngleDown();
    up = !up;
    QCoreApplication::processEvents();
  }
}
BENCHMARK(Tilt)->Apply(Register);

// A computer's card from the stock one step further at the first speed, shown.
void FlightStep(benchmark::State& state) {
  const auto table = WindowFor(state);
  table->view.t.TurnSeat = 1;
  int step = 0;
  for (auto _ : state) {
    table->view.StockStep = step;
    step = (step + 1) % kFlightPoints;
    table->host.RedrawScene(true);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(FlightStep)->Apply(Register);

// One frame of the coarse dissolve after a result, shown.
void DissolveFrame(benchmark::State& state) {
  const auto table = WindowFor(state);
  table->window.BeginDissolve();
  const auto newRun = [&] {
    return DissolveRun(1, false, table->window.size(), table->app.ScaleX, table->app.ScaleY);
  };
  DissolveRun run = newRun();
  for (auto _ : state) {
    if (run.Finished()) {
      // A dissolve ends with its run (the window shows the table again); the
      // next one begins over the window as it is then.
      state.PauseTiming();
      table->window.EndDissolve();
      table->window.BeginDissolve();
      run = newRun();
      state.ResumeTiming();
    }
    table->window.DissolveFrame(run, kSquaresPerFrame);
  }
  table->window.EndDissolve();
}
BENCHMARK(DissolveFrame)->Apply(Register);

// Not a step of the game: the least a step that changes every pixel of the
// window can cost, each of the window's device pixels written once and
// nothing drawn. A tilt changes every pixel (the background's gradient
// follows the angle), so its cost grows with the window at least as this does.
void EveryPixelOnce(benchmark::State& state) {
  const auto table = WindowFor(state);
  const QSize pixels = table->window.size() * table->window.devicePixelRatioF();
  QImage picture(pixels, QImage::Format_RGB32);
  uint shade = 0;
  for (auto _ : state) {
    picture.fill(shade++ & 0xFFFFFFu);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(EveryPixelOnce)->Apply(Register);

}  // namespace
}  // namespace tolva

int main(int argc, char** argv) {
  // The game's files and settings stay in a folder of this run.
  QTemporaryDir scratch;
  if (!scratch.isValid()) return 1;
  qputenv("TMPDIR", scratch.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
  const QString screens = scratch.filePath(QStringLiteral("screens.json"));
  QFile file(screens);
  if (!file.open(QIODevice::WriteOnly) || file.write(tolva::kScreens) < 0) return 1;
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());

  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
