// SPDX-License-Identifier: GPL-3.0-or-later
// Form34: design discharge by the empirical formulas of the national hydrological zones
// (JTJ 062-91, appendix 12), two independent formulas sharing the catchment area F.
#pragma once

#include <optional>
#include <string>

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct RegionalFormulaOneInput {
  Real f;      // catchment area, km²
  Real c;      // zone coefficient C
  Real n;      // zone exponent n
  Real cv;     // coefficient of variation Cv
  Real cs_cv;  // Cs/Cv: only guides the user to φ in the table
  Single phi;  // φ, deviation coefficient of the Pearson III curve
};

struct RegionalFormulaTwoInput {
  Real f;        // catchment area, km²
  Real k;        // zone coefficient K
  Real n2;       // zone exponent n'
  Single ratio;  // the zone's Q1%/Q2%
};

struct RegionalFormulaOneResult {
  Real q;     // zone mean flood discharge Q = C F^n, m³/s
  Single qp;  // design discharge Qp = Q (1 + Cv φ), m³/s
};

struct RegionalFormulaTwoResult {
  Real q2;    // Q2% = K F^n', m³/s
  Single q1;  // Q1% = (Q1%/Q2%) Q2%, m³/s
};

/// Formula (一): the zone's mean flood C F^n raised by the Pearson III deviation coefficient φ.
RegionalFormulaOneResult RegionalFormulaOne(Real f, Real c, Real n, Real cv, Single phi);
/// The same from the window's inputs, filling `r` in the order computed.
void RegionalFormulaOne(const RegionalFormulaOneInput& in, RegionalFormulaOneResult& r);

/// Formula (二): the 2 % flood K F^n' and the 1 % flood by the zone's ratio Q1%/Q2%.
RegionalFormulaTwoResult RegionalFormulaTwo(Real f, Real k, Real n2, Single ratio);
void RegionalFormulaTwo(const RegionalFormulaTwoInput& in, RegionalFormulaTwoResult& r);

/// The inputs of each formula as the window's fields hold them.
RegionalFormulaOneInput ReadRegionalFormulaOneInput(const Press& press);
RegionalFormulaTwoInput ReadRegionalFormulaTwoInput(const Press& press);

/// The window "利用全国水文分区经验公式确定设计流量".
/// φ for the design frequency: Φ(P, Cs) with Cs = Cv × (Cs/Cv), from Text14 (P %), Text4 and
/// Text5, rounded as the Φ table shows it. None while P is not a frequency (0 < P < 100) or Cs
/// is negative.
std::optional<std::string> PhiForFrequency(const FormState& state);

const Window& Form34();

}  // namespace velmora
