// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number.h"

#include <bit>
#include <cfenv>
#include <cmath>
#include <limits>

namespace velmora {

void detail::ThrowTrapped() { throw ArithmeticFault(trap_state.kind); }

namespace {

constexpr double kDead = std::numeric_limits<double>::quiet_NaN();

// The operations read their operands unchecked: arithmetic on a dead value goes on quietly.
double Raw(Real x) { return std::bit_cast<double>(x); }

// Throws the fault, or under an armed trap records it (the first one only) and gives a dead value.
Real Fault(FaultKind kind) {
  detail::TrapState& trap = detail::trap_state;
  if (!trap.armed) throw ArithmeticFault(kind);
  if (!trap.faulted) {
    trap.faulted = true;
    trap.kind = kind;
  }
  return Real(kDead);
}

Real Finite(double value) {
  if (!std::isfinite(value)) [[unlikely]]
    return Fault(FaultKind::kOverflow);
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

Real operator+(Real a, Real b) { return Finite(Raw(a) + Raw(b)); }
Real operator-(Real a, Real b) { return Finite(Raw(a) - Raw(b)); }
Real operator*(Real a, Real b) { return Finite(Raw(a) * Raw(b)); }

Real operator/(Real a, Real b) {
  if (Raw(b) == 0.0) return Fault(FaultKind::kDivisionByZero);
  return Finite(Raw(a) / Raw(b));
}

Real Pow(Real base, Real exponent) {
  const double b = Raw(base);
  const double e = Raw(exponent);
  if (b < 0.0 && !IsWhole(e)) return Fault(FaultKind::kInvalidArgument);
  if (b == 0.0 && e < 0.0) return Fault(FaultKind::kInvalidArgument);
  return Finite(std::pow(b, e));
}

Real Ln(Real x) {
  if (Raw(x) <= 0.0) return Fault(FaultKind::kInvalidArgument);
  return Finite(std::log(Raw(x)));
}

Real Exp(Real x) { return Finite(std::exp(Raw(x))); }

Real Sqrt(Real x) {
  if (Raw(x) < 0.0) return Fault(FaultKind::kInvalidArgument);
  return Finite(std::sqrt(Raw(x)));
}

Single ToSingle(Real x) {
  // At or beyond half a unit above the largest single the nearest single is infinity.
  static const double kLimit =
      static_cast<double>(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
  // A dead value stays dead (NaN compares false).
  if (std::fabs(Raw(x)) >= kLimit)
    return Single(static_cast<float>(Raw(Fault(FaultKind::kOverflow))));
  return Single(static_cast<float>(Raw(x)));
}

std::int16_t ToInt16(Real x) { return ToWhole<std::int16_t>(x); }
std::int32_t ToInt32(Real x) { return ToWhole<std::int32_t>(x); }

Real CheckedReal(double value) { return Finite(value); }

}  // namespace velmora
