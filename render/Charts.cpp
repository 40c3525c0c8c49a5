#include "render/Charts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace tolva {

namespace {

constexpr double kMargin = 8;
constexpr double kLineWidth = 1.75;
constexpr double kMinTickSpacingX = 90;   // logical pixels between x labels at least
const QColor kLineColour(176, 32, 48);    // the king's purse: the game's deep red
const QColor kMarkColour(184, 134, 11, 170);
const QColor kSeparatorColour(110, 110, 110);

QString Number(double value) {
  // Digits grouped by thousands, as purses are read.
  static const QLocale grouped(QLocale::English);
  return grouped.toString(static_cast<qlonglong>(std::llround(value)));
}

QColor TextColour() { return QGuiApplication::palette().color(QPalette::WindowText); }

QColor GridColour() {
  QColor grid = TextColour();
  grid.setAlpha(40);
  return grid;
}

// The title across the top of `area`; what remains below it.
QRectF PaintTitle(QPainter& painter, const QRectF& area, const QString& title) {
  if (title.isEmpty()) return area;
  QFont bold = painter.font();
  bold.setBold(true);
  painter.save();
  painter.setFont(bold);
  painter.setPen(TextColour());
  const double height = QFontMetricsF(bold).height();
  painter.drawText(QRectF(area.left(), area.top(), area.width(), height),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
  painter.restore();
  return area.adjusted(0, height * 1.5, 0, 0);
}

}  // namespace

std::vector<double> NiceTicks(double low, double high, int count) {
  if (!(high > low) || count < 1) return {low};
  const double raw = (high - low) / count;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  const double normal = raw / magnitude;
  const double step = (normal < 1.5 ? 1 : normal < 3 ? 2 : normal < 7 ? 5 : 10) * magnitude;
  std::vector<double> ticks;
  const double slack = step * 1e-9;
  for (double tick = std::ceil(low / step) * step; tick <= high + slack; tick += step)
    ticks.push_back(std::abs(tick) < slack ? 0.0 : tick);
  return ticks;
}

std::vector<std::pair<double, double>> ThinnedRun(const ChartRun& run, double xLow, double xHigh,
                                                  int columns) {
  std::vector<std::pair<double, double>> points;
  const std::size_t n = run.y.size();
  auto point = [&](std::size_t i) { return std::pair{run.firstX + static_cast<double>(i), run.y[i]}; };
  if (columns < 1 || n <= 2 * static_cast<std::size_t>(columns) || !(xHigh > xLow)) {
    for (std::size_t i = 0; i < n; ++i) points.push_back(point(i));
    return points;
  }
  const double perColumn = (xHigh - xLow) / columns;
  std::size_t first = 0;
  std::size_t lowest = 0;
  std::size_t highest = 0;
  auto columnOf = [&](std::size_t i) {
    return static_cast<long long>(std::floor((point(i).first - xLow) / perColumn));
  };
  auto flush = [&](std::size_t last) {
    std::array<std::size_t, 4> kept{first, lowest, highest, last};
    std::sort(kept.begin(), kept.end());
    const auto end = std::unique(kept.begin(), kept.end());
    for (auto it = kept.begin(); it != end; ++it) points.push_back(point(*it));
  };
  for (std::size_t i = 1; i <= n; ++i) {
    if (i == n || columnOf(i) != columnOf(first)) {
      flush(i - 1);
      first = lowest = highest = i;
      continue;
    }
    if (run.y[i] < run.y[lowest]) lowest = i;
    if (run.y[i] > run.y[highest]) highest = i;
  }
  return points;
}

void PaintLineChart(QPainter& painter, const QRectF& area, const LineChart& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QRectF rest = PaintTitle(painter, area.adjusted(kMargin, kMargin, -kMargin, -kMargin), chart.title);
  const QFontMetricsF metrics(painter.font());

  double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0;
  bool any = false;
  for (const ChartRun& run : chart.runs) {
    if (run.y.empty()) continue;
    const auto [low, high] = std::minmax_element(run.y.begin(), run.y.end());
    const double lastX = run.firstX + static_cast<double>(run.y.size() - 1);
    if (!any) {
      xLow = run.firstX, xHigh = lastX, yLow = *low, yHigh = *high;
      any = true;
    }
    xLow = std::min(xLow, run.firstX);
    xHigh = std::max(xHigh, lastX);
    yLow = std::min(yLow, *low);
    yHigh = std::max(yHigh, *high);
  }
  if (!any) {
    painter.setPen(TextColour());
    painter.drawText(rest, Qt::AlignCenter | Qt::TextWordWrap, chart.emptyText);
    painter.restore();
    return;
  }
  if (xHigh <= xLow) xHigh = xLow + 1;
  const double padding = std::max((yHigh - yLow) * 0.06, std::max(1.0, std::abs(yHigh) * 0.02));
  yLow -= padding;
  yHigh += padding;

  // Names of the marks in two rows above the plot.
  QFont small = painter.font();
  if (small.pixelSize() > 0) {
    small.setPixelSize(std::max(8, small.pixelSize() * 85 / 100));
  } else {
    small.setPointSizeF(small.pointSizeF() * 0.85);
  }
  const QFontMetricsF smallMetrics(small);
  const double markBand = chart.marks.empty() ? 0 : smallMetrics.height() * 2.2;
  rest.setTop(rest.top() + markBand);

  const double tickHeight = metrics.height();
  const int yCount = std::max(2, static_cast<int>(rest.height() / (tickHeight * 2.5)));
  const std::vector<double> yTicks = NiceTicks(yLow, yHigh, yCount);
  double labelWidth = 0;
  for (const double tick : yTicks) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Number(tick)));
  const double bottom = tickHeight * (chart.xAxisTitle.isEmpty() ? 1.4 : 2.6);
  const QRectF plot(rest.left() + labelWidth + 8, rest.top(), rest.width() - labelWidth - 8,
                    rest.height() - bottom);
  if (plot.width() < 10 || plot.height() < 10) {
    painter.restore();
    return;
  }
  auto X = [&](double x) { return plot.left() + (x - xLow) / (xHigh - xLow) * plot.width(); };
  auto Y = [&](double y) { return plot.bottom() - (y - yLow) / (yHigh - yLow) * plot.height(); };

  // Grid and the y labels.
  painter.setPen(QPen(GridColour(), 1));
  for (const double tick : yTicks) painter.drawLine(QPointF(plot.left(), Y(tick)), QPointF(plot.right(), Y(tick)));
  if (yLow < 0 && yHigh > 0) {
    painter.setPen(QPen(TextColour(), 1));
    painter.drawLine(QPointF(plot.left(), Y(0)), QPointF(plot.right(), Y(0)));
  }
  painter.setPen(TextColour());
  for (const double tick : yTicks)
    painter.drawText(QRectF(rest.left(), Y(tick) - tickHeight / 2, labelWidth, tickHeight),
                     Qt::AlignRight | Qt::AlignVCenter, Number(tick));

  // The x labels: whole numbers only.
  const int xCount = std::max(1, static_cast<int>(plot.width() / kMinTickSpacingX));
  for (const double tick : NiceTicks(xLow, xHigh, xCount)) {
    if (tick != std::floor(tick)) continue;
    const QString label = Number(tick);
    const double width = metrics.horizontalAdvance(label) + 4;
    // The last label keeps inside the chart rather than lose its last digit.
    const double left = std::min(X(tick) - width / 2, rest.right() - width);
    painter.drawText(QRectF(left, plot.bottom() + 3, width, tickHeight), Qt::AlignCenter, label);
  }
  if (!chart.xAxisTitle.isEmpty())
    painter.drawText(QRectF(plot.left(), plot.bottom() + tickHeight * 1.3, plot.width(), tickHeight),
                     Qt::AlignCenter, chart.xAxisTitle);

  painter.setPen(QPen(kSeparatorColour, 1, Qt::DashLine));
  for (const double x : chart.separators) painter.drawLine(QPointF(X(x), plot.top()), QPointF(X(x), plot.bottom()));

  // The marks, paler the closer they stand, and the names that find room.
  painter.setFont(small);
  QColor markColour = kMarkColour;
  const double spacing = plot.width() / std::max<std::size_t>(1, chart.marks.size());
  markColour.setAlpha(static_cast<int>(std::clamp(spacing * 12, 60.0, 170.0)));
  std::array<double, 2> rowEnd{-1e9, -1e9};
  for (const ChartMark& mark : chart.marks) {
    const double x = X(mark.x);
    painter.setPen(QPen(markColour, 1));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const double width = smallMetrics.horizontalAdvance(mark.label);
    const double left = std::clamp(x - width / 2, plot.left() - labelWidth, area.right() - kMargin - width);
    for (std::size_t row = 0; row < rowEnd.size(); ++row) {
      if (left < rowEnd[row] + 4) continue;
      painter.setPen(TextColour());
      const double top = plot.top() - markBand + row * smallMetrics.height() * 1.1;
      painter.drawText(QRectF(left, top, width + 1, smallMetrics.height()), Qt::AlignLeft, mark.label);
      rowEnd[row] = left + width;
      break;
    }
  }

  // The runs.
  painter.setPen(QPen(kLineColour, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const int columns = static_cast<int>(plot.width());
  for (const ChartRun& run : chart.runs) {
    const auto points = ThinnedRun(run, xLow, xHigh, columns);
    if (points.size() == 1) {
      painter.setBrush(kLineColour);
      painter.drawEllipse(QPointF(X(points[0].first), Y(points[0].second)), 2.5, 2.5);
      continue;
    }
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
      const QPointF p(X(points[i].first), Y(points[i].second));
      if (i == 0) path.moveTo(p); else path.lineTo(p);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setPen(QPen(GridColour(), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  painter.restore();
}

void PaintBarChart(QPainter& painter, const QRectF& area, const BarChart& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF rest = PaintTitle(painter, area.adjusted(kMargin, kMargin, -kMargin, -kMargin), chart.title);
  const QFontMetricsF metrics(painter.font());
  const std::size_t n = std::min(chart.labels.size(), chart.values.size());
  if (n == 0) {
    painter.restore();
    return;
  }
  const long long total = std::accumulate(chart.values.begin(), chart.values.begin() + n, 0LL);
  const int most = std::max(1, *std::max_element(chart.values.begin(), chart.values.begin() + n));
  auto valueText = [&](int value) {
    if (total <= 0) return Number(value);
    return QStringLiteral("%1 (%2%)").arg(Number(value)).arg(100.0 * value / total, 0, 'f', 1);
  };
  double labelWidth = 0;
  double valueWidth = metrics.horizontalAdvance(valueText(most));
  for (std::size_t i = 0; i < n; ++i) {
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(chart.labels[i]));
    valueWidth = std::max(valueWidth, metrics.horizontalAdvance(valueText(chart.values[i])));
  }
  const double rowHeight = std::min(rest.height() / static_cast<double>(n), metrics.height() * 2.4);
  const double barLeft = rest.left() + labelWidth + 10;
  const double barRoom = std::max(0.0, rest.right() - valueWidth - 8 - barLeft);
  for (std::size_t i = 0; i < n; ++i) {
    const double top = rest.top() + rowHeight * static_cast<double>(i);
    painter.setPen(TextColour());
    painter.drawText(QRectF(rest.left(), top, labelWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                     chart.labels[i]);
    const double length = barRoom * chart.values[i] / most;
    const QColor colour = i < chart.colours.size() ? chart.colours[i]
                          : chart.colours.empty()  ? kLineColour
                                                   : chart.colours.front();
    const QRectF bar(barLeft, top + rowHeight * 0.2, length, rowHeight * 0.6);
    if (length > 0) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawRoundedRect(bar, 2, 2);
    }
    painter.setPen(TextColour());
    painter.drawText(QRectF(bar.right() + 6, top, valueWidth + 2, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     valueText(chart.values[i]));
  }
  painter.restore();
}

}  // namespace tolva
