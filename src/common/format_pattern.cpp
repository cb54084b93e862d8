// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/format_pattern.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace velmora {
namespace {

// value = (negative ? -1 : 1) * digits * 10^exponent, digits without leading zeros ("" is 0).
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The decimal digits of `value` in scientific form with `precision` digits after the first,
// correctly rounded. to_chars, unlike printf, never looks at the locale.
Decimal Printed(double value, int precision) {
  // The usual precisions fit on the stack; only an exact tie's 780 digits need the heap.
  std::array<char, 64> small{};
  std::string large;
  const std::size_t size = static_cast<std::size_t>(precision) + 16;
  char* const first = size <= small.size() ? small.data() : (large.resize(size), large.data());
  const auto result =
      std::to_chars(first, first + size, value, std::chars_format::scientific, precision);
  const std::string_view buffer(first, static_cast<std::size_t>(result.ptr - first));
  Decimal d;
  d.digits.reserve(static_cast<std::size_t>(precision) + 1);
  std::size_t i = 0;
  if (buffer[i] == '-') {
    d.negative = true;
    ++i;
  }
  for (; i < buffer.size() && buffer[i] != 'e'; ++i) {
    if (buffer[i] != '.') d.digits.push_back(buffer[i]);
  }
  int exponent = 0;
  const char* exponent_first = buffer.data() + i + 1;
  if (*exponent_first == '+') ++exponent_first;
  std::from_chars(exponent_first, buffer.data() + buffer.size(), exponent);
  d.exponent = exponent - precision;
  return d;
}

// Drops the digits from position `keep` on, rounding half away from zero. The digits must be
// exact, not rounded, beyond `keep`.
void RoundAt(Decimal& d, std::size_t keep) {
  if (d.digits.size() <= keep) return;
  const bool up = d.digits[keep] >= '5';
  d.exponent += static_cast<int>(d.digits.size() - keep);
  d.digits.resize(keep);
  if (up) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
    } else {
      ++d.digits[i - 1];
    }
  }
}

void StripLeadingZeros(Decimal& d) {
  const std::size_t first = d.digits.find_first_not_of('0');
  d.digits.erase(0, first == std::string::npos ? d.digits.size() : first);
}

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') {
    d.digits.pop_back();
    ++d.exponent;
  }
}

#if defined(__SIZEOF_INT128__)
// The value rounded to `significant` (at most 15) digits, halves away from zero, by exact whole
// number arithmetic: the value is m / 2^shift, so its digits scaled by 10^k are
// m * 10^k / 2^shift, whose quotient and remainder a 128-bit number holds for the magnitudes
// most results have. False for the others, which take the printed digits.
bool RoundedExactly(double value, int significant, Decimal& d) {
  using U128 = unsigned __int128;
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
  int binary_exponent = 0;
  const double fraction = std::frexp(magnitude, &binary_exponent);  // in [0.5, 1)
  const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = 53 - binary_exponent;  // 3 to 70 in this range
  static const std::array<U128, 23> kPowers = [] {
    std::array<U128, 23> out{};
    U128 p = 1;
    for (U128& x : out) {
      x = p;
      p *= 10;
    }
    return out;
  }();
  const U128 lower = kPowers.at(static_cast<std::size_t>(significant - 1));
  const U128 upper = kPowers.at(static_cast<std::size_t>(significant));
  // The decimal exponent of the first digit, off by one at most; corrected below.
  int k = significant - 1 -
          static_cast<int>(std::floor((binary_exponent - 1) * 0.30102999566398119521));
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (k < 0 || k > 22) return false;
    const U128 scaled = U128{m} * kPowers.at(static_cast<std::size_t>(k));
    U128 whole = scaled >> static_cast<unsigned>(shift);
    if (whole >= upper) {
      --k;
      continue;
    }
    if (whole < lower) {
      ++k;
      continue;
    }
    const U128 rest = scaled - (whole << static_cast<unsigned>(shift));
    if (rest >= U128{1} << static_cast<unsigned>(shift - 1)) ++whole;  // a half goes up
    if (whole == upper) {
      whole = lower;
      --k;
    }
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<std::uint64_t>(whole))
                         .ptr;
    d.negative = value < 0.0;
    d.digits.assign(digits.data(), end);
    d.exponent = -k;
    StripTrailingZeros(d);
    return true;
  }
  return false;
}
#endif

// `value` rounded to `significant` decimal digits, halves away from zero. printf rounds at its
// last digit, so a printed tail of "5000..." may hide an exact value just below or above the
// half: only then are the exact digits (at most 767 for a double) worth printing.
Decimal RoundSignificant(double value, int significant) {
  if (value == 0.0) return Decimal{};
#if defined(__SIZEOF_INT128__)
  if (significant <= 15) {
    Decimal d;
    if (RoundedExactly(value, significant, d)) return d;
  }
#endif
  constexpr int kGuard = 10;
  Decimal d = Printed(value, significant + kGuard - 1);
  const std::string_view tail = std::string_view(d.digits).substr(significant);
  if (tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string_view::npos) {
    d = Printed(value, 780);
  }
  RoundAt(d, static_cast<std::size_t>(significant));
  StripLeadingZeros(d);
  StripTrailingZeros(d);
  return d;
}

std::string PatternText(Decimal d, std::string_view pattern) {
  assert(pattern.find('.') != std::string_view::npos);
  const std::size_t point = pattern.find('.');
  const std::size_t decimals = pattern.size() - point - 1;
  if (d.exponent < -static_cast<int>(decimals)) {
    const std::size_t drop = static_cast<std::size_t>(-static_cast<int>(decimals) - d.exponent);
    if (drop > d.digits.size()) {
      // The first dropped digit is a zero before the significant ones: it rounds to zero.
      d = Decimal{d.negative, "", 0};
    } else {
      RoundAt(d, d.digits.size() - drop);
      StripTrailingZeros(d);
    }
  }
  // Written in place: the integer digits (none for zero), the point, the fraction digits.
  std::string text;
  if (d.negative && !d.digits.empty()) text.push_back('-');
  if (d.digits.empty()) {
    text.push_back('.');
  } else if (d.exponent >= 0) {
    text += d.digits;
    text.append(static_cast<std::size_t>(d.exponent), '0');
    text.push_back('.');
  } else {
    const std::size_t fraction_length = static_cast<std::size_t>(-d.exponent);
    if (d.digits.size() > fraction_length) {
      const std::size_t integer_length = d.digits.size() - fraction_length;
      text.append(d.digits, 0, integer_length);
      text.push_back('.');
      text.append(d.digits, integer_length);
    } else {
      text.push_back('.');
      text.append(fraction_length - d.digits.size(), '0');
      text += d.digits;
    }
  }
  return text;
}

std::string Exponential(const Decimal& d) {
  std::string text = d.negative ? "-" : "";
  text.push_back(d.digits[0]);
  if (d.digits.size() > 1) {
    text.push_back('.');
    text.append(d.digits, 1);
  }
  const int exponent = d.exponent + static_cast<int>(d.digits.size()) - 1;
  std::array<char, 16> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return text + buffer.data();
}

std::string General(double value, int significant, bool exponent_allowed) {
  Decimal d = RoundSignificant(value, significant);
  if (d.digits.empty()) return "0";
  const int magnitude = d.exponent + static_cast<int>(d.digits.size());  // digits before the point
  if (exponent_allowed && (magnitude > significant || magnitude < -4)) return Exponential(d);
  std::string text = d.negative ? "-" : "";
  if (magnitude <= 0) {
    text += "0.";
    text += std::string(static_cast<std::size_t>(-magnitude), '0');
    text += d.digits;
  } else if (d.exponent >= 0) {
    text += d.digits + std::string(static_cast<std::size_t>(d.exponent), '0');
  } else {
    text += d.digits.substr(0, static_cast<std::size_t>(magnitude));
    text += '.';
    text += d.digits.substr(static_cast<std::size_t>(magnitude));
  }
  return text;
}

}  // namespace

std::string FormatPattern(Real value, std::string_view pattern) {
  return PatternText(RoundSignificant(value.value(), 15), pattern);
}

std::string FormatPattern(Single value, std::string_view pattern) {
  return PatternText(RoundSignificant(value.value(), 7), pattern);
}

std::string GeneralText(Real value) { return General(value.value(), 15, true); }
std::string GeneralText(Single value) { return General(value.value(), 7, true); }
std::string DecimalText(Single value) { return General(value.value(), 7, false); }

}  // namespace velmora
