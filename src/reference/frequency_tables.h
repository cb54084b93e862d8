// SPDX-License-Identifier: GPL-3.0-or-later
// The Pearson type III tables of frequency analysis: deviation coefficients Φ (Form25) and the
// modulus ratios Kp for Cs = k·Cv (Form37, Form26, Form38, Form27, Form39, Form28, Form40,
// Form41). Every cell is computed from the distribution when a window first asks for its table.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "common/table.h"
#include "common/window.h"

namespace velmora {

/// A column of the frequency tables: its heading and its exceedance probability in per cent.
struct FrequencyColumn {
  std::string_view heading;
  double p_percent;
};

/// The fifteen columns, 0.01 % to 99 %; the one headed 0.33 is P = 1/300.
const std::array<FrequencyColumn, 15>& FrequencyColumns();

/// One modulus-ratio table: Cs = k·Cv with k = `k_halves` / 2.
struct ModulusRatioSpec {
  std::string_view form;
  std::string_view caption;
  int k_halves;
  bool list_a;  // Cv 0.05 to 0.50 by 0.01, then to 1.50 by the multiples of 0.02 and 0.05;
                // otherwise Cv from 0.05 by 0.05
  int last_cv;  // the last Cv row in hundredths; with list A, rows past 1.50 go by 0.05
};

/// The eight modulus-ratio tables in the order of k.
const std::array<ModulusRatioSpec, 8>& ModulusRatioSpecs();

/// The Cv rows of a modulus-ratio table, in hundredths.
std::vector<int> CvRows(const ModulusRatioSpec& spec);

/// Cs = k·Cv in hundredths, rounded on the exact decimal value with halves to even.
int RoundedCsHundredths(int k_halves, int cv_hundredths);

/// The tables themselves, built anew (the windows keep one built copy each).
Table BuildDeviationTable();
Table BuildModulusRatioTable(const ModulusRatioSpec& spec);

const Window& Form25();
const Window& Form37();
const Window& Form26();
const Window& Form38();
const Window& Form27();
const Window& Form39();
const Window& Form28();
const Window& Form40();
const Window& Form41();

}  // namespace velmora
