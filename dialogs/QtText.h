// The program keeps its texts as UTF-8 string views; Qt wants QString.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

#include "res/Translation.h"

namespace tolva {

inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program in the player's language: its translation in
// `context` (text_context, res/Translation.h) when English is installed, the
// text itself otherwise. `disambiguation` tells apart two uses of the same Japanese that read
// differently in English.
inline QString Tr(const char* context, std::string_view text, const char* disambiguation = nullptr) {
  return QCoreApplication::translate(context, std::string(text).c_str(), disambiguation);
}

}  // namespace tolva
