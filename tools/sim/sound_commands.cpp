// Commands of the sound and music group: the effect sounds and the music timer.
#include <cctype>
#include <cstdio>
#include <ostream>

#include "sound/effect_sounds.h"
#include "sound/music_scene.h"
#include "sound/music_timer.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {
std::string flagsText(unsigned flags) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%02x", flags);
  return buf;
}
}  // namespace

void addSoundCommands(CommandTable& t) {
  t["sound"] = {"sound on|off", "sets soundOn to 1 (on) or 0 (off)",
                [](const Args& a) -> Action {
                  a.expectCount(1, 1);
                  const Integer on = a.choice(0, {"on", "off"}) == "on" ? 1 : 0;
                  return [on](Sim& s) { s.g.soundOn = on; };
                }};
  t["wavs"] = {"wavs",
               "one line 'wav FILE FLAGS' (FLAGS 0x01 or 0x11) for each sound the effect "
               "operations asked to play since the last 'wavs', in order",
               [](const Args& a) -> Action {
                 a.expectCount(0, 0);
                 return [](Sim& s) {
                   for (const RecordingAudio::Wav& w : s.audio.wavs)
                     s.out << "wav " << w.file << ' ' << flagsText(w.flags) << "\n";
                   s.audio.wavs.clear();
                 };
               }};
  t["strike"] = {"strike hit|wall|drop STRENGTH",
                 "calls playHitSound, playWallSound or playDropSound with STRENGTH (a Single)",
                 [](const Args& a) -> Action {
                   a.expectCount(2, 2);
                   const std::string kind = a.choice(0, {"hit", "wall", "drop"});
                   const auto strength = static_cast<Single>(a.number(1));
                   return [kind, strength](Sim& s) {
                     if (kind == "hit") playHitSound(s.g, strength);
                     if (kind == "wall") playWallSound(s.g, strength);
                     if (kind == "drop") playDropSound(s.g, strength);
                   };
                 }};
  // "scene" also names the table scenes; a number is the music scene.
  const Command tableScene = t.at("scene");
  t["scene"] = {tableScene.usage + "  or  scene S",
                tableScene.help +
                    ".\n      scene S sets the music scene as the screen handlers do: bgmScene goes "
                    "to bgmPrevScene, then S (-1 off, 0 menu, 1 records, 2 solo, 3 versus "
                    "computer, 4 two players) to bgmScene",
                [tableScene](const Args& a) -> Action {
                  const std::string& first = a.word(0);
                  const bool number =
                      first[0] == '-' || std::isdigit(static_cast<unsigned char>(first[0]));
                  if (!number) return tableScene.parse(a);
                  a.expectCount(1, 1);
                  const auto scene = static_cast<Integer>(a.integer(0, bgmOff, bgmVSPlay));
                  return [scene](Sim& s) { setBgmScene(s.g, scene); };
                }};
  t["bgmtick"] = {"bgmtick [K]",
                  "K (default 1) ticks of the music timer timBGM_Timer, printing 'mci COMMAND' "
                  "for each media command sent and 'caption TEXT' when the window caption changes",
                  [](const Args& a) -> Action {
                    a.expectCount(0, 1);
                    const long k = a.size() == 1 ? a.integer(0, 0, 100000000) : 1;
                    return [k](Sim& s) {
                      for (long i = 0; i < k; ++i) {
                        const std::string before = s.g.form[Ctl::MFVELKOR].caption;
                        timBGM_Timer(s.g);
                        const std::string& after = s.g.form[Ctl::MFVELKOR].caption;
                        if (after != before) s.out << "caption " << after << "\n";
                      }
                    };
                  }};
}

}  // namespace velkor::sim
