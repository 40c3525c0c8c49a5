// The other process of the settings tests: it opens the user's profile through
// its own store and answers one command per line on stdin, one line on stdout.
//
//   now | view | hand <seat>            → the value read at that moment
//   set-now <n> | set-view <n> |
//   set-hand <seat> [<text>]            → "ok" once the value is written
//   quit
//
// Texts are printed after "= " so an empty hand is a line of its own.
#include <QCoreApplication>
#include <iostream>
#include <sstream>
#include <string>

#include "app/QtSettingsStore.h"
#include "table/SettingsSchema.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  tolva::QtSettingsStore store;
  tolva::Settings settings(store);

  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    int number = 0;
    if (command == "now") {
      std::cout << settings.CunNow() << std::endl;
    } else if (command == "view") {
      std::cout << settings.CunningView() << std::endl;
    } else if (command == "hand" && words >> number) {
      std::cout << "= " << settings.CunHand(number) << std::endl;
    } else if (command == "set-now" && words >> number) {
      settings.SetCunNow(number);
      std::cout << "ok" << std::endl;
    } else if (command == "set-view" && words >> number) {
      settings.SetCunningView(number);
      std::cout << "ok" << std::endl;
    } else if (command == "set-hand" && words >> number) {
      std::string text;
      words >> text;
      settings.SetCunHand(number, text);
      std::cout << "ok" << std::endl;
    } else if (command == "quit") {
      return 0;
    } else {
      std::cout << "? " << line << std::endl;
    }
  }
  return 0;
}
