// The table's effect sounds, built from damped resonances and filtered noise.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/sounds/sound_files.h"

namespace velkor::sounds {

namespace {

constexpr double kTwoPi = 6.283185307179586;

using Signal = std::vector<double>;

// A fixed-seed generator, so the noise is the same on every run and every platform.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {  // uniform in [-1, 1)
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t state_;
};

Signal silence(double seconds) {
  return Signal(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

// A struck resonance: a sine that dies away exponentially, starting at a zero crossing.
void addMode(Signal& s, double start, double freq, double amp, double decay) {
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  for (std::size_t i = first; i < s.size(); ++i) {
    const double t = static_cast<double>(i - first) / kSampleRate;
    const double env = std::exp(-t / decay);
    if (env < 1e-5) break;
    s[i] += amp * env * std::sin(kTwoPi * freq * t);
  }
}

// A thump whose pitch falls from f0 to f1, as a ball landing on the pocket's leather.
void addThump(Signal& s, double start, double f0, double f1, double amp, double decay) {
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  double phase = 0;
  for (std::size_t i = first; i < s.size(); ++i) {
    const double t = static_cast<double>(i - first) / kSampleRate;
    const double env = std::exp(-t / decay);
    if (env < 1e-5) break;
    const double f = f1 + (f0 - f1) * std::exp(-t / 0.03);
    phase += kTwoPi * f / kSampleRate;
    s[i] += amp * env * std::sin(phase);
  }
}

// A burst of noise through a one-pole low-pass, shaped by a fast attack and a decay.
void addNoise(Signal& s, Noise& n, double start, double length, double cutoff, double amp,
              double decay) {
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  const auto count = static_cast<std::size_t>(length * kSampleRate);
  const double a = std::exp(-kTwoPi * cutoff / kSampleRate);
  double y = 0;
  for (std::size_t k = 0; k < count && first + k < s.size(); ++k) {
    const double t = static_cast<double>(k) / kSampleRate;
    y = (1 - a) * n.next() + a * y;
    const double env = std::min(1.0, t / 0.0004) * std::exp(-t / decay);
    s[first + k] += amp * env * y;
  }
}

// Scales the signal to the given peak and lets its end fade to zero.
void finish(Signal& s, double peak) {
  double top = 0;
  for (double v : s) top = std::max(top, std::abs(v));
  const double scale = top > 0 ? peak / top : 0;
  const std::size_t fade = std::min<std::size_t>(s.size(), kSampleRate / 200);
  for (std::size_t i = 0; i < s.size(); ++i) {
    s[i] *= scale;
    const std::size_t left = s.size() - i;
    if (left <= fade) s[i] *= static_cast<double>(left - 1) / static_cast<double>(fade);
  }
}

void put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xff));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}
void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xffff);
  put16(b, v >> 16);
}
void putTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A mono 16-bit PCM WAV file.
Bytes wavFile(const Signal& s) {
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  Bytes b;
  putTag(b, "RIFF");
  put32(b, 36 + dataBytes);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, kSampleRate);
  put32(b, kSampleRate * 2);
  put16(b, 2);
  put16(b, 16);
  putTag(b, "data");
  put32(b, dataBytes);
  for (double v : s) {
    const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
    put16(b, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
  }
  return b;
}

// Two phenolic balls meeting: a short bright click. Harder hits ring a little longer, carry
// more of the upper resonances and come out louder.
Bytes ballClick(int hardness, double peak) {
  Noise n(0x5eed0001u + static_cast<std::uint32_t>(hardness));
  Signal s = silence(0.11);
  const double h = hardness / 2.0;  // 0, 0.5, 1
  addMode(s, 0, 2650, 1.0, 0.007 + 0.003 * h);
  addMode(s, 0, 4150, 0.45 + 0.25 * h, 0.0045 + 0.002 * h);
  addMode(s, 0, 1180, 0.35, 0.011);
  addMode(s, 0, 6300, 0.12 + 0.2 * h, 0.0025);
  addNoise(s, n, 0, 0.004, 5500, 0.6 + 0.4 * h, 0.0012);
  finish(s, peak);
  return wavFile(s);
}

// A ball dropping into a pocket: the thud on the leather, a knock, then the ball rattling
// against the others and settling with a low roll.
Bytes pocketDrop() {
  Noise n(0x5eed0010u);
  Signal s = silence(0.85);
  addThump(s, 0, 170, 82, 1.0, 0.075);
  addMode(s, 0, 390, 0.3, 0.03);
  addNoise(s, n, 0, 0.02, 900, 0.5, 0.006);
  const double ticks[][2] = {{0.17, 0.32}, {0.28, 0.24}, {0.365, 0.17}, {0.43, 0.12},
                             {0.48, 0.085}, {0.515, 0.06}, {0.54, 0.04}};
  for (const auto& [at, amp] : ticks) {
    addMode(s, at, 1850, amp, 0.006);
    addMode(s, at, 2950, amp * 0.4, 0.004);
    addMode(s, at, 720, amp * 0.45, 0.012);
  }
  // The roll: low noise that swells and fades with a slow wobble.
  // Two low-pass stages, so no hiss rides on the rumble.
  const double a = std::exp(-kTwoPi * 220 / kSampleRate);
  double y1 = 0, y = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    y1 = (1 - a) * n.next() + a * y1;
    y = (1 - a) * y1 + a * y;
    const double swell = t < 0.08 ? 0 : std::min(1.0, (t - 0.08) / 0.1) * std::exp(-(t - 0.08) / 0.22);
    s[i] += 3.0 * swell * (0.75 + 0.25 * std::sin(kTwoPi * 9 * t)) * y;
  }
  finish(s, 0.5);
  return wavFile(s);
}

// A ball against the rubber cushion: a dull, low knock with little ring.
Bytes cushionKnock() {
  Noise n(0x5eed0020u);
  Signal s = silence(0.22);
  addThump(s, 0, 240, 175, 1.0, 0.04);
  addMode(s, 0, 335, 0.45, 0.022);
  addMode(s, 0, 610, 0.25, 0.011);
  addNoise(s, n, 0, 0.012, 1100, 0.45, 0.003);
  finish(s, 0.45);
  return wavFile(s);
}

}  // namespace

std::map<std::string, Bytes> makeEffectFiles() {
  return {
      {"vmin.wav", ballClick(0, 0.19)},   {"vmid.wav", ballClick(1, 0.36)},
      {"vmax.wav", ballClick(2, 0.60)},   {"drop.wav", pocketDrop()},
      {"meetwall.wav", cushionKnock()},
  };
}

}  // namespace velkor::sounds
