// Names with control characters, as typed or pasted into a name box, and the 12-character
// name the game keeps: each control character and line separator is one blank, made before
// the name is cut.
#pragma once

#include <ostream>
#include <string>

namespace velkor::testing {

struct TypedName {
  std::string typed;
  std::string stored;
};

inline void PrintTo(const TypedName& c, std::ostream* os) {
  *os << '"';
  for (unsigned char ch : c.typed) {
    if (ch < 0x20 || ch >= 0x7F) {
      static const char* const kHex = "0123456789abcdef";
      *os << "\\x" << kHex[ch >> 4] << kHex[ch & 15];
    } else {
      *os << ch;
    }
  }
  *os << '"';
}

inline const TypedName kControlCharNames[] = {
    {"Ann\nLee", "Ann Lee     "},
    {"Ann\r\nLee", "Ann  Lee    "},
    {"\tAnn", " Ann        "},
    {std::string("Ann\0Lee", 7), "Ann Lee     "},
    {"Ann\x7f\x1b[1m", "Ann  [1m    "},
    {"Ann\u0085Lee", "Ann Lee     "},
    {"Ann\u2028Lee\u2029", "Ann Lee     "},
    {"Maximilian\nAlexander", "Maximilian A"},
    // Not control characters: kept as typed.
    {"Zoë\u00a0Ö\u2027é", "Zoë\u00a0Ö\u2027é     "},
};

}  // namespace velkor::testing
