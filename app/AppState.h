// The few values the whole program shares, kept by the application object
// (CTolvaApp derives from this) and handed by reference to the frame and the
// table's window, so that tests can give them a state of their own.
#pragma once

namespace tolva {

struct AppState {
  // Canvas-to-window factors of the table drawing: max(client w, h) / 1200 when
  // the frame is made, w / 1200 and h / 900 after each screen-size change.
  float ScaleX = 1.0f;
  float ScaleY = 1.0f;
  // A current system: the table background is drawn as a gradient.
  int ModernSystem = 0;
  // Cunning mode (peek windows on a computer player's hand) is possible.
  int CunningMode = 0;
  // This process is a peek instance, started with "/W".
  int PeekInstance = 0;
};

}  // namespace tolva
