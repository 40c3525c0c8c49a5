// The commands of the settings pop-up that change an option: the options the
// table keeps go through the view, which sets its field and writes the store
// together; the others are written to the store at once. Nothing is lost
// however the program ends.
#include <cstdio>
#include <string>

#include "app/CommandMenus.h"
#include "app/MenuModel.h"
#include "res/StringTable.h"
#include "table/CTolvaView.h"
#include "table/Host.h"
#include "table/OpenMode.h"
#include "table/SettingsSchema.h"
#include "res/Translation.h"

namespace tolva {

void CommandMenus::ToggleOpenMode() {
  // Greyed from the fourth game of a city, where it would change nothing.
  if (!OpenModeApplies(view_.Table().GameNo)) return;
  view_.SetOption(TableOption::OpenMode, ToggledFromZero(view_.Table().OpenMode));
  if (view_.Display().TableActive) host_.RedrawScene(false);
}

void CommandMenus::ToggleKoukaon() {
  view_.SetOption(TableOption::Koukaon, ToggledFromOne(view_.Table().Koukaon));
}

void CommandMenus::ToggleRuleRem() {
  view_.SetOption(TableOption::RuleRem, ToggledFromOne(view_.Table().RuleRem));
}

void CommandMenus::ToggleDspRem() {
  view_.SetOption(TableOption::DspRem, ToggledFromZero(view_.Table().DspRem));
  if (view_.Table().DspRem == 0) shell_.ClearTooltip();
}

void CommandMenus::ToggleAutoStart() {
  Settings settings(host_.Store());
  const bool wasOn = OnWhenOne(settings.AutoStart());
  settings.SetAutoStart(wasOn ? 0 : 1);
  const std::string prefix = std::string(Translated(
      text_context::kStringTable, wasOn ? "自動スタートの設定を解除しました\n" : "自動スタートに設定しました\n"));
  host_.ShowMessage(prefix, kMsgFromNextStart, MessageStyle::Information);
}

void CommandMenus::SetManSpeed(int speed) { view_.SetOption(TableOption::ManSpeed, speed); }

void CommandMenus::SetCardSpeed(int speed) { view_.SetOption(TableOption::CardSpeed, speed); }

void CommandMenus::SetPonSpeed(int speed) { view_.SetOption(TableOption::PonSpeed, speed); }

void CommandMenus::SetTolvaRate(int rate) {
  Settings settings(host_.Store());
  if (settings.TolvaRitu() != rate) settings.SetTolvaRitu(rate);
}

void CommandMenus::SetJokerCount(int jokers) {
  Settings settings(host_.Store());
  if (settings.Joker() == jokers) return;
  settings.SetJoker(jokers);
  // The deck on the table stays as dealt; the next game reads the new count.
  const std::string prefix =
      FillIn(Translated(text_context::kStringTable, "ジョーカーの使用枚数 %1枚\n"), {std::to_string(jokers)});
  host_.ShowMessage(prefix, kMsgFromNextGame, MessageStyle::Information);
}

void CommandMenus::SetScreenSize(int width) {
  Settings(host_.Store()).SetGamen(width);
  const QSize client = shell_.ResizeForScreenSize(width);
  shell_.SetScale(ScaleForClient(client, width));
  shell_.ClearView();
}

void CommandMenus::ChangeCardBack() {
  // Greyed while no game is on the table.
  if (!view_.Display().TableActive) return;
  if (shell_.RunCardBackCommand() == CardBackOutcome::Rebuilt) host_.RedrawScene(true);
}

}  // namespace tolva
