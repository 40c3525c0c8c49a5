#include "MapData.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

namespace tolva::mapgen {
namespace {

[[noreturn]] void Fail(const QString& file, int line, const QString& what) {
  throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what).toStdString());
}

// Calls `onLine(fields, lineNumber)` for each line that is not blank or a comment.
template <typename F>
void ForEachLine(const QString& file, F onLine) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) Fail(file, 0, QStringLiteral("cannot open"));
  QTextStream in(&f);
  in.setEncoding(QStringConverter::Utf8);
  int number = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    ++number;
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    onLine(line.split(u' ', Qt::SkipEmptyParts), number);
  }
}

double Number(const QString& s, const QString& file, int line) {
  bool ok = false;
  const double v = s.toDouble(&ok);
  if (!ok) Fail(file, line, QStringLiteral("not a number: ") + s);
  return v;
}

int Integer(const QString& s, const QString& file, int line) {
  bool ok = false;
  const int v = s.toInt(&ok);
  if (!ok) Fail(file, line, QStringLiteral("not an integer: ") + s);
  return v;
}

Polyline Points(const QStringList& fields, int first, const QString& file, int line) {
  if ((fields.size() - first) % 2 != 0 || fields.size() - first < 4) Fail(file, line, QStringLiteral("needs pairs of coordinates"));
  Polyline points;
  for (int i = first; i + 1 < fields.size(); i += 2)
    points.append({Number(fields[i], file, line), Number(fields[i + 1], file, line)});
  return points;
}

}  // namespace

Features LoadFeatures(const QString& landFile, const QString& featuresFile) {
  Features features;
  ForEachLine(landFile, [&](const QStringList& fields, int line) {
    Polyline ring;
    for (const QString& pair : fields) {
      const QStringList xy = pair.split(u',');
      if (xy.size() != 2) Fail(landFile, line, QStringLiteral("expected x,y: ") + pair);
      ring.append({Number(xy[0], landFile, line) / 10.0, Number(xy[1], landFile, line) / 10.0});
    }
    if (ring.size() < 3) Fail(landFile, line, QStringLiteral("a ring needs three points"));
    features.land.append(ring);
  });
  ForEachLine(featuresFile, [&](const QStringList& f, int line) {
    const QString& kind = f[0];
    if (kind == u"sea" || kind == u"region" || kind == u"island") {
      if (f.size() < 5) Fail(featuresFile, line, QStringLiteral("a name needs size, x, y and text"));
      if (f.size() > 6) Fail(featuresFile, line, QStringLiteral("a name is one word, with an optional angle"));
      Label label{f[4], {Number(f[2], featuresFile, line), Number(f[3], featuresFile, line)}, Number(f[1], featuresFile, line),
                  f.size() == 6 ? Number(f[5], featuresFile, line) : 0.0};
      (kind == u"sea" ? features.seas : kind == u"region" ? features.regions : features.islands).append(label);
      return;
    }
    const Polyline points = Points(f, 1, featuresFile, line);
    if (kind == u"river") features.rivers.append(points);
    else if (kind == u"lake") features.lakes.append(points);
    else if (kind == u"mountains") features.mountains.append(points);
    else if (kind == u"desert") features.deserts.append(points);
    else if (kind == u"fertile") features.fertile.append(points);
    else if (kind == u"graticule") features.graticule.append(points);
    else Fail(featuresFile, line, QStringLiteral("unknown kind: ") + kind);
  });
  return features;
}

Route LoadRoute(const QString& routeFile) {
  Route route;
  bool started = false, ended = false;
  Leg leg;
  ForEachLine(routeFile, [&](QStringList f, int line) {
    const int comment = f.indexOf(QStringLiteral(";"));
    if (comment >= 0) f = f.mid(0, comment);
    const QString& kind = f[0];
    if (ended && kind != u"expect") Fail(routeFile, line, QStringLiteral("nothing but expectations may follow the end"));
    if (kind == u"start" || kind == u"city") {
      if (f.size() < 4 || f.size() > 5) Fail(routeFile, line, QStringLiteral("a city needs x, y and a name"));
      City city{Integer(f[1], routeFile, line), Integer(f[2], routeFile, line), f[3], false};
      if (f.size() == 5) {
        if (f[4] != u"big") Fail(routeFile, line, QStringLiteral("unknown city flag: ") + f[4]);
        city.big = true;
      }
      if (kind == u"start") {
        if (started) Fail(routeFile, line, QStringLiteral("a second start"));
        route.start = city;
        started = true;
        return;
      }
      if (!started) Fail(routeFile, line, QStringLiteral("a city before the start"));
      route.cities.append(city);
      route.legs.append(leg);
      leg = Leg{};
    } else if (kind == u"via") {
      if (!started || f.size() != 3) Fail(routeFile, line, QStringLiteral("a waypoint needs x and y, after the start"));
      leg.via.append({Number(f[1], routeFile, line), Number(f[2], routeFile, line)});
    } else if (kind == u"end") {
      if (!started || f.size() != 3) Fail(routeFile, line, QStringLiteral("the end needs x and y, after the start"));
      route.end = {Number(f[1], routeFile, line), Number(f[2], routeFile, line)};
      route.legs.append(leg);
      ended = true;
    } else if (kind == u"expect") {
      if (f.size() != 5) Fail(routeFile, line, QStringLiteral("expect <leg> <steps> <x> <y>"));
      route.expectations.append({Integer(f[1], routeFile, line), Integer(f[2], routeFile, line),
                                 Integer(f[3], routeFile, line), Integer(f[4], routeFile, line)});
    } else {
      Fail(routeFile, line, QStringLiteral("unknown kind: ") + kind);
    }
  });
  if (!ended) Fail(routeFile, 0, QStringLiteral("the route has no end"));
  return route;
}

}  // namespace tolva::mapgen
