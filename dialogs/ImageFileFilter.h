// The file dialog's filter. The game keeps it in the "text|patterns|...||"
// form with ";" between patterns; Qt's file dialog wants "text (patterns)"
// groups with spaces between patterns, separated by ";;".
#pragma once

#include <QString>
#include <string_view>

namespace tolva {

QString QtFileFilter(std::string_view pipeSeparated);

}  // namespace tolva
