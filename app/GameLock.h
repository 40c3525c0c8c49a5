// One game per player: a lock file in the user's runtime folder
// ($XDG_RUNTIME_DIR/TolvaGame.lock) held while the game runs, so that a second
// copy does not play the same campaign and write the same purses. A peek
// window is a process of the game, not a second game, and takes no lock.
//
// QLockFile writes the holder's process number into the file and keeps it
// locked for as long as the holder runs: the lock of a game that was killed
// is taken over by the next start.
#pragma once

#include <QLockFile>
#include <memory>

namespace tolva {

struct GameLock {
  std::unique_ptr<QLockFile> file;  // held while it lives; null when not held
  bool heldByAnotherGame = false;
};

// Takes the lock without waiting. Where no runtime folder can be had the game
// runs without a lock rather than not at all.
GameLock TakeGameLock();

}  // namespace tolva
