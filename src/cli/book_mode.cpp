// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/book_mode.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <ostream>

#include "cli/press_json.h"
#include "common/registry.h"
#include "render/book_file.h"
#include "render/press_chapter.h"

namespace velmora {
namespace {

bool IsOn(const std::string& text) { return text == "1" || text == "true"; }

}  // namespace

int WriteBookFile(const book::Document& document, const std::string& path, std::ostream& err) {
  if (!render::FormatOf(path)) {
    err << "velmora-calc: " << path << ": 计算书只能保存为 .pdf 或 .docx 文件\n";
    return kBookNotWritten;
  }
  // Fonts need a QGuiApplication; a book needs no display. Qt's own warnings (a missing
  // runtime folder, say) are no concern of the runner's output.
  std::unique_ptr<QGuiApplication> app;
  if (QGuiApplication::instance() == nullptr) {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
#ifndef _WIN32
    // Windows' own platform needs no display; elsewhere there may be none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "velmora-calc";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  if (const auto reason = render::WriteBook(document, path)) {
    err << "velmora-calc: " << path << ": " << *reason << '\n';
    return kBookNotWritten;
  }
  return 0;
}

int RunBookMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 4) {
    err << "velmora-calc: usage: velmora-calc --book OUT.pdf|OUT.docx FORM BUTTON "
           "[CONTROL=TEXT ...]\n";
    return 2;
  }
  const std::string& path = args[1];
  const Window* window = FindWindow(args[2]);
  if (window == nullptr) {
    err << "velmora-calc: unknown form: " << args[2] << '\n';
    return 2;
  }
  const std::string& button = args[3];
  if (FindButton(*window, button) == nullptr) {
    err << "velmora-calc: unknown button of " << window->form << ": " << button << '\n';
    return 2;
  }
  // The state as the runner builds it for a press.
  FormState before = DefaultState(*window);
  for (std::size_t i = 4; i < args.size(); ++i) {
    const std::size_t eq = args[i].find('=');
    if (eq == std::string::npos || eq == 0) {
      err << "velmora-calc: expected CONTROL=TEXT, got: " << args[i] << '\n';
      return 2;
    }
    const std::string control = args[i].substr(0, eq);
    const std::string text = args[i].substr(eq + 1);
    if (control == "TrialSucceeded") {
      before.trial_succeeded = IsOn(text);
    } else if (FindOption(*window, control) != nullptr) {
      if (IsOn(text)) {
        before.selected_option = control;
      } else if (before.selected_option == control) {
        before.selected_option.clear();
      }
    } else if (FindField(*window, control) != nullptr) {
      before.fields[control] = text;
    } else {
      err << "velmora-calc: unknown control of " << window->form << ": " << control << '\n';
      return 2;
    }
  }
  const Effects effects = PressButton(*window, button, before);
  const int status =
      WriteBookFile(render::PressChapter(*window, button, before, effects), path, err);
  if (status != 0) return status;
  out << PressResultJson(*window, button, before, effects) << '\n';
  return 0;
}

}  // namespace velmora
