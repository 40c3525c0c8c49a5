#include "tools/simulator/Simulation.h"

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <vector>

#include "rules/CardText.h"
#include "rules/Invariant.h"
#include "table/CTolvaView.h"
#include "table/MapTracing.h"
#include "table/SettingsSchema.h"
#include "tools/simulator/HumanBot.h"
#include "tools/simulator/SimHost.h"
#include "tools/simulator/StandInMap.h"

namespace tolva::sim {

bool CardsConserved(const TableState& t, int inFlightCard) {
  if (t.DeckSize < kSeatsDealt + 1 || t.DeckSize > kSeatsDealt + kPileSlots) return false;
  std::uint64_t seen = 0;
  bool ok = true;
  auto place = [&](int code) {
    if (code < 1 || code > t.DeckSize) {
      ok = false;
      return;
    }
    const std::uint64_t bit = std::uint64_t{1} << code;
    if (seen & bit) ok = false;
    seen |= bit;
  };
  auto within = [](int count, int limit) { return count >= 0 && count <= limit; };
  for (int seat = 0; seat < kSeats; ++seat) {
    if (!within(t.HandCount[seat], kHandSlots)) return false;
    for (int i = 0; i < t.HandCount[seat]; ++i) place(t.Hand[seat][i]);
  }
  if (!within(t.StockCount, kPileSlots) || !within(t.RiverCount, kPileSlots) ||
      !within(t.DraggedCount, kHandSlots))
    return false;
  for (int i = 0; i < t.StockCount; ++i) place(t.Stock[i]);
  for (int i = 0; i < t.RiverCount; ++i) place(t.River[i]);
  for (int row = 0; row < kMeldRows; ++row) {
    if (!within(t.MeldLength[row], kMeldSlots)) return false;
    for (int i = 0; i < t.MeldLength[row]; ++i) place(t.Meld[row][i]);
  }
  for (int i = 0; i < t.DraggedCount; ++i) place(t.Dragged[i]);
  if (inFlightCard != kEmptySlot) place(inFlightCard);
  const std::uint64_t all = ((std::uint64_t{1} << t.DeckSize) - 1) << 1;  // bits 1..DeckSize
  return ok && seen == all;
}

struct Simulation::State {
  SimOptions options;
  std::ostream* log;
  SimHost host;
  std::shared_ptr<const MemoryPixelMap> map;  // the picture each run loads
  std::unique_ptr<CTolvaView> view;
  std::unique_ptr<HumanBot> bot;
  SimStats stats;
  std::string fault;
  long long gameSteps = 0;
  bool started = false;
  bool walking = false;  // a route leg is being walked
  int legSteps = 0;

  State(const SimOptions& o, std::ostream* out)
      : options(o), log(out), host(o.seed),
        map(o.map ? o.map : std::make_shared<const MemoryPixelMap>(StandInMap())) {
    Settings settings(host.store);
    settings.SetJoker(o.jokers);
    settings.SetTolvaRitu(o.tolvaRate);
    settings.SetAutoStart(1);
    host.campaignMode = o.campaign;
    host.kingPurse = o.kingPurse;
    host.chronicle = o.chronicle;
    host.onResult = [](void* context, const CTolvaView& v) {
      static_cast<State*>(context)->OnResult(v);
    };
    host.resultContext = this;
  }

  // A start of the program: the map picture as loaded, a new view on the
  // stored campaign, and the start-up (timer 99, then AutoStart).
  void StartProgram() {
    bot.reset();
    view.reset();
    host.Restart();
    host.map = *map;
    view = std::make_unique<CTolvaView>(host);
    host.Attach(*view);
    bot = std::make_unique<HumanBot>(*view, options.seed * 31 + 7 + static_cast<std::uint64_t>(stats.runs));
    ++stats.runs;
    walking = false;
    view->OnFirstShow();
    stats.cities = Settings(host.store).ConqCity();
  }

  // Follows the route animation: a leg ends when its walker goes away.
  void WatchRoute() {
    const auto& route = view->Route();
    if (route) {
      walking = true;
      legSteps = route->RouteSteps();
      return;
    }
    if (!walking) return;
    walking = false;
    ++stats.legs;
    stats.routeSteps += legSteps;
    if (host.tally.campaignCompleted) {
      ++stats.completions;
      stats.cities = kEndCount;  // the hundredth leg: ConqCity is already back at 0
    } else {
      stats.cities = Settings(host.store).ConqCity();
    }
    stats.mostCities = std::max(stats.mostCities, stats.cities);
  }

  bool CampaignOver() const {
    return options.campaign && (host.tally.campaignLost || host.tally.quitAfterCompletion);
  }

  void OnResult(const CTolvaView& v) {
    ++stats.games;
    const TableState& t = v.t;
    std::string what;
    if (t.ResultSeat >= kSeats) {
      ++stats.drawn;
      what = "『流れ』";
    } else if (t.ResultKind >= 0 && t.ResultKind < 7) {
      ++stats.kinds[t.ResultKind];
      what = std::string(kResultKindNames[t.ResultKind]) + " by " +
             std::string(kSeatNames[t.ResultSeat]);
    }
    if (log != nullptr && !options.quiet)
      *log << "game " << stats.games << " (game " << t.GameNo << " of the city): " << what
           << ", " << gameSteps << " steps\n";
    if (options.checkEveryStep && !CardsConserved(t, InFlight())) Report("when the result went up");
  }

  int InFlight() const {
    const auto cards = view->CardsInFlight();
    return cards.empty() ? kEmptySlot : cards.front();
  }

  void Report(const std::string& when) {
    if (!fault.empty()) return;
    std::ostringstream out;
    const TableState& t = view->t;
    const std::string detail = CheckCardConservation(t, view->CardsInFlight());
    out << "FAULT in game " << stats.games + 1 << " (game " << t.GameNo << " of the city), step "
        << gameSteps << ", " << when << ": " << (detail.empty() ? "see below" : detail) << "\n";
    for (const auto& message : host.tally.faults) out << "  reported: " << message << "\n";
    out << "  turn seat " << t.TurnSeat << ", opener/result seat " << t.ResultSeat
        << ", first round " << t.FirstRound << ", has drawn " << t.HasDrawn << ", Pon select "
        << t.PonSelect << ", Reach pending " << t.ReachPending << "\n";
    out << "  timers:";
    for (int id = 1; id < kTimerIds; ++id)
      if (view->TimerRunning(id)) out << " " << id;
    out << "\n";
    for (int seat = 0; seat < kSeats; ++seat) {
      out << "  hand " << seat << (t.ReachFlag[seat] ? " (Reach)" : "") << ": "
          << CardNames(std::span(t.Hand[seat].data(), std::max(0, std::min(t.HandCount[seat], kHandSlots))))
          << "\n";
    }
    out << "  stock: " << CardNames(std::span(t.Stock.data(), std::max(0, std::min(t.StockCount, kPileSlots)))) << "\n";
    out << "  river: " << CardNames(std::span(t.River.data(), std::max(0, std::min(t.RiverCount, kPileSlots)))) << "\n";
    for (int row = 0; row < kMeldRows; ++row)
      if (t.MeldLength[row] > 0)
        out << "  row " << row << ": "
            << CardNames(std::span(t.Meld[row].data(), std::min(t.MeldLength[row], kMeldSlots))) << "\n";
    out << "  dragged: " << CardNames(std::span(t.Dragged.data(), std::max(0, std::min(t.DraggedCount, kHandSlots))))
        << "; in flight: " << CardNames(view->CardsInFlight()) << "\n";
    fault = out.str();
  }

  bool Check(const char* when) {
    if (!host.tally.faults.empty()) {
      Report(when);
      return false;
    }
    if (options.checkEveryStep && view->TableActive && !CardsConserved(view->t, InFlight())) {
      Report(when);
      return false;
    }
    return fault.empty();
  }

  bool PlayGame() {
    if (!fault.empty()) return false;
    if (!started) {
      started = true;
      StartProgram();
    }
    const long long target = host.gamesFinished + 1;
    gameSteps = 0;
    while (host.gamesFinished < target) {
      if (CampaignOver()) {
        stats.campaignLost = host.tally.campaignLost;
        return true;
      }
      if (host.tally.quitAfterCompletion) {
        StartProgram();  // the next run begins with the course selection
        if (!Check("after the start of the program")) return false;
        continue;
      }
      if (++gameSteps > options.stepLimit) {
        Report("the game did not end within " + std::to_string(options.stepLimit) + " steps");
        return false;
      }
      if (view->HumansTurn() && !view->GameTimerPending()) {
        bot->Act();
        if (!Check("after the bot's action")) return false;
        continue;
      }
      if (!host.Step()) {
        Report("no timer is set and it is not the human's turn: the game stands still");
        return false;
      }
      WatchRoute();
      if (!Check("after a timer step")) return false;
    }
    stats.steps += gameSteps;
    return true;
  }
};

Simulation::Simulation(const SimOptions& options, std::ostream* log)
    : s_(std::make_unique<State>(options, log)) {}
Simulation::~Simulation() = default;

bool Simulation::PlayGame() { return s_->PlayGame(); }
bool Simulation::CampaignOver() const { return s_->CampaignOver(); }

const SimStats& Simulation::Stats() const {
  SimStats& stats = s_->stats;
  stats.turns = s_->host.tally.discards;
  stats.campaignResets = s_->host.tally.campaignResets;
  stats.botActions = s_->bot ? s_->bot->actions : 0;
  stats.routeFifths = s_->host.tally.routeFifths;
  stats.routeTenths = s_->host.tally.routeTenths;
  stats.unknownQuestions = s_->host.tally.unknownQuestions;
  if (s_->view)
    for (int seat = 0; seat < kSeats; ++seat) stats.purses[seat] = s_->view->t.Purse[seat];
  return stats;
}

const std::string& Simulation::Fault() const { return s_->fault; }

void Simulation::PrintSummary(std::ostream& out) const {
  const SimStats& stats = Stats();
  const double games = stats.games > 0 ? static_cast<double>(stats.games) : 1.0;
  auto share = [&](long long n) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << 100.0 * static_cast<double>(n) / games << "%";
    return text.str();
  };
  out << "games played: " << stats.games << " (seed " << s_->options.seed << ", "
      << s_->options.jokers << " jokers, Tolva rate " << s_->options.tolvaRate << ")\n";
  out << "result kinds:\n";
  for (int kind = 0; kind < 7; ++kind)
    out << "  " << kind << " " << kResultKindNames[kind] << ": " << stats.kinds[kind] << " ("
        << share(stats.kinds[kind]) << ")\n";
  out << "  drawn 『流れ』: " << stats.drawn << " (" << share(stats.drawn) << ")\n";
  out << "average turns per game: " << std::fixed << std::setprecision(1)
      << static_cast<double>(stats.turns) / games << "\n";
  out << "drawn-game rate: " << share(stats.drawn) << "\n";
  out << "purses:";
  for (int seat = 0; seat < kSeats; ++seat) out << " " << kSeatNames[seat] << " " << stats.purses[seat];
  out << "\ncampaign resets: " << stats.campaignResets << "\n";
  out << "route: " << stats.legs << " legs walked, " << stats.routeSteps << " steps, waves 157 x"
      << stats.routeFifths << " and 158 x" << stats.routeTenths << "; most cities conquered "
      << stats.mostCities << "; campaigns completed " << stats.completions << "; program runs "
      << stats.runs << "\n";
  if (s_->options.campaign) {
    out << "campaign: ";
    if (stats.completions > 0) {
      out << "completed after " << stats.games << " games: the hundredth leg walked, " << kEndCount
          << " cities conquered\n";
    } else if (stats.campaignLost) {
      out << "the king's purse was used up at the start of a city after " << stats.cities
          << " cities conquered, in game " << stats.games << "\n";
    } else {
      out << "still under way after " << stats.games << " games, " << stats.cities
          << " cities conquered\n";
    }
  }
  if (stats.unknownQuestions > 0) out << "unexpected questions: " << stats.unknownQuestions << "\n";
}

}  // namespace tolva::sim
