// The font faces the game names, resolved to installed ones.
#pragma once

namespace velkor {

// "Arial" -> Liberation Sans, "ＭＳ ゴシック" and "MS Gothic" -> IPAGothic.
void installFontSubstitutions();

}  // namespace velkor
