// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/quantities.h"

namespace velmora::chain {

using enum Quantity;

namespace {

constexpr Unit kM = Unit::kMetre;
constexpr Unit kMm = Unit::kMillimetre;
constexpr Unit kQ = Unit::kDischarge;
constexpr Unit kV = Unit::kVelocity;

}  // namespace

const std::vector<Source>& Sources() {
  // The design water level window holds the section's flow at the accepted trial; its design
  // discharge is the one the trial ran with (the rainstorm window writes it there).
  static const std::vector<Source> sources{
      {{"Form2", "Text13", kQp, kQ}, "设计水位估算 设计流量Qp"},
      {{"Form2", "Text14", kQc, kQ}, "设计水位估算 河槽流量Qc"},
      {{"Form2", "Text18", kQt, kQ}, "设计水位估算 河滩流量Qt"},
      {{"Form2", "Text3", kBc, kM}, "设计水位估算 河槽过水断面宽度Bc"},
      {{"Form2", "Text8", kBt, kM}, "设计水位估算 河滩过水断面宽度Bt"},
      {{"Form2", "Text15", kVc, kV}, "设计水位估算 河槽平均流速Vc"},
      {{"Form2", "Text19", kVt, kV}, "设计水位估算 河滩平均流速Vt"},
      {{"Form2", "Text16", kHcm, kM}, "设计水位估算 河槽最大水深hcm"},
      {{"Form2", "Text17", kHcq, kM}, "设计水位估算 河槽平均水深hcj"},
      {{"Form2", "Text20", kHtm, kM}, "设计水位估算 河滩最大水深htm"},
      {{"Form2", "Text21", kHtq, kM}, "设计水位估算 河滩平均水深htj"},
      {{kSummaryForm, "H", kH, kM}, "冲刷汇总及最低冲刷线高程 设计水位标高H"},
      // The channel's bed material, as entered for the channel pier.
      {{"form3", "Text3", kD, kMm}, "非粘性土河床桥墩冲刷计算（河槽） 河床平均粒径d"},
  };
  return sources;
}

const std::vector<Link>& Links() {
  // Inputs the windows' own hand-overs already fill (form3's Qc, Vc, Bcg, hcm, hcq; form1's
  // channel and floodplain) are not listed: those writes stay as they are.
  static const std::vector<Link> links{
      {{"form3", "Text25", kQp, kQ}},  {{"form3", "Text24", kQt, kQ}},
      {{"form3", "Text26", kBc, kM}},  {{"Form19", "Text1", kQp, kQ}},
      {{"Form19", "Text2", kQt, kQ}},  {{"Form19", "Text3", kQc, kQ}},
      {{"Form19", "Text5", kHtm, kM}}, {{"Form19", "Text6", kHtq, kM}},
      {{"Form35", "Text1", kQp, kQ}},  {{"Form35", "Text2", kQc, kQ}},
      {{"Form35", "Text3", kBc, kM}},  {{"Form36", "Text1", kQp, kQ}},
      {{"Form36", "Text2", kQc, kQ}},  {{"Form36", "Text3", kQt, kQ}},
      {{"Form45", "Text1", kQp, kQ}},  {{"Form45", "Text4", kD, kM}, true},
      {{"Form29", "Text11", kH, kM}},  {{"Form30", "Text7", kH, kM}},
  };
  return links;
}

const std::vector<QuantityField>& HeldFields() {
  static const std::vector<QuantityField> fields{
      {"form3", "Text1", kQc, kQ},   {"form3", "Text2", kVc, kV},   {"form3", "Text4", kBcg, kM},
      {"form3", "Text5", kBcj, kM},  {"form3", "Text8", kHcm, kM},  {"form3", "Text9", kHcq, kM},
      {"Form19", "Text4", kBtj, kM}, {"Form19", "Text8", kD, kMm},  {"form1", "Text1", kQc, kQ},
      {"form1", "Text2", kHcm, kM},  {"form1", "Text3", kHcq, kM},  {"form1", "Text4", kBcj, kM},
      {"form1", "Text10", kQt, kQ},  {"form1", "Text11", kHtm, kM}, {"form1", "Text12", kHtq, kM},
      {"form1", "Text13", kBtj, kM}, {"Form29", "Text8", kD, kM},   {"Form35", "Text6", kLj, kM},
      {"Form36", "Text5", kLj, kM},  {"Form45", "Text6", kLj, kM},
  };
  return fields;
}

const Source* SourceOf(Quantity quantity) {
  for (const Source& s : Sources()) {
    if (s.field.quantity == quantity) return &s;
  }
  return nullptr;
}

const Link* LinkAt(std::string_view form, std::string_view control) {
  for (const Link& l : Links()) {
    if (l.field.form == form && l.field.control == control) return &l;
  }
  return nullptr;
}

const QuantityField* QuantityAt(std::string_view form, std::string_view control) {
  const auto at = [&](const QuantityField& f) { return f.form == form && f.control == control; };
  for (const Source& s : Sources()) {
    if (at(s.field)) return &s.field;
  }
  for (const Link& l : Links()) {
    if (at(l.field)) return &l.field;
  }
  for (const QuantityField& f : HeldFields()) {
    if (at(f)) return &f;
  }
  return nullptr;
}

double UnitFactor(Unit from, Unit to) {
  if (from == Unit::kMillimetre && to == Unit::kMetre) return 0.001;
  if (from == Unit::kMetre && to == Unit::kMillimetre) return 1000.0;
  return 1.0;
}

}  // namespace velmora::chain
