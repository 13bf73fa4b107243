#include "numfmt.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {
std::string& Separator() {
  static std::string separator = ".";
  return separator;
}

void PadLeft(std::string& s, int width) {
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
}
}  // namespace

void SetDecimalSeparator(const std::string& separator) { Separator() = separator.empty() ? "." : separator; }
const std::string& DecimalSeparator() { return Separator(); }

std::string FillText(char c, int count) { return std::string(static_cast<size_t>(std::max(count, 0)), c); }

std::string FormatReal(extended value, int width, int decimals) {
  width = std::clamp(width, 1, 255);
  decimals = std::clamp(decimals, 0, 255);
  if (!std::isfinite(value)) return FillText('*', width);
  if (value == 0) value = 0;  // no "-0.0"

  // 1. Fixed notation, rounded to nearest with ties to even. (to_chars
  // keeps the "." whatever the C library's locale says.)
  std::string text(5200, '\0');  // room for the largest extended value
  const auto fixed = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
  if (fixed.ec != std::errc()) return FillText('*', width);
  text.resize(static_cast<size_t>(fixed.ptr - text.data()));
  PadLeft(text, width);

  // 2. Drop decimals from the end while too long.
  while (static_cast<int>(text.size()) > width && decimals > 0) {
    text.pop_back();
    --decimals;
  }
  // 3. No trailing separator.
  if (!text.empty() && text.back() == '.') text.pop_back();

  // 4. Exponent notation: sign or blank, d.ddd, "E", sign, four digits;
  // then the first two exponent digits go (E+0008 -> E+08).
  if (static_cast<int>(text.size()) > width) {
    const int digits = std::clamp(width - 8, 2, 18);
    char buf[64];
    const auto sci = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, digits - 1);
    std::string mantissa(buf, sci.ptr);
    const auto e = mantissa.find('e');
    int exponent = std::atoi(mantissa.c_str() + e + 1);
    mantissa.resize(e);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    text = (value < 0 ? "-" : " ") + mantissa + exp;
    PadLeft(text, width);
    text.erase(text.size() - 4, 2);
    if (static_cast<int>(text.size()) > width) return FillText('*', width);
  }

  // 5. Right-align.
  PadLeft(text, width);
  // 6. Regional separator.
  if (Separator() != ".") {
    const auto dot = text.find('.');
    if (dot != std::string::npos) text.replace(dot, 1, Separator());
  }
  return text;
}

std::string FormatInteger(int32_t value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) > width) return FillText('*', width);
  PadLeft(text, width);
  return text;
}

const char* const kNoPaybackText = "keine";

std::string FormatRealInFull(extended value, int width, int decimals) {
  std::string text = FormatReal(value, width, decimals);
  if (!std::isfinite(value) || text.find('*') == std::string::npos) return text;
  // Wide enough for the integer part of the fixed text (rounding may
  // carry into it); FormatReal then cuts the decimals it has no room for.
  decimals = std::clamp(decimals, 0, 255);
  std::string fixed(5200, '\0');
  const auto r = std::to_chars(fixed.data(), fixed.data() + fixed.size(), value == 0 ? 0 : value,
                               std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) return text;
  fixed.resize(static_cast<size_t>(r.ptr - fixed.data()));
  const size_t point = fixed.find('.');
  const int whole = static_cast<int>(point == std::string::npos ? fixed.size() : point);
  return FormatReal(value, std::clamp(whole, width, 255), decimals);
}

std::string FormatIntegerInFull(int64_t value, int width) {
  if (value == std::numeric_limits<int64_t>::min()) return FillText('*', width);
  std::string text = std::to_string(value);
  PadLeft(text, width);
  return text;
}

std::string FormatFigure(int32_t value, int width) {
  return IsSaturated(value) ? FillText('*', width) : FormatIntegerInFull(value, width);
}

std::string FormatPayback(extended months, bool found, int width, int decimals) {
  if (found || std::isnan(months)) return FormatRealInFull(months, width, decimals);
  std::string text = kNoPaybackText;
  PadLeft(text, width);
  return text;
}
