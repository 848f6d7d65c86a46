// Properties of the profile-file reader and writer that hold for any bytes, shared by the
// fuzzer and by the test that replays its corpus.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/profile.h"
#include "platform/text.h"

namespace velkor::fuzz {

namespace detail {
inline std::string_view trimName(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

inline bool sameName(std::string_view a, std::string_view b) {
  a = trimName(a);
  b = trimName(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// What a reader gives back for a value that was written.
inline std::string expectedRead(std::string_view written) {
  std::string v(written.substr(0, written.find('\0')));
  for (char& c : v) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return leftChars(validUtf8(v), ProfileFile::kProfileTextLimit);
}
}  // namespace detail

// Empty when every property holds, else what went wrong.
inline std::string checkProfileInput(std::string_view data) {
  using detail::sameName;
  ProfileFile f = ProfileFile::parse(data);
  if (f.text() != data) return "an unchanged file is not kept byte for byte";

  // Names to probe: the game's own, plus the first section and key that the bytes spell.
  std::vector<std::pair<std::string, std::string>> probes = {
      {"SOLO", "Name01"}, {"VSCPU", "Time10"}, {"VELKOR", "SOUND"}, {"QUIB", "LV"}};
  std::size_t open = data.find('[');
  std::size_t close = data.find(']', open == std::string_view::npos ? 0 : open);
  std::size_t eq = data.find('=', close == std::string_view::npos ? 0 : close);
  if (open != std::string_view::npos && close != std::string_view::npos && eq != std::string_view::npos) {
    std::size_t lineStart = data.find_last_of("\r\n", eq);
    lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    if (lineStart < eq) {
      probes.emplace_back(std::string(data.substr(open + 1, close - open - 1)),
                          std::string(data.substr(lineStart, eq - lineStart)));
    }
  }

  std::vector<std::optional<std::string>> before;
  for (const auto& [s, k] : probes) {
    std::string text = f.getString(s, k, "");
    if (validUtf8(text) != text) return "a read gave invalid UTF-8";
    if (textLength(text) > ProfileFile::kProfileTextLimit) return "a read is longer than the limit";
    (void)f.getInt(s, k, 0);
    const std::string* raw = f.find(s, k);
    before.push_back(raw ? std::optional<std::string>(*raw) : std::nullopt);
  }

  // A value taken from the bytes themselves, line breaks and NULs included.
  std::string value(data.substr(data.size() / 2, 40));
  for (std::size_t p = 0; p < probes.size(); ++p) {
    ProfileFile g = f;
    const auto& [s, k] = probes[p];
    if (!g.set(s, k, value)) {
      if (g.text() != f.text()) return "a refused write changed the file";
      continue;
    }
    ProfileFile reread = ProfileFile::parse(g.text());
    for (const ProfileFile* doc : {&g, &reread}) {
      if (doc->getString(s, k, "<none>") != detail::expectedRead(value)) {
        return "a written value does not read back";
      }
      for (std::size_t q = 0; q < probes.size(); ++q) {
        const auto& [s2, k2] = probes[q];
        if (sameName(s2, s) && sameName(k2, k)) continue;
        const std::string* raw = doc->find(s2, k2);
        std::optional<std::string> now = raw ? std::optional<std::string>(*raw) : std::nullopt;
        if (now != before[q]) return "a write changed another key";
      }
    }
  }
  return "";
}

}  // namespace velkor::fuzz
