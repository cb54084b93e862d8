// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/pearson_type3.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <charconv>

namespace velmora {
namespace {

// Doubles throughout: promoting to long double buys nothing at two or three decimals and makes
// the inverse incomplete gamma function some forty times slower.
using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

}  // namespace

double PearsonDeviation(double p_percent, double cs) {
  const double p = p_percent / 100.0;
  if (cs == 0.0) {
    return boost::math::quantile(
        boost::math::complement(boost::math::normal_distribution<double, Policy>(), p));
  }
  // Φ = (Cs/2)·y − 2/Cs, where y, a gamma variate of shape 4/Cs² and unit scale, is exceeded with
  // probability P: Q(4/Cs², y) = P.
  const double shape = 4.0 / (cs * cs);
  const double y = boost::math::gamma_q_inv(shape, p, Policy());
  return cs / 2.0 * y - 2.0 / cs;
}

double RoundToDecimals(double value, int decimals) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  double rounded = 0.0;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}

}  // namespace velmora
