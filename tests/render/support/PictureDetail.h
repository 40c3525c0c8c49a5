// Telling a picture drawn at its size from one enlarged from a smaller one.
#pragma once

#include <QImage>
#include <QRect>

namespace tolva::testing {

// The number of steps from one pixel to the next (across or down) inside `r`
// as steep as an edge drawn at the picture's own pixels makes them: an
// enlarged picture changes in gentle ramps and has few.
int SteepSteps(const QImage& image, const QRect& r);

// The share of the 2 x 2 blocks in `r` with an edge inside them (two pixels
// apart by more than a gradient's step): none in a picture doubled pixel for
// pixel.
double MixedBlocks(const QImage& image, const QRect& r);

}  // namespace tolva::testing
