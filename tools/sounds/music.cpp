// The five music tracks, one per screen, written as General MIDI files of about 30 seconds.
// Each song is a tempo, a chord per bar (or two) and its parts; melodies are written out by
// hand, the accompaniment follows the chords by pattern.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <stdexcept>

#include "tools/sounds/sound_files.h"

namespace velkor::sounds {

namespace {

struct Note {
  double beat;  // start, in quarter notes from the top
  double len;
  int key;
  int vel;
};

struct Part {
  std::string name;
  int channel;  // 9: drums
  int program;  // General MIDI program, 0-based
  int volume;
  int pan;
  int reverb;
  std::vector<Note> notes;
};

struct Chord {
  double beat;
  double len;
  int root;  // pitch class, 0 = C
  std::vector<int> intervals;
};

struct Song {
  std::string title;
  int bpm;
  int bars;  // of 4/4
  // The whole song's loudness as a factor on the amplitude, so the five tracks come out of
  // the synthesiser at about one level; applied through each part's channel volume.
  double level;
  std::vector<Part> parts;
};

// ---- note and chord names ----------------------------------------------------------------

int pitchClass(const std::string& s, std::size_t& i) {
  static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int pc = base[s.at(i) - 'A'];
  ++i;
  while (i < s.size() && (s[i] == '#' || s[i] == 'b')) pc += s[i++] == '#' ? 1 : -1;
  return (pc + 12) % 12;
}

// "F#4" -> 66 (C4 = 60).
int key(const std::string& name) {
  std::size_t i = 0;
  const int pc = pitchClass(name, i);
  // The pitch class wraps B#/Cb; take the octave from the letter itself.
  int letterPc = std::string("C D EF G A B").find(name[0]);
  int octave = std::stoi(name.substr(i));
  int k = 12 * (octave + 1) + pc;
  if (letterPc - pc > 6) k += 12;
  if (pc - letterPc > 6) k -= 12;
  return k;
}

// "Fmaj7", "Bbm7", "A7", "D9", "Gm", "Esus", "Am6"...
Chord chord(double beat, double len, const std::string& name) {
  std::size_t i = 0;
  Chord c{beat, len, pitchClass(name, i), {}};
  const std::string q = name.substr(i);
  if (q.empty()) c.intervals = {0, 4, 7};
  else if (q == "m") c.intervals = {0, 3, 7};
  else if (q == "7") c.intervals = {0, 4, 7, 10};
  else if (q == "maj7") c.intervals = {0, 4, 7, 11};
  else if (q == "m7") c.intervals = {0, 3, 7, 10};
  else if (q == "9") c.intervals = {0, 4, 7, 10, 14};
  else if (q == "maj9") c.intervals = {0, 4, 7, 11, 14};
  else if (q == "add9") c.intervals = {0, 4, 7, 14};
  else if (q == "madd9") c.intervals = {0, 3, 7, 14};
  else if (q == "m6") c.intervals = {0, 3, 7, 9};
  else if (q == "sus") c.intervals = {0, 5, 7, 10};
  else throw std::invalid_argument("chord " + name);
  return c;
}

// One chord name per bar; "X Y" in one bar splits it into two halves.
std::vector<Chord> progression(const std::vector<std::string>& bars) {
  std::vector<Chord> out;
  for (std::size_t b = 0; b < bars.size(); ++b) {
    std::istringstream in(bars[b]);
    std::vector<std::string> names;
    for (std::string w; in >> w;) names.push_back(w);
    const double len = 4.0 / static_cast<double>(names.size());
    for (std::size_t k = 0; k < names.size(); ++k)
      out.push_back(chord(4.0 * static_cast<double>(b) + len * static_cast<double>(k), len, names[k]));
  }
  return out;
}

// The chord tones of c laid out upward from the lowest key at or above low.
std::vector<int> voicing(const Chord& c, int low) {
  std::vector<int> keys;
  int root = low + ((c.root - low) % 12 + 12) % 12;
  for (int iv : c.intervals) keys.push_back(root + iv);
  return keys;
}

// A small fixed-seed wobble of the velocities, so the parts breathe.
class Humanise {
 public:
  explicit Humanise(std::uint32_t seed) : state_(seed) {}
  int vel(int base, int spread) {
    state_ = state_ * 1103515245u + 12345u;
    const auto range = static_cast<std::uint32_t>(2 * spread + 1);
    const int r = static_cast<int>((state_ >> 16) % range) - spread;
    return std::clamp(base + r, 1, 127);
  }

 private:
  std::uint32_t state_;
};

// "r:1 A4:0.5 C5:t ..." from a starting beat; "t" is a triplet eighth (a third of a beat).
std::vector<Note> melody(const std::string& text, int vel, Humanise& h, double from = 0) {
  std::vector<Note> out;
  std::istringstream in(text);
  double at = from;
  for (std::string w; in >> w;) {
    const auto colon = w.find(':');
    const std::string name = w.substr(0, colon);
    const std::string d = w.substr(colon + 1);
    const double len = d == "t" ? 1.0 / 3.0 : std::stod(d);
    if (name != "r") out.push_back({at, len * 0.95, key(name), h.vel(vel, 6)});
    at += len;
  }
  return out;
}

// Lays a late swing onto off-beat eighths.
void swing(std::vector<Note>& notes, double amount) {
  auto shift = [amount](double b) {
    const double f = b - std::floor(b);
    return std::abs(f - 0.5) < 1e-6 ? b + amount : b;
  };
  for (Note& n : notes) {
    const double end = shift(n.beat + n.len);
    n.beat = shift(n.beat);
    n.len = std::max(0.05, end - n.beat);
  }
}

void add(std::vector<Note>& to, const std::vector<Note>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

// ---- General MIDI drum keys --------------------------------------------------------------
constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kClosedHat = 42, kPedalHat = 44,
              kLowTom = 45, kOpenHat = 46, kMidTom = 47, kCrash = 49, kRide = 51, kShaker = 70;

// ---- the songs ---------------------------------------------------------------------------

// Title screen: an easy lounge swing in F, vibraphone over electric piano, walking bass and ride.
Song menuSong() {
  Humanise h(11);
  const auto chords = progression({"Fmaj7", "Dm7", "Gm7", "C9", "Fmaj7", "Bbmaj7", "Am7", "D7",
                                   "Gm7", "C9", "Fmaj7", "Fmaj7"});
  Part vibes{"Vibraphone", 0, 11, 96, 74, 60, {}};
  vibes.notes = melody(
      "r:1 A4:0.5 C5:0.5 E5:1.5 D5:0.5 "
      "C5:1 A4:1 F4:1.5 r:0.5 "
      "r:0.5 Bb4:0.5 D5:0.5 F5:0.5 E5:1 D5:1 "
      "C5:3 r:1 "
      "r:1 A4:0.5 C5:0.5 F5:1.5 E5:0.5 "
      "D5:1 C5:0.5 A4:0.5 F4:2 "
      "r:0.5 E5:0.5 G5:0.5 E5:0.5 C5:1 A4:1 "
      "F#4:1 A4:0.5 C5:0.5 D5:2 "
      "Bb4:1.5 A4:0.5 G4:1 D5:1 "
      "E5:1 D5:0.5 Bb4:0.5 G4:1 E4:1 "
      "F4:1 A4:1 C5:1 E5:1 "
      "F5:3.5 r:0.5",
      78, h);
  swing(vibes.notes, 1.0 / 6.0);

  Part piano{"Electric Piano", 1, 4, 82, 50, 50, {}};
  Part bass{"Acoustic Bass", 2, 32, 100, 60, 30, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool last = i + 1 == chords.size();
    // Charleston comping: on one and on the and of two, held.
    for (int k : voicing(c, 53)) {
      if (k > 72) k -= 12;
      piano.notes.push_back({c.beat, last ? 3.9 : 1.2, k, h.vel(58, 5)});
      if (!last) piano.notes.push_back({c.beat + 1.5 + 1.0 / 6.0, 1.2, k, h.vel(52, 5)});
    }
    // Walking: root, a chord tone, the fifth, then a half step into the next root.
    const int root = 36 + (c.root + 12 - 5) % 12 + 5;  // between F2 and E3
    if (last) {
      bass.notes.push_back({c.beat, 3.8, root, 88});
      continue;
    }
    const int next = 36 + (chords[i + 1].root + 12 - 5) % 12 + 5;
    const int walk[] = {root, root + c.intervals[1], root + 7, next + (next > root ? -1 : 1)};
    for (int b = 0; b < 4; ++b) bass.notes.push_back({c.beat + b, 0.9, walk[b], h.vel(84, 6)});
  }

  Part drums{"Drums", 9, 0, 78, 64, 40, {}};
  for (int bar = 0; bar < 12; ++bar) {
    const double b0 = 4.0 * bar;
    const bool last = bar == 11;
    for (int beat = 0; beat < 4; ++beat) {
      if (last && beat > 0) break;
      drums.notes.push_back({b0 + beat, 0.5, kRide, h.vel(beat % 2 ? 50 : 44, 4)});
      if (beat % 2 == 1) {
        drums.notes.push_back({b0 + beat + 2.0 / 3.0, 0.3, kRide, h.vel(36, 4)});
        drums.notes.push_back({b0 + beat, 0.3, kPedalHat, h.vel(48, 4)});
      }
    }
    drums.notes.push_back({b0, 0.5, kKick, last ? 60 : 38});
  }
  return {"Green Baize Evening", 96, 12, 0.74, {vibes, piano, bass, drums}};
}

// Records screen: a bright brass fanfare in B flat over strings, timpani and a snare.
Song recordSong() {
  Humanise h(23);
  const auto chords = progression({"Bb", "F", "Bb", "Eb", "Bb", "F", "Gm", "Eb", "Cm7", "F",
                                   "Bb", "Eb", "F", "F7", "Bb"});
  Part trumpet{"Trumpet", 0, 56, 100, 64, 55, {}};
  trumpet.notes = melody(
      "F4:t F4:t F4:t Bb4:1 D5:1 F5:1 "
      "F5:t F5:t F5:t G5:1 F5:0.5 Eb5:0.5 C5:1 "
      "D5:1.5 Bb4:0.5 F5:2 "
      "G5:1 F5:0.5 Eb5:0.5 G5:1 Bb5:1 "
      "F5:3 D5:1 "
      "C5:1 D5:0.5 Eb5:0.5 F5:1 A4:1 "
      "Bb4:1.5 D5:0.5 G5:2 "
      "G5:0.5 F5:0.5 Eb5:0.5 D5:0.5 Eb5:1 G5:1 "
      "Eb5:1.5 D5:0.5 C5:1 G4:1 "
      "A4:1 C5:1 F5:1 A5:1 "
      "Bb5:2 F5:1 D5:1 "
      "Eb5:1 G5:1 Bb5:1.5 G5:0.5 "
      "F5:t F5:t F5:t F5:1 G5:1 A5:1 "
      "A5:1 F5:1 Eb5:1 C5:1 "
      "Bb5:3.5 r:0.5",
      92, h);
  Part brass{"Brass", 1, 61, 84, 44, 55, {}};
  Part strings{"Strings", 2, 48, 78, 84, 70, {}};
  Part tuba{"Tuba", 3, 58, 86, 58, 35, {}};
  Part timpani{"Timpani", 4, 47, 96, 70, 50, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool last = i + 1 == chords.size();
    for (int k : voicing(c, 58)) {
      if (last) {
        brass.notes.push_back({c.beat, 3.8, k, 92});
      } else {
        brass.notes.push_back({c.beat, 0.45, k, h.vel(80, 5)});
        brass.notes.push_back({c.beat + 2.5, 0.45, k, h.vel(68, 5)});
        brass.notes.push_back({c.beat + 3, 0.9, k, h.vel(74, 5)});
      }
    }
    for (int k : voicing(c, 55)) strings.notes.push_back({c.beat, 3.95, k, h.vel(62, 4)});
    for (int k : voicing(c, 67)) strings.notes.push_back({c.beat, 3.95, k, h.vel(54, 4)});
    const int root = 34 + (c.root + 12 - 10) % 12;  // from B flat 1 up
    tuba.notes.push_back({c.beat, last ? 3.8 : 1.9, root, h.vel(84, 5)});
    if (!last) tuba.notes.push_back({c.beat + 2, 1.9, root + 7, h.vel(76, 5)});
    int timp = 41 + (c.root + 12 - 5) % 12;  // tuned to the root, F2 up to E3
    if (timp > 48) timp -= 12;
    if (!last) {
      timpani.notes.push_back({c.beat, 0.9, timp, h.vel(82, 5)});
      if (i < 2) timpani.notes.push_back({c.beat + 3, 0.9, timp, h.vel(70, 5)});
    } else {
      for (int r = 0; r < 12; ++r)  // a roll that swells into the last chord's end
        timpani.notes.push_back({c.beat + r * 0.25, 0.25, timp, 50 + r * 5});
    }
  }
  Part drums{"Drums", 9, 0, 72, 64, 45, {}};
  for (int bar = 0; bar < 15; ++bar) {
    const double b0 = 4.0 * bar;
    if (bar == 0 || bar == 2 || bar == 10 || bar == 14) drums.notes.push_back({b0, 1, kCrash, 84});
    if (bar == 14) break;
    drums.notes.push_back({b0 + 1, 0.25, kSnare, h.vel(58, 5)});
    drums.notes.push_back({b0 + 3, 0.25, kSnare, h.vel(62, 5)});
    drums.notes.push_back({b0 + 3.5, 0.25, kSnare, h.vel(44, 5)});
    drums.notes.push_back({b0 + 3.75, 0.25, kSnare, h.vel(50, 5)});
    drums.notes.push_back({b0, 0.5, kKick, h.vel(70, 4)});
    drums.notes.push_back({b0 + 2, 0.5, kKick, h.vel(62, 4)});
  }
  return {"Hall of Fame", 120, 15, 0.29, {trumpet, brass, strings, tuba, timpani, drums}};
}

// Solo game: calm and unhurried in D, nylon guitar arpeggios, a flute and soft strings.
Song soloSong() {
  Humanise h(37);
  const auto chords = progression({"Dmaj7", "Bm7", "Gmaj7", "Asus", "Dmaj7", "F#m7", "Gmaj7",
                                   "Em7 A7", "Gmaj7", "Dmaj9"});
  Part flute{"Flute", 0, 73, 88, 70, 70, {}};
  flute.notes = melody(
      "r:1 F#5:1 E5:0.5 D5:0.5 A4:1 "
      "B4:1.5 A4:0.5 F#4:2 "
      "r:0.5 G4:0.5 B4:0.5 D5:0.5 F#5:1.5 E5:0.5 "
      "D5:1 E5:1 A4:2 "
      "r:1 A5:1 F#5:0.5 E5:0.5 D5:1 "
      "C#5:1.5 E5:0.5 A4:2 "
      "B4:1 D5:1 F#5:1 E5:0.5 D5:0.5 "
      "E5:2 C#5:1 A4:1 "
      "B4:1.5 C#5:0.5 D5:1 B4:1 "
      "A4:0.5 D5:0.5 F#5:2.8 r:0.2",
      70, h, 0);
  Part guitar{"Nylon Guitar", 1, 24, 92, 48, 55, {}};
  Part pad{"Strings", 2, 49, 62, 80, 80, {}};
  Part bass{"Fretless Bass", 3, 35, 84, 60, 35, {}};
  const int pattern[] = {0, 1, 2, 3, 4, 3, 2, 1};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool last = i + 1 == chords.size();
    std::vector<int> tones = {40 + (c.root + 12 - 4) % 12};  // the root, E2 up to D#3
    for (int k : voicing(c, 55)) tones.push_back(k);
    while (tones.size() < 5) tones.push_back(tones[1] + 12);
    const int steps = static_cast<int>(c.len * 2);
    for (int s = 0; s < steps; ++s) {
      if (last && s >= 5) break;
      const int k = tones[static_cast<std::size_t>(pattern[s % 8])];
      guitar.notes.push_back({c.beat + 0.5 * s, last ? 4.0 - 0.5 * s - 0.1 : 1.4, k,
                              h.vel(s == 0 ? 66 : 54, 5)});
    }
    for (int k : voicing(c, 57)) pad.notes.push_back({c.beat, c.len - 0.05, k, h.vel(50, 3)});
    const int root = 38 + (c.root + 12 - 2) % 12;
    bass.notes.push_back({c.beat, c.len - 0.1, root, h.vel(72, 4)});
  }
  return {"Quiet Table", 80, 10, 0.85, {flute, guitar, pad, bass}};
}

// Match against the computer: D minor, a pizzicato ostinato over a pulsing synth bass, held
// strings and a clarinet line; the glockenspiel is quib thinking.
Song vsCpuSong() {
  Humanise h(41);
  const auto chords = progression({"Dm", "Dmadd9", "Bb", "A", "Dm", "Gm", "Bb", "A7", "Dm", "F",
                                   "Gm", "A7", "Bb A", "Dm"});
  Part clarinet{"Clarinet", 0, 71, 92, 58, 55, {}};
  clarinet.notes = melody(
      "r:4 "
      "r:2 A4:1 D5:1 "
      "F5:2 E5:1 D5:1 "
      "C#5:3 A4:1 "
      "D5:1 E5:1 F5:1 A5:1 "
      "G5:2 F5:1 E5:0.5 D5:0.5 "
      "D5:1.5 F5:0.5 Bb4:2 "
      "A4:1 C#5:1 E5:1 G5:1 "
      "F5:3 E5:1 "
      "C5:2 A4:1 C5:1 "
      "D5:1.5 Bb4:0.5 G4:2 "
      "A4:1 E5:1 G5:1 C#5:1 "
      "D5:2 C#5:2 "
      "D5:3 r:1",
      80, h);
  Part glock{"Glockenspiel", 1, 9, 64, 90, 70, {}};
  for (double at : {2.0, 18.0, 34.0})
    add(glock.notes, melody("A5:0.5 D6:0.5 F6:0.5 E6:0.5", 60, h, at));
  Part pizz{"Pizzicato", 2, 45, 88, 40, 45, {}};
  Part strings{"Strings", 3, 48, 70, 88, 65, {}};
  Part bass{"Synth Bass", 4, 39, 78, 64, 20, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool last = i + 1 == chords.size();
    const int root = 50 + (c.root + 12 - 2) % 12;  // D3 upward
    const int third = root + c.intervals[1], fifth = root + 7;
    const int ost[] = {root, root, fifth, root, third, root, fifth, root + 12};
    const int steps = static_cast<int>(c.len * 2);
    for (int s = 0; s < steps; ++s) {
      if (last && s > 0) break;
      pizz.notes.push_back({c.beat + 0.5 * s, 0.4, ost[s % 8], h.vel(s % 2 ? 56 : 70, 5)});
      bass.notes.push_back({c.beat + 0.5 * s, last ? 3.8 : 0.3, root - 12 + (s % 4 == 3 ? 12 : 0),
                            h.vel(s % 2 ? 52 : 66, 4)});
    }
    for (int k : voicing(c, 57))
      strings.notes.push_back({c.beat, c.len - 0.05, k, h.vel(last ? 64 : 48, 3)});
  }
  Part drums{"Drums", 9, 0, 76, 64, 35, {}};
  for (int bar = 0; bar < 14; ++bar) {
    const double b0 = 4.0 * bar;
    if (bar == 13) {
      drums.notes.push_back({b0, 1, kKick, 84});
      drums.notes.push_back({b0, 2, kCrash, 64});
      break;
    }
    for (double k : {0.0, 1.5, 2.0}) drums.notes.push_back({b0 + k, 0.3, kKick, h.vel(74, 4)});
    drums.notes.push_back({b0 + 3, 0.3, kSideStick, h.vel(60, 5)});
    for (int s = 0; s < 8; ++s)
      drums.notes.push_back({b0 + 0.5 * s, 0.2, kClosedHat, h.vel(s % 2 ? 34 : 46, 4)});
    if (bar == 7 || bar == 12) {
      for (int s = 0; s < 4; ++s)
        drums.notes.push_back({b0 + 3 + 0.25 * s, 0.25, s < 2 ? kMidTom : kLowTom, 60 + 4 * s});
    }
  }
  return {"Quib Is Thinking", 112, 14, 0.53, {clarinet, glock, pizz, strings, bass, drums}};
}

// Two players: an upbeat shuffle-pop in G, alto sax over an organ skank, bass and brass hits.
Song vsPlaySong() {
  Humanise h(53);
  const auto chords = progression({"G", "Em", "C", "D", "G", "Em", "Am7", "D7", "C", "D", "Bm7",
                                   "Em", "Am7", "D7", "G", "G"});
  Part sax{"Alto Sax", 0, 65, 90, 70, 50, {}};
  sax.notes = melody(
      "r:0.5 D4:0.5 G4:0.5 B4:0.5 D5:1 B4:1 "
      "C5:0.5 B4:0.5 G4:1 E4:1.5 r:0.5 "
      "r:0.5 E4:0.5 G4:0.5 C5:0.5 E5:1 D5:0.5 C5:0.5 "
      "D5:1.5 A4:0.5 F#4:1 A4:1 "
      "B4:0.5 D5:0.5 G5:1 F#5:0.5 G5:0.5 D5:1 "
      "E5:1 B4:1 G4:0.5 A4:0.5 B4:1 "
      "C5:1 E5:0.5 G5:0.5 E5:1 C5:1 "
      "D5:1 F#5:0.5 E5:0.5 C5:1 A4:1 "
      "G4:0.5 C5:0.5 E5:1 D5:0.5 C5:0.5 G4:1 "
      "A4:0.5 D5:0.5 F#5:1 E5:0.5 D5:0.5 A4:1 "
      "B4:1 D5:1 F#5:1.5 D5:0.5 "
      "E5:1.5 D5:0.5 B4:1 G4:1 "
      "A4:0.5 C5:0.5 E5:0.5 G5:0.5 E5:1 C5:1 "
      "D5:0.5 E5:0.5 F#5:0.5 G5:0.5 F#5:0.5 E5:0.5 C5:1 "
      "B4:1 D5:1 G5:2 "
      "G4:1 r:3",
      84, h);
  Part organ{"Organ", 1, 16, 70, 40, 45, {}};
  Part bass{"Bass", 2, 33, 96, 64, 20, {}};
  Part brass{"Brass", 3, 61, 76, 88, 50, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool last = i + 1 == chords.size();
    const auto tones = voicing(c, 59);
    const int root = 31 + (c.root + 12 - 7) % 12;  // G1 upward
    if (last) {
      for (int k : tones) organ.notes.push_back({c.beat, 0.9, k, 78});
      for (int k : voicing(c, 62)) brass.notes.push_back({c.beat, 0.9, k, 96});
      bass.notes.push_back({c.beat, 0.9, root + 12, 100});
      continue;
    }
    for (double off : {0.5, 1.5, 2.5, 3.5})
      for (int k : tones) organ.notes.push_back({c.beat + off, 0.3, k, h.vel(60, 5)});
    const int next = 31 + (chords[i + 1].root + 12 - 7) % 12;
    const struct {
      double at, len;
      int key, vel;
    } line[] = {{0, 0.7, root + 12, 96},       {0.75, 0.25, root + 12, 70}, {1.5, 0.45, root + 24, 84},
                {2, 0.45, root + 19, 80},      {2.5, 0.45, root + 12, 84},  {3, 0.45, root + 21, 76},
                {3.5, 0.45, next + 11, 80}};
    for (const auto& n : line) bass.notes.push_back({c.beat + n.at, n.len, n.key, h.vel(n.vel, 4)});
    if (i % 4 == 3)
      for (int k : voicing(c, 62)) {
        brass.notes.push_back({c.beat + 2.5, 0.3, k, h.vel(86, 4)});
        brass.notes.push_back({c.beat + 3, 0.6, k, h.vel(92, 4)});
      }
  }
  Part drums{"Drums", 9, 0, 84, 64, 30, {}};
  for (int bar = 0; bar < 16; ++bar) {
    const double b0 = 4.0 * bar;
    if (bar == 0 || bar == 8) drums.notes.push_back({b0, 1, kCrash, 80});
    if (bar == 15) {
      drums.notes.push_back({b0, 1, kCrash, 90});
      drums.notes.push_back({b0, 0.5, kKick, 100});
      drums.notes.push_back({b0, 0.5, kSnare, 90});
      break;
    }
    for (double k : {0.0, 1.5, 2.5}) drums.notes.push_back({b0 + k, 0.3, kKick, h.vel(86, 4)});
    for (double k : {1.0, 3.0}) drums.notes.push_back({b0 + k, 0.3, kSnare, h.vel(80, 5)});
    for (int s = 0; s < 8; ++s) {
      const bool open = s == 7;
      drums.notes.push_back({b0 + 0.5 * s, open ? 0.45 : 0.2, open ? kOpenHat : kClosedHat,
                             h.vel(s % 2 ? 44 : 58, 5)});
    }
    for (int s = 0; s < 4; ++s) drums.notes.push_back({b0 + s + 0.5, 0.2, kShaker, h.vel(36, 4)});
    if (bar % 4 == 3)
      for (int s = 0; s < 2; ++s) drums.notes.push_back({b0 + 3.5 + 0.25 * s, 0.25, kSnare, 66 + 8 * s});
  }
  return {"Side Pocket Shuffle", 128, 16, 0.55, {sax, organ, bass, brass, drums}};
}

// ---- the file -----------------------------------------------------------------------------

struct Event {
  long tick;
  int order;  // at one tick: set-up first, then note-offs, then note-ons
  Bytes data;
};

void putBE(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

void putVarLen(Bytes& b, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = static_cast<std::uint8_t>(v & 0x7f);
  while (v >>= 7) buf[n++] = static_cast<std::uint8_t>((v & 0x7f) | 0x80);
  while (n) b.push_back(buf[--n]);
}

Bytes meta(int type, const Bytes& body) {
  Bytes b = {0xff, static_cast<std::uint8_t>(type)};
  putVarLen(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes programChange(std::uint8_t channel, int program) {
  return {static_cast<std::uint8_t>(0xc0 | channel), static_cast<std::uint8_t>(program)};
}

Bytes track(std::vector<Event> events, long endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  Bytes body;
  long now = 0;
  for (const Event& e : events) {
    putVarLen(body, static_cast<std::uint32_t>(e.tick - now));
    body.insert(body.end(), e.data.begin(), e.data.end());
    now = e.tick;
  }
  putVarLen(body, static_cast<std::uint32_t>(endTick - now));
  const Bytes end = meta(0x2f, {});
  body.insert(body.end(), end.begin(), end.end());
  Bytes b = text("MTrk");
  putBE(b, static_cast<std::uint32_t>(body.size()), 4);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

long ticks(double beats) { return std::lround(beats * kDivision); }

Bytes midiFile(const Song& song) {
  const long endTick = ticks(4.0 * song.bars);
  Bytes file = text("MThd");
  putBE(file, 6, 4);
  putBE(file, 1, 2);  // one tempo track, then one track per part
  putBE(file, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
  putBE(file, kDivision, 2);

  Bytes tempo;
  putBE(tempo, static_cast<std::uint32_t>(60'000'000 / song.bpm), 3);
  std::vector<Event> conductor = {{0, 0, meta(0x03, text(song.title))},
                                  {0, 1, meta(0x58, {4, 2, 24, 8})},
                                  {0, 2, meta(0x51, tempo)}};
  Bytes t0 = track(conductor, endTick);
  file.insert(file.end(), t0.begin(), t0.end());

  for (const Part& p : song.parts) {
    const auto ch = static_cast<std::uint8_t>(p.channel);
    auto cc = [ch](int n, int v) {
      return Bytes{static_cast<std::uint8_t>(0xb0 | ch), static_cast<std::uint8_t>(n),
                   static_cast<std::uint8_t>(v)};
    };
    // The synthesiser's amplitude follows the square of the channel volume.
    const double loudness = std::sqrt(song.level);
    std::vector<Event> ev = {{0, 0, meta(0x03, text(p.name))},
                             {0, 1, cc(0, 0)},
                             {0, 2, programChange(ch, p.program)},
                             {0, 3, cc(7, static_cast<int>(std::lround(p.volume * loudness)))},
                             {0, 4, cc(10, p.pan)},
                             {0, 5, cc(91, p.reverb)},
                             {0, 6, cc(93, 0)}};
    for (const Note& n : p.notes) {
      const long on = ticks(n.beat);
      const long off = std::min(endTick, std::max(on + 1, ticks(n.beat + n.len)));
      if (on >= endTick) throw std::logic_error(song.title + ": a note past the end");
      const auto k = static_cast<std::uint8_t>(n.key);
      ev.push_back({on, 20, {static_cast<std::uint8_t>(0x90 | ch), k, static_cast<std::uint8_t>(n.vel)}});
      ev.push_back({off, 10, {static_cast<std::uint8_t>(0x80 | ch), k, 64}});
    }
    Bytes t = track(ev, endTick);
    file.insert(file.end(), t.begin(), t.end());
  }
  return file;
}

}  // namespace

std::map<std::string, Bytes> makeMusicFiles() {
  return {
      {"menu.mid", midiFile(menuSong())},   {"record.mid", midiFile(recordSong())},
      {"game1.mid", midiFile(soloSong())},  {"game2.mid", midiFile(vsCpuSong())},
      {"game3.mid", midiFile(vsPlaySong())},
  };
}

}  // namespace velkor::sounds
