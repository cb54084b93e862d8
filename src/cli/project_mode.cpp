#include "cli/project_mode.h"

#include <ostream>

#include "cli/press_json.h"
#include "project/project.h"
#include "project/recalculate.h"

namespace velmora {

int RunProjectMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool saves = args.size() == 4 && args[2] == "--save";
  if (args.size() != 2 && !saves) {
    err << "velmora-calc: usage: velmora-calc --project FILE.velmora [--save OUT.velmora]\n";
    return 2;
  }
  const std::string& file = args[1];
  ProjectRead read = ReadProjectFile(file);
  if (!read.project) {
    err << "velmora-calc: " << file << ": " << read.error << '\n';
    return 2;
  }
  for (const std::string& part : read.skipped) {
    err << "velmora-calc: " << file << ": skipped " << part << '\n';
  }
  for (const ProjectPress& press : RecalculateProject(*read.project)) {
    out << PressResultJson(*press.window, press.button, press.before, press.effects) << '\n';
  }
  out.flush();
  if (saves) {
    if (const auto failure = SaveProjectFile(args[3], *read.project)) {
      err << "velmora-calc: cannot write " << args[3] << ": " << failure->Reason() << '\n';
      return 3;
    }
  }
  return 0;
}

}  // namespace velmora
