// The ways a game ends and the result display that closes every game: the
// result picture, the hands face up, the winner's hand blinking, the settlement
// in an information box, then EndGame.
#include "table/CTolvaView.h"
#include "table/OpenMode.h"

namespace tolva {

void CTolvaView::TolvaDeclared(int seat) {
  KillLastTimer();
  Cue(kWaveTolva);
  think.JudgeTolva(seat);
  FinishGame(t.ResultKind == kTolvaSucceeded ? ResultPicture::TolvaSucceeded
                                             : ResultPicture::TolvaFailed);
}

void CTolvaView::SeventyDeclared(int seat) {
  t.ResultSeat = seat;
  t.ResultKind = kSeventy;
  Cue(kWaveSeventy);
  FinishGame(ResultPicture::Seventy);
}

void CTolvaView::Tsumo(int seat) {
  t.ResultSeat = seat;
  t.ResultKind = kTsumo;
  Cue(kWaveTsumo);
  FinishGame(ResultPicture::Tsumo);
}

void CTolvaView::WentOut(int seat) {
  t.ResultSeat = seat;
  t.ResultKind = kWentOut;
  Cue(kWaveWentOut);
  FinishGame(ResultPicture::WentOut);
}

void CTolvaView::WinOnDiscard() {
  Cue(kWaveWinOnDiscard);
  FinishGame(ResultPicture::Ron);
}

void CTolvaView::DrawnGame() {
  t.ResultSeat += kSeats;  // still the opener; the settlement takes the 5 off again
  Cue(kWaveDrawnGame);
  FinishGame(ResultPicture::DrawnGame);
}

void CTolvaView::FinishGame(ResultPicture picture) {
  resultShowing_ = true;
  // Whatever the human was carrying goes back before the hands are shown.
  if (Dragging != DragKind::None) ReturnDragged();
  host_.ShowResultPicture(picture);
  const bool alreadyFaceUp = ComputerHandsFaceUp();
  if (!alreadyFaceUp) {
    RevealHands = 1;
    RedrawScene(false);
  }
  if (t.ResultSeat >= 0 && t.ResultSeat < kSeats && t.ResultKind != kWentOut)
    host_.FlashSeatHand(t.ResultSeat);
  RevealHands = 0;
  const std::string settlement = SettleAndRecord();
  host_.ShowMessage(settlement, 0, MessageStyle::Information);
  RedrawScene(false);
  EndGame();
}

bool CTolvaView::ComputerHandsFaceUp() const {
  return RevealHands == 1 || OpenModeShowsHands(t);
}

}  // namespace tolva
