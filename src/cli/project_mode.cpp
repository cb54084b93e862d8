// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_mode.h"

#include <algorithm>
#include <ostream>

#include "chain/scour_summary.h"
#include "cli/press_json.h"
#include "common/file_write.h"
#include "project/project.h"
#include "project/recalculate.h"

namespace velmora {

int RunProjectMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> rest(args.begin(), args.end());
  const auto summary_flag = std::find(rest.begin(), rest.end(), "--summary");
  const bool summary = summary_flag != rest.end();
  if (summary) rest.erase(summary_flag);
  const bool saves = rest.size() == 4 && rest[2] == "--save";
  if (rest.size() != 2 && !saves) {
    err << "velmora-calc: usage: velmora-calc --project FILE.velmora [--summary] "
           "[--save OUT.velmora]\n";
    return 2;
  }
  const std::string& file = rest[1];
  ProjectRead read = ReadProjectFile(PathFromUtf8(file));
  if (!read.project) {
    err << "velmora-calc: " << file << ": " << read.error << '\n';
    return 2;
  }
  for (const std::string& part : read.skipped) {
    err << "velmora-calc: " << file << ": skipped " << part << '\n';
  }
  const std::vector<ProjectPress> presses = RecalculateProject(*read.project);
  if (summary) {
    out << chain::SummaryJson(chain::SummarizeScour(*read.project)) << '\n';
  } else {
    for (const ProjectPress& press : presses) {
      out << PressResultJson(*press.window, press.button, press.before, press.effects) << '\n';
    }
  }
  out.flush();
  if (saves) {
    if (const auto failure = SaveProjectFile(PathFromUtf8(rest[3]), *read.project)) {
      err << "velmora-calc: cannot write " << rest[3] << ": " << failure->Reason() << '\n';
      return 3;
    }
  }
  return 0;
}

}  // namespace velmora
