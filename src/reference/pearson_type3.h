// SPDX-License-Identifier: GPL-3.0-or-later
// The Pearson type III distribution of frequency analysis (JTJ 062-91, appendix tables).
#pragma once

namespace velmora {

/// Φ(P, Cs): the standardized Pearson type III variate with skew `cs` (>= 0) exceeded with
/// probability `p_percent` per cent (0 < P < 100). For Cs = 0 it is the normal quantile.
double PearsonDeviation(double p_percent, double cs);

/// `value` rounded to `decimals` places, decided on its exact binary value (never on value * 10^n,
/// which can move a number across a rounding boundary).
double RoundToDecimals(double value, int decimals);

}  // namespace velmora
