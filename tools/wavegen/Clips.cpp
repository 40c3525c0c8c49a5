// Recipes of the sound cues. Levels are balanced by ear-loudness rather than
// by peak: the struck and plucked cues peak at -6 to -7 dBFS, the sustained
// reed calls, whose energy is spread evenly, at -10 dBFS, and the cues that
// repeat quickly (the cursor, the marks, the route bells) at -8 to -9 dBFS, so
// a long session stays easy on the ears.
// The cues the game waits for (153, 159, 160, 167) stay well under a second.
#include "tools/wavegen/Clips.h"

#include <array>

#include "tools/wavegen/Instruments.h"

namespace tolva::wavegen {

namespace {

// Note numbers used below.
constexpr int C3 = 48, A3 = 57;
constexpr int C4 = 60, G4 = 67, A4 = 69, B4 = 71;
constexpr int C5 = 72, Cs5 = 73, D5 = 74, E5 = 76, Fs5 = 78, G5 = 79, A5 = 81;
constexpr int C6 = 84, D6 = 86, E6 = 88, A6 = 93, B6 = 95;
constexpr int C7 = 96, D7 = 98, E7 = 100, G6 = 91;

Buffer Discard() {  // 143: a card lands in the river
  Buffer b = Silence(0.15);
  CardTap(b, 0.0, 1.0, 0.35, 143);
  AddRoom(b, 0.05, 0.1);
  Finish(b, -7.0);
  return b;
}

Buffer Seventy() {  // 147: a bright brass arpeggio up to a held chord
  Buffer b = Silence(1.25);
  const std::array<int, 4> run = {D5, Fs5, A5, D6};
  for (std::size_t i = 0; i < run.size(); ++i) Brass(b, 0.085 * i, Midi(run[i]), 0.22, 0.5);
  for (int note : {D5, Fs5, A5, D6}) Brass(b, 0.36, Midi(note), 0.85, 0.28);
  Glockenspiel(b, 0.36, Midi(D7), 0.8, 0.18);
  AddRoom(b, 0.18, 0.5);
  Finish(b, -6.0);
  return b;
}

Buffer DrawnGame() {  // 148: the game flows away, a gentle falling phrase
  Buffer b = Silence(0.95);
  Flute(b, 0.00, Midi(E5), 0.34, 0.6);
  Flute(b, 0.24, Midi(C5), 0.34, 0.6);
  Flute(b, 0.48, Midi(A4), 0.46, 0.65);
  AddRoom(b, 0.2, 0.5);
  Finish(b, -8.0);
  return b;
}

Buffer Tsumo() {  // 150: a bright chime rising a fifth
  Buffer b = Silence(1.0);
  Glockenspiel(b, 0.00, Midi(E6), 0.95, 0.6);
  Glockenspiel(b, 0.09, Midi(B6), 0.90, 0.6);
  Glockenspiel(b, 0.18, Midi(E7), 0.80, 0.2);
  AddRoom(b, 0.15, 0.5);
  Finish(b, -6.0);
  return b;
}

Buffer Tolva() {  // 151: the game's own fanfare, three pick-ups and a broad chord
  Buffer b = Silence(1.45);
  for (int i = 0; i < 3; ++i) Brass(b, 0.105 * i, Midi(G4), 0.09, 0.8);
  for (int note : {C4, G4, C5, E5}) Brass(b, 0.33, Midi(note), 1.05, 0.27);
  Glockenspiel(b, 0.33, Midi(C7), 0.9, 0.12);
  Glockenspiel(b, 0.45, Midi(G6), 0.8, 0.08);
  AddRoom(b, 0.18, 0.6);
  Finish(b, -6.0);
  return b;
}

Buffer WinOnDiscard() {  // 152: a strummed chord with a bell on top
  Buffer b = Silence(1.0);
  const std::array<int, 5> chord = {A3, A4, Cs5, E5, A5};
  for (std::size_t i = 0; i < chord.size(); ++i) Pluck(b, 0.018 * i, Midi(chord[i]), 0.9, 0.32);
  Bell(b, 0.10, Midi(A6), 0.85, 0.15);
  AddRoom(b, 0.15, 0.5);
  Finish(b, -6.0);
  return b;
}

Buffer ComputerPon() {  // 153: a two-note call (the game waits for it)
  Buffer b = Silence(0.44);
  Reed(b, 0.00, Midi(E5), 0.17, 0.7);
  Reed(b, 0.20, Midi(A5), 0.22, 0.7);
  AddRoom(b, 0.1, 0.3);
  Finish(b, -10.0);
  return b;
}

Buffer WentOut() {  // 154: a quick wooden run up to a ringing top note
  Buffer b = Silence(0.9);
  const std::array<int, 6> run = {C5, D5, E5, G5, A5, C6};
  for (std::size_t i = 0; i < run.size(); ++i)
    Marimba(b, 0.055 * i, Midi(run[i]), i + 1 == run.size() ? 0.6 : 0.25, 0.55);
  Glockenspiel(b, 0.275, Midi(C7), 0.55, 0.12);
  AddRoom(b, 0.15, 0.4);
  Finish(b, -6.0);
  return b;
}

Buffer CursorMove() {  // 155: a tiny tick
  Buffer b = Silence(0.04);
  AddFm(b, 0.0,
        {.frequency = 2100.0, .length = 0.035, .amplitude = 1.0, .ratio = 1.5, .index = 0.6,
         .indexDecay = 0.004,
         .envelope = {.attack = 0.0005, .hold = 0.0, .decay = 0.006, .release = 0.01}});
  Finish(b, -9.0);
  return b;
}

Buffer MarkToggle() {  // 156: a soft wooden click
  Buffer b = Silence(0.07);
  AddFm(b, 0.0,
        {.frequency = 950.0, .length = 0.06, .amplitude = 1.0, .ratio = 1.41, .index = 1.0,
         .indexDecay = 0.008,
         .envelope = {.attack = 0.0008, .hold = 0.0, .decay = 0.013, .release = 0.02}});
  AddNoise(b, 0.0,
           {.length = 0.02, .amplitude = 0.15, .centre = 3200.0, .q = 1.5, .seed = 156,
            .envelope = {.attack = 0.0004, .hold = 0.0, .decay = 0.003, .release = 0.008}});
  Finish(b, -9.0);
  return b;
}

Buffer RouteFifth() {  // 157: a single small high bell
  Buffer b = Silence(0.3);
  Glockenspiel(b, 0.0, Midi(A6), 0.3, 1.0);
  Finish(b, -9.0);
  return b;
}

Buffer RouteTenth() {  // 158: a lower two-stroke bell, ding-dong
  Buffer b = Silence(0.45);
  Bell(b, 0.00, Midi(E5), 0.25, 0.6);
  Bell(b, 0.12, Midi(B4), 0.33, 0.6);
  AddRoom(b, 0.1, 0.3);
  Finish(b, -8.0);
  return b;
}

Buffer Reach() {  // 159: a gong (the game waits for it)
  Buffer b = Silence(0.82);
  Gong(b, 0.0, Midi(C3), 0.8, 1.0);
  Gong(b, 0.0, Midi(C4) * 1.007, 0.8, 0.25);  // a brighter second plate, slightly off
  Finish(b, -6.0);
  return b;
}

Buffer ComputerKan() {  // 160: a three-note call (the game waits for it)
  Buffer b = Silence(0.6);
  Reed(b, 0.00, Midi(D5), 0.13, 0.7);
  Reed(b, 0.15, Midi(D5), 0.13, 0.7);
  Reed(b, 0.30, Midi(A5), 0.28, 0.7);
  AddRoom(b, 0.1, 0.3);
  Finish(b, -10.0);
  return b;
}

Buffer Refused() {  // 161: a low, dull thud
  Buffer b = Silence(0.26);
  AddFm(b, 0.0,
        {.frequency = 120.0, .length = 0.25, .amplitude = 0.9, .ratio = 1.0, .index = 2.0,
         .indexDecay = 0.018, .glideTo = 70.0, .glideTime = 0.05,
         .envelope = {.attack = 0.002, .hold = 0.0, .decay = 0.07, .release = 0.08}});
  // A muffled hollow tone on top, so the thud still speaks through small
  // laptop speakers that cannot play its low body.
  AddFm(b, 0.0,
        {.frequency = 185.0, .length = 0.16, .amplitude = 0.4, .ratio = 2.0, .index = 1.2,
         .indexDecay = 0.03, .sustainIndex = 0.4,
         .envelope = {.attack = 0.003, .hold = 0.0, .decay = 0.05, .release = 0.06}});
  AddNoise(b, 0.0,
           {.length = 0.08, .amplitude = 0.3, .centre = 320.0, .q = 0.7, .lowpass = 1200.0,
            .seed = 161,
            .envelope = {.attack = 0.001, .hold = 0.0, .decay = 0.02, .release = 0.03}});
  Finish(b, -6.0);
  return b;
}

Buffer KeyDraw() {  // 162: a card slides off the pile and is set down
  Buffer b = Silence(0.18);
  CardSlide(b, 0.0, 0.11, 0.5, 162);
  CardTap(b, 0.095, 0.45, 0.6, 1162);
  Finish(b, -7.0);
  return b;
}

Buffer ComputerExposes() {  // 163: three cards laid down one after the other
  Buffer b = Silence(0.24);
  CardTap(b, 0.000, 0.8, 0.55, 163);
  CardTap(b, 0.055, 0.7, 0.65, 263);
  CardTap(b, 0.110, 0.75, 0.45, 363);
  AddRoom(b, 0.05, 0.1);
  Finish(b, -7.0);
  return b;
}

Buffer ReachSecond() {  // 167: the Reach coin clinks onto the table (waited for)
  Buffer b = Silence(0.42);
  Coin(b, 0.00, 2637.0, 0.30, 0.8);
  Coin(b, 0.075, 2794.0, 0.33, 0.55);
  AddRoom(b, 0.12, 0.3);
  Finish(b, -8.0);
  return b;
}

constexpr std::array<ClipRecipe, 18> kClips = {{
    {143, "a discard lands in the river", Discard},
    {147, "Seventy declared", Seventy},
    {148, "drawn game", DrawnGame},
    {150, "Tsumo", Tsumo},
    {151, "Tolva declared", Tolva},
    {152, "win on a discard", WinOnDiscard},
    {153, "a computer calls Pon", ComputerPon},
    {154, "a seat went out", WentOut},
    {155, "keyboard cursor moves", CursorMove},
    {156, "selection mark toggled", MarkToggle},
    {157, "route: fifth step", RouteFifth},
    {158, "route: tenth step", RouteTenth},
    {159, "Reach declared", Reach},
    {160, "a computer calls Kan", ComputerKan},
    {161, "action refused", Refused},
    {162, "card drawn or taken by key", KeyDraw},
    {163, "a computer exposes cards", ComputerExposes},
    {167, "second Reach cue", ReachSecond},
}};

}  // namespace

std::span<const ClipRecipe> AllClips() { return kClips; }

}  // namespace tolva::wavegen
