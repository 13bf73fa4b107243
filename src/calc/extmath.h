// Arithmetic of the calculation: 80-bit extended values (long double on
// x86), rounding to the nearest integer with exact halves to the even
// neighbour, and 32-bit integer arithmetic that saturates instead of
// overflowing.
//
// Saturation is the answer to figures that leave the 32-bit range (only
// reachable near the top of every input range, for example 99999 studies of
// 999.9 hours at 255 euro): the result sticks at INT32_MAX or INT32_MIN, a
// value of ten digits that no result field can show, so every display of it
// is asterisks instead of a plausible but wrong figure. An integer product
// that is divided right away is formed exactly instead, since the quotient
// fits. IsSaturated tells
// windows that print integers in plain decimal to do the same.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

using extended = long double;

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

inline bool IsSaturated(int32_t v) { return v == kInt32Max || v == kInt32Min; }

inline int32_t Saturate32(int64_t v) {
  if (v > kInt32Max) return kInt32Max;
  if (v < kInt32Min) return kInt32Min;
  return static_cast<int32_t>(v);
}

// A saturated operand keeps the result saturated (in its direction), so an
// overflow is never hidden by a later step.
inline int32_t SatAdd(int32_t a, int32_t b) {
  if (IsSaturated(a)) return a;
  if (IsSaturated(b)) return b;
  return Saturate32(static_cast<int64_t>(a) + b);
}
inline int32_t SatSub(int32_t a, int32_t b) {
  if (IsSaturated(a)) return a;
  if (IsSaturated(b)) return b == kInt32Max ? kInt32Min : kInt32Max;
  return Saturate32(static_cast<int64_t>(a) - b);
}
inline int32_t SatMul(int32_t a, int32_t b) {
  if (IsSaturated(a) || IsSaturated(b)) {
    if (a == 0 || b == 0) return 0;
    return ((a < 0) != (b < 0)) ? kInt32Min : kInt32Max;
  }
  return Saturate32(static_cast<int64_t>(a) * b);
}

// R(x): x rounded to the nearest integer, an exact half to the even one
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values beyond the 32-bit range
// saturate; NaN gives INT32_MIN (shown as asterisks like any overflow).
// rint rounds as nearbyint does (in the default mode: to nearest, ties to
// even) but may flag the result inexact, which nothing here reads; it is
// the processor's one instruction where nearbyint saves and restores the
// floating-point environment around it, many times slower.
inline int32_t Round32(extended x) {
  if (std::isnan(x)) return kInt32Min;
  const extended r = std::rint(x);
  if (r >= 2147483647.0L) return kInt32Max;
  if (r <= -2147483648.0L) return kInt32Min;
  return static_cast<int32_t>(r);
}

// The same rounding to 64 bits (balances of the payback results).
inline int64_t Round64(extended x) {
  if (std::isnan(x)) return std::numeric_limits<int64_t>::min();
  const extended r = std::rint(x);
  if (r >= 9223372036854775807.0L) return std::numeric_limits<int64_t>::max();
  if (r <= -9223372036854775808.0L) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}
