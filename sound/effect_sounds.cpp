#include "sound/effect_sounds.h"

#include <string_view>

namespace velkor {

bool WavChoice::operator==(const WavChoice& o) const {
  return std::string_view(file) == o.file && flags == o.flags;
}

namespace {

// Kept in Single on purpose: the division and every comparison round as the game always has.
Single fraction(Single strength) { return strength / kFullPower; }

void play(GameState& g, const std::optional<WavChoice>& c) {
  if (!c) return;
  g.audio->sndPlaySound(c->file, c->flags);
}

}  // namespace

std::optional<WavChoice> chooseHitSound(Single strength, Integer shotCount) {
  // During the break the rack's many contacts must not chop each other off.
  const unsigned flags = shotCount <= 1 ? kSndAsync | kSndNoStop : kSndAsync;
  const Single k = fraction(strength);
  if (k >= 0.0f && k <= 0.3f) return WavChoice{"vmin.wav", flags};
  if (k > 0.3f && k <= 0.6f) return WavChoice{"vmid.wav", flags};
  if (k > 0.6f && k <= 5.0f) return WavChoice{"vmax.wav", flags};
  return std::nullopt;
}

std::optional<WavChoice> chooseDropSound(Single strength) {
  const Single k = fraction(strength);
  if (k >= 0.01f && k <= 1.0f) return WavChoice{"drop.wav", kSndAsync};
  return std::nullopt;
}

std::optional<WavChoice> chooseWallSound(Single strength) {
  const Single k = fraction(strength);
  if (k >= 0.01f && k <= 10.0f) return WavChoice{"meetwall.wav", kSndAsync};
  return std::nullopt;
}

void playHitSound(GameState& g, Single strength) {
  if (g.soundOn == 0) return;
  play(g, chooseHitSound(strength, g.shotCount));
}

void playDropSound(GameState& g, Single strength) {
  if (g.soundOn == 0) return;
  play(g, chooseDropSound(strength));
}

void playWallSound(GameState& g, Single strength) {
  if (g.soundOn == 0) return;
  play(g, chooseWallSound(strength));
}

}  // namespace velkor
