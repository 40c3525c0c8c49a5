// Charts painted with QPainter in logical coordinates, so that they are as
// sharp at a device pixel ratio of 2 or 3 as at 1 and fit any size they are
// given: a line chart of runs of values with marked places, and a chart of
// horizontal bars. They know nothing of the game; the chronicle window fills
// them in.
#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace tolva {

// A run of values: y[i] stands at x = firstX + i.
struct ChartRun {
  double firstX = 0;
  std::vector<double> y;
};

// A place on the x axis marked by a thin vertical line, named above the plot
// where there is room for its name.
struct ChartMark {
  double x = 0;
  QString label;
};

struct LineChart {
  QString title;
  QString xAxisTitle;
  std::vector<ChartRun> runs;
  std::vector<ChartMark> marks;
  std::vector<double> separators;  // dashed lines, where one run gives way to the next
  QString emptyText;  // shown when there is no value at all
};

struct BarChart {
  QString title;
  std::vector<QString> labels;
  std::vector<int> values;
  std::vector<QColor> colours;  // per bar; the first is used for bars without one
};

// The chart within `area`, in the painter's current font and palette colours.
void PaintLineChart(QPainter& painter, const QRectF& area, const LineChart& chart);
void PaintBarChart(QPainter& painter, const QRectF& area, const BarChart& chart);

// Tick values for an axis from `low` to `high`: about `count` steps of 1, 2
// or 5 times a power of ten, each tick inside the range.
std::vector<double> NiceTicks(double low, double high, int count);

// The points of a run as drawn `columns` pixels wide: where more values than
// pixel columns fall on one column, only the first, the lowest, the highest
// and the last of that column are kept, in their order, so that the line
// keeps its shape at a fraction of the work.
std::vector<std::pair<double, double>> ThinnedRun(const ChartRun& run, double xLow, double xHigh,
                                                  int columns);

}  // namespace tolva
