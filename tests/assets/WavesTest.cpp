// The generated sound cues: every wave the game plays exists, is a clean
// 16-bit mono clip, short, never clipped, and unlike every other cue.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "res/ResourceIds.h"
#include "tests/assets/AssetFiles.h"

namespace tolva {
namespace {

using testing::ParseWave;
using testing::ReadWholeFile;
using testing::WaveClip;

constexpr std::array<int, 18> kAllWaves = {
    kWaveDiscardLands, kWaveSeventy,       kWaveDrawnGame,    kWaveTsumo,
    kWaveTolva,        kWaveWinOnDiscard,  kWaveComputerPon,  kWaveWentOut,
    kWaveCursorMove,   kWaveMarkToggle,    kWaveRouteFifth,   kWaveRouteTenth,
    kWaveReach,        kWaveComputerKan,   kWaveRefused,      kWaveKeyDraw,
    kWaveComputerExposes, kWaveReachSecond,
};
// The game waits for these to finish before it goes on.
constexpr std::array<int, 4> kPlayedToTheirEnd = {kWaveComputerPon, kWaveReach, kWaveComputerKan,
                                                 kWaveReachSecond};

std::filesystem::path WaveFile(const std::filesystem::path& folder, int id) {
  return folder / (std::to_string(id) + ".wav");
}

double Db(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9) / 32768.0); }

int Peak(const WaveClip& clip) {
  int peak = 0;
  for (std::int16_t s : clip.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

double Rms(const WaveClip& clip) {
  double sum = 0.0;
  for (std::int16_t s : clip.samples) sum += static_cast<double>(s) * s;
  return clip.samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(clip.samples.size()));
}

// A rough pitch: half the zero crossings per second, counted over the loud
// stretch of the clip (from the first to the last sample above a quarter of
// the peak), where the strongest partial sets the crossings.
double DominantFrequency(const WaveClip& clip) {
  const int threshold = Peak(clip) / 4;
  const auto loud = [&](std::int16_t s) { return std::abs(static_cast<int>(s)) >= threshold; };
  const auto first = std::find_if(clip.samples.begin(), clip.samples.end(), loud);
  const auto last = std::find_if(clip.samples.rbegin(), clip.samples.rend(), loud).base();
  if (first >= last) return 0.0;
  int crossings = 0;
  for (auto it = first + 1; it != last; ++it)
    if ((*(it - 1) < 0) != (*it < 0)) ++crossings;
  return crossings * clip.sampleRate / (2.0 * static_cast<double>(last - first));
}

// Normalised correlation of two clips over their common length: 1 for the
// same waveform at any gain.
double Similarity(const WaveClip& a, const WaveClip& b) {
  const std::size_t n = std::min(a.samples.size(), b.samples.size());
  double ab = 0, aa = 0, bb = 0;
  for (std::size_t i = 0; i < n; ++i) {
    ab += static_cast<double>(a.samples[i]) * b.samples[i];
    aa += static_cast<double>(a.samples[i]) * a.samples[i];
    bb += static_cast<double>(b.samples[i]) * b.samples[i];
  }
  return aa > 0 && bb > 0 ? std::abs(ab) / std::sqrt(aa * bb) : 0.0;
}

class WavesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    clips_ = new std::map<int, WaveClip>;
    for (int id : kAllWaves) {
      const auto bytes = ReadWholeFile(WaveFile(TOLVA_WAVE_DIR, id));
      if (!bytes) continue;
      const auto parsed = ParseWave(*bytes);
      if (parsed.clip) (*clips_)[id] = *parsed.clip;
    }
  }
  static void TearDownTestSuite() {
    delete clips_;
    clips_ = nullptr;
  }
  static const WaveClip& Clip(int id) { return clips_->at(id); }
  static std::map<int, WaveClip>* clips_;
};
std::map<int, WaveClip>* WavesTest::clips_ = nullptr;

TEST_F(WavesTest, EveryCueIsA16BitMonoPcmClipAt44kHz) {
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    const auto bytes = ReadWholeFile(WaveFile(TOLVA_WAVE_DIR, id));
    ASSERT_TRUE(bytes) << "missing " << WaveFile(TOLVA_WAVE_DIR, id);
    const auto parsed = ParseWave(*bytes);
    ASSERT_TRUE(parsed.clip) << parsed.error;
    EXPECT_EQ(parsed.clip->formatTag, 1);
    EXPECT_EQ(parsed.clip->channels, 1);
    EXPECT_EQ(parsed.clip->bitsPerSample, 16);
    EXPECT_EQ(parsed.clip->sampleRate, 44100);
  }
}

TEST_F(WavesTest, TheFolderHoldsNoStrayClips) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TOLVA_WAVE_DIR)) {
    const int id = std::atoi(entry.path().stem().c_str());
    EXPECT_NE(std::find(kAllWaves.begin(), kAllWaves.end(), id), kAllWaves.end())
        << entry.path();
    ++count;
  }
  EXPECT_EQ(count, static_cast<int>(kAllWaves.size()));
}

TEST_F(WavesTest, CuesTheGameWaitsForStayWellUnderASecond) {
  for (int id : kPlayedToTheirEnd) {
    SCOPED_TRACE(id);
    EXPECT_LT(Clip(id).Seconds(), 0.9);
  }
}

TEST_F(WavesTest, EveryCueIsShort) {
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    EXPECT_GE(Clip(id).Seconds(), 0.02);
    EXPECT_LE(Clip(id).Seconds(), 1.6);
  }
  // The route bells sound every half second; each must be over before the next.
  EXPECT_LT(Clip(kWaveRouteFifth).Seconds(), 0.5);
  EXPECT_LT(Clip(kWaveRouteTenth).Seconds(), 0.5);
  // The cursor tick follows every key press.
  EXPECT_LT(Clip(kWaveCursorMove).Seconds(), 0.1);
}

TEST_F(WavesTest, NoCueClipsAndEachPeaksNearMinusSixDb) {
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    const WaveClip& clip = Clip(id);
    const auto extreme = std::minmax_element(clip.samples.begin(), clip.samples.end());
    EXPECT_GT(*extreme.first, -32768);
    EXPECT_LT(*extreme.second, 32767);
    EXPECT_LE(Db(Peak(clip)), -5.0);
    EXPECT_GE(Db(Peak(clip)), -12.0);
  }
}

TEST_F(WavesTest, EveryCueIsAudible) {
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    EXPECT_GT(Db(Rms(Clip(id))), -40.0);
  }
}

TEST_F(WavesTest, CuesStartAndEndInSilenceWithoutOffset) {
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    const WaveClip& clip = Clip(id);
    ASSERT_FALSE(clip.samples.empty());
    EXPECT_LE(std::abs(static_cast<int>(clip.samples.front())), 16);
    EXPECT_LE(std::abs(static_cast<int>(clip.samples.back())), 16);
    double sum = 0.0;
    for (std::int16_t s : clip.samples) sum += s;
    EXPECT_LT(std::abs(sum / static_cast<double>(clip.samples.size())), 0.01 * 32768);
  }
}

TEST_F(WavesTest, NoTwoCuesSoundAlike) {
  for (std::size_t i = 0; i < kAllWaves.size(); ++i) {
    for (std::size_t j = i + 1; j < kAllWaves.size(); ++j) {
      const WaveClip& a = Clip(kAllWaves[i]);
      const WaveClip& b = Clip(kAllWaves[j]);
      SCOPED_TRACE(std::to_string(kAllWaves[i]) + " vs " + std::to_string(kAllWaves[j]));
      EXPECT_NE(a.samples, b.samples);
      EXPECT_LT(Similarity(a, b), 0.8);
    }
  }
}

TEST_F(WavesTest, TenthStepBellSoundsLowerThanFifthStepBell) {
  // The two route bells alternate every half second; they must be told apart.
  EXPECT_LT(DominantFrequency(Clip(kWaveRouteTenth)), 0.7 * DominantFrequency(Clip(kWaveRouteFifth)));
}

TEST_F(WavesTest, RefusalIsALowSoundAndTheCursorTickAHighOne) {
  const double refused = DominantFrequency(Clip(kWaveRefused));
  EXPECT_GT(refused, 40.0);
  EXPECT_LT(refused, 400.0);
  EXPECT_GT(DominantFrequency(Clip(kWaveCursorMove)), 1000.0);
}

TEST_F(WavesTest, TheGeneratorWritesTheSameBytesEveryTime) {
  const std::filesystem::path again =
      std::filesystem::temp_directory_path() / "tolva_wavegen_again";
  std::filesystem::remove_all(again);
  const std::string command = std::string("\"") + TOLVA_WAVEGEN + "\" \"" + again.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (int id : kAllWaves) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(ReadWholeFile(WaveFile(again, id)) == ReadWholeFile(WaveFile(TOLVA_WAVE_DIR, id)))
        << "a second run wrote different bytes";
  }
  std::filesystem::remove_all(again);
}

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
          static_cast<char>(v >> 24)};
}

// A minimal 16-bit mono file holding the given data chunk.
std::string TinyWave(const std::string& data) {
  const std::string format = "fmt " + Le32(16) + std::string("\x01\x00\x01\x00", 4) + Le32(44100) +
                             Le32(88200) + std::string("\x02\x00\x10\x00", 4);
  const std::string body = "WAVE" + format + "data" + Le32(static_cast<std::uint32_t>(data.size())) + data;
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

TEST(WaveParser, ReadsTheFormatAndTheSamplesOfAWellFormedFile) {
  const auto parsed = ParseWave(TinyWave(std::string("\x01\x00\xff\xff", 4)));
  ASSERT_TRUE(parsed.clip) << parsed.error;
  EXPECT_EQ(parsed.clip->formatTag, 1);
  EXPECT_EQ(parsed.clip->channels, 1);
  EXPECT_EQ(parsed.clip->sampleRate, 44100);
  EXPECT_EQ(parsed.clip->bitsPerSample, 16);
  EXPECT_EQ(parsed.clip->samples, (std::vector<std::int16_t>{1, -1}));
}

TEST(WaveParser, RefusesFilesThatAreNotWellFormed) {
  EXPECT_FALSE(ParseWave("").clip);
  EXPECT_FALSE(ParseWave("RIFF" + Le32(100) + "WAVE").clip);  // size disagrees with the file
  std::string longChunk = TinyWave("");
  longChunk.replace(16, 4, Le32(1000));  // the format chunk claims more than the file holds
  EXPECT_FALSE(ParseWave(longChunk).clip);
  std::string noData = TinyWave("");
  noData.resize(noData.size() - 8);  // drop the data chunk header
  noData.replace(4, 4, Le32(static_cast<std::uint32_t>(noData.size() - 8)));
  EXPECT_FALSE(ParseWave(noData).clip);
}

}  // namespace
}  // namespace tolva
