#include "RouteCheck.h"

#include <stdexcept>

#include "table/MapTracing.h"
#include "table/MemoryPixelMap.h"

namespace tolva::mapgen {
namespace {

[[noreturn]] void Fail(const QString& what) { throw std::runtime_error(what.toStdString()); }

MemoryPixelMap ToPixelMap(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  MemoryPixelMap map(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) map.SetPixel(x, y, line[x] & 0xFFFFFFu);
  }
  return map;
}

}  // namespace

QVector<LegReport> CheckRoute(const QImage& picture, const Route& route, const RouteLayout& layout) {
  MemoryPixelMap map = ToPixelMap(picture);
  const MapColours colours = ReadMapColours(map);
  if (map.Pixel(kStartCityPoint.x, kStartCityPoint.y) != colours.conquered)
    Fail(QStringLiteral("the start city point is not conquered"));

  QVector<LegReport> reports;
  RouteWalker walker(map, colours);
  MapPoint cityPoint = kStartCityPoint;
  for (int leg = 0; leg < layout.legs.size(); ++leg) {
    const QVector<QPoint>& pixels = layout.legs[leg];
    const QString name = QStringLiteral("leg %1").arg(leg + 1);
    if (!walker.Start(cityPoint)) Fail(name + QStringLiteral(": no leg found from the city point"));
    for (int k = 0;; ++k) {
      const MapPoint at = walker.RoutePoint();
      if (k >= pixels.size() || at != MapPoint{pixels[k].x(), pixels[k].y()})
        Fail(name + QStringLiteral(": the walk strays at step %1 (%2, %3)").arg(k).arg(at.x).arg(at.y));
      if (walker.StepOnce() == RouteWalker::Step::ReachedEnd) {
        if (k != pixels.size() - 1) Fail(name + QStringLiteral(": the walk ends early"));
        break;
      }
    }
    if (pixels.size() > kInstantTraceLimit) Fail(name + QStringLiteral(": longer than the start-up trace allows"));
    LegReport report{walker.RouteSteps(), QPoint(-1, -1)};
    const bool last = leg == layout.legs.size() - 1;
    if (last) {
      if (walker.ReachedCity()) Fail(name + QStringLiteral(": the last leg must end at no city"));
    } else {
      if (!walker.ReachedCity()) Fail(name + QStringLiteral(": ends at no city ring"));
      const auto city = walker.ConquerAt(walker.RoutePoint());
      if (!city || !layout.cities[leg].interior.contains(QPoint(city->x, city->y)))
        Fail(name + QStringLiteral(": the city at its end is not conquered"));
      for (const QPoint& p : layout.cities[leg].interior)
        if (map.Pixel(p.x(), p.y()) != colours.conquered) Fail(name + QStringLiteral(": the flood leaves part of the city"));
      cityPoint = *city;
      report.cityPoint = QPoint(city->x, city->y);
    }
    reports.append(report);
  }
  if (reports.size() != kEndCount + 1) Fail(QStringLiteral("the route has %1 legs, not %2").arg(reports.size()).arg(kEndCount + 1));
  for (int y = 0; y < map.Height(); ++y)
    for (int x = 0; x < map.Width(); ++x)
      if (map.Pixel(x, y) == colours.route && !(x == kRouteKeyAt.x && y == kRouteKeyAt.y) && !(x < 100 && y > 420 && y < 445))
        Fail(QStringLiteral("route colour left untravelled at (%1, %2)").arg(x).arg(y));

  for (const Expectation& e : route.expectations) {
    if (e.leg < 1 || e.leg > reports.size()) Fail(QStringLiteral("expectation for a leg that does not exist"));
    const LegReport& r = reports[e.leg - 1];
    if (r.steps != e.steps || r.cityPoint != QPoint(e.cityX, e.cityY))
      Fail(QStringLiteral("leg %1 takes %2 steps to (%3, %4); expected %5 steps to (%6, %7)")
               .arg(e.leg).arg(r.steps).arg(r.cityPoint.x()).arg(r.cityPoint.y()).arg(e.steps).arg(e.cityX).arg(e.cityY));
  }
  return reports;
}

}  // namespace tolva::mapgen
