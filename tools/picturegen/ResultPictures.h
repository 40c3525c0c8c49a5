// The eight end-of-game pictures (300 x 200), one per outcome, shown
// stretched over the window in a coloured frame and then dissolved away.
#pragma once

#include <QImage>

namespace tolva::picturegen {

enum class ResultScene : int {
  TolvaSucceeded = 135,
  TolvaFailed = 144,
  Seventy = 137,
  WentOut = 145,
  DrawnGame = 167,
  Tsumo = 138,
  Ron = 139,
  CampaignComplete = 143,
};

inline constexpr ResultScene kResultScenes[] = {
    ResultScene::TolvaSucceeded, ResultScene::TolvaFailed, ResultScene::Seventy,
    ResultScene::WentOut,        ResultScene::DrawnGame,   ResultScene::Tsumo,
    ResultScene::Ron,            ResultScene::CampaignComplete};

// 300 x 200, opaque.
QImage ResultPicture(ResultScene scene);

}  // namespace tolva::picturegen
