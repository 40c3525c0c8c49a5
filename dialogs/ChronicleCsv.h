// The games of a chronicle as CSV, for a spreadsheet: UTF-8, a heading line,
// then one line per game in the order played, fields quoted where they need
// it (RFC 4180). Times are local.
#pragma once

#include <QByteArray>

#include "chronicle/ChronicleData.h"

namespace tolva {

QByteArray ChronicleCsv(const ChronicleData& data);

}  // namespace tolva
