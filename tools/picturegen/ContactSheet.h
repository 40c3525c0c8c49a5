// One large picture showing every generated picture with its file name, and
// a small mock table that uses them the way the game does (cards overlapping
// to their 40-pixel strips, keyed plates, coins, digits and cursor), for
// looking the set over at a glance.
#pragma once

#include <QImage>

#include <vector>

#include "Catalogue.h"

namespace tolva::picturegen {

QImage ContactSheet(const std::vector<Picture>& pictures, const QImage& cardSheet);

}  // namespace tolva::picturegen
