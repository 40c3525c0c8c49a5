// The sound cues: every wave the game plays is in the program's resources and
// has a length to wait for; WAV headers are read safely.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include "app/PulseOutput.h"
#include "app/WaveFile.h"
#include "app/WavePlayer.h"
#include "res/ResourceIds.h"

namespace tolva {
namespace {

void Append32(QByteArray& bytes, quint32 value) {
  char raw[4];
  qToLittleEndian(value, raw);
  bytes.append(raw, 4);
}
void Append16(QByteArray& bytes, quint16 value) {
  char raw[2];
  qToLittleEndian(value, raw);
  bytes.append(raw, 2);
}

// A PCM WAV file of `dataBytes` silent bytes, optionally with a chunk of odd
// length before the data.
QByteArray Wave(int rate, int channels, int bits, quint32 dataBytes, bool oddChunk = false) {
  QByteArray fmt;
  Append16(fmt, 1);
  Append16(fmt, static_cast<quint16>(channels));
  Append32(fmt, static_cast<quint32>(rate));
  Append32(fmt, static_cast<quint32>(rate * channels * bits / 8));
  Append16(fmt, static_cast<quint16>(channels * bits / 8));
  Append16(fmt, static_cast<quint16>(bits));
  QByteArray body = "WAVE";
  body += "fmt ";
  Append32(body, static_cast<quint32>(fmt.size()));
  body += fmt;
  if (oddChunk) {
    body += "LIST";
    Append32(body, 3);
    body += "abc";
    body += '\0';  // the pad byte
  }
  body += "data";
  Append32(body, dataBytes);
  body += QByteArray(static_cast<qsizetype>(dataBytes), '\0');
  QByteArray file = "RIFF";
  Append32(file, static_cast<quint32>(body.size()));
  return file + body;
}

TEST(WaveFile, LengthFollowsTheByteRate) {
  EXPECT_EQ(WaveDurationMs(Wave(44100, 1, 16, 88200)), 1000);
  EXPECT_EQ(WaveDurationMs(Wave(22050, 2, 16, 44100)), 500);
  EXPECT_EQ(WaveDurationMs(Wave(8000, 1, 8, 1)), 1);  // rounded up: a clip is never 0 long
  EXPECT_EQ(WaveDurationMs(Wave(44100, 1, 16, 0)), 0);
}

TEST(WaveFile, ChunksOfOddLengthAreSkippedWithTheirPadByte) {
  EXPECT_EQ(WaveDurationMs(Wave(44100, 1, 16, 44100, true)), 500);
}

TEST(WaveFile, ADataSizeBeyondTheFileIsBoundByItsEnd) {
  QByteArray bytes = Wave(1000, 1, 8, 100);
  const qsizetype sizeAt = bytes.indexOf("data") + 4;
  qToLittleEndian<quint32>(0xFFFFFFFFu, bytes.data() + sizeAt);
  EXPECT_EQ(WaveDurationMs(bytes), 100);
}

TEST(WaveFile, WhatIsNoWaveHasNoLength) {
  EXPECT_FALSE(WaveDurationMs(QByteArray()));
  EXPECT_FALSE(WaveDurationMs("RIFF\x10\0\0\0WAVEjunk"));
  EXPECT_FALSE(WaveDurationMs(QByteArray(64, 'x')));
  QByteArray noData = Wave(44100, 1, 16, 10);
  noData.truncate(noData.indexOf("data"));
  EXPECT_FALSE(WaveDurationMs(noData));
  QByteArray noRate = Wave(44100, 1, 16, 10);
  qToLittleEndian<quint32>(0, noRate.data() + noRate.indexOf("fmt ") + 16);
  EXPECT_FALSE(WaveDurationMs(noRate));
}

TEST(Waves, EveryCueOfTheGameIsEmbeddedWithALength) {
  const WavePlayer player;
  ASSERT_EQ(WavePlayer::WaveIds().size(), 18u);
  for (const int id : WavePlayer::WaveIds()) {
    QFile file(WavePlayer::ResourcePath(id));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << id;
    const std::optional<int> ms = WaveDurationMs(file.readAll());
    ASSERT_TRUE(ms) << id;
    EXPECT_GT(*ms, 0) << id;
    EXPECT_TRUE(player.Has(id)) << id;
    EXPECT_EQ(player.DurationMs(id), *ms) << id;
  }
}

TEST(Waves, TheCuesTheGameWaitsForAreShort) {
  const WavePlayer player;
  for (const int id : {kWaveComputerPon, kWaveReach, kWaveComputerKan, kWaveReachSecond}) {
    EXPECT_GT(player.DurationMs(id), 0) << id;
    EXPECT_LT(player.DurationMs(id), 2000) << id;
  }
}

TEST(Waves, WithoutAnOutputAClipHoldsItsLengthAndUnknownIdsPlayNothing) {
  WavePlayer player;  // no output asked for: silent
  EXPECT_FALSE(player.Audible());
  EXPECT_EQ(player.Play(kWaveDiscardLands), player.DurationMs(kWaveDiscardLands));
  EXPECT_EQ(player.Play(kWaveRefused), player.DurationMs(kWaveRefused));  // cuts off the one before
  EXPECT_EQ(player.Play(12345), 0);
  EXPECT_EQ(player.DurationMs(12345), 0);
  EXPECT_FALSE(player.Has(12345));
}

TEST(WaveFile, TheSamplesAndTheirFormatComeFromTheFormatAndDataChunks) {
  QByteArray bytes = Wave(22050, 2, 16, 8, true);
  bytes.replace(bytes.size() - 8, 8, "ABCDEFGH");
  const std::optional<WavePcm> wave = ReadWave(bytes);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->format, 1);
  EXPECT_EQ(wave->channels, 2);
  EXPECT_EQ(wave->sampleRate, 22050);
  EXPECT_EQ(wave->bitsPerSample, 16);
  EXPECT_EQ(wave->samples, QByteArray("ABCDEFGH"));
  bytes.chop(3);  // a file cut short keeps what it has
  EXPECT_EQ(ReadWave(bytes)->samples, QByteArray("ABCDE"));
}

TEST(Waves, WithoutASoundServerTheClipsPlayInSilenceAndHoldTheirLength) {
  // An address where no server listens: nothing is heard, nothing waits for
  // it, and the clips keep their lengths.
  const QByteArray before = qgetenv("PULSE_SERVER");
  qputenv("PULSE_SERVER", "unix:/nonexistent/tolvagame-test/native");
  {
    WavePlayer player;
    player.UseDefaultOutput();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(player.Play(kWaveReach), player.DurationMs(kWaveReach));
      EXPECT_FALSE(player.Audible());
    }
    PulseOutput output(44100, 1);
    EXPECT_FALSE(output.Play(QByteArray(882, '\0')));
    output.Rest();
  }
  if (before.isEmpty()) {
    qunsetenv("PULSE_SERVER");
  } else {
    qputenv("PULSE_SERVER", before);
  }
}

}  // namespace
}  // namespace tolva
