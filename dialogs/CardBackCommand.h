// The card back command ("カード背面の設定(&B)") around its dialog: when the
// dialog saved a change, the card backs and the hidden-hand strip are rebuilt
// from the new settings, and the table must then be redrawn in full.
//
//   if (RunCardBackCommand(context, blinkProgressMark, mainWindow) ==
//       CardBackOutcome::Rebuilt)
//     host.RedrawScene(true);
#pragma once

#include <QWidget>
#include <functional>

#include "dialogs/CBackSet.h"

namespace tolva {

enum class CardBackOutcome {
  Unchanged,  // cancelled, or saved with nothing to rebuild
  Rebuilt,    // the card backs follow the new settings: redraw the table in full
  Failed,     // the rebuild failed (30061 shown); the table keeps its old strip
};

// After the dialog: `rebuild` is PrepareCardBacks(1); its failure shows 30061.
CardBackOutcome FinishCardBackDialog(int dialogResult, int changed,
                                     const std::function<bool()>& rebuild,
                                     const DialogServices& services);

// The whole command: runs the dialog, then rebuilds the card backs of the
// view's surfaces when something changed. `progress` blinks the progress mark
// while the strip is built.
CardBackOutcome RunCardBackCommand(const CardBackContext& context,
                                   const std::function<void()>& progress, QWidget* parent);

}  // namespace tolva
