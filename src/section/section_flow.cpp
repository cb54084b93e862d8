// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_flow.h"

#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>

#include "common/format_pattern.h"
#include "common/value_of_text.h"
#include "waterlevel/design_water_level_estimate.h"

namespace velmora {
namespace {

// The texts that other windows receive; Form2 reads its inputs back from them.
constexpr std::string_view kPattern = "#####.###";

// The value as Form2 will hold it after the hand-over: three decimals. Computing with exactly
// that keeps the hand-over's trial on the level solved here.
double Carried(double value) { return ValueOfText(FormatPattern(Real(value), kPattern)); }

PartResistance CheckedResistance(const std::optional<double>& n, const std::optional<double>& slope,
                                 const std::string& part) {
  if (!n || !std::isfinite(*n)) throw SectionError(part + "糙率未填或不是数");
  if (!slope || !std::isfinite(*slope)) throw SectionError(part + "水面比降未填或不是数");
  PartResistance r{Carried(*n), Carried(*slope)};
  if (!(r.roughness > 0.0)) {
    throw SectionError(part + "糙率须大于0（保留三位小数后为0；n很小时可填1/n）");
  }
  if (!(r.slope > 0.0)) throw SectionError(part + "水面比降须大于0（‰，保留三位小数）");
  return r;
}

PartFlow Flow(const PartGeometry& g, const PartResistance& resistance) {
  PartFlow f;
  f.geometry = g;
  if (!g.Wet()) return f;
  // The same computation as one trial of the design-water-level window.
  const SubSectionFlow m =
      ManningFlow(g.area, g.perimeter, g.width, resistance.roughness, ToSingle(resistance.slope));
  f.q = m.q.value();
  f.v = m.v.value();
  return f;
}

}  // namespace

SectionFlow::SectionFlow(const SectionInput& input)
    : geometry_(input.points, input.splits),
      channel_(CheckedResistance(input.n_channel, input.slope_channel, "河槽")) {
  if (input.splits) {
    floodplain_ = CheckedResistance(input.n_floodplain, input.slope_floodplain, "河滩");
  }
}

SectionFlowAt SectionFlow::At(double level) const {
  const double low = geometry_.lowest_bed();
  const double high = geometry_.brim();
  if (!(level >= low && level <= high)) {
    throw SectionError("水位须在最低河床" + SectionNumberText(low) + "m与断面两端较低者" +
                       SectionNumberText(high) + "m之间");
  }
  const std::array<PartGeometry, 3> parts = geometry_.At(level);
  SectionFlowAt at;
  at.level = level;
  try {
    at.channel = Flow(parts[kChannel], channel_);
    at.q = at.channel.q;
    if (floodplain_) {
      PartGeometry both = parts[kLeftFloodplain];
      both += parts[kRightFloodplain];
      at.floodplain = Flow(both, *floodplain_);
      at.q += at.floodplain->q;
    }
  } catch (const ArithmeticFault& fault) {
    // Only numbers far beyond any river get here; say so instead of failing the window.
    throw SectionError("断面数值超出计算范围：" + FaultDescription(fault.kind()));
  }
  return at;
}

double SectionFlow::Capacity() const { return At(geometry_.brim()).q; }

SectionFlowAt SectionFlow::Solve(double qp) const {
  if (!std::isfinite(qp) || !(qp > 0.0)) throw SectionError("设计流量Qp须大于0");
  const SectionFlowAt full = At(geometry_.brim());
  if (qp > full.q) {
    throw SectionError("设计流量超过断面过流能力：断面满槽（水位" +
                       SectionNumberText(geometry_.brim()) + "m）时只能通过" +
                       SectionNumberText(full.q) + "立方米/秒");
  }
  // Bracket the level between two bed elevations, keeping Q(low) < qp <= Q(high), so that the
  // root finder works on a stretch where the geometry follows one law.
  std::vector<double> levels = geometry_.Breaks();
  levels.push_back(geometry_.brim());
  // Positions: 0 is the lowest bed, i + 1 is levels[i].
  std::size_t below = 0;
  std::size_t above = levels.size();
  while (above - below > 1) {
    const std::size_t mid = (below + above) / 2;
    if (At(levels[mid - 1]).q < qp) {
      below = mid;
    } else {
      above = mid;
    }
  }
  const double low = below == 0 ? geometry_.lowest_bed() : levels[below - 1];
  const double high = levels[above - 1];
  const auto excess = [&](double level) { return At(level).q - qp; };
  const double f_high = excess(high);
  if (f_high == 0.0) return At(high);
  std::uintmax_t iterations = 200;
  const auto close = [](double a, double b) { return std::abs(b - a) <= 1e-5; };
  const auto [a, b] =
      boost::math::tools::toms748_solve(excess, low, high, excess(low), f_high, close, iterations);
  return At(0.5 * (a + b));
}

double SectionFlow::RatingStep(int rows) const {
  const double raw = (geometry_.brim() - geometry_.lowest_bed()) / rows;
  const double decade = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * decade >= raw) return m * decade;
  }
  return 10.0 * decade;
}

std::vector<SectionFlowAt> SectionFlow::Rating(double step) const {
  const double low = geometry_.lowest_bed();
  const double high = geometry_.brim();
  if (!(step > 0.0) || (high - low) / step > 10000.0) {
    throw SectionError("水位步长须大于0且不超过10000行");
  }
  std::vector<SectionFlowAt> rows{At(low)};
  // Whole multiples of the step read well; a level within a millimetre of the ends is left out.
  for (double k = std::floor(low / step) + 1.0;; k += 1.0) {
    const double level = k * step;
    if (level >= high - 1e-3) break;
    if (level > low + 1e-3) rows.push_back(At(level));
  }
  rows.push_back(At(high));
  return rows;
}

Form2HandOver HandOverToForm2(const SectionFlow& flow, const SectionFlowAt& at, double qp) {
  if (!at.channel.geometry.Wet()) {
    throw SectionError("水位" + SectionNumberText(at.level) + "m时河槽无水，无法填入设计水位估算");
  }
  const auto text = [](double value) { return FormatPattern(Real(value), kPattern); };
  const bool separable = at.floodplain && at.floodplain->geometry.Wet();
  Form2HandOver h;
  h.option = separable ? "Option2" : "Option1";
  const PartGeometry& c = at.channel.geometry;
  h.fields = {{"Text1", text(c.area)},
              {"Text2", text(c.perimeter)},
              {"Text3", text(c.width)},
              {"Text4", text(flow.channel().roughness)},
              {"Text5", text(flow.channel().slope)}};
  // A dry floodplain goes over as empty fields: Form2 then computes the channel alone.
  const auto floodplain = [&](double value) { return separable ? text(value) : std::string(); };
  const PartGeometry t = separable ? at.floodplain->geometry : PartGeometry{};
  const PartResistance r = separable ? *flow.floodplain() : PartResistance{};
  h.fields.insert(h.fields.end(), {{"Text6", floodplain(t.area)},
                                   {"Text7", floodplain(t.perimeter)},
                                   {"Text8", floodplain(t.width)},
                                   {"Text9", floodplain(r.roughness)},
                                   {"Text10", floodplain(r.slope)},
                                   {"Text11", text(c.max_depth)},
                                   {"Text12", floodplain(t.max_depth)},
                                   {"Text13", text(qp)}});
  return h;
}

}  // namespace velmora
