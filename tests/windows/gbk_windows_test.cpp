// SPDX-License-Identifier: GPL-3.0-or-later
// The report's bytes on Windows, made by Windows' own GBK conversion, against the bytes the
// Linux build's shell writes for the same press.
#include <gtest/gtest.h>

#include <string>

#include "common/press.h"
#include "common/registry.h"
#include "linux_report.h"
#include "shell/gbk_windows.h"

namespace velmora {
namespace {

// The worked example of the design water level window: an accepted trial writes the report.
std::vector<std::string> ReportLines() {
  const Window& window = *FindWindow("Form2");
  FormState state = DefaultState(window);
  state.selected_option = "Option1";
  for (const Effect& effect : PressButton(window, "Command1", state)) {
    if (const auto* report = std::get_if<effect::WriteReport>(&effect)) return report->lines;
  }
  return {};
}

TEST(GbkWindows, ReportHasTheLinuxBuildsBytes) {
  const std::vector<std::string> lines = ReportLines();
  ASSERT_FALSE(lines.empty());
  const std::string expected(kLinuxReport, sizeof kLinuxReport - 1);
  EXPECT_EQ(GbkLines(lines), expected);

  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  EXPECT_EQ(Utf8FromGbk(expected), text);
}

TEST(GbkWindows, EmptyAndAsciiLines) {
  EXPECT_EQ(GbkLines({}), "");
  EXPECT_EQ(GbkLines({"", "Q=1.5"}), "\r\nQ=1.5\r\n");
}

}  // namespace
}  // namespace velmora
