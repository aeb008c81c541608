// Numbers shown in a place of a few characters, without losing a digit off its edge.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brevant {

// The text of a number shown in a place at most maxChars wide: the text itself when it fits,
// else the value rounded to as many significant digits as fit, in fixed ("2236.068") or exponent
// form ("2.2361E+09") whichever keeps more, so that no magnitude is lost off the edge. Texts that
// are not a number, and numbers that fit in no form, come back as they are.
std::string FitNumberText(std::string_view text, std::size_t maxChars);

} // namespace brevant
