#include "Words.h"

#include "Texts.h"
#include "tools/tswords/TsWords.h"

namespace tolva::picturegen {

namespace {

// Every word but the seats' names, which have a translation file of their own.
constexpr QString Words::*kPhrases[] = {
    &Words::tolvaSucceeded, &Words::tolvaFailed, &Words::seventy, &Words::wentOut,
    &Words::tsumo, &Words::drawnGame, &Words::ron, &Words::campaignComplete,
    &Words::reach, &Words::declaration};

}  // namespace

const QString& Words::Caption(ResultPicture scene) const {
  switch (scene) {
    case ResultPicture::TolvaSucceeded: return tolvaSucceeded;
    case ResultPicture::TolvaFailed: return tolvaFailed;
    case ResultPicture::Seventy: return seventy;
    case ResultPicture::WentOut: return wentOut;
    case ResultPicture::DrawnGame: return drawnGame;
    case ResultPicture::Tsumo: return tsumo;
    case ResultPicture::Ron: return ron;
    case ResultPicture::CampaignComplete: return campaignComplete;
  }
  return ron;
}

Words JapaneseWords() {
  Words words;
  for (const char* name : text::kSeatNames) words.seatNames << QString::fromUtf8(name);
  words.tolvaSucceeded = QString::fromUtf8(text::kTolvaSucceeded);
  words.tolvaFailed = QString::fromUtf8(text::kTolvaFailed);
  words.seventy = QString::fromUtf8(text::kSeventy);
  words.wentOut = QString::fromUtf8(text::kWentOut);
  words.tsumo = QString::fromUtf8(text::kTsumo);
  words.drawnGame = QString::fromUtf8(text::kDrawnGame);
  words.ron = QString::fromUtf8(text::kRon);
  words.campaignComplete = QString::fromUtf8(text::kCampaignComplete);
  words.reach = QString::fromUtf8(text::kReach);
  words.declaration = QString::fromUtf8(text::kDeclaration);
  return words;
}

std::optional<Words> EnglishWords(const QString& i18nDir, QString* error) {
  using tswords::TsWords;
  const TsWords names = TsWords::Read(i18nDir + QStringLiteral("/names_en.ts"), QStringLiteral("SeatNames"));
  const TsWords pictures = TsWords::Read(i18nDir + QStringLiteral("/pictures_en.ts"), QStringLiteral("PictureWords"));
  for (const TsWords* file : {&names, &pictures}) {
    if (!file->Ok()) {
      *error = file->Error();
      return std::nullopt;
    }
  }
  const Words japanese = JapaneseWords();
  QStringList phrases;
  for (QString Words::*phrase : kPhrases) phrases << japanese.*phrase;
  const QStringList missing = names.Missing(japanese.seatNames) + pictures.Missing(phrases);
  if (!missing.isEmpty()) {
    *error = QStringLiteral("no English for: %1").arg(missing.join(QStringLiteral(", ")));
    return std::nullopt;
  }
  Words english;
  for (const QString& name : japanese.seatNames) english.seatNames << names.Of(name);
  for (QString Words::*phrase : kPhrases) english.*phrase = pictures.Of(japanese.*phrase);
  return english;
}

}  // namespace tolva::picturegen
