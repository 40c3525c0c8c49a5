// A small room: four damped comb filters in parallel feeding two all-passes,
// the classic Schroeder layout. A touch of it keeps the short clips from
// sounding dry and boxy; the delays are prime-ish so the echoes do not ring
// together.
#include <array>
#include <cstddef>
#include <vector>

#include "tools/wavegen/Synth.h"

namespace tolva::wavegen {

namespace {

class Comb {
 public:
  Comb(std::size_t delay, double feedback, double damping)
      : line_(delay, 0.0), feedback_(feedback), damping_(damping) {}
  double Process(double x) {
    const double y = line_[pos_];
    filtered_ = y * (1.0 - damping_) + filtered_ * damping_;
    line_[pos_] = x + filtered_ * feedback_;
    pos_ = (pos_ + 1) % line_.size();
    return y;
  }

 private:
  std::vector<double> line_;
  std::size_t pos_ = 0;
  double feedback_;
  double damping_;
  double filtered_ = 0.0;
};

class AllPass {
 public:
  explicit AllPass(std::size_t delay) : line_(delay, 0.0) {}
  double Process(double x) {
    const double delayed = line_[pos_];
    const double y = delayed - 0.5 * x;
    line_[pos_] = x + 0.5 * delayed;
    pos_ = (pos_ + 1) % line_.size();
    return y;
  }

 private:
  std::vector<double> line_;
  std::size_t pos_ = 0;
};

}  // namespace

void AddRoom(Buffer& clip, double wet, double size) {
  constexpr std::array<std::size_t, 4> kCombDelays = {1116, 1188, 1277, 1356};
  const double feedback = 0.70 + 0.25 * size;
  std::vector<Comb> combs;
  for (std::size_t d : kCombDelays) combs.emplace_back(d, feedback, 0.35);
  AllPass first(556), second(441);
  for (double& s : clip) {
    double sum = 0.0;
    for (Comb& c : combs) sum += c.Process(s);
    const double tail = second.Process(first.Process(sum * 0.25));
    s += wet * tail;
  }
}

}  // namespace tolva::wavegen
