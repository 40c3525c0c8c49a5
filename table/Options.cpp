// The options the table record keeps a copy of, changed from the settings
// menu: the record and the store are written in one operation, so a change
// is never half made, however the program ends.
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

void CTolvaView::SetOption(TableOption option, int value) {
  Settings settings = StoredSettings();
  switch (option) {
    case TableOption::OpenMode: t.OpenMode = value; settings.SetOpenMode(value); break;
    case TableOption::Koukaon: t.Koukaon = value; settings.SetKoukaon(value); break;
    case TableOption::RuleRem: t.RuleRem = value; settings.SetRuleRem(value); break;
    case TableOption::DspRem: t.DspRem = value; settings.SetDspRem(value); break;
    case TableOption::ManSpeed: t.ManSpeed = value; settings.SetManSpeed(value); break;
    case TableOption::CardSpeed: t.CardSpeed = value; settings.SetCardSpeed(value); break;
    case TableOption::PonSpeed: t.PonSpeed = value; settings.SetPonSpeed(value); break;
  }
}

}  // namespace tolva
