// Numbers from and to text: the point as decimal separator, E or e as the
// exponent letter, whatever the locale.  Text is 8-bit, one char per byte.
#pragma once

#include <string>
#include <string_view>

namespace vektoria {

// Never reports a malformed text: every text yields a number.  Throws
// ArithFault (overflow) when the value lies beyond the double range.
double TextToNumber(std::string_view text);

// At least `width` characters (blanks in front), exactly `decimals` digits
// after the point; at most 255 characters.  Never fails.
std::string NumberToText(double value, int width, int decimals);

}  // namespace vektoria
