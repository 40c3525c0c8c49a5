#include "tools/wavegen/Instruments.h"

#include <array>
#include <cmath>

namespace tolva::wavegen {

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void Glockenspiel(Buffer& out, double start, double frequency, double length, double amplitude) {
  // Ratios of a free bar's modes; the upper ones sparkle for a moment only.
  static constexpr std::array<Partial, 4> kModes = {{
      {1.0, 1.0, 0.45},
      {2.76, 0.35, 0.12},
      {5.40, 0.15, 0.05},
      {8.93, 0.06, 0.025},
  }};
  AddAdditive(out, start,
              {.frequency = frequency, .length = length, .amplitude = amplitude, .attack = 0.0015,
               .release = 0.04, .beat = 0.0, .partials = kModes});
}

void Bell(Buffer& out, double start, double frequency, double length, double amplitude) {
  AddFm(out, start,
        {.frequency = frequency, .length = length, .amplitude = amplitude, .ratio = 3.5,
         .index = 1.7, .indexDecay = 0.06, .sustainIndex = 0.2,
         .envelope = {.attack = 0.002, .hold = 0.0, .decay = 0.30, .release = 0.05}});
}

void Marimba(Buffer& out, double start, double frequency, double length, double amplitude) {
  static constexpr std::array<Partial, 3> kModes = {{
      {1.0, 1.0, 0.28},
      {3.93, 0.22, 0.035},
      {9.2, 0.05, 0.012},
  }};
  AddAdditive(out, start,
              {.frequency = frequency, .length = length, .amplitude = amplitude, .attack = 0.002,
               .release = 0.04, .beat = 0.0, .partials = kModes});
}

void Brass(Buffer& out, double start, double frequency, double length, double amplitude) {
  const bool held = length > 0.35;
  AddFm(out, start,
        {.frequency = frequency, .length = length, .amplitude = amplitude, .ratio = 1.0,
         .index = 3.0, .indexDecay = 0.07, .sustainIndex = held ? 1.3 : 0.8,
         .vibratoRate = held ? 5.2 : 0.0, .vibratoDepth = held ? 0.004 : 0.0,
         .envelope = {.attack = 0.018, .hold = held ? 0.12 : 0.03, .decay = held ? 0.55 : 0.09,
                      .release = held ? 0.18 : 0.04}});
}

void Pluck(Buffer& out, double start, double frequency, double length, double amplitude) {
  AddFm(out, start,
        {.frequency = frequency, .length = length, .amplitude = amplitude, .ratio = 1.0,
         .index = 2.4, .indexDecay = 0.05, .sustainIndex = 0.2,
         .envelope = {.attack = 0.002, .hold = 0.0, .decay = 0.32, .release = 0.06}});
}

void Reed(Buffer& out, double start, double frequency, double length, double amplitude) {
  // A 1 : 2 modulator gives only odd harmonics: hollow and woody, easy on the ear.
  AddFm(out, start,
        {.frequency = frequency, .length = length, .amplitude = amplitude, .ratio = 2.0,
         .index = 1.5, .indexDecay = 0.05, .sustainIndex = 0.6,
         .envelope = {.attack = 0.010, .hold = 0.02, .decay = 0.075, .release = 0.04}});
}

void Flute(Buffer& out, double start, double frequency, double length, double amplitude) {
  AddFm(out, start,
        {.frequency = frequency, .length = length, .amplitude = amplitude, .ratio = 1.0,
         .index = 0.45, .indexDecay = 0.0, .vibratoRate = 4.8, .vibratoDepth = 0.005,
         .envelope = {.attack = 0.035, .hold = 0.05, .decay = 0.40, .release = 0.10}});
}

void Gong(Buffer& out, double start, double frequency, double length, double amplitude) {
  static constexpr std::array<Partial, 7> kModes = {{
      {1.0, 1.0, 0.70},
      {1.52, 0.55, 0.55},
      {2.03, 0.50, 0.42},
      {2.61, 0.35, 0.30},
      {3.17, 0.25, 0.22},
      {4.08, 0.14, 0.15},
      {5.33, 0.08, 0.09},
  }};
  AddAdditive(out, start,
              {.frequency = frequency, .length = length, .amplitude = amplitude, .attack = 0.012,
               .release = 0.25, .beat = 3.1, .partials = kModes});
  // The felt mallet's soft thump under the first moment.
  AddNoise(out, start,
           {.length = 0.06, .amplitude = amplitude * 0.35, .centre = 260.0, .q = 0.8,
            .lowpass = 900.0, .seed = 7,
            .envelope = {.attack = 0.002, .hold = 0.0, .decay = 0.015, .release = 0.02}});
}

void Coin(Buffer& out, double start, double frequency, double length, double amplitude) {
  static constexpr std::array<Partial, 4> kModes = {{
      {1.0, 1.0, 0.16},
      {1.71, 0.6, 0.11},
      {2.43, 0.45, 0.07},
      {3.36, 0.25, 0.04},
  }};
  AddAdditive(out, start,
              {.frequency = frequency, .length = length, .amplitude = amplitude, .attack = 0.0008,
               .release = 0.03, .beat = 0.0, .partials = kModes});
}

void CardTap(Buffer& out, double start, double amplitude, double brightness, std::uint32_t seed) {
  // The snap of the card's edge ...
  AddNoise(out, start,
           {.length = 0.06, .amplitude = amplitude * 0.55, .centre = 1100.0 + 1800.0 * brightness,
            .q = 1.1, .lowpass = 3500.0 + 3000.0 * brightness, .seed = seed,
            .envelope = {.attack = 0.0006, .hold = 0.0, .decay = 0.010, .release = 0.015}});
  // ... and the soft thump of the cloth under it.
  AddFm(out, start,
        {.frequency = 190.0, .length = 0.09, .amplitude = amplitude * 0.6, .ratio = 1.0,
         .index = 1.2, .indexDecay = 0.01, .glideTo = 120.0, .glideTime = 0.02,
         .envelope = {.attack = 0.001, .hold = 0.0, .decay = 0.022, .release = 0.03}});
}

void CardSlide(Buffer& out, double start, double length, double amplitude, std::uint32_t seed) {
  AddNoise(out, start,
           {.length = length, .amplitude = amplitude, .centre = 1200.0, .q = 1.2,
            .centreTo = 2800.0, .lowpass = 5000.0, .seed = seed,
            .envelope = {.attack = length * 0.45, .hold = 0.0, .decay = length * 0.3,
                         .release = length * 0.35}});
}

}  // namespace tolva::wavegen
