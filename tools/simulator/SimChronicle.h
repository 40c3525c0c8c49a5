// tolva-sim --chronicle FILE: the simulated games kept in a chronicle
// database exactly as the program keeps them (the same store and tables), so
// that the chronicle window can be looked at with thousands of games. The
// simulated games are stamped three minutes apart from the moment the
// simulation starts, as if each had been played at an unhurried pace.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "table/Chronicle.h"

namespace tolva::sim {

class SimChronicle {
 public:
  explicit SimChronicle(const std::string& path);
  ~SimChronicle();
  SimChronicle(const SimChronicle&) = delete;
  SimChronicle& operator=(const SimChronicle&) = delete;

  // What went wrong, opening the file or since; empty while all is well.
  const std::string& Problem() const { return problem_; }
  // What the player should know that did not stop it: a damaged file set aside.
  const std::string& Notice() const { return notice_; }
  // Writes one entry (each in a transaction of its own, as the program does).
  void Keep(const ChronicleEntry& entry);

 private:
  struct Store;
  std::unique_ptr<Store> store_;
  std::string problem_;
  std::string notice_;
  std::int64_t clock_ = 0;  // the stamp of the next game
};

}  // namespace tolva::sim
