// Fixed-width texts measured in characters (UTF-8 code points), not bytes.
#pragma once

#include <string>
#include <string_view>

namespace velkor {

// Number of UTF-8 characters; a stray continuation byte counts as one.
std::size_t textLength(std::string_view s);

// The first n characters of s.
std::string leftChars(std::string_view s, std::size_t n);

// s blank-padded to n characters, or cut to n when longer.
std::string fixedText(std::string_view s, std::size_t n);

// s with every control character (U+0000..U+001F, U+007F, U+0085) and the line and
// paragraph separators (U+2028, U+2029) made a blank: a name with a line break or a tab
// would break every line that shows it.
std::string blankControlChars(std::string_view s);

// s without leading and trailing blanks.
std::string trimBlanks(std::string_view s);

// Decimal text of a number with one leading blank when it is not negative: " 12", "-1".
std::string signedNumberText(long long v);

}  // namespace velkor

namespace velkor {

// s with every byte that is not part of a well-formed UTF-8 character replaced by U+FFFD.
std::string validUtf8(std::string_view s);

}  // namespace velkor
