// The card face sheet: a JPEG picture in the file "TolvaGameSys.dll" beside the
// executable, whose first four bytes need not be the JPEG markers.
#pragma once

#include "render/Messages.h"
#include "render/PictureSource.h"
#include "render/Surfaces.h"

namespace tolva {

// Copies the library file to "card.jpeg" in the temporary folder with the
// JPEG start bytes FF D8 FF E0 over its first four bytes, decodes it into
// s.CardSheet and deletes the copy. When no copy can be written there (the
// folder cannot be used, the disk is full), 30002 says where and why, once a
// run, and the repaired bytes are decoded from memory instead. Fails without
// a message of its own when the library is missing, cannot be read or
// decoded, or is too small to hold the 52 faces.
bool LoadCardSheet(Surfaces& s, const PictureSource& source, const MessageSink& messages);

}  // namespace tolva
