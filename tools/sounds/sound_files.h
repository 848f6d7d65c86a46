// The game's own effect sounds and music, made in code: five WAV files (ball clicks at three
// strengths, a pocket drop, a cushion knock) and five General MIDI tracks, one for each screen,
// that sound past the music timer's restarts. The output is the same, byte for byte, on every run.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velkor::sounds {

using Bytes = std::vector<std::uint8_t>;

// Every file by its name: vmin.wav, vmid.wav, vmax.wav, drop.wav, meetwall.wav, menu.mid,
// record.mid, game1.mid, game2.mid, game3.mid.
std::map<std::string, Bytes> makeSoundFiles();
// The WAV files alone, and the MIDI files alone.
std::map<std::string, Bytes> makeEffectFiles();
std::map<std::string, Bytes> makeMusicFiles();

// Sample rate of the WAV files (mono, 16 bit).
constexpr int kSampleRate = 44100;
// Ticks per quarter note of the MIDI files.
constexpr int kDivision = 480;

}  // namespace velkor::sounds
