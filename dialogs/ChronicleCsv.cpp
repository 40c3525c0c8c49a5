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

QString SeatNameText(int seat) { return QtText(SeatName(seat)); }

QStringList Heading() {
  QStringList fields{Tr(text_context::kChronicle, text::kCsvTime),       Tr(text_context::kChronicle, text::kCsvCampaign),   Tr(text_context::kChronicle, text::kCsvCourse),
                     Tr(text_context::kChronicle, text::kCsvCityNumber), Tr(text_context::kChronicle, text::kCsvCity),       Tr(text_context::kChronicle, text::kCsvGameNo),
                     Tr(text_context::kChronicle, text::kCsvJokers),     Tr(text_context::kChronicle, text::kCsvResult),     Tr(text_context::kChronicle, text::kCsvResultSeat),
                     Tr(text_context::kChronicle, text::kCsvPayer)};
  for (int seat = 0; seat < kSeats; ++seat) fields << Tr(text_context::kChronicle, text::kCsvPayment).arg(SeatNameText(seat));
  for (int seat = 0; seat < kSeats; ++seat) fields << Tr(text_context::kChronicle, text::kCsvPurse).arg(SeatNameText(seat));
  fields << Tr(text_context::kChronicle, text::kCsvPendingPool) << Tr(text_context::kChronicle, text::kCsvTurns) << Tr(text_context::kChronicle, text::kCsvReach);
  for (int seat = 0; seat < kSeats; ++seat) fields << Tr(text_context::kChronicle, text::kCsvCalls).arg(SeatNameText(seat));
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
                     Tr(text_context::kCityNames, g.cityName),
                     QString::number(g.gameNo),
                     QString::number(g.jokers),
                     ResultText(g),
                     SeatNameText(g.resultSeat),
                     SeatNameText(g.payerSeat)};
  for (const SeatOutcome& seat : g.seats) fields << QString::number(seat.payment);
  for (const SeatOutcome& seat : g.seats) fields << QString::number(seat.purse);
  QStringList reach;
  for (int seat = 0; seat < kSeats; ++seat)
    if (g.seats[seat].reach) reach << SeatNameText(seat);
  fields << QString::number(g.pendingPool) << QString::number(g.turns)
         << reach.join(Tr(text_context::kChronicle, text::kCsvNameSeparator));
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
