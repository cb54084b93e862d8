// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/value_of_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace velmora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The leading number of `text` with blanks removed, in a form from_chars reads ("D" as "E"), and
// how many characters of the blank-free text it took. Empty when no digit was read.
struct Leading {
  std::string number;
  std::size_t used = 0;
  std::size_t length = 0;
};

Leading ReadLeading(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }
  Leading out;
  out.length = s.size();
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool digits = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      digits = true;
      number.push_back(s[i]);
    } else if (s[i] == '.' && !point) {
      point = true;
      number.push_back('.');
    } else {
      break;
    }
  }
  if (!digits) return out;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    const std::size_t first_digit = j;
    while (j < s.size() && IsDigit(s[j])) exponent.push_back(s[j++]);
    // An exponent letter without digits is not part of the number.
    if (j > first_digit) {
      number += exponent;
      i = j;
    }
  }
  out.number = std::move(number);
  out.used = i;
  return out;
}

// What strtod gives for a number beyond the double range: an infinity when it is too large,
// a zero when it is too small, with its sign. `number` is what ReadLeading built.
double OutOfRange(std::string_view number) {
  const bool negative = number.front() == '-';
  const std::size_t e = number.find('e');
  const std::string_view mantissa = number.substr(0, e);
  // The decimal exponent of the first significant digit, from where it stands against the point.
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return negative ? -0.0 : 0.0;
  // The decimal exponent of the first significant digit, from where it stands against the point.
  long long magnitude = static_cast<long long>(point) - static_cast<long long>(first);
  if (first < point) --magnitude;
  if (e != std::string_view::npos) {
    // Digits past what a long long holds are out of range either way; the sign decides.
    const std::string_view exponent = number.substr(e + 1);
    long long value = 0;
    const char* begin = exponent.data() + (exponent.front() == '+' ? 1 : 0);
    if (std::from_chars(begin, exponent.data() + exponent.size(), value).ec != std::errc{}) {
      value = exponent.front() == '-' ? std::numeric_limits<int>::min()
                                      : std::numeric_limits<int>::max();
    }
    magnitude += value;
  }
  const double out = magnitude >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -out : out;
}

// The usual text, a number with no blank and no D exponent, read in place as ReadLeading and
// from_chars below would read it. False for anything else, which takes the long way.
bool ReadPlain(std::string_view text, double& value) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  bool point = false;
  std::uint64_t mantissa = 0;
  int count = 0;     // digits read into the mantissa
  int decimals = 0;  // of them, after the point
  for (; i < n; ++i) {
    if (IsDigit(text[i])) {
      digits = true;
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
      ++count;
      if (point) ++decimals;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  // A blank anywhere would join what stands around it, and a D is an exponent: the digits read
  // so far hold neither, the rest of the text must not either.
  for (std::size_t j = i; j < n; ++j) {
    if (IsBlank(text[j]) || text[j] == 'D' || text[j] == 'd') return false;
  }
  // Up to 15 digits and no exponent, the digits and the power of ten are exact doubles and one
  // division rounds correctly: what from_chars would give, without its general machinery.
  if (count <= 15 && (i == n || (text[i] != 'E' && text[i] != 'e'))) {
    static constexpr std::array<double, 16> kPowers = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double magnitude = static_cast<double>(mantissa) / kPowers.at(decimals);
    value = text.front() == '-' ? -magnitude : magnitude;
    return true;
  }
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t first_digit = j;
    while (j < n && IsDigit(text[j])) ++j;
    if (j > first_digit) i = j;
  }
  const char* first = text.data() + (text.front() == '+' ? 1 : 0);
  const char* last = text.data() + i;
  const std::from_chars_result read = std::from_chars(first, last, value);
  return read.ec == std::errc{} && read.ptr == last;
}

}  // namespace

double ValueOfText(std::string_view text) {
  if (text.empty()) return 0.0;
  double plain = 0.0;
  if (ReadPlain(text, plain)) return plain;
  const Leading leading = ReadLeading(text);
  if (leading.number.empty()) return 0.0;
  // from_chars reads the same digits as strtod, rounded the same way, but never looks at the
  // locale (the program's may use a decimal comma) and exists on every platform. It takes no
  // plus sign.
  std::string_view number = leading.number;
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  const std::from_chars_result read =
      std::from_chars(number.data(), number.data() + number.size(), value);
  if (read.ec == std::errc::result_out_of_range) return OutOfRange(number);
  return value;
}

bool IsPlainNumber(std::string_view text) {
  const Leading leading = ReadLeading(text);
  if (leading.length == 0) return true;
  return !leading.number.empty() && leading.used == leading.length;
}

}  // namespace velmora
