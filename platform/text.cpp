#include "platform/text.h"

namespace velkor {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// End of the character that starts at byte i; a malformed sequence counts byte by byte.
std::size_t nextCharEnd(std::string_view s, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  std::size_t k = 1;
  while (k < len && i + k < s.size() && isContinuation(static_cast<unsigned char>(s[i + k]))) ++k;
  return i + k;
}
}  // namespace

std::size_t textLength(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i = nextCharEnd(s, i)) ++n;
  return n;
}

std::string leftChars(std::string_view s, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t chars = 0; i < s.size() && chars < n; ++chars) i = nextCharEnd(s, i);
  return std::string(s.substr(0, i));
}

std::string fixedText(std::string_view s, std::size_t n) {
  std::string out = leftChars(s, n);
  std::size_t len = textLength(out);
  if (len < n) out.append(n - len, ' ');
  return out;
}

std::string blankControlChars(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::string_view rest = s.substr(i);
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
      ++i;
    } else if (rest.starts_with("\xC2\x85")) {
      out += ' ';
      i += 2;
    } else if (rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9")) {
      out += ' ';
      i += 3;
    } else {
      out += s[i];
      ++i;
    }
  }
  return out;
}

std::string trimBlanks(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return std::string(s.substr(b, e - b));
}

std::string signedNumberText(long long v) {
  // Appending, not prepending: GCC 12's -Wrestrict misreads `" " + std::string` at -O3.
  std::string text = v < 0 ? "" : " ";
  text += std::to_string(v);
  return text;
}

}  // namespace velkor

namespace velkor {

std::string validUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c < 0x80) {
      len = 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      if (c == 0xE0) lo = 0xA0;  // overlong
      if (c == 0xED) hi = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      if (c == 0xF0) lo = 0x90;  // overlong
      if (c == 0xF4) hi = 0x8F;  // above U+10FFFF
    }
    bool ok = len > 0 && i + len <= s.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      ok = k == 1 ? (d >= lo && d <= hi) : (d >= 0x80 && d <= 0xBF);
    }
    if (ok) {
      out.append(s.substr(i, len));
      i += len;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

}  // namespace velkor
