// The eight end-of-game pictures (300 x 200), one per outcome, shown
// stretched over the window in a coloured frame and then dissolved away.
#pragma once

#include <QImage>

#include "res/ResourceIds.h"

namespace tolva::picturegen {

// The game's own numbering of the outcomes is the one the pictures are stored under.
using ResultScene = ::tolva::ResultPicture;

inline constexpr ResultScene kResultScenes[] = {
    ResultScene::TolvaSucceeded, ResultScene::TolvaFailed, ResultScene::Seventy,
    ResultScene::WentOut,        ResultScene::DrawnGame,   ResultScene::Tsumo,
    ResultScene::Ron,            ResultScene::CampaignComplete};

// 300 x 200, opaque.
QImage ResultPicture(ResultScene scene, int density = 1);

}  // namespace tolva::picturegen
