// The four peek commands, one per computer seat: command 701 + seat shows
// that seat's hand in the peek window. The main window offers them as a row
// of small buttons beside the icons at the top left, in the order of the
// seats around the table from the left (seat 3, 2, 1, 0), each with its
// picture from bitmap 166 and its tooltip; in cunning mode a click on a
// computer seat's name plate gives the same command.
#pragma once

#include <QString>
#include <array>

namespace tolva {

inline constexpr int kCmdPeekSeat0 = 701;  // 701 to 704: seats 0 to 3

struct PeekCommand {
  int command;  // 701 + seat
  int image;    // the button's picture: the 16 x 16 cell of bitmap 166
  int Seat() const { return command - kCmdPeekSeat0; }
};

// The buttons from left to right.
inline constexpr std::array<PeekCommand, 4> kPeekCommands{{
    {704, 0},
    {703, 1},
    {702, 2},
    {701, 3},
}};

// A button's hover help: "<seat>の\n手札のカンニング".
QString PeekButtonTip(int seat);

inline constexpr int kBmpPeekButtons = 166;  // 64 x 16, four 16 x 16 images
inline constexpr int kPeekImageSize = 16;

// The seat of a peek command, or -1 for any other command.
int PeekSeatOfCommand(int command);

// What a computer seat's name plate adds to its hover text in cunning mode.
QString PlatePeekHint(int seat);

}  // namespace tolva
