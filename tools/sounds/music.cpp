// The five music tracks, one per screen, written as General MIDI files. Each song is a form of
// bars, a chord per bar (or two) and its parts; melodies are written out by hand, the
// accompaniment follows the chords by pattern, and every line is phrased by where its notes
// fall rather than played at one loudness.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
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
  int bars;  // of 4/4, the whole form; the tempo fits it to kFormSeconds
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

// A small fixed-seed wobble of the drums' velocities, so the kit breathes.
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
std::vector<Note> melody(const std::string& text, int vel, double from = 0) {
  std::vector<Note> out;
  std::istringstream in(text);
  double at = from;
  for (std::string w; in >> w;) {
    const auto colon = w.find(':');
    const std::string name = w.substr(0, colon);
    const std::string d = w.substr(colon + 1);
    const double len = d == "t" ? 1.0 / 3.0 : std::stod(d);
    if (name != "r") out.push_back({at, len * 0.95, key(name), vel});
    at += len;
  }
  return out;
}

// How a line is played: the bar's first beat leans in, the third a little, the off-beats fall
// back; each phrase swells toward its last third and eases off on its closing note, except
// the form's last phrase, which grows into the top of the track where it starts again; the
// higher notes of a line sing out more than the low ones.
struct Phrasing {
  double bars;     // phrase length
  int accent;      // on the bar's first beat
  int swell;       // from a phrase's start to its crest
  int ease;        // taken off a phrase's closing note
  double contour;  // per semitone above the middle of the line's range
};

void phrase(std::vector<Note>& notes, const Phrasing& p, int formBars) {
  if (notes.empty()) return;
  constexpr double kPi = 3.14159265358979323846;
  const double len = 4.0 * p.bars;
  const auto phraseOf = [len](const Note& n) {
    return static_cast<long>(std::floor(n.beat / len + 1e-9));
  };
  const auto [lo, hi] = std::minmax_element(
      notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.key < b.key; });
  const double middle = (lo->key + hi->key) / 2.0;
  std::map<long, double> closing;  // each phrase's last onset
  for (const Note& n : notes) closing[phraseOf(n)] = std::max(closing[phraseOf(n)], n.beat);
  const auto near = [](double a, double b) { return std::abs(a - b) < 1e-6; };
  for (Note& n : notes) {
    const long i = phraseOf(n);
    const double x = n.beat / len - static_cast<double>(i);
    const bool lastPhrase = static_cast<double>(i + 1) * len > 4.0 * formBars - 1e-6;
    const double inBar = n.beat - 4.0 * std::floor(n.beat / 4.0 + 1e-9);
    double v = n.vel;
    if (near(inBar, 0)) v += p.accent;
    else if (near(inBar, 2)) v += p.accent / 2.0;
    else if (!near(inBar, std::round(inBar))) v -= p.accent * 0.6;
    v += p.swell * (lastPhrase ? x : std::sin(kPi * std::pow(x, 1.5)));
    if (!lastPhrase && near(n.beat, closing[i])) v -= p.ease;
    v += p.contour * (n.key - middle);
    n.vel = std::clamp(static_cast<int>(std::lround(v)), 1, 127);
  }
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
// Every song's last bar turns back toward its first chord, since the track is played again
// from the top as soon as it ends.

// Title screen: an easy lounge swing in F, vibraphone over electric piano, walking bass and ride.
Song menuSong() {
  Humanise h(11);
  constexpr int kBars = 12;
  const auto chords = progression({"Fmaj7", "Dm7", "Gm7", "C9", "Fmaj7", "Bbmaj7", "Am7", "D7",
                                   "Gm7", "C9", "Fmaj7", "Gm7 C9"});
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
      "F5:2 E5:0.5 D5:0.5 C5:0.5 Bb4:0.5",
      72);
  phrase(vibes.notes, {2, 12, 20, 8, 0.8}, kBars);
  swing(vibes.notes, 1.0 / 6.0);

  Part piano{"Electric Piano", 1, 4, 82, 50, 50, {}};
  Part bass{"Acoustic Bass", 2, 32, 100, 60, 30, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    // Charleston comping: on one and on the and of two, held to the bar's end; a half-bar
    // chord gets the one.
    for (int k : voicing(c, 53)) {
      if (k > 72) k -= 12;
      piano.notes.push_back({c.beat, std::min(1.2, c.len - 0.1), k, 56});
      if (c.len >= 4) piano.notes.push_back({c.beat + 1.5 + 1.0 / 6.0, 2.2, k, 56});
    }
    // Walking: root, a chord tone, the fifth, then a half step into the next root.
    const int root = 36 + (c.root + 12 - 5) % 12 + 5;  // between F2 and E3
    const int next = 36 + (chords[(i + 1) % chords.size()].root + 12 - 5) % 12 + 5;
    const int lead = next + (next > root ? -1 : 1);
    std::vector<int> walk = {root, root + c.intervals[1], root + 7, lead};
    if (c.len < 4) walk = {root, lead};
    for (std::size_t b = 0; b < walk.size(); ++b)
      bass.notes.push_back({c.beat + static_cast<double>(b), 0.9, walk[b], 80});
  }
  phrase(piano.notes, {4, 10, 14, 6, 0.3}, kBars);
  phrase(bass.notes, {4, 14, 20, 6, 0.5}, kBars);

  Part drums{"Drums", 9, 0, 78, 64, 40, {}};
  for (int bar = 0; bar < kBars; ++bar) {
    const double b0 = 4.0 * bar;
    for (int beat = 0; beat < 4; ++beat) {
      drums.notes.push_back({b0 + beat, 0.5, kRide, h.vel(beat % 2 ? 50 : 44, 4)});
      if (beat % 2 == 1) {
        drums.notes.push_back({b0 + beat + 2.0 / 3.0, 0.3, kRide, h.vel(36, 4)});
        drums.notes.push_back({b0 + beat, 0.3, kPedalHat, h.vel(48, 4)});
      }
    }
    drums.notes.push_back({b0, 0.5, kKick, 38});
  }
  // A snare triplet on the last beat hands over to the top.
  for (int s = 0; s < 3; ++s)
    drums.notes.push_back({4.0 * kBars - 1 + s / 3.0, 0.3, kSnare, 36 + 8 * s});
  return {"Green Baize Evening", kBars, 0.54, {vibes, piano, bass, drums}};
}

// Records screen: a bright brass fanfare in B flat over strings, timpani and a snare.
Song recordSong() {
  Humanise h(23);
  constexpr int kBars = 15;
  const auto chords = progression({"Bb", "F", "Bb", "Eb", "Bb", "F", "Gm", "Eb", "Cm7", "F",
                                   "Bb", "Eb", "F", "F7", "Bb F7"});
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
      "Bb5:2 F5:0.5 Eb5:0.5 C5:0.5 A4:0.5",
      86);
  phrase(trumpet.notes, {2, 10, 10, 8, 0.6}, kBars);
  Part brass{"Brass", 1, 61, 84, 44, 55, {}};
  Part strings{"Strings", 2, 48, 78, 84, 70, {}};
  Part tuba{"Tuba", 3, 58, 86, 58, 35, {}};
  Part timpani{"Timpani", 4, 47, 96, 70, 50, {}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const bool full = c.len >= 4;
    for (int k : voicing(c, 58)) {
      brass.notes.push_back({c.beat, full ? 0.9 : 0.45, k, 78});
      if (full) brass.notes.push_back({c.beat + 2.5, 0.45, k, 66});
      brass.notes.push_back({c.beat + (full ? 3 : 1), 0.9, k, 72});
    }
    for (int k : voicing(c, 55)) strings.notes.push_back({c.beat, c.len - 0.05, k, 62});
    for (int k : voicing(c, 67)) strings.notes.push_back({c.beat, c.len - 0.05, k, 56});
    const int root = 34 + (c.root + 12 - 10) % 12;  // from B flat 1 up
    tuba.notes.push_back({c.beat, 1.9, root, 82});
    if (full) tuba.notes.push_back({c.beat + 2, 1.9, root + 7, 74});
    int timp = 41 + (c.root + 12 - 5) % 12;  // tuned to the root, F2 up to E3
    if (timp > 48) timp -= 12;
    if (i + 1 < chords.size()) {
      timpani.notes.push_back({c.beat, 0.9, timp, 78});
      if (i < 2) timpani.notes.push_back({c.beat + 3, 0.9, timp, 66});
    }
  }
  phrase(brass.notes, {2, 8, 12, 6, 0.3}, kBars);
  phrase(strings.notes, {4, 0, 22, 6, 1.0}, kBars);
  phrase(tuba.notes, {4, 12, 20, 6, 0.4}, kBars);
  phrase(timpani.notes, {4, 8, 12, 4, 0}, kBars);
  // A roll on the last chord's root that swells into the top.
  const Chord& turn = chords.back();
  const int turnKey = 41 + (turn.root + 12 - 5) % 12;
  for (int r = 0; r < 8; ++r) timpani.notes.push_back({turn.beat + r * 0.25, 0.25, turnKey, 48 + r * 6});
  Part drums{"Drums", 9, 0, 72, 64, 45, {}};
  for (int bar = 0; bar < kBars; ++bar) {
    const double b0 = 4.0 * bar;
    if (bar == 0 || bar == 2 || bar == 10) drums.notes.push_back({b0, 1, kCrash, 84});
    drums.notes.push_back({b0 + 1, 0.25, kSnare, h.vel(58, 5)});
    drums.notes.push_back({b0, 0.5, kKick, h.vel(70, 4)});
    drums.notes.push_back({b0 + 2, 0.5, kKick, h.vel(62, 4)});
    if (bar + 1 == kBars) {  // sixteenths that build into the top
      for (int s = 0; s < 8; ++s)
        drums.notes.push_back({b0 + 2 + 0.25 * s, 0.25, kSnare, 44 + 4 * s});
      break;
    }
    drums.notes.push_back({b0 + 3, 0.25, kSnare, h.vel(62, 5)});
    drums.notes.push_back({b0 + 3.5, 0.25, kSnare, h.vel(44, 5)});
    drums.notes.push_back({b0 + 3.75, 0.25, kSnare, h.vel(50, 5)});
  }
  return {"Hall of Fame", kBars, 0.23, {trumpet, brass, strings, tuba, timpani, drums}};
}

// Solo game: calm and unhurried in D, nylon guitar arpeggios, a flute and soft strings.
Song soloSong() {
  constexpr int kBars = 10;
  const auto chords = progression({"Dmaj7", "Bm7", "Gmaj7", "Asus", "Dmaj7", "F#m7", "Gmaj7",
                                   "Em7 A7", "Gmaj7", "Asus A7"});
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
      "A4:1 D5:0.5 C#5:0.5 E5:1.5 G5:0.5",
      64);
  phrase(flute.notes, {2, 12, 22, 8, 0.8}, kBars);
  Part guitar{"Nylon Guitar", 1, 24, 92, 48, 55, {}};
  Part pad{"Strings", 2, 49, 62, 80, 80, {}};
  Part bass{"Fretless Bass", 3, 35, 84, 60, 35, {}};
  // Up and down the chord, each string left to ring until it is played again.
  const int pattern[] = {0, 1, 2, 3, 4, 3, 2, 1};
  for (const Chord& c : chords) {
    std::vector<int> tones = {40 + (c.root + 12 - 4) % 12};  // the root, E2 up to D#3
    for (int k : voicing(c, 55)) tones.push_back(k);
    while (tones.size() < 5) tones.push_back(tones[1] + 12);
    const int steps = static_cast<int>(c.len * 2);
    for (int s = 0; s < steps; ++s) {
      const int k = tones[static_cast<std::size_t>(pattern[s % 8])];
      guitar.notes.push_back({c.beat + 0.5 * s, 1.4, k, s == 0 ? 64 : 52});
    }
    for (int k : voicing(c, 57)) pad.notes.push_back({c.beat, c.len - 0.05, k, 44});
    const int root = 38 + (c.root + 12 - 2) % 12;
    bass.notes.push_back({c.beat, c.len - 0.1, root, 68});
  }
  phrase(guitar.notes, {4, 8, 20, 6, 0.3}, kBars);
  phrase(pad.notes, {4, 0, 26, 6, 0.5}, kBars);
  phrase(bass.notes, {2, 12, 26, 8, 0.5}, kBars);
  return {"Quiet Table", kBars, 0.69, {flute, guitar, pad, bass}};
}

// Match against the computer: D minor, a pizzicato ostinato over a pulsing synth bass, held
// strings and a clarinet line that opens on a low held D; the glockenspiel is quib thinking.
Song vsCpuSong() {
  Humanise h(41);
  constexpr int kBars = 14;
  const auto chords = progression({"Dm", "Dmadd9", "Bb", "A", "Dm", "Gm", "Bb", "A7", "Dm", "F",
                                   "Gm", "A7", "Bb A", "A7"});
  Part clarinet{"Clarinet", 0, 71, 92, 58, 55, {}};
  clarinet.notes = melody(
      "D4:3.5 r:0.5 "
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
      "E5:1.5 D5:0.5 C#5:1 A4:1",
      74);
  phrase(clarinet.notes, {2, 10, 20, 8, 0.8}, kBars);
  // Each motif rises to its top note and lets go, a little more insistent each time.
  Part glock{"Glockenspiel", 1, 9, 64, 90, 70, {}};
  int insist = 0;
  for (double at : {2.0, 18.0, 34.0}) {
    const int vels[] = {46, 56, 70, 54};
    auto motif = melody("A5:0.5 D6:0.5 F6:0.5 E6:0.5", 0, at);
    for (std::size_t k = 0; k < motif.size(); ++k) motif[k].vel = vels[k] + insist;
    add(glock.notes, motif);
    insist += 6;
  }
  Part pizz{"Pizzicato", 2, 45, 88, 40, 45, {}};
  Part strings{"Strings", 3, 48, 70, 88, 65, {}};
  Part bass{"Synth Bass", 4, 39, 78, 64, 20, {}};
  for (const Chord& c : chords) {
    const int root = 50 + (c.root + 12 - 2) % 12;  // D3 upward
    const int third = root + c.intervals[1], fifth = root + 7;
    const int ost[] = {root, root, fifth, root, third, root, fifth, root + 12};
    const int steps = static_cast<int>(c.len * 2);
    for (int s = 0; s < steps; ++s) {
      pizz.notes.push_back({c.beat + 0.5 * s, 0.4, ost[s % 8], s % 2 ? 52 : 64});
      const int low = root - 12 + (s % 4 == 3 ? 12 : 0);
      bass.notes.push_back({c.beat + 0.5 * s, 0.45, low, s % 2 ? 50 : 62});
    }
    for (int k : voicing(c, 57)) strings.notes.push_back({c.beat, c.len - 0.05, k, 54});
  }
  phrase(pizz.notes, {4, 6, 14, 6, 0.3}, kBars);
  phrase(bass.notes, {4, 6, 12, 4, 0}, kBars);
  phrase(strings.notes, {4, 0, 30, 6, 0.5}, kBars);
  Part drums{"Drums", 9, 0, 76, 64, 35, {}};
  for (int bar = 0; bar < kBars; ++bar) {
    const double b0 = 4.0 * bar;
    for (double k : {0.0, 1.5, 2.0}) drums.notes.push_back({b0 + k, 0.3, kKick, h.vel(74, 4)});
    drums.notes.push_back({b0 + 3, 0.3, kSideStick, h.vel(60, 5)});
    for (int s = 0; s < 8; ++s)
      drums.notes.push_back({b0 + 0.5 * s, 0.2, kClosedHat, h.vel(s % 2 ? 34 : 46, 4)});
    if (bar == 7 || bar + 1 == kBars) {
      for (int s = 0; s < 4; ++s)
        drums.notes.push_back({b0 + 3 + 0.25 * s, 0.25, s < 2 ? kMidTom : kLowTom, 60 + 4 * s});
    }
  }
  return {"Quib Is Thinking", kBars, 0.34, {clarinet, glock, pizz, strings, bass, drums}};
}

// Two players: an upbeat shuffle-pop in G, alto sax over an organ skank, bass and brass hits.
Song vsPlaySong() {
  Humanise h(53);
  constexpr int kBars = 16;
  const auto chords = progression({"G", "Em", "C", "D", "G", "Em", "Am7", "D7", "C", "D", "Bm7",
                                   "Em", "Am7", "D7", "G", "Am7 D7"});
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
      "E5:1 C5:0.5 A4:0.5 D5:0.5 C5:0.5 A4:0.5 F#4:0.5",
      78);
  phrase(sax.notes, {2, 12, 18, 8, 0.7}, kBars);
  Part organ{"Organ", 1, 16, 70, 40, 45, {}};
  Part bass{"Bass", 2, 33, 96, 64, 20, {}};
  Part brass{"Brass", 3, 61, 76, 88, 50, {}};
  struct Step {
    double at, len;
    int above, vel;  // above: semitones over the root; -1 leads into the next root
  };
  const std::vector<Step> bar = {{0, 0.7, 12, 92},    {0.75, 0.25, 12, 66}, {1.5, 0.45, 24, 80},
                                 {2, 0.45, 19, 76},    {2.5, 0.45, 12, 80},  {3, 0.45, 21, 72},
                                 {3.5, 0.45, -1, 76}};
  const std::vector<Step> half = {{0, 0.7, 12, 92}, {0.75, 0.25, 12, 66}, {1, 0.45, 19, 76},
                                  {1.5, 0.45, -1, 76}};
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const Chord& c = chords[i];
    const auto tones = voicing(c, 59);
    const int root = 31 + (c.root + 12 - 7) % 12;  // G1 upward
    // The skank pushes on the off-beats of two and four.
    for (double off = 0.5; off < c.len; off += 1) {
      const bool push = std::fmod(c.beat + off, 2.0) > 1;
      for (int k : tones) organ.notes.push_back({c.beat + off, 0.3, k, push ? 64 : 52});
    }
    const int next = 31 + (chords[(i + 1) % chords.size()].root + 12 - 7) % 12;
    for (const Step& n : c.len >= 4 ? bar : half)
      bass.notes.push_back({c.beat + n.at, n.len, n.above < 0 ? next + 11 : root + n.above, n.vel});
    // Every fourth bar the brass answers on the and of three and on four, the second hit harder.
    const double barStart = 4.0 * std::floor(c.beat / 4.0);
    const bool answers = static_cast<int>(barStart / 4) % 4 == 3;
    if (answers && c.beat <= barStart + 2.5 && c.beat + c.len > barStart + 2.5) {
      const int swell = 3 * static_cast<int>(barStart / 16);
      for (int k : voicing(c, 62)) {
        brass.notes.push_back({barStart + 2.5, 0.3, k, 70 + swell});
        brass.notes.push_back({barStart + 3, 0.6, k, 90 + swell});
      }
    }
  }
  phrase(organ.notes, {4, 0, 22, 6, 0.4}, kBars);
  phrase(bass.notes, {4, 6, 10, 4, 0.2}, kBars);
  Part drums{"Drums", 9, 0, 84, 64, 30, {}};
  for (int bar = 0; bar < kBars; ++bar) {
    const double b0 = 4.0 * bar;
    if (bar == 0 || bar == 8) drums.notes.push_back({b0, 1, kCrash, 80});
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
  return {"Side Pocket Shuffle", kBars, 0.51, {sax, organ, bass, brass, drums}};
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

// The music timer starts a track again 31 s after a screen's first start and every 30.5 s
// after that, so the form takes 30.5 s and the file then plays its first bar again: a
// restart lands on or just after the top of the form, never in silence.
constexpr double kFormSeconds = 30.5;
constexpr int kReturnBars = 1;

// Note-on and note-off ticks of a part, the earlier of two strikes of one key ending where
// the next begins: a note-off that came after the second strike would silence it.
std::vector<std::pair<long, long>> spans(const std::vector<Note>& notes, long endTick) {
  std::vector<std::pair<long, long>> out;
  for (const Note& n : notes) {
    const long on = ticks(n.beat);
    out.push_back({on, std::min(endTick, std::max(on + 1, ticks(n.beat + n.len)))});
  }
  std::vector<std::size_t> order(out.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return notes[a].key != notes[b].key ? notes[a].key < notes[b].key : out[a].first < out[b].first;
  });
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    auto& cur = out[order[i]];
    const auto& next = out[order[i + 1]];
    if (notes[order[i]].key != notes[order[i + 1]].key) continue;
    if (next.first <= cur.first) throw std::logic_error("two strikes of one key at once");
    cur.second = std::min(cur.second, next.first);
  }
  return out;
}

Bytes midiFile(const Song& song) {
  const double formBeats = 4.0 * song.bars;
  const long endTick = ticks(formBeats + 4.0 * kReturnBars);
  Bytes file = text("MThd");
  putBE(file, 6, 4);
  putBE(file, 1, 2);  // one tempo track, then one track per part
  putBE(file, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
  putBE(file, kDivision, 2);

  Bytes tempo;
  putBE(tempo, static_cast<std::uint32_t>(std::lround(kFormSeconds * 1e6 / formBeats)), 3);
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
    std::vector<Note> notes = p.notes;
    for (const Note& n : p.notes)
      if (n.beat < 4.0 * kReturnBars) notes.push_back({n.beat + formBeats, n.len, n.key, n.vel});
    const auto times = spans(notes, endTick);
    for (std::size_t i = 0; i < notes.size(); ++i) {
      const Note& n = notes[i];
      const auto [on, off] = times[i];
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
