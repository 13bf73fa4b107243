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

// The same texts for figures that must never turn into asterisks: a text
// that fits `width` is exactly FormatReal's or FormatInteger's; one that
// does not grows to the left until the number fits whole (a real number
// keeps as many decimals as FormatReal would at the width of its integer
// part). Only what has no value is asterisks, `width` of them: NaN and
// infinities, and for integers the lowest 64-bit value (kNoBalance of the
// payback computation).
std::string FormatRealInFull(extended value, int width, int decimals);
std::string FormatIntegerInFull(int64_t value, int width);
// A 32-bit figure of the record: a saturated one (the true value left the
// 32-bit range) has no value.
std::string FormatFigure(int32_t value, int width);

// A payback period in months as FormatRealInFull writes it, or "keine"
// (right-aligned in `width`) when there is no payback.
std::string FormatPayback(extended months, bool found, int width, int decimals);
extern const char* const kNoPaybackText;  // "keine"
