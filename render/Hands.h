// The hands round the table, drawn on the canvas: the far seats 1 and 2 behind
// the table, the near seats 0 and 3 beside it (face down as fans of card
// backs, or face up with their points), and the human's hand at the front;
// with each its name plate and purse; recorded into the canvas's draw list.
#pragma once

#include "render/DrawList.h"
#include "render/HitRects.h"
#include "render/SceneState.h"

namespace tolva {

// Computer seat 0..3, face up or face down.
void DrawComputerSeat(DrawList& list, const SceneState& scene, int seat, bool faceUp,
                      HitRects& hits);

// Seat 4: the cards, their hit areas, the marks, the plate and the purse.
void DrawHumanHand(DrawList& list, const SceneState& scene, HitRects& hits);

// Where card i of a human hand of n cards lies on the canvas.
Rect HumanCardPlace(int n, int i, double viewAngle);

// The fan a face-down hand of n cards shows: the 7-card fan also stands for a
// hand that holds an eighth card between its draw and its discard.
int FanFor(int n);

}  // namespace tolva
