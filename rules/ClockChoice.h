// The computer seats' few random choices come from the seconds field of the
// local clock. A clock that cannot be read (seconds -1) gives an even coin
// flip and a three-way value of -1, which matches none of 0, 1 and 2.
#pragma once

namespace tolva {

struct ClockChoice {
  bool oddFlip = false;  // the coin flip came out odd
  int threeWay = -1;     // 0, 1 or 2; -1 without a clock

  static constexpr ClockChoice FromSeconds(int seconds) {
    if (seconds < 0) return {};
    return {seconds % 2 == 1, seconds % 3};
  }
};

}  // namespace tolva
