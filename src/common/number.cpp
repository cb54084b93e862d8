// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

Real Finite(double value) {
  if (!std::isfinite(value)) throw ArithmeticFault(FaultKind::kOverflow);
  return Real(value);
}

bool IsWhole(double x) { return std::trunc(x) == x; }

template <typename Int>
Int ToWhole(Real x) {
  // nearbyint honours the current rounding mode, which the program never changes: ties to even.
  const double rounded = std::nearbyint(x.value());
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw ArithmeticFault(FaultKind::kOverflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::string_view FaultKindName(FaultKind kind) {
  switch (kind) {
    case FaultKind::kDivisionByZero:
      return "division_by_zero";
    case FaultKind::kInvalidArgument:
      return "invalid_argument";
    case FaultKind::kOverflow:
      return "overflow";
  }
  return "overflow";
}

std::string FaultDescription(FaultKind kind) {
  switch (kind) {
    case FaultKind::kDivisionByZero:
      return "除数为零（division by zero）";
    case FaultKind::kInvalidArgument:
      return "无效的参数（invalid argument）：负数的非整数次方、零的负数次方或非正数的对数";
    case FaultKind::kOverflow:
      return "数值溢出（overflow）：结果超出了数值的表示范围";
  }
  return "数值溢出（overflow）";
}

ArithmeticFault::ArithmeticFault(FaultKind kind)
    : std::runtime_error(std::string(FaultKindName(kind))), kind_(kind) {}

Real operator+(Real a, Real b) { return Finite(a.value() + b.value()); }
Real operator-(Real a, Real b) { return Finite(a.value() - b.value()); }
Real operator*(Real a, Real b) { return Finite(a.value() * b.value()); }

Real operator/(Real a, Real b) {
  if (b.value() == 0.0) throw ArithmeticFault(FaultKind::kDivisionByZero);
  return Finite(a.value() / b.value());
}

Real Pow(Real base, Real exponent) {
  const double b = base.value();
  const double e = exponent.value();
  if (b < 0.0 && !IsWhole(e)) throw ArithmeticFault(FaultKind::kInvalidArgument);
  if (b == 0.0 && e < 0.0) throw ArithmeticFault(FaultKind::kInvalidArgument);
  return Finite(std::pow(b, e));
}

Real Ln(Real x) {
  if (x.value() <= 0.0) throw ArithmeticFault(FaultKind::kInvalidArgument);
  return Finite(std::log(x.value()));
}

Real Exp(Real x) { return Finite(std::exp(x.value())); }

Real Sqrt(Real x) {
  if (x.value() < 0.0) throw ArithmeticFault(FaultKind::kInvalidArgument);
  return Finite(std::sqrt(x.value()));
}

Single ToSingle(Real x) {
  // At or beyond half a unit above the largest single the nearest single is infinity.
  static const double kLimit =
      static_cast<double>(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
  if (std::fabs(x.value()) >= kLimit) throw ArithmeticFault(FaultKind::kOverflow);
  return Single(static_cast<float>(x.value()));
}

std::int16_t ToInt16(Real x) { return ToWhole<std::int16_t>(x); }
std::int32_t ToInt32(Real x) { return ToWhole<std::int32_t>(x); }

Real CheckedReal(double value) { return Finite(value); }

}  // namespace velmora
