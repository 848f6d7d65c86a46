// Our own INI ("profile") files: the reads and writes the game's settings and records rely on.
// Sections and keys match without regard to case; the first of duplicates wins on reading;
// a write replaces a value in place and keeps every other line; writes are crash-safe.
// A file that cannot be read gives the defaults; a write that fails changes nothing and
// is reported only through the return value, which the game does not look at.
#pragma once

#include <string>
#include <string_view>

#include "engine/types.h"

namespace velkor {

// The number under section/key, read as leading blanks, an optional minus, then digits up to
// the first other character (no digits: 0); the default when the file, section or key is missing.
long getPrivateProfileInt(std::string_view section, std::string_view key, long defaultValue,
                          const std::string& path);
// The same, clamped to the 16-bit Integer range.
Integer getProfileInteger(std::string_view section, std::string_view key, Integer defaultValue,
                          const std::string& path);
// The text under section/key (at most 199 characters, as the game's buffer holds), or the default.
std::string getPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path);
// Writes key=value into section, creating the file or section when missing.
bool writePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path);

}  // namespace velkor
