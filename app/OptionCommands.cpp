// The commands of the settings pop-up that change an option: each changes the
// view's field (where the view keeps one) and writes the store at once, so
// nothing is lost however the program ends.
#include <cstdio>
#include <string>

#include "app/CommandMenus.h"
#include "app/MenuModel.h"
#include "res/StringTable.h"
#include "table/CTolvaView.h"
#include "table/Host.h"
#include "table/OpenMode.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {
}  // namespace

void CommandMenus::ToggleOpenMode() {
  // Greyed from the fourth game of a city, where it would change nothing.
  if (!OpenModeApplies(view_.t.GameNo)) return;
  view_.t.OpenMode = ToggledFromZero(view_.t.OpenMode);
  Settings(host_.Store()).SetOpenMode(view_.t.OpenMode);
  if (view_.TableActive) host_.RedrawScene(false);
}

void CommandMenus::ToggleKoukaon() {
  view_.t.Koukaon = ToggledFromOne(view_.t.Koukaon);
  Settings(host_.Store()).SetKoukaon(view_.t.Koukaon);
}

void CommandMenus::ToggleRuleRem() {
  view_.t.RuleRem = ToggledFromOne(view_.t.RuleRem);
  Settings(host_.Store()).SetRuleRem(view_.t.RuleRem);
}

void CommandMenus::ToggleDspRem() {
  view_.t.DspRem = ToggledFromZero(view_.t.DspRem);
  if (view_.t.DspRem == 0) shell_.ClearTooltip();
  Settings(host_.Store()).SetDspRem(view_.t.DspRem);
}

void CommandMenus::ToggleAutoStart() {
  Settings settings(host_.Store());
  const bool wasOn = OnWhenOne(settings.AutoStart());
  settings.SetAutoStart(wasOn ? 0 : 1);
  const std::string prefix =
      std::string("自動スタート") + (wasOn ? "の設定を解除しました\n" : "に設定しました\n");
  host_.ShowMessage(prefix, kMsgFromNextStart, MessageStyle::Information);
}

void CommandMenus::SetManSpeed(int speed) {
  view_.t.ManSpeed = speed;
  Settings(host_.Store()).SetManSpeed(speed);
}

void CommandMenus::SetCardSpeed(int speed) {
  view_.t.CardSpeed = speed;
  Settings(host_.Store()).SetCardSpeed(speed);
}

void CommandMenus::SetPonSpeed(int speed) {
  view_.t.PonSpeed = speed;
  Settings(host_.Store()).SetPonSpeed(speed);
}

void CommandMenus::SetTolvaRate(int rate) {
  Settings settings(host_.Store());
  if (settings.TolvaRitu() != rate) settings.SetTolvaRitu(rate);
}

void CommandMenus::SetJokerCount(int jokers) {
  Settings settings(host_.Store());
  if (settings.Joker() == jokers) return;
  settings.SetJoker(jokers);
  // The deck on the table stays as dealt; the next game reads the new count.
  char prefix[64];
  std::snprintf(prefix, sizeof prefix, "ジョーカーの使用枚数 %d枚\n", jokers);
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
  if (!view_.TableActive) return;
  if (shell_.RunCardBackCommand() == CardBackOutcome::Rebuilt) host_.RedrawScene(true);
}

}  // namespace tolva
