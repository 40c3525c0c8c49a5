// The one place the drawing meets the table view: its read-only table record
// and the copy of its flow's display state (CTolvaView::Display) go into a
// SceneState.
#pragma once

#include "render/SceneState.h"

namespace tolva {

class CTolvaView;

// The scene of the view as it stands; it refers to the view's table record and
// asks the view's rules engine for hand points, so it lives no longer than the view.
SceneState SceneOf(const CTolvaView& view, int modernSystem);

}  // namespace tolva
