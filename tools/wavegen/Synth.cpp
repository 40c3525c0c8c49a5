#include "tools/wavegen/Synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tolva::wavegen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kNyquist = kSampleRate / 2.0;

// 0 at x = 0 rising to 1 at x = 1, with zero slope at both ends.
double RaisedCosine(double x) {
  if (x <= 0.0) return 0.0;
  if (x >= 1.0) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

std::size_t SampleIndex(double seconds) {
  return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// Makes room for a voice that starts at start and lasts length seconds.
void Reserve(Buffer& out, double start, double length) {
  out.resize(std::max(out.size(), SampleIndex(start + length) + 1), 0.0);
}

// xorshift32: small, fast, and the same on every platform, unlike the
// standard library's distributions.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;  // -1 .. 1
  }

 private:
  std::uint32_t state_;
};

// Band-pass biquad (0 dB at the centre), coefficients after R. Bristow-Johnson.
class BandPass {
 public:
  void Tune(double centre, double q) {
    const double w = kTwoPi * std::clamp(centre, 20.0, kNyquist * 0.9) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
  }
  double Process(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Two cascaded one-pole low-passes: tames the band-pass's bright skirt so a
// tap sounds like paper on cloth, not like hiss.
class LowPass {
 public:
  explicit LowPass(double corner)
      : a_(corner > 0.0 ? 1.0 - std::exp(-kTwoPi * corner / kSampleRate) : 1.0) {}
  double Process(double x) {
    first_ += a_ * (x - first_);
    second_ += a_ * (first_ - second_);
    return second_;
  }

 private:
  double a_;
  double first_ = 0.0;
  double second_ = 0.0;
};

}  // namespace

Buffer Silence(double seconds) { return Buffer(SampleIndex(seconds), 0.0); }

double Envelope::At(double t, double length) const {
  if (t < 0.0 || t >= length) return 0.0;
  double level = attack > 0.0 ? RaisedCosine(t / attack) : 1.0;
  const double falling = t - attack - hold;
  if (falling > 0.0 && decay > 0.0) level *= std::exp(-falling / decay);
  if (release > 0.0) level *= RaisedCosine((length - t) / release);
  return level;
}

void AddFm(Buffer& out, double start, const FmVoice& v) {
  Reserve(out, start, v.length);
  const std::size_t first = SampleIndex(start);
  const std::size_t count = SampleIndex(v.length);
  double carrierPhase = 0.0;
  double modulatorPhase = 0.0;
  for (std::size_t n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    double f = v.frequency;
    if (v.glideTo > 0.0 && v.glideTime > 0.0)
      f = v.glideTo + (v.frequency - v.glideTo) * std::exp(-t / v.glideTime);
    if (v.vibratoDepth > 0.0) f *= 1.0 + v.vibratoDepth * std::sin(kTwoPi * v.vibratoRate * t);
    double index = v.index;
    if (v.indexDecay > 0.0)
      index = v.sustainIndex + (v.index - v.sustainIndex) * std::exp(-t / v.indexDecay);
    const double sample = std::sin(carrierPhase + index * std::sin(modulatorPhase));
    out[first + n] += v.amplitude * v.envelope.At(t, v.length) * sample;
    carrierPhase = std::fmod(carrierPhase + kTwoPi * f / kSampleRate, kTwoPi);
    modulatorPhase = std::fmod(modulatorPhase + kTwoPi * f * v.ratio / kSampleRate, kTwoPi);
  }
}

void AddAdditive(Buffer& out, double start, const AdditiveVoice& v) {
  Reserve(out, start, v.length);
  const std::size_t first = SampleIndex(start);
  const std::size_t count = SampleIndex(v.length);
  const Envelope edges{.attack = v.attack, .hold = 0.0, .decay = 0.0, .release = v.release};
  for (std::size_t k = 0; k < v.partials.size(); ++k) {
    const Partial& p = v.partials[k];
    const double f = v.frequency * p.ratio;
    if (f >= kNyquist * 0.9) continue;  // would alias into a harsh whistle
    // Neighbouring partials shimmer in opposite phase, as a struck metal does.
    const double shimmerPhase = (k % 2 == 0) ? 0.0 : std::numbers::pi;
    for (std::size_t n = 0; n < count; ++n) {
      const double t = static_cast<double>(n) / kSampleRate;
      double level = p.amplitude * std::exp(-t / p.decay);
      if (v.beat > 0.0) level *= 1.0 + 0.2 * std::sin(kTwoPi * v.beat * t + shimmerPhase);
      out[first + n] += v.amplitude * edges.At(t, v.length) * level * std::sin(kTwoPi * f * t);
    }
  }
}

void AddNoise(Buffer& out, double start, const NoiseBurst& b) {
  Reserve(out, start, b.length);
  const std::size_t first = SampleIndex(start);
  const std::size_t count = SampleIndex(b.length);
  Noise noise(b.seed);
  BandPass filter;
  LowPass soften(b.lowpass);
  // White noise through a narrow band loses most of its power; scaling by the
  // band's share of the spectrum keeps a burst's loudness independent of q.
  const double bandwidth = std::numbers::pi / 2.0 * b.centre / b.q;
  const double gain = std::sqrt(kNyquist / std::max(bandwidth, 1.0));
  filter.Tune(b.centre, b.q);
  for (std::size_t n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / kSampleRate;
    if (b.centreTo > 0.0 && n % 32 == 0)
      filter.Tune(b.centre * std::pow(b.centreTo / b.centre, t / b.length), b.q);
    const double sample = soften.Process(filter.Process(noise.Next())) * gain;
    out[first + n] += b.amplitude * b.envelope.At(t, b.length) * sample;
  }
}

void Finish(Buffer& clip, double peakDb) {
  // DC blocker with its corner near 7 Hz: inaudible, but a tap's asymmetric
  // thump no longer leaves the speaker cone displaced.
  double previousIn = 0.0;
  double previousOut = 0.0;
  for (double& s : clip) {
    const double y = s - previousIn + 0.999 * previousOut;
    previousIn = s;
    previousOut = y;
    s = y;
  }
  const std::size_t fadeIn = std::min(clip.size(), SampleIndex(0.001));
  const std::size_t fadeOut = std::min(clip.size(), SampleIndex(0.008));
  for (std::size_t n = 0; n < fadeIn; ++n) clip[n] *= RaisedCosine(static_cast<double>(n) / fadeIn);
  for (std::size_t n = 0; n < fadeOut; ++n)
    clip[clip.size() - 1 - n] *= RaisedCosine(static_cast<double>(n) / fadeOut);

  double peak = 0.0;
  for (double s : clip) peak = std::max(peak, std::abs(s));
  if (peak <= 0.0) return;
  const double scale = std::pow(10.0, peakDb / 20.0) / peak;
  for (double& s : clip) s *= scale;
}

std::vector<std::int16_t> ToPcm16(const Buffer& clip) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(clip.size());
  for (double s : clip) {
    const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
    pcm.push_back(static_cast<std::int16_t>(v));
  }
  return pcm;
}

}  // namespace tolva::wavegen
