// The few building blocks the game's sound clips are made of: envelopes, FM
// and additive voices, filtered noise, and the finishing touches that keep a
// clip free of clicks and clipping. Everything is deterministic: the noise
// comes from a fixed-seed generator, so the same build writes the same bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tolva::wavegen {

inline constexpr int kSampleRate = 44100;

// A clip under construction: mono samples at kSampleRate, nominally in -1..1.
using Buffer = std::vector<double>;

Buffer Silence(double seconds);

// Amplitude over a note's life: a raised-cosine rise, an optional hold at
// full level, an exponential fall, and a raised-cosine fade to exact silence
// at the end of the note so nothing ever stops with a click.
struct Envelope {
  double attack = 0.004;   // seconds
  double hold = 0.0;       // seconds at full level after the attack
  double decay = 0.25;     // time constant of the fall in seconds; 0 keeps the level
  double release = 0.02;   // length of the closing fade, inside the note's length
  double At(double t, double length) const;
};

// A two-operator FM voice (one modulator on one carrier). With index 0 it is
// a plain sine; a falling index gives the bright-then-mellow strike of bells,
// mallets and brass.
struct FmVoice {
  double frequency = 440.0;
  double length = 0.3;          // seconds
  double amplitude = 1.0;
  double ratio = 1.0;           // modulator frequency / carrier frequency
  double index = 0.0;           // modulation index at the start of the note
  double indexDecay = 0.0;      // time constant of the index's fall; 0 keeps it
  double sustainIndex = 0.0;    // the index the fall settles at
  double glideTo = 0.0;         // end frequency of an exponential glide; 0 for none
  double glideTime = 0.0;       // time constant of the glide
  double vibratoRate = 0.0;     // Hz
  double vibratoDepth = 0.0;    // fraction of the frequency
  Envelope envelope;
};
void AddFm(Buffer& out, double start, const FmVoice& voice);

// One partial of an additive voice: frequency ratio to the fundamental,
// relative amplitude, and its own decay time constant (high partials of a
// bell or a gong die away sooner than the hum).
struct Partial {
  double ratio;
  double amplitude;
  double decay;
};
struct AdditiveVoice {
  double frequency = 440.0;
  double length = 0.5;
  double amplitude = 1.0;
  double attack = 0.003;
  double release = 0.03;
  double beat = 0.0;            // Hz of a slow shimmer between the partials
  std::span<const Partial> partials;
};
void AddAdditive(Buffer& out, double start, const AdditiveVoice& voice);

// A burst of band-passed noise: the rustle and tap of a card.
struct NoiseBurst {
  double length = 0.05;
  double amplitude = 1.0;
  double centre = 2000.0;       // Hz, band-pass centre
  double q = 1.0;               // band-pass quality
  double centreTo = 0.0;        // the centre glides here over the burst; 0 for none
  double lowpass = 0.0;         // Hz, a further gentle low-pass (12 dB/octave); 0 for none
  std::uint32_t seed = 1;
  Envelope envelope;
};
void AddNoise(Buffer& out, double start, const NoiseBurst& burst);

// Adds the echo of a small room: wet is the level of the echoes (0.1 to 0.3
// is subtle), size 0 to 1 lengthens their fall. The tail is cut where the
// clip ends, so a recipe leaves room for it.
void AddRoom(Buffer& clip, double wet, double size);

// Removes any DC offset, scales the clip so its largest sample lies at
// peakDb (dBFS), and fades the first and last milliseconds so the clip
// starts and ends at silence.
void Finish(Buffer& clip, double peakDb);

// Rounds to 16-bit PCM; values beyond the range are clamped.
std::vector<std::int16_t> ToPcm16(const Buffer& clip);

}  // namespace tolva::wavegen
