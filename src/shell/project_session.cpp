// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/project_session.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <cerrno>
#include <optional>

#include "common/menu.h"
#include "common/registry.h"
#include "project/recalculate.h"
#include "render/project_book.h"
#include "section/section_json.h"
#include "shell/book_preview.h"
#include "shell/chain_view.h"
#include "shell/message_box.h"
#include "shell/project_info_dialog.h"
#include "shell/report_file.h"
#include "shell/section_window.h"
#include "shell/text.h"
#include "shell/user_files.h"
#include "shell/window_manager.h"

namespace velmora {
namespace {

constexpr int kAutosaveMilliseconds = 60 * 1000;
constexpr int kRecentCount = 8;
const QString kRecentKey = QStringLiteral("recentProjects");
const QString kFilter = QStringLiteral("Velmora 工程 (*.velmora)");
const QString kSuffix = QStringLiteral(".velmora");

QString g_recovery_folder;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

QSettings Settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                   QStringLiteral("Velmora"));
}

// A recovery copy is named after the process that wrote it: one still running keeps its own.
bool WriterIsRunning(const QFileInfo& copy) {
  bool ok = false;
  const qint64 pid = copy.completeBaseName().section(QLatin1Char('-'), 1).toLongLong(&ok);
  if (!ok || pid <= 0) return false;
  if (pid == QCoreApplication::applicationPid()) return true;
#ifdef _WIN32
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return running;
#else
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

QString Trimmed(std::string_view caption) { return Q(caption).remove(QLatin1Char(' ')); }

}  // namespace

ProjectSession::ProjectSession(WindowManager& manager) : manager_(manager) {
  connect(&manager_, &WindowManager::Changed, this, &ProjectSession::UpdateTitle);
  autosave_.setInterval(kAutosaveMilliseconds);
  connect(&autosave_, &QTimer::timeout, this, &ProjectSession::Autosave);
  autosave_.start();
  MarkSaved();
}

ProjectSession::~ProjectSession() { QFile::remove(RecoveryPath()); }

Project ProjectSession::Snapshot() const {
  Project project;
  project.info = info_;
  project.tools = tools_;
  project.windows = manager_.WindowStates();
  // The section window, once it exists, holds the project's section.
  if (const auto* section = qobject_cast<const SectionWindow*>(manager_.Find(kSectionForm))) {
    const std::string text = section->ProjectText();
    if (text.empty()) {
      project.tools.erase(std::string(kSectionTool));
    } else {
      project.tools[kSectionTool] = text;
    }
  }
  return project;
}

void ProjectSession::SetTool(const std::string& name, const std::string& text) {
  if (text.empty()) {
    tools_.erase(name);
  } else {
    tools_[name] = text;
  }
  UpdateTitle();
}

void ProjectSession::SetInfo(const ProjectInfo& info) {
  info_ = info;
  UpdateTitle();
}

const std::string* ProjectSession::ToolSection(std::string_view tool) const {
  const auto it = tools_.find(tool);
  return it == tools_.end() ? nullptr : &it->second;
}

bool ProjectSession::SetToolSection(std::string_view tool, const std::string& json) {
  if (json.empty()) {
    if (const auto it = tools_.find(tool); it != tools_.end()) tools_.erase(it);
  } else if (IsJsonValue(json)) {
    tools_[std::string(tool)] = json;
  } else {
    return false;
  }
  UpdateTitle();
  return true;
}

bool ProjectSession::IsModified() const { return WriteProject(Snapshot()) != saved_; }

QString ProjectSession::DisplayName() const {
  QString name;
  if (!path_.isEmpty()) name = QFileInfo(path_).fileName();
  const QString bridge = Q(info_.bridge);
  if (!bridge.isEmpty())
    name = name.isEmpty() ? bridge : name + QStringLiteral("（%1）").arg(bridge);
  return name;
}

QString ProjectSession::Title() const {
  QString caption = Q(Form6().caption);
  QString name = DisplayName();
  const bool modified = IsModified();
  if (name.isEmpty() && modified) name = QStringLiteral("未命名工程");
  if (name.isEmpty()) return caption;
  return name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + caption;
}

void ProjectSession::AttachMainWindow(QWidget* window) {
  main_ = window;
  UpdateTitle();
}

void ProjectSession::UpdateTitle() {
  if (main_) main_->setWindowTitle(Title());
}

void ProjectSession::MarkSaved() {
  saved_ = WriteProject(Snapshot());
  UpdateTitle();
}

void ProjectSession::Replace(const Project& project, const QString& path) {
  std::optional<SectionWindow::Texts> section;
  if (const auto it = project.tools.find(kSectionTool); it != project.tools.end()) {
    try {
      section = SectionWindow::ReadProjectText(it->second);
    } catch (const SectionError&) {
      // Only a recovery copy gets here (LoadFile refuses a damaged section): the text stays in
      // the project as it was.
    }
  }
  {
    // One comparison with the saved project at the end, not one per field.
    const QSignalBlocker quiet(&manager_);
    manager_.ResetCalculators();
    for (const auto& [form, state] : project.windows) manager_.SetWindowState(form, state);
    if (section) static_cast<SectionWindow*>(manager_.Instance(kSectionForm))->SetTexts(*section);
  }
  info_ = project.info;
  tools_ = project.tools;
  path_ = path;
  MarkSaved();
  ShowChain(manager_);
  // "计算结果输出" shows the report file: let it be this project's report.
  for (const auto& [form, state] : project.windows) {
    if (!state.report.empty()) WriteReportFile(Parent(), state.report);
  }
}

bool ProjectSession::ConfirmDiscard() {
  if (!IsModified()) return true;
  const QString name = DisplayName().isEmpty() ? QStringLiteral("未命名工程") : DisplayName();
  QMessageBox box(QMessageBox::Question, Q(Form6().caption),
                  QStringLiteral("工程“%1”有未保存的修改，是否保存？").arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Parent());
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
  box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return Save();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

bool ProjectSession::ConfirmLeave() {
  if (!leaving_) leaving_ = ConfirmDiscard();
  return leaving_;
}

void ProjectSession::New() {
  if (ConfirmDiscard()) Replace(Project{}, QString());
}

void ProjectSession::Close() {
  if (ConfirmDiscard()) Replace(Project{}, QString());
}

void ProjectSession::Open() {
  if (!ConfirmDiscard()) return;
  const QString start = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
  const QString path =
      QFileDialog::getOpenFileName(Parent(), QStringLiteral("打开工程"), start, kFilter);
  if (!path.isEmpty()) LoadFile(path);
}

bool ProjectSession::OpenFile(const QString& path) { return ConfirmDiscard() && LoadFile(path); }

bool ProjectSession::LoadFile(const QString& path) {
  const ProjectRead read = ReadProjectFile(FileSystemPath(path));
  if (!read.project) {
    ShowWarning(Parent(), QStringLiteral("打开工程"),
                FileFailureText("工程未能打开：", path, Q(read.error)));
    return false;
  }
  if (const auto it = read.project->tools.find(kSectionTool); it != read.project->tools.end()) {
    try {
      SectionWindow::ReadProjectText(it->second);
    } catch (const SectionError& e) {
      ShowWarning(Parent(), QStringLiteral("打开工程"),
                  FileFailureText("工程未能打开：", path, Q(e.what())));
      return false;
    }
  }
  Replace(*read.project, QFileInfo(path).absoluteFilePath());
  AddRecent(path_);
  if (!read.skipped.empty()) {
    QStringList parts;
    for (const std::string& part : read.skipped) parts << Q(part);
    ShowWarning(Parent(), QStringLiteral("打开工程"),
                QStringLiteral("工程已打开。以下内容本版本不认识，已跳过：\n") +
                    parts.join(QLatin1Char('\n')));
  }
  return true;
}

bool ProjectSession::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool ProjectSession::SaveAs() {
  QString suggested = Q(info_.bridge.empty() ? std::string("未命名工程") : info_.bridge) + kSuffix;
  const QString folder = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
  if (!path_.isEmpty()) suggested = QFileInfo(path_).fileName();
  QString path = QFileDialog::getSaveFileName(Parent(), QStringLiteral("工程另存为"),
                                              QDir(folder).filePath(suggested), kFilter);
  if (path.isEmpty()) return false;
  if (!path.endsWith(kSuffix, Qt::CaseInsensitive)) path += kSuffix;
  return SaveTo(path);
}

bool ProjectSession::SaveTo(const QString& path) {
  if (const auto failure = SaveProjectFile(FileSystemPath(path), Snapshot())) {
    ShowWarning(Parent(), QStringLiteral("保存工程"),
                FileFailureText("工程未能保存：", path, Q(failure->Reason())));
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  MarkSaved();
  AddRecent(path_);
  QFile::remove(RecoveryPath());
  return true;
}

void ProjectSession::EditInfo() {
  ProjectInfoDialog dialog(info_, Parent());
  if (dialog.exec() == QDialog::Accepted) SetInfo(dialog.Info());
}

bool ProjectSession::HasCalculations() const {
  for (const auto& [form, state] : manager_.WindowStates()) {
    if (!state.pressed.empty()) return true;
  }
  return false;
}

void ProjectSession::ExportBook() {
  std::optional<book::Document> document;
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    document = render::ProjectBook(Snapshot());
    QApplication::restoreOverrideCursor();
  }
  if (!document) {
    ShowHint(Parent(), "导出计算书",
             "工程中还没有计算过的窗口：请先在各窗口中计算，再导出计算书。");
    return;
  }
  // Saved beside the project, named after it; an unsaved project's book goes where books went
  // last (the Documents folder at first).
  const QString folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
  QString name = Q(info_.name);
  if (name.isEmpty() && !path_.isEmpty()) name = QFileInfo(path_).completeBaseName();
  if (!name.isEmpty()) name += QStringLiteral("计算书");
  auto* preview = new BookPreview(std::move(*document), Parent(), folder, name);
  preview->setAttribute(Qt::WA_DeleteOnClose);
  preview->show();
}

void ProjectSession::RecalculateAll() {
  Project project = Snapshot();
  const std::vector<ProjectPress> presses = RecalculateProject(project);
  const QString title = QStringLiteral("全部重新计算");
  if (presses.empty()) {
    ShowHint(Parent(), U(title), "工程中还没有计算过的窗口。");
    return;
  }
  {
    const QSignalBlocker quiet(&manager_);
    for (const auto& [form, state] : project.windows) manager_.SetWindowState(form, state);
  }
  // The links and 需重新计算 as the recalculation left them.
  tools_ = project.tools;
  ShowChain(manager_);
  UpdateTitle();

  QStringList lines{QStringLiteral("按计算顺序重新计算了 %1 个窗口：").arg(presses.size())};
  const std::vector<std::string>* report = nullptr;
  for (const ProjectPress& press : presses) {
    lines << QStringLiteral("%1（%2）“%3”")
                 .arg(Q(press.window->caption), Q(press.window->form),
                      Trimmed(FindButton(*press.window, press.button)->caption));
    bool quiet = true;
    for (const Effect& e : press.effects) {
      if (const auto* message = std::get_if<effect::Message>(&e)) {
        lines << QStringLiteral("    提示：") + Q(message->text);
        quiet = false;
      } else if (const auto* fault = std::get_if<effect::Fault>(&e)) {
        lines << QStringLiteral("    计算错误：") + Q(fault->text);
        quiet = false;
      } else if (const auto* written = std::get_if<effect::WriteReport>(&e)) {
        report = &written->lines;
      }
    }
    if (quiet) lines << QStringLiteral("    完成");
  }
  if (report != nullptr) WriteReportFile(Parent(), *report);
  QMessageBox box(QMessageBox::Information, title, lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                  Parent());
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QString ProjectSession::RecoveryFolder() {
  if (!g_recovery_folder.isEmpty()) return g_recovery_folder;
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/recovery");
}

void ProjectSession::SetRecoveryFolder(const QString& folder) { g_recovery_folder = folder; }

QString ProjectSession::RecoveryPath() const {
  return RecoveryFolder() +
         QStringLiteral("/recovery-%1.velmora").arg(QCoreApplication::applicationPid());
}

void ProjectSession::Autosave() {
  if (!IsModified()) {
    QFile::remove(RecoveryPath());
    return;
  }
  if (const auto failure = SaveProjectFile(FileSystemPath(RecoveryPath()), Snapshot())) {
    // No box every minute: the engineer's own 保存 still reports any trouble.
    qWarning("velmora: recovery copy not written: %s", failure->Reason().c_str());
  }
}

void ProjectSession::OfferRecovery() {
  const QFileInfoList copies =
      QDir(RecoveryFolder())
          .entryInfoList({QStringLiteral("recovery-*.velmora")}, QDir::Files, QDir::Time);
  for (const QFileInfo& copy : copies) {
    if (WriterIsRunning(copy)) continue;
    const ProjectRead read = ReadProjectFile(FileSystemPath(copy.absoluteFilePath()));
    QString name;
    if (read.project) name = Q(read.project->info.bridge);
    if (name.isEmpty()) name = QStringLiteral("未命名工程");
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("恢复工程"),
        QStringLiteral("Velmora 上次没有正常退出，留下了工程“%1”在 %2 "
                       "自动保存的副本。\n恢复这份副本，还是丢弃它？")
            .arg(name, copy.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
        QMessageBox::Open | QMessageBox::Discard, Parent());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Open)->setText(QStringLiteral("恢复"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("丢弃"));
    box.setDefaultButton(QMessageBox::Open);
    if (box.exec() == QMessageBox::Open) {
      if (!read.project) {
        ShowWarning(
            Parent(), QStringLiteral("恢复工程"),
            FileFailureText("自动保存的副本未能恢复：", copy.absoluteFilePath(), Q(read.error)));
        continue;  // kept, for a person to look at
      }
      if (!ConfirmDiscard()) continue;
      Replace(*read.project, QString());
      saved_.clear();  // recovered work is unsaved until the engineer saves it
      UpdateTitle();
      Autosave();
    }
    QFile::remove(copy.absoluteFilePath());
  }
}

QStringList ProjectSession::RecentFiles() const {
  return Settings().value(kRecentKey).toStringList();
}

void ProjectSession::SetRecent(const QStringList& files) {
  QSettings settings = Settings();
  settings.setValue(kRecentKey, files);
  emit RecentFilesChanged();
}

void ProjectSession::AddRecent(const QString& path) {
  QStringList files = RecentFiles();
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentCount) files.removeLast();
  SetRecent(files);
}

void ProjectSession::RemoveMissingRecentFiles() {
  QStringList files = RecentFiles();
  files.removeIf([](const QString& file) { return !QFileInfo::exists(file); });
  SetRecent(files);
}

void ProjectSession::ClearRecentFiles() { SetRecent({}); }

}  // namespace velmora
