// Fixed-width number texts for result fields and reports.
//
// Texts are right-aligned in exactly `width` characters and use the
// decimal separator set at program start (the user's locale; "." until
// then). A number that does not fit loses decimals first (cut, not rounded
// again), then switches to exponent notation, and finally becomes a row of
// asterisks. NaN and infinities are always asterisks.
#pragma once

#include <cstdint>
#include <string>

#include "extmath.h"

// The decimal separator (one character, UTF-8). Set once at start.
void SetDecimalSeparator(const std::string& separator);
const std::string& DecimalSeparator();

// value with `decimals` digits after the separator in `width` (1..255)
// characters.
std::string FormatReal(extended value, int width, int decimals);
// The decimal text of value in `width` characters, or `width` asterisks.
std::string FormatInteger(int32_t value, int width);
// count copies of c.
std::string FillText(char c, int count);
