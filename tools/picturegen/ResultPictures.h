// The eight end-of-game pictures (300 x 200), one per outcome, shown
// stretched over the window in a coloured frame and then dissolved away.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include "Words.h"
#include "res/ResourceIds.h"

namespace tolva::picturegen {

// The game's own numbering of the outcomes is the one the pictures are stored under.
using ResultScene = ::tolva::ResultPicture;

inline constexpr ResultScene kResultScenes[] = {
    ResultScene::TolvaSucceeded, ResultScene::TolvaFailed, ResultScene::Seventy,
    ResultScene::WentOut,        ResultScene::DrawnGame,   ResultScene::Tsumo,
    ResultScene::Ron,            ResultScene::CampaignComplete};

// 300 x 200, opaque, with the caption in `words`' language.
QImage ResultPicture(ResultScene scene, const Words& words, int density = 1);

// Where a picture's caption goes: its box and the outline around the letters.
struct CaptionPlace {
  QRectF box;
  qreal outlineWidth = 2.4;
  qreal spacing = 100;  // percent of the normal letter spacing
};
CaptionPlace CaptionPlaceOf(ResultScene scene);

// The caption's letters as the picture draws them (before their outline).
QPainterPath ResultCaption(ResultScene scene, const Words& words);

}  // namespace tolva::picturegen
