// Reading the chronicle back for the window and the export, without changing
// the file: it is opened read-only, so a window left open never holds up the
// writer, and a database of an older version is read as it stands.
#pragma once

#include <QString>

#include "chronicle/ChronicleData.h"

namespace tolva {

struct ChronicleReading {
  ChronicleData data;
  bool ok = true;
  QString error;  // why the file could not be read (ok false)
};

// Every campaign, and the games and conquests of the campaign `campaignKey`
// (of all campaigns when it is empty). A file that does not exist yet is an
// empty chronicle; a folder or a pipe in its place is never opened (a pipe
// would hold the window until something wrote to it).
ChronicleReading ReadChronicle(const QString& path, const QString& campaignKey = {});

}  // namespace tolva
