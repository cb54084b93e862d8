// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic for the calculators.
//
// A calculator never sees an infinity or a NaN: every operation on a `Real`
// either gives a finite double or throws `ArithmeticFault`, which abandons the
// press. While a press runs under a `FaultTrap`, the first fault is recorded
// instead of thrown and the arithmetic after it goes on with a dead value (a
// NaN), so that a press which faults need not unwind; whatever looks at a dead
// value (a comparison, value(), a whole number) throws the fault then. Values that a window holds
// in single precision are `Single`s; they widen to `Real` whenever they take part in arithmetic, so
// a product of two singles is still formed in double precision, as the formulas require.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace velmora {

enum class FaultKind {
  kDivisionByZero,   // x / 0 and 0 / 0
  kInvalidArgument,  // negative base with a fractional exponent, 0 to a negative power, ln x <= 0
  kOverflow,         // beyond the double or single range, whole number out of range
};

/// The name used in the runner's JSON: "division_by_zero", "invalid_argument", "overflow".
std::string_view FaultKindName(FaultKind kind);

/// The fault in words for the user, e.g. "除数为零（division by zero）".
std::string FaultDescription(FaultKind kind);

class ArithmeticFault : public std::runtime_error {
 public:
  explicit ArithmeticFault(FaultKind kind);
  FaultKind kind() const { return kind_; }

 private:
  FaultKind kind_;
};

namespace detail {
struct TrapState {
  bool armed = false;
  bool faulted = false;
  FaultKind kind = FaultKind::kOverflow;
};
inline thread_local TrapState trap_state;
[[noreturn]] void ThrowTrapped();
// A dead value must not steer anything: the press has ended at its fault.
template <typename T>
void CheckAlive(T value) {
  if (std::isnan(value) && trap_state.faulted) [[unlikely]]
    ThrowTrapped();
}
}  // namespace detail

/// Records the first arithmetic fault on this thread instead of throwing it, for as long as it
/// lives. Whoever arms it must look at `Fault()` afterwards and drop what came after the fault.
class FaultTrap {
 public:
  FaultTrap() : saved_(detail::trap_state) { detail::trap_state = {.armed = true}; }
  ~FaultTrap() { detail::trap_state = saved_; }
  FaultTrap(const FaultTrap&) = delete;
  FaultTrap& operator=(const FaultTrap&) = delete;
  /// The first fault since the trap was armed, or null.
  static const FaultKind* Fault() {
    return detail::trap_state.faulted ? &detail::trap_state.kind : nullptr;
  }

 private:
  detail::TrapState saved_;
};

/// True once the armed trap on this thread has recorded a fault. The press has then ended and
/// nothing after the fault is kept, so a computation may stop where it stands instead of
/// comparing a dead value, which would throw (and unwinding costs far more than the press).
inline bool Faulted() { return detail::trap_state.faulted; }

/// A finite double. Arithmetic on it is checked; the raw value is `value()`.
class Real {
 public:
  constexpr Real() = default;
  // Implicit, so that constants of the design code read as written: 0.8 * x.
  constexpr Real(double value) : value_(value) {}  // NOLINT(google-explicit-constructor)
  constexpr double value() const {
    if (!std::is_constant_evaluated()) detail::CheckAlive(value_);
    return value_;
  }
  friend Real operator-(Real a) { return Real(-a.value_); }

 private:
  double value_ = 0.0;
};

/// A value held in IEEE single precision. Create it with `ToSingle`.
class Single {
 public:
  constexpr Single() = default;
  constexpr explicit Single(float value) : value_(value) {}
  constexpr float value() const {
    if (!std::is_constant_evaluated()) detail::CheckAlive(value_);
    return value_;
  }
  // Widening is exact; arithmetic then happens in double precision.
  constexpr operator Real() const { return Real(value_); }  // NOLINT(google-explicit-constructor)

 private:
  float value_ = 0.0F;
};

Real operator+(Real a, Real b);
Real operator-(Real a, Real b);
Real operator*(Real a, Real b);
/// Throws kDivisionByZero for a zero divisor (0 / 0 included).
Real operator/(Real a, Real b);
inline Real operator+(Real a) { return a; }
inline bool operator==(Real a, Real b) { return a.value() == b.value(); }
inline std::partial_ordering operator<=>(Real a, Real b) { return a.value() <=> b.value(); }

/// a raised to b. Negative a with a fractional b, or 0 to a negative b, is an invalid argument.
Real Pow(Real base, Real exponent);
/// Natural logarithm; x <= 0 is an invalid argument.
Real Ln(Real x);
/// e raised to x.
Real Exp(Real x);
/// Square root; x < 0 is an invalid argument.
Real Sqrt(Real x);

/// The nearest single; a value beyond the single range is an overflow.
Single ToSingle(Real x);

/// The nearest whole number, a tie going to the even neighbour; out of range is an overflow.
std::int16_t ToInt16(Real x);
std::int32_t ToInt32(Real x);

/// The finite double itself; an infinity or NaN is an overflow. For values that enter from
/// outside the checked operations (a field text such as "1e999").
Real CheckedReal(double value);

}  // namespace velmora
