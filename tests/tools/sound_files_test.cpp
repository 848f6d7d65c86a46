#include "tools/sounds/sound_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <sstream>

namespace velkor {
namespace {

using sounds::Bytes;

const char* const kWavs[] = {"vmin.wav", "vmid.wav", "vmax.wav", "drop.wav", "meetwall.wav"};
const char* const kMidis[] = {"menu.mid", "record.mid", "game1.mid", "game2.mid", "game3.mid"};

Bytes asset(const std::string& name) {
  std::ifstream in(std::string(VELKOR_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le(const Bytes& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
  return v;
}
std::uint32_t be(const Bytes& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | b.at(at + static_cast<std::size_t>(i));
  return v;
}
std::string tag(const Bytes& b, std::size_t at) {
  const auto from = b.begin() + static_cast<long>(at);
  return std::string(from, from + 4);
}

class WavFile : public ::testing::TestWithParam<const char*> {};

TEST_P(WavFile, IsAShortPcmSoundThatNeitherClipsNorStaysSilent) {
  const Bytes b = asset(GetParam());
  ASSERT_GE(b.size(), 44u);
  EXPECT_EQ(tag(b, 0), "RIFF");
  EXPECT_EQ(le(b, 4, 4), b.size() - 8);
  EXPECT_EQ(tag(b, 8), "WAVE");
  EXPECT_EQ(tag(b, 12), "fmt ");
  EXPECT_EQ(le(b, 16, 4), 16u);
  EXPECT_EQ(le(b, 20, 2), 1u) << "PCM";
  EXPECT_EQ(le(b, 22, 2), 1u) << "mono";
  EXPECT_EQ(le(b, 24, 4), 44100u);
  EXPECT_EQ(le(b, 34, 2), 16u);
  EXPECT_EQ(tag(b, 36), "data");
  const std::uint32_t data = le(b, 40, 4);
  ASSERT_EQ(data, b.size() - 44);
  const double seconds = data / 2.0 / 44100;
  EXPECT_GT(seconds, 0.05);
  EXPECT_LT(seconds, 1.0);
  int peak = 0;
  for (std::size_t i = 44; i + 1 < b.size(); i += 2)
    peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(le(b, i, 2)))));
  EXPECT_GT(peak, 3000);
  EXPECT_LT(peak, 26000) << "room for the music beneath it";
  EXPECT_EQ(le(b, b.size() - 2, 2), 0u) << "ends at rest, without a click";
}

INSTANTIATE_TEST_SUITE_P(Assets, WavFile, ::testing::ValuesIn(kWavs));

struct Sounded {
  int channel, key, vel;
  long on, off;  // ticks
};

struct MidiSummary {
  int tracks = 0;
  double seconds = 0;
  int noteOns = 0;
  int noteOffs = 0;
  long firstNote = -1;
  bool everyTrackEnds = true;
  std::vector<Sounded> notes;
  std::vector<std::string> restrikes;  // a key struck again while it still sounds
  std::vector<std::pair<long, double>> tempos;  // tick, microseconds per quarter

  double secondsAt(long tick, int division) const {
    double at = 0, usPerQuarter = 500000;
    long from = 0;
    for (const auto& [t, us] : tempos) {
      if (t >= tick) break;
      at += (t - from) * usPerQuarter / division / 1e6;
      from = t;
      usPerQuarter = us;
    }
    return at + (tick - from) * usPerQuarter / division / 1e6;
  }
};

// Walks every event of a standard MIDI file and times the longest track with the tempo map.
MidiSummary readMidi(const Bytes& b, int& format, int& division) {
  MidiSummary s;
  EXPECT_EQ(tag(b, 0), "MThd");
  EXPECT_EQ(be(b, 4, 4), 6u);
  format = static_cast<int>(be(b, 8, 2));
  const auto count = static_cast<int>(be(b, 10, 2));
  division = static_cast<int>(be(b, 12, 2));
  auto& tempos = s.tempos;
  long lastTick = 0;
  std::size_t at = 14;
  for (int t = 0; t < count; ++t) {
    EXPECT_EQ(tag(b, at), "MTrk");
    const std::size_t end = at + 8 + be(b, at + 4, 4);
    EXPECT_LE(end, b.size());
    at += 8;
    long tick = 0;
    bool ended = false;
    std::map<std::pair<int, int>, Sounded> sounding;  // by channel and key
    while (at < end && !ended) {
      std::uint32_t delta = 0;
      std::uint8_t c;
      do {
        c = b.at(at++);
        delta = delta << 7 | (c & 0x7f);
      } while (c & 0x80);
      tick += delta;
      const std::uint8_t status = b.at(at++);
      if (status == 0xff) {
        const std::uint8_t type = b.at(at++);
        const std::uint8_t len = b.at(at++);
        if (type == 0x51) tempos.push_back({tick, static_cast<double>(be(b, at, 3))});
        if (type == 0x2f) ended = true;
        at += len;
      } else if ((status & 0xf0) == 0x90 || (status & 0xf0) == 0x80) {
        EXPECT_LT(b.at(at), 128);
        EXPECT_LT(b.at(at + 1), 128);
        const bool on = (status & 0xf0) == 0x90 && b.at(at + 1) > 0;
        if (on && (s.firstNote < 0 || tick < s.firstNote)) s.firstNote = tick;
        (on ? s.noteOns : s.noteOffs)++;
        const int channel = status & 0x0f, key = b.at(at);
        const auto held = sounding.find({channel, key});
        if (held != sounding.end()) {
          if (on) {
            std::ostringstream where;
            where << "channel " << channel << " key " << key << " at tick " << tick;
            s.restrikes.push_back(where.str());
          }
          held->second.off = tick;
          s.notes.push_back(held->second);
          sounding.erase(held);
        }
        if (on) sounding[{channel, key}] = {channel, key, b.at(at + 1), tick, -1};
        at += 2;
      } else if ((status & 0xf0) == 0xc0) {
        at += 1;
      } else if ((status & 0xf0) == 0xb0) {
        at += 2;
      } else {
        ADD_FAILURE() << "unexpected status " << int(status);
        return s;
      }
    }
    s.everyTrackEnds = s.everyTrackEnds && ended && at == end && sounding.empty();
    lastTick = std::max(lastTick, tick);
    ++s.tracks;
  }
  EXPECT_EQ(at, b.size());
  std::sort(tempos.begin(), tempos.end());
  double usPerQuarter = 500000;
  long from = 0;
  for (const auto& [tick, us] : tempos) {
    s.seconds += (tick - from) * usPerQuarter / division / 1e6;
    from = tick;
    usPerQuarter = us;
  }
  s.seconds += (lastTick - from) * usPerQuarter / division / 1e6;
  return s;
}

class MidiFile : public ::testing::TestWithParam<const char*> {};

TEST_P(MidiFile, IsAGeneralMidiTrackOfAboutThirtyOneSecondsThatStartsAtOnce) {
  int format = -1, division = 0;
  const MidiSummary s = readMidi(asset(GetParam()), format, division);
  EXPECT_EQ(format, 1);
  EXPECT_EQ(division, 480);
  EXPECT_GE(s.tracks, 4);
  EXPECT_TRUE(s.everyTrackEnds) << "each track closes with its end-of-track event";
  EXPECT_GT(s.seconds, 30.7);
  EXPECT_LT(s.seconds, 34.0);
  EXPECT_GT(s.noteOns, 100);
  EXPECT_EQ(s.noteOns, s.noteOffs) << "no note is left hanging";
  EXPECT_EQ(s.firstNote, 0) << "the music begins on the first tick";
}

// The music timer starts a track again 31 s after a screen's first start and every 30.5 s
// after that: a track that falls silent before then leaves a gap at every restart.
TEST_P(MidiFile, SoundsWithoutAGapUntilTheRestartsAndSpeaksAtOnce) {
  int format = -1, division = 0;
  const MidiSummary s = readMidi(asset(GetParam()), format, division);
  ASSERT_FALSE(s.notes.empty());
  double first = 1e9;
  for (const Sounded& n : s.notes) first = std::min(first, s.secondsAt(n.on, division));
  EXPECT_LE(first, 0.05);
  // The pitched notes, swept in time: the longest stretch without one, and how far they reach.
  std::vector<std::pair<double, double>> spans;
  for (const Sounded& n : s.notes)
    if (n.channel != 9)
      spans.push_back({s.secondsAt(n.on, division), s.secondsAt(n.off, division)});
  std::sort(spans.begin(), spans.end());
  double reach = spans.front().first, longestGap = spans.front().first;
  for (const auto& [on, off] : spans) {
    if (on < 30.7) longestGap = std::max(longestGap, on - reach);
    reach = std::max(reach, off);
  }
  EXPECT_GE(reach, 30.7) << "the last note ends at " << reach << " s";
  EXPECT_LT(longestGap, 0.3);
}

TEST_P(MidiFile, StrikesNoKeyAgainWhileItStillSounds) {
  int format = -1, division = 0;
  const MidiSummary s = readMidi(asset(GetParam()), format, division);
  EXPECT_TRUE(s.restrikes.empty()) << "first: " << (s.restrikes.empty() ? "" : s.restrikes[0]);
}

// Every pitched line is played with dynamics: a real spread of velocities, and the bar's first
// beat leaning in harder than the off-beats, the shape of phrasing rather than of noise.
TEST_P(MidiFile, PhrasesEveryPitchedLine) {
  int format = -1, division = 0;
  const MidiSummary s = readMidi(asset(GetParam()), format, division);
  std::map<int, std::vector<const Sounded*>> byChannel;
  for (const Sounded& n : s.notes)
    if (n.channel != 9) byChannel[n.channel].push_back(&n);
  ASSERT_GE(byChannel.size(), 3u);
  for (const auto& [channel, notes] : byChannel) {
    double sum = 0, squares = 0, down = 0, off = 0;
    int downs = 0, offs = 0;
    for (const Sounded* n : notes) {
      sum += n->vel;
      squares += n->vel * n->vel;
      if (n->on % (4L * division) == 0) down += n->vel, ++downs;
      if (n->on % division != 0) off += n->vel, ++offs;
    }
    const double count = static_cast<double>(notes.size());
    const double spread = std::sqrt(squares / count - (sum / count) * (sum / count));
    EXPECT_GE(spread, 8.0) << "channel " << channel;
    if (downs > 0 && offs > 0) {
      EXPECT_GT(down / downs, off / offs + 4) << "channel " << channel;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Assets, MidiFile, ::testing::ValuesIn(kMidis));

TEST(SoundGenerator, WritesTheCommittedFilesByteForByte) {
  // After a change to the generator: velkor-make-sounds assets, then commit the files.
  const auto files = sounds::makeSoundFiles();
  EXPECT_EQ(files.size(), std::size(kWavs) + std::size(kMidis));
  for (const auto& [name, bytes] : files) EXPECT_TRUE(bytes == asset(name)) << name;
  EXPECT_TRUE(files == sounds::makeSoundFiles()) << "the same on every run";
}

}  // namespace
}  // namespace velkor
