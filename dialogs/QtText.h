// The program keeps its texts as UTF-8 string views; Qt wants QString.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace tolva {

inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program in the player's language: its translation in
// `context` when English is installed, the text itself otherwise.
// `disambiguation` tells apart two uses of the same Japanese that read
// differently in English.
inline QString Tr(const char* context, std::string_view text, const char* disambiguation = nullptr) {
  return QCoreApplication::translate(context, std::string(text).c_str(), disambiguation);
}

// The contexts of the texts the shell and the dialogs hold themselves.
namespace qt_context {
inline constexpr char kMenus[] = "Menus";
inline constexpr char kDialogs[] = "Dialogs";
inline constexpr char kChronicle[] = "Chronicle";
inline constexpr char kMessages[] = "Messages";
inline constexpr char kHoverHelp[] = "HoverHelp";
inline constexpr char kTitles[] = "Titles";
inline constexpr char kSeatNames[] = "SeatNames";
inline constexpr char kCityNames[] = "CityNames";
inline constexpr char kStory[] = "Story";
}  // namespace qt_context

}  // namespace tolva
