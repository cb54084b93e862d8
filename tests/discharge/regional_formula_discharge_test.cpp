#include "discharge/regional_formula_discharge.h"

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

// Formula (一) writes Q and Qp, formula (二) Q2% and Q1%; neither touches the other frame.
PressCase One(const char* name, const Texts& typed, const char* q, const char* qp) {
  return {name, "Command3", typed, {{"Text7", q}, {"Text8", qp}}};
}
PressCase Two(const char* name, const Texts& typed, const char* q2, const char* q1) {
  return {name, "Command4", typed, {{"Text12", q2}, {"Text13", q1}}};
}

class Form34Test : public testing::TestWithParam<PressCase> {};
TEST_P(Form34Test, Press) { ExpectPress(Form34(), GetParam()); }

// Expected texts: the defaults are the worked example; the others are recomputed independently
// in double precision with single rounding at φ, Qp, the ratio and Q1%.
INSTANTIATE_TEST_SUITE_P(
    Table, Form34Test,
    testing::Values(
        One("OneDefaults", {}, "1159.798", "6199.118"),
        // With the ratio and the product in double Q1% would read 6000.872.
        Two("TwoDefaults", {}, "5085.484", "6000.871"),
        One("CsCvTakesNoPart", {{"Text5", "6"}}, "1159.798", "6199.118"),
        One("SharedAreaOne", {{"Text1", "500"}}, "346.466", "1851.86"),
        Two("SharedAreaTwo", {{"Text1", "500"}}, "1333.835", "1573.925"),
        // Q = 1159.7975013 shows 1159.798; Qp = Q as a single is 1159.797.
        One("EmptyPhi", {{"Text6", ""}}, "1159.798", "1159.797"),
        Two("EmptyRatio", {{"Text11", ""}}, "5085.484", "."),
        One("EmptyAreaOne", {{"Text1", ""}}, ".", "."),
        Two("EmptyAreaTwo", {{"Text1", ""}}, ".", "."),
        Faulty("NegativeAreaOne", "Command3", {{"Text1", "-3208"}}, FaultKind::kInvalidArgument),
        Faulty("ZeroAreaNegativeExponent", "Command4", {{"Text1", "0"}, {"Text10", "-0.72"}},
               FaultKind::kInvalidArgument),
        // Q fits a double, Qp does not fit a single.
        Faulty("DesignDischargeBeyondSingleRange", "Command3", {{"Text2", "1e36"}},
               FaultKind::kOverflow),
        Faulty("AreaPowerBeyondDoubleRange", "Command3", {{"Text3", "1e3"}}, FaultKind::kOverflow)),
    RowName);

}  // namespace
}  // namespace velmora
