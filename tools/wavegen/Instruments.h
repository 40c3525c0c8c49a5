// The instruments the clips are played on, each a small preset over the
// voices of Synth.h: struck metal, brass, wood, plucked strings and the
// card's own tap and rustle.
#pragma once

#include <cstdint>

#include "tools/wavegen/Synth.h"

namespace tolva::wavegen {

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double Midi(int note);

// Glockenspiel bar: bright, inharmonic, long ring.
void Glockenspiel(Buffer& out, double start, double frequency, double length, double amplitude);
// Small FM bell with a clear strike (carrier to modulator 1 : 3.5).
void Bell(Buffer& out, double start, double frequency, double length, double amplitude);
// Wooden bar: a round tone whose overtone dies at once.
void Marimba(Buffer& out, double start, double frequency, double length, double amplitude);
// Brass stab or held brass note; held notes get a gentle vibrato.
void Brass(Buffer& out, double start, double frequency, double length, double amplitude);
// A plucked string, used strummed for chords.
void Pluck(Buffer& out, double start, double frequency, double length, double amplitude);
// Soft reed call with odd harmonics, like a small horn: the calls Pon and Kan.
void Reed(Buffer& out, double start, double frequency, double length, double amplitude);
// Mellow flute-like tone with a slow attack.
void Flute(Buffer& out, double start, double frequency, double length, double amplitude);
// Gong: a swelling, beating cluster of inharmonic partials over a low hum.
void Gong(Buffer& out, double start, double frequency, double length, double amplitude);
// Coin: a thin, very high metallic clink.
void Coin(Buffer& out, double start, double frequency, double length, double amplitude);
// A card landing on the cloth: a short paper snap over a soft low body.
// brightness 0..1 moves the snap's colour; seed varies the grain.
void CardTap(Buffer& out, double start, double amplitude, double brightness, std::uint32_t seed);
// A card sliding off the stock: a rising rustle.
void CardSlide(Buffer& out, double start, double length, double amplitude, std::uint32_t seed);

}  // namespace tolva::wavegen
