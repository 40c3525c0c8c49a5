// wavegen <folder>: writes the game's sound cues as <id>.wav into the folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/wavegen/Clips.h"
#include "tools/wavegen/WavWriter.h"

int main(int argc, char** argv) {
  using namespace tolva::wavegen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: wavegen <output folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "wavegen: cannot create %s: %s\n", folder.c_str(), error.message().c_str());
    return 1;
  }
  for (const ClipRecipe& clip : AllClips()) {
    const std::filesystem::path file = folder / (std::to_string(clip.id) + ".wav");
    if (!WriteWav(file, ToPcm16(clip.make()), kSampleRate)) {
      std::fprintf(stderr, "wavegen: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
