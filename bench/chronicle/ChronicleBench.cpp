// The chronicle's speed: one finished game written (its whole transaction, as
// the writer's thread does it after each settlement) into a chronicle that
// already holds a campaign's worth of games, and a chronicle of 100,000 games
// read back, worked out and shown by the window, for one campaign and for all.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "chronicle/ChronicleFigures.h"
#include "chronicle/ChronicleRead.h"
#include "chronicle/ChronicleStore.h"
#include "dialogs/ChronicleWindow.h"

namespace tolva {
namespace {

constexpr int kBigChronicle = 100000;
constexpr int kGamesPerCampaign = 500;

GameFinished SomeGame(int n) {
  GameFinished g;
  g.campaign = "bench-" + std::to_string(n / kGamesPerCampaign);
  g.city = 1 + n % kGamesPerCampaign / 10;
  g.cityName = "アンフィポリス";
  g.gameNo = 1 + n % 10;
  g.resultKind = n % 9 - 1;  // drawn games too
  g.resultSeat = n % 5;
  g.payerSeat = -1;
  for (int seat = 0; seat < kSeats; ++seat) g.seats[seat] = {n % 7 - 3, 5000 - n % 900, n % 4 == seat, n % 2};
  g.turns = 10 + n % 9;
  return g;
}

QTemporaryDir& Folder() {
  static QTemporaryDir folder;
  return folder;
}

// A chronicle of `games` games, made once: the store begins it, and the rest
// are copied in one statement (writing them one by one would take the
// benchmark's whole time).
QString ChronicleOf(int games) {
  const QString file = Folder().filePath(QStringLiteral("games-%1.sqlite").arg(games));
  if (QFile::exists(file)) return file;
  {
    ChronicleStore store(file);
    for (int n = 0; n < kGamesPerCampaign; ++n) store.Write(SomeGame(n), 1700000000 + 180 * n);
    for (int city = 1; city < kGamesPerCampaign / 10; ++city)
      store.Write(CityConquered{"bench-0", city, "アンフィポリス"}, 1700000000 + 1800 * city);
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
  db.setDatabaseName(file);
  db.open();
  QSqlQuery query(db);
  query.exec(QStringLiteral("INSERT INTO campaigns (key, course) WITH RECURSIVE c(n) AS "
                            "(SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < %1) "
                            "SELECT 'bench-' || n, 1 FROM c")
                 .arg(games / kGamesPerCampaign - 1));
  query.exec(QStringLiteral(
                 "INSERT INTO games SELECT NULL, 1 + (g.id - 1 + r.n * %1) / %1, played + r.n * 90000, "
                 "city, city_name, game_no, jokers, result_kind, result_seat, payer_seat, payment0, "
                 "payment1, payment2, payment3, payment4, purse0, purse1, purse2, purse3, purse4, "
                 "pending_pool, turns, reach_seats, calls0, calls1, calls2, calls3, calls4 "
                 "FROM games g, (WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c "
                 "WHERE n < %2) SELECT n FROM c) r ORDER BY r.n, g.id")
                 .arg(kGamesPerCampaign)
                 .arg(games / kGamesPerCampaign - 1));
  query.finish();
  db.close();
  db = QSqlDatabase();
  QSqlDatabase::removeDatabase(QStringLiteral("grow"));
  return file;
}

void WriteOneGame(benchmark::State& state) {
  const QString file = Folder().filePath(QStringLiteral("write.sqlite"));
  ChronicleStore store(file);
  for (int n = 0; n < kGamesPerCampaign; ++n) store.Write(SomeGame(n), n);
  int n = 0;
  for (auto _ : state) {
    const ChronicleProblem problem = store.Write(SomeGame(n), n);
    if (problem != ChronicleProblem::None) state.SkipWithError("the write failed");
    ++n;
  }
}
BENCHMARK(WriteOneGame)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadAllGames(benchmark::State& state) {
  const QString file = ChronicleOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const ChronicleReading reading = ReadChronicle(file);
    if (reading.data.games.size() != static_cast<std::size_t>(state.range(0)))
      state.SkipWithError("not every game was read");
    benchmark::DoNotOptimize(FiguresOf(reading.data).games);
  }
}
BENCHMARK(ReadAllGames)->Arg(kBigChronicle)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window made and shown, from nothing to its first picture; `all` chooses
// every campaign instead of the one under way.
void OpenWindow(benchmark::State& state) {
  const QString file = ChronicleOf(kBigChronicle);
  const bool all = state.range(0) != 0;
  const QString current = QStringLiteral("bench-%1").arg(kBigChronicle / kGamesPerCampaign - 1);
  for (auto _ : state) {
    ChronicleWindow window(file, [&] { return current; });
    window.show();
    if (all) window.ShowCampaign({});
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(OpenWindow)->ArgName("all")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tolva

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
