// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct FaultCase {
  const char* name;
  std::function<Real()> operation;
  std::optional<FaultKind> fault;  // nothing: the operation succeeds
};

class CheckedArithmeticTest : public testing::TestWithParam<FaultCase> {};

TEST_P(CheckedArithmeticTest, FaultsOfTheRightKind) {
  const FaultCase& c = GetParam();
  if (!c.fault) {
    EXPECT_NO_THROW(c.operation());
    return;
  }
  try {
    const Real r = c.operation();
    ADD_FAILURE() << "no fault, got " << r.value();
  } catch (const ArithmeticFault& fault) {
    EXPECT_EQ(fault.kind(), *c.fault);
  }
}

// Under a trap the same fault is recorded (or, for whole numbers, still thrown), never another.
TEST_P(CheckedArithmeticTest, TrappedFaultsOfTheSameKind) {
  const FaultCase& c = GetParam();
  std::optional<FaultKind> seen;
  {
    const FaultTrap trap;
    try {
      c.operation();
      if (const FaultKind* kind = FaultTrap::Fault()) seen = *kind;
    } catch (const ArithmeticFault& fault) {
      seen = fault.kind();
    }
  }
  EXPECT_EQ(seen, c.fault);
  EXPECT_EQ(FaultTrap::Fault(), nullptr) << "the trap outlived its scope";
}

constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, CheckedArithmeticTest,
    testing::Values(
        FaultCase{"DivideByZero", [] { return Real(1) / Real(0); }, FaultKind::kDivisionByZero},
        FaultCase{"ZeroByZero", [] { return Real(0) / Real(0); }, FaultKind::kDivisionByZero},
        FaultCase{"DivideByNegativeZero", [] { return Real(1) / Real(-0.0); },
                  FaultKind::kDivisionByZero},
        FaultCase{"QuotientTooLarge", [] { return Real(1e300) / Real(1e-300); },
                  FaultKind::kOverflow},
        FaultCase{"ProductTooLarge", [] { return Real(1e308) * Real(10); }, FaultKind::kOverflow},
        FaultCase{"SumTooLarge", [] { return Real(kMax) + Real(kMax); }, FaultKind::kOverflow},
        FaultCase{"DifferenceTooLarge", [] { return Real(-kMax) - Real(kMax); },
                  FaultKind::kOverflow},
        FaultCase{"FractionalPowerOfNegative", [] { return Pow(Real(-8), Real(1.0 / 3.0)); },
                  FaultKind::kInvalidArgument},
        FaultCase{"WholePowerOfNegative", [] { return Pow(Real(-2), Real(3)); }, std::nullopt},
        FaultCase{"ZeroToNegative", [] { return Pow(Real(0), Real(-0.5)); },
                  FaultKind::kInvalidArgument},
        FaultCase{"ZeroToZero", [] { return Pow(Real(0), Real(0)); }, std::nullopt},
        FaultCase{"PowerTooLarge", [] { return Pow(Real(10), Real(400)); }, FaultKind::kOverflow},
        FaultCase{"LogOfZero", [] { return Ln(Real(0)); }, FaultKind::kInvalidArgument},
        FaultCase{"LogOfNegative", [] { return Ln(Real(-1)); }, FaultKind::kInvalidArgument},
        FaultCase{"RootOfNegative", [] { return Sqrt(Real(-1)); }, FaultKind::kInvalidArgument},
        FaultCase{"ExpTooLarge", [] { return Exp(Real(710)); }, FaultKind::kOverflow},
        FaultCase{"ExpUnderflows", [] { return Exp(Real(-1000)); }, std::nullopt},
        FaultCase{"SingleTooLarge", [] { return Real(ToSingle(Real(3.5e38))); },
                  FaultKind::kOverflow},
        FaultCase{"SingleAtTheTop", [] { return Real(ToSingle(Real(FLT_MAX))); }, std::nullopt},
        FaultCase{"InfiniteText",
                  [] { return CheckedReal(std::numeric_limits<double>::infinity()); },
                  FaultKind::kOverflow},
        FaultCase{"Int16TieAbove", [] { return Real(ToInt16(Real(32767.5))); },
                  FaultKind::kOverflow},
        FaultCase{"Int16TieBelow", [] { return Real(ToInt16(Real(-32768.5))); }, std::nullopt},
        FaultCase{"Int16Large", [] { return Real(ToInt16(Real(40000))); }, FaultKind::kOverflow},
        FaultCase{"Int32Large", [] { return Real(ToInt32(Real(40000))); }, std::nullopt},
        FaultCase{"Int32TieAbove", [] { return Real(ToInt32(Real(2147483647.5))); },
                  FaultKind::kOverflow}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(FaultTrap, KeepsTheFirstFaultAndThrowsItWhenADeadValueIsLookedAt) {
  const FaultTrap trap;
  const Real dead = Real(1) / Real(0);
  const Real still_dead = Ln(dead * Real(2)) + Sqrt(Real(-1));  // later faults change nothing
  EXPECT_EQ(*FaultTrap::Fault(), FaultKind::kDivisionByZero);
  EXPECT_FALSE(Real(2) < Real(1)) << "live values still compare";
  for (const auto& look : std::vector<std::function<void()>>{
           [&] { (void)(still_dead < Real(1)); }, [&] { (void)still_dead.value(); },
           [&] { (void)ToInt32(still_dead); }, [&] { (void)ToSingle(still_dead).value(); }}) {
    try {
      look();
      ADD_FAILURE() << "a dead value was looked at without a fault";
    } catch (const ArithmeticFault& fault) {
      EXPECT_EQ(fault.kind(), FaultKind::kDivisionByZero);
    }
  }
}

TEST(WholeNumbers, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(ToInt16(Real(1200.5)), 1200);
  EXPECT_EQ(ToInt16(Real(1201.5)), 1202);
  EXPECT_EQ(ToInt16(Real(-2.5)), -2);
  EXPECT_EQ(ToInt32(Real(40000.4)), 40000);
}

TEST(Singles, ArithmeticOnSinglesHappensInDouble) {
  const Single a = ToSingle(Real(0.1));
  const Single b = ToSingle(Real(3));
  // A float product would be rounded to single: 0.300000011920929.
  EXPECT_EQ((a * b).value(), static_cast<double>(0.1F) * 3.0);
  EXPECT_NE((a * b).value(), static_cast<double>(0.1F * 3.0F));
  EXPECT_EQ(ToSingle(Real(0.95)).value(), 0.95F);
}

TEST(FaultTexts, NameTheKindInBothLanguages) {
  EXPECT_EQ(FaultKindName(FaultKind::kDivisionByZero), "division_by_zero");
  EXPECT_EQ(FaultKindName(FaultKind::kInvalidArgument), "invalid_argument");
  EXPECT_EQ(FaultKindName(FaultKind::kOverflow), "overflow");
  EXPECT_NE(FaultDescription(FaultKind::kDivisionByZero).find("division by zero"),
            std::string::npos);
  EXPECT_NE(FaultDescription(FaultKind::kOverflow).find("溢出"), std::string::npos);
}

}  // namespace
}  // namespace velmora
