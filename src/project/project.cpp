// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>

#include "chain/links.h"
#include "common/registry.h"

namespace velmora {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "velmora-project";

// A file that is JSON and names our format but breaks it: refused, naming where.
struct Damaged {
  std::string where;
  std::string expected;
};

// Line and column (both from 1, the column in characters) of the byte at `offset`.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  std::size_t line = 1;
  std::size_t column = 1;
  for (std::size_t i = 0; i < offset; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\n') {
      ++line;
      column = 1;
    } else if ((byte & 0xC0) != 0x80) {  // not a UTF-8 continuation byte
      ++column;
    }
  }
  return {line, column};
}

// "windows.Form2" + "." + "fields": the names of the file's parts as the messages give them.
std::string Join(std::string_view head, std::string_view separator, std::string_view tail) {
  std::string joined;
  joined.reserve(head.size() + separator.size() + tail.size());
  joined.append(head).append(separator).append(tail);
  return joined;
}

const std::string& RequireString(const Json& value, const std::string& where) {
  if (!value.is_string()) throw Damaged{where, "文本"};
  return value.get_ref<const std::string&>();
}

const Json& RequireObject(const Json& value, const std::string& where) {
  if (!value.is_object()) throw Damaged{where, "对象"};
  return value;
}

ProjectInfo ReadInfo(const Json& object, std::vector<std::string>& skipped) {
  ProjectInfo info;
  for (const auto& [key, value] : RequireObject(object, "project").items()) {
    const ProjectInfoItem* known = nullptr;
    for (const ProjectInfoItem& item : ProjectInfoItems()) {
      if (item.key == key) known = &item;
    }
    if (known == nullptr) {
      skipped.push_back("project." + key);
      continue;
    }
    info.*(known->member) = RequireString(value, "project." + key);
  }
  return info;
}

WindowState ReadWindow(const Window& window, const Json& object,
                       std::vector<std::string>& skipped) {
  const std::string at = "windows." + std::string(window.form);
  WindowState state{.form = DefaultState(window)};
  for (const auto& [key, value] : RequireObject(object, at).items()) {
    const std::string where = Join(at, ".", key);
    if (key == "fields") {
      for (const auto& [control, text] : RequireObject(value, where).items()) {
        if (FindField(window, control) == nullptr) {
          skipped.push_back(Join(where, ".", control));
          continue;
        }
        state.form.fields[control] = RequireString(text, Join(where, ".", control));
      }
    } else if (key == "option") {
      if (value.is_null()) continue;
      const std::string& option = RequireString(value, where);
      if (FindOption(window, option) == nullptr) {
        skipped.push_back(Join(where, "=", option));
      } else {
        state.form.selected_option = option;
      }
    } else if (key == "trial_succeeded") {
      if (!value.is_boolean()) throw Damaged{where, "布尔值（true 或 false）"};
      state.form.trial_succeeded = value.get<bool>();
    } else if (key == "pressed") {
      const std::string& button = RequireString(value, where);
      if (FindButton(window, button) == nullptr) {
        skipped.push_back(Join(where, "=", button));
      } else {
        state.pressed = button;
      }
    } else if (key == "report") {
      if (!value.is_array()) throw Damaged{where, "文本的数组"};
      for (std::size_t i = 0; i < value.size(); ++i) {
        state.report.push_back(RequireString(value[i], where + "[" + std::to_string(i) + "]"));
      }
    } else {
      skipped.push_back(where);
    }
  }
  return state;
}

std::string ReadError(int error) {
  switch (error) {
    case ENOENT:
      return "文件不存在（" + std::string(std::strerror(error)) + "）";
    case EACCES:
    case EPERM:
      return "没有读取权限（" + std::string(std::strerror(error)) + "）";
    case EISDIR:
      return "这是一个文件夹（" + std::string(std::strerror(error)) + "）";
    default:
      return "无法读取（" + std::string(std::strerror(error)) + "）";
  }
}

}  // namespace

const std::vector<ProjectInfoItem>& ProjectInfoItems() {
  static const std::vector<ProjectInfoItem> items{
      {"name", "工程名称", &ProjectInfo::name},
      {"route", "路线及桩号", &ProjectInfo::route},
      {"bridge", "桥名", &ProjectInfo::bridge},
      {"designer", "设计单位", &ProjectInfo::designer},
      {"calculated_by", "计算", &ProjectInfo::calculated_by},
      {"checked_by", "复核", &ProjectInfo::checked_by},
      {"approved_by", "审核", &ProjectInfo::approved_by},
      {"date", "日期", &ProjectInfo::date},
      {"notes", "备注", &ProjectInfo::notes},
  };
  return items;
}

bool IsJsonValue(std::string_view text) {
  return !Json::parse(text, nullptr, /*allow_exceptions=*/false).is_discarded();
}

bool KeepsState(const Window& window) { return window.kind == WindowKind::kCalculator; }

WindowState StateIn(const Project& project, const Window& window) {
  const auto it = project.windows.find(window.form);
  if (it != project.windows.end()) return it->second;
  // A window opened for the first time shows what the chain already knows.
  return WindowState{.form = chain::Linked(project, window, DefaultState(window))};
}

bool IsTouched(const Window& window, const WindowState& state) {
  return !(state == WindowState{.form = DefaultState(window)});
}

std::string WriteProject(const Project& project) {
  Json root;
  root["format"] = kFormat;
  root["version"] = kProjectVersion;
  Json info = Json::object();
  for (const ProjectInfoItem& item : ProjectInfoItems()) {
    info[std::string(item.key)] = project.info.*(item.member);
  }
  root["project"] = std::move(info);
  Json windows = Json::object();
  for (const Window* window : AllWindows()) {
    const auto it = project.windows.find(window->form);
    if (it == project.windows.end()) continue;
    const WindowState& state = it->second;
    Json entry;
    Json fields = Json::object();
    for (const Field* field : Fields(*window)) {
      const auto text = state.form.fields.find(field->control);
      if (text != state.form.fields.end()) fields[std::string(field->control)] = text->second;
    }
    entry["fields"] = std::move(fields);
    if (!state.form.selected_option.empty()) entry["option"] = state.form.selected_option;
    if (state.form.trial_succeeded) entry["trial_succeeded"] = true;
    if (!state.pressed.empty()) entry["pressed"] = state.pressed;
    if (!state.report.empty()) entry["report"] = state.report;
    windows[std::string(window->form)] = std::move(entry);
  }
  root["windows"] = std::move(windows);
  if (!project.tools.empty()) {
    Json tools = Json::object();
    for (const auto& [name, text] : project.tools) tools[name] = Json::parse(text);
    root["tools"] = std::move(tools);
  }
  return root.dump(2, ' ', /*ensure_ascii=*/false) + "\n";
}

ProjectRead ParseProject(std::string_view text) {
  ProjectRead read;
  Json root;
  try {
    root = Json::parse(text);
  } catch (const Json::parse_error& e) {
    // nlohmann counts the bytes read, the offending one included.
    const auto [line, column] = LineAndColumn(text, e.byte == 0 ? 0 : e.byte - 1);
    read.error = "文件内容不是有效的 JSON：第 " + std::to_string(line) + " 行第 " +
                 std::to_string(column) + " 列有误。";
    return read;
  }
  if (!root.is_object() || !root.contains("format") || root["format"] != kFormat) {
    read.error = "这不是 Velmora 工程文件。";
    return read;
  }
  const Json& version = root["version"];
  if (!version.is_number_integer() || version.get<long long>() < 1) {
    read.error = "工程文件已损坏：“version”应为正整数。";
    return read;
  }
  if (version.get<long long>() > kProjectVersion) {
    read.error = "此工程由较新版本的 Velmora 保存（格式版本 " +
                 std::to_string(version.get<long long>()) + "），本程序只能读取格式版本 " +
                 std::to_string(kProjectVersion) + " 的工程。";
    return read;
  }
  try {
    Project project;
    for (const auto& [key, value] : root.items()) {
      if (key == "format" || key == "version") continue;
      if (key == "project") {
        project.info = ReadInfo(value, read.skipped);
      } else if (key == "windows") {
        for (const auto& [form, object] : RequireObject(value, key).items()) {
          const Window* window = FindWindow(form);
          if (window == nullptr || !KeepsState(*window)) {
            read.skipped.push_back("windows." + form);
            continue;
          }
          project.windows[form] = ReadWindow(*window, object, read.skipped);
        }
      } else if (key == "tools") {
        for (const auto& [name, section] : RequireObject(value, key).items()) {
          project.tools[name] = section.dump();
        }
      } else {
        read.skipped.push_back(key);
      }
    }
    read.project = std::move(project);
  } catch (const Damaged& damaged) {
    read.skipped.clear();
    read.error = "工程文件已损坏：“" + damaged.where + "”应为" + damaged.expected + "。";
  }
  return read;
}

std::optional<WriteFailure> SaveProjectFile(const std::filesystem::path& path,
                                            const Project& project) {
  return WriteFileAtomically(path, WriteProject(project));
}

ProjectRead ReadProjectFile(const std::filesystem::path& path) {
#ifdef _WIN32
  // Windows' narrow fopen reads the name in the ANSI code page; the wide one takes any name.
  std::FILE* opened = _wfopen(path.c_str(), L"rb");
#else
  std::FILE* opened = std::fopen(path.c_str(), "rb");
#endif
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(opened, &std::fclose);
  ProjectRead read;
  if (!file) {
    int error = errno;
#ifdef _WIN32
    // Windows refuses a folder as "permission denied"; the user is better told what it is.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) error = EISDIR;
#endif
    read.error = ReadError(error);
    return read;
  }
  std::string text;
  char buffer[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, n);
  if (std::ferror(file.get()) != 0) {
    read.error = ReadError(errno);
    return read;
  }
  return ParseProject(text);
}

}  // namespace velmora
