// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/section_mode.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "section/section_flow.h"
#include "section/section_points.h"

namespace velmora {
namespace {

constexpr std::string_view kSectionUsage =
    "usage: velmora-calc --section FILE.csv [--split L,R] --n-channel N --slope-channel I\n"
    "                    [--n-floodplain N --slope-floodplain I] (--level H | --discharge Q)\n";

// Shortest text that reads back as the same double.
std::string Number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string PartJson(const PartFlow& part) {
  const PartGeometry& g = part.geometry;
  return "{\"a\":" + Number(g.area) + ",\"chi\":" + Number(g.perimeter) +
         ",\"b\":" + Number(g.width) + ",\"hmax\":" + Number(g.max_depth) +
         ",\"q\":" + Number(part.q) + ",\"v\":" + Number(part.v) + "}";
}

std::string ResultJson(const SectionFlow& flow, const SectionFlowAt& at, double qp) {
  std::string out = "{\"level\":" + Number(at.level) + ",\"q\":" + Number(at.q) +
                    ",\"channel\":" + PartJson(at.channel) +
                    ",\"floodplain\":" + (at.floodplain ? PartJson(*at.floodplain) : "null") +
                    ",\"form2\":";
  if (!at.channel.geometry.Wet()) return out + "null}";
  const Form2HandOver h = HandOverToForm2(flow, at, qp);
  out += "{" + Quote(h.option) + ":\"1\"";
  for (const auto& [control, text] : h.fields) out += "," + Quote(control) + ":" + Quote(text);
  return out + "}}";
}

double ParseNumber(const std::string& option, const std::string& text) {
  if (const std::optional<double> value = CellNumber(text)) return *value;
  throw SectionError(option + " 需要一个数，得到：" + text);
}

SectionInput ReadInput(const std::map<std::string, std::string>& options) {
  const auto file_name = options.find("--section");
  std::ifstream file(file_name->second, std::ios::binary);
  if (!file) throw SectionError("无法打开断面文件：" + file_name->second);
  std::ostringstream text;
  text << file.rdbuf();
  SectionInput input;
  input.points = ParseSectionPoints(text.str());
  const auto number = [&](const char* option) -> std::optional<double> {
    const auto it = options.find(option);
    if (it == options.end()) return std::nullopt;
    return ParseNumber(option, it->second);
  };
  if (const auto split = options.find("--split"); split != options.end()) {
    const std::size_t comma = split->second.find(',');
    if (comma == std::string::npos) throw SectionError("--split 需要 L,R 两个起点距");
    input.splits = SectionSplits{ParseNumber("--split", split->second.substr(0, comma)),
                                 ParseNumber("--split", split->second.substr(comma + 1))};
  }
  input.n_channel = number("--n-channel");
  input.slope_channel = number("--slope-channel");
  input.n_floodplain = number("--n-floodplain");
  input.slope_floodplain = number("--slope-floodplain");
  return input;
}

}  // namespace

int RunSectionMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  static const char* const kKnown[] = {"--section",       "--split",        "--n-channel",
                                       "--slope-channel", "--n-floodplain", "--slope-floodplain",
                                       "--level",         "--discharge"};
  try {
    std::map<std::string, std::string> options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
      if (std::find(std::begin(kKnown), std::end(kKnown), args[i]) == std::end(kKnown)) {
        throw SectionError("未知的选项：" + args[i]);
      }
      if (i + 1 >= args.size()) throw SectionError(args[i] + " 后缺少值");
      if (!options.emplace(args[i], args[i + 1]).second) throw SectionError(args[i] + " 给了两次");
    }
    const bool by_level = options.contains("--level");
    if (by_level == options.contains("--discharge")) {
      throw SectionError("须给出 --level 或 --discharge 之一");
    }
    const SectionFlow flow(ReadInput(options));
    SectionFlowAt at;
    double qp = 0.0;
    if (by_level) {
      at = flow.At(ParseNumber("--level", options["--level"]));
      qp = at.q;  // the discharge at that level is the one Form2 will be checked against
    } else {
      qp = ParseNumber("--discharge", options["--discharge"]);
      at = flow.Solve(qp);
    }
    out << ResultJson(flow, at, qp) << '\n';
    return 0;
  } catch (const SectionError& e) {
    err << "velmora-calc: " << e.what() << '\n' << kSectionUsage;
    return 2;
  }
}

}  // namespace velmora
