#include "dialogs/ChronicleCsv.h"

#include <QDateTime>
#include <QStringList>

#include "dialogs/ChronicleText.h"
#include "res/ChronicleTexts.h"
#include "res/StringTable.h"
#include "rules/Card.h"

namespace tolva {

namespace {

namespace text = chronicle_text;

// A field as RFC 4180 wants it: quoted, with its quotes doubled, when it holds
// a comma, a quote or a line break.
QString Field(const QString& value) {
  if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
      !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
    return value;
  QString quoted = value;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString SeatName(int seat) {
  return IsSeat(seat) ? QtText(kSeatNames[seat]) : QString();
}

QStringList Heading() {
  QStringList fields{QtText(text::kCsvTime),       QtText(text::kCsvCampaign),   QtText(text::kCsvCourse),
                     QtText(text::kCsvCityNumber), QtText(text::kCsvCity),       QtText(text::kCsvGameNo),
                     QtText(text::kCsvJokers),     QtText(text::kCsvResult),     QtText(text::kCsvResultSeat),
                     QtText(text::kCsvPayer)};
  for (int seat = 0; seat < kSeats; ++seat) fields << QtText(text::kCsvPayment).arg(SeatName(seat));
  for (int seat = 0; seat < kSeats; ++seat) fields << QtText(text::kCsvPurse).arg(SeatName(seat));
  fields << QtText(text::kCsvPendingPool) << QtText(text::kCsvTurns) << QtText(text::kCsvReach);
  for (int seat = 0; seat < kSeats; ++seat) fields << QtText(text::kCsvCalls).arg(SeatName(seat));
  return fields;
}

QStringList Line(const GameRow& row) {
  const GameFinished& g = row.game;
  const QString time =
      QDateTime::fromSecsSinceEpoch(row.played).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  QStringList fields{time,
                     QString::number(row.campaign + 1),
                     QtText(CourseName(g.course)),
                     QString::number(g.city),
                     QtText(g.cityName),
                     QString::number(g.gameNo),
                     QString::number(g.jokers),
                     ResultText(g),
                     SeatName(g.resultSeat),
                     SeatName(g.payerSeat)};
  for (const SeatOutcome& seat : g.seats) fields << QString::number(seat.payment);
  for (const SeatOutcome& seat : g.seats) fields << QString::number(seat.purse);
  QStringList reach;
  for (int seat = 0; seat < kSeats; ++seat)
    if (g.seats[seat].reach) reach << SeatName(seat);
  fields << QString::number(g.pendingPool) << QString::number(g.turns)
         << reach.join(QtText(text::kCsvNameSeparator));
  // Games recorded before calls were counted leave the calls empty.
  for (const SeatOutcome& seat : g.seats)
    fields << (row.callsKnown ? QString::number(seat.calls) : QString());
  return fields;
}

QByteArray Joined(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields) quoted << Field(field);
  return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

}  // namespace

QByteArray ChronicleCsv(const ChronicleData& data) {
  QByteArray csv = Joined(Heading());
  for (const GameRow& row : data.games) csv += Joined(Line(row));
  return csv;
}

}  // namespace tolva
