#include "dialogs/CardBackCommand.h"

#include "render/CardBacks.h"
#include "res/StringTable.h"
#include "table/SettingsSchema.h"

namespace tolva {

CardBackOutcome FinishCardBackDialog(int dialogResult, int changed,
                                     const std::function<bool()>& rebuild,
                                     const DialogServices& services) {
  if (dialogResult != QDialog::Accepted || changed != 1) return CardBackOutcome::Unchanged;
  if (rebuild && rebuild()) return CardBackOutcome::Rebuilt;
  services.Message(kMsgCardBackFailed, MessageStyle::Error);
  return CardBackOutcome::Failed;
}

CardBackOutcome RunCardBackCommand(const CardBackContext& context,
                                   const std::function<void()>& progress, QWidget* parent) {
  CBackSet dialog(context, parent);
  const int result = dialog.exec();
  const auto rebuild = [&] {
    const Settings settings(context.store);
    const CardBackOptions options{settings.BackSet(), settings.CardWaku()};
    return PrepareCardBacks(context.surfaces, true, options, progress, context.services.Sink());
  };
  return FinishCardBackDialog(result, dialog.Changed, rebuild, context.services);
}

}  // namespace tolva
