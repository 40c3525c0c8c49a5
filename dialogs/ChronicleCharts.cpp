#include "dialogs/ChronicleCharts.h"

#include "dialogs/QtText.h"
#include "res/ChronicleTexts.h"
#include "rules/Card.h"

namespace tolva {

namespace {

namespace text = chronicle_text;

// The seats' colours: the four generals, then the king in the game's red.
const std::array<QColor, kSeats> kSeatColours = {QColor(46, 117, 182), QColor(84, 160, 90),
                                                 QColor(205, 140, 40), QColor(130, 90, 170),
                                                 QColor(176, 32, 48)};
// Failed Tolva in grey; the wins in warm colours; drawn games pale.
const std::array<QColor, 8> kResultColours = {
    QColor(140, 140, 140), QColor(176, 32, 48),  QColor(205, 140, 40), QColor(150, 110, 40),
    QColor(46, 117, 182),  QColor(84, 160, 90),  QColor(130, 90, 170), QColor(190, 190, 190)};

}  // namespace

LineChart PurseChart(const ChronicleData& data, const ChronicleFigures& figures) {
  LineChart chart;
  chart.title = Tr(text_context::kChronicle, text::kPurseChartTitle);
  chart.xAxisTitle = Tr(text_context::kChronicle, text::kPurseChartAxis);
  chart.emptyText = Tr(text_context::kChronicle, text::kNoGames);
  for (const PurseRun& run : figures.purse) {
    ChartRun line;
    const double firstGameX = static_cast<double>(run.firstGame) + 1;
    line.firstX = run.startingPurse ? firstGameX - 1 : firstGameX;
    if (run.startingPurse) line.y.push_back(*run.startingPurse);
    line.y.insert(line.y.end(), run.afterGame.begin(), run.afterGame.end());
    if (!chart.runs.empty()) chart.separators.push_back(firstGameX - 1);
    chart.runs.push_back(std::move(line));
  }
  for (const CityMark& mark : figures.cities) {
    if (!mark.afterGame) continue;
    chart.marks.push_back({static_cast<double>(*mark.afterGame) + 1,
                           Tr(text_context::kCityNames, data.conquests[mark.conquest].cityName)});
  }
  return chart;
}

BarChart WinsBySeatChart(const ChronicleFigures& figures) {
  BarChart chart;
  chart.title = Tr(text_context::kChronicle, text::kWinsBySeatTitle);
  for (int seat = 0; seat < kSeats; ++seat) {
    chart.labels.push_back(QtText(SeatName(seat)));
    chart.values.push_back(figures.seats[seat].wins);
    chart.colours.push_back(kSeatColours[seat]);
  }
  return chart;
}

BarChart ResultsChart(const ChronicleFigures& figures) {
  BarChart chart;
  chart.title = Tr(text_context::kChronicle, text::kGamesByKindTitle);
  for (std::size_t kind = 0; kind < kResultKindNames.size(); ++kind) {
    chart.labels.push_back(QtText(ResultKindName(static_cast<int>(kind))));
    chart.values.push_back(figures.byKind[kind]);
  }
  chart.labels.push_back(Tr(text_context::kChronicle, text::kDrawnGame));
  chart.values.push_back(figures.drawn);
  chart.colours.assign(kResultColours.begin(), kResultColours.end());
  return chart;
}

}  // namespace tolva
