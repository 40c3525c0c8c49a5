// The one message of each problem the chronicle's writer reports: its text
// and its icon, shown in a box that does not hold up the game (the chronicle
// never stops play; the purses do not depend on it).
#pragma once

#include <QString>

#include "chronicle/ChronicleStore.h"
#include "rules/RulesHost.h"

class QWidget;

namespace tolva {

struct ChronicleMessage {
  QString text;
  MessageStyle style = MessageStyle::Information;
};

// `file` is the chronicle's path, or for SetAside where the damaged file now is.
ChronicleMessage MessageFor(ChronicleProblem problem, const QString& file);

// Shows it modeless over `parent` (logged like every message box) and lets it
// go when it is closed. Nothing for ChronicleProblem::None.
void ShowChronicleMessage(QWidget* parent, ChronicleProblem problem, const QString& file);

}  // namespace tolva
