// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_json.h"

#include <cmath>
#include <string>

namespace velmora {
namespace {

using nlohmann::json;

constexpr const char* kOptionalNumbers[] = {"n_channel", "n_floodplain", "slope_channel",
                                            "slope_floodplain", "qp"};

std::optional<double> SectionInput::*Member(std::string_view key) {
  if (key == "n_channel") return &SectionInput::n_channel;
  if (key == "n_floodplain") return &SectionInput::n_floodplain;
  if (key == "slope_channel") return &SectionInput::slope_channel;
  if (key == "slope_floodplain") return &SectionInput::slope_floodplain;
  return &SectionInput::qp;
}

double Number(const json& value, const std::string& what) {
  if (!value.is_number() || !std::isfinite(value.get<double>())) {
    throw SectionError("断面数据已损坏：" + what + "不是数");
  }
  return value.get<double>();
}

}  // namespace

json SectionInputToJson(const SectionInput& input) {
  json points = json::array();
  for (const SectionPoint& p : input.points) points.push_back({p.station, p.elevation});
  json out = {{"points", std::move(points)}};
  out["splits"] =
      input.splits ? json::array({input.splits->left, input.splits->right}) : json(nullptr);
  for (const char* key : kOptionalNumbers) {
    const std::optional<double>& value = input.*Member(key);
    out[key] = value ? json(*value) : json(nullptr);
  }
  return out;
}

SectionInput SectionInputFromJson(const json& in) {
  if (!in.is_object() || !in.contains("points") || !in["points"].is_array()) {
    throw SectionError("断面数据已损坏：缺少断面点");
  }
  SectionInput input;
  for (const json& p : in["points"]) {
    if (!p.is_array() || p.size() != 2) throw SectionError("断面数据已损坏：断面点须为两个数");
    input.points.push_back({Number(p[0], "起点距"), Number(p[1], "高程")});
  }
  const json splits = in.value("splits", json(nullptr));
  if (!splits.is_null()) {
    if (!splits.is_array() || splits.size() != 2) {
      throw SectionError("断面数据已损坏：滩槽分界须为两个数");
    }
    input.splits = SectionSplits{Number(splits[0], "滩槽分界"), Number(splits[1], "滩槽分界")};
  }
  for (const char* key : kOptionalNumbers) {
    const json value = in.value(key, json(nullptr));
    if (!value.is_null()) input.*Member(key) = Number(value, key);
  }
  return input;
}

}  // namespace velmora
