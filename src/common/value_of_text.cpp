#include "common/value_of_text.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <string>

namespace velmora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The leading number of `text` with blanks removed, in a form strtod reads ("D" as "E"), and
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

}  // namespace

double ValueOfText(std::string_view text) {
  const Leading leading = ReadLeading(text);
  if (leading.number.empty()) return 0.0;
  // from_chars rounds as strtod does and never looks at the locale, and is far quicker; it
  // leaves the values beyond the double's range to strtod, whose infinity or underflow the
  // callers already deal with.
  const char* first = leading.number.data();
  const char* const last = first + leading.number.size();
  if (*first == '+') ++first;
  double value = 0.0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc() && end == last) return value;
  // The program's locale may use a decimal comma; field texts never do.
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(leading.number.c_str(), nullptr, c_locale);
}

bool IsPlainNumber(std::string_view text) {
  const Leading leading = ReadLeading(text);
  if (leading.length == 0) return true;
  return !leading.number.empty() && leading.used == leading.length;
}

}  // namespace velmora
