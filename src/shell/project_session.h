// SPDX-License-Identifier: GPL-3.0-or-later
// The open project: its file, its information, unsaved changes, autosave and recovery.
//
// The calculator windows hold the project's states (the window manager keeps them, shown or
// hidden); the session adds the project information and the sections of other tools, and
// compares the whole with what was last saved.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <string>

#include "project/project.h"

class QWidget;

namespace velmora {

class WindowManager;

class ProjectSession : public QObject {
  Q_OBJECT

 public:
  explicit ProjectSession(WindowManager& manager);
  /// A clean exit: the recovery copy goes.
  ~ProjectSession() override;

  /// The project as the windows and the information dialog hold it now.
  Project Snapshot() const;
  /// The project's file, empty for a project never saved.
  const QString& path() const { return path_; }
  const ProjectInfo& info() const { return info_; }
  void SetInfo(const ProjectInfo& info);
  /// The section another tool keeps in the project, as JSON text; nullptr when there is none.
  const std::string* ToolSection(std::string_view tool) const;
  /// Sets a tool's section (JSON text); an empty text removes it. A text that is not JSON is
  /// refused: false.
  bool SetToolSection(std::string_view tool, const std::string& json);
  /// Another tool's section of the project, as JSON text; an empty text removes it.
  void SetTool(const std::string& name, const std::string& text);
  /// Whether anything differs from what was last saved or opened.
  bool IsModified() const;
  /// The main window's title: the file's name and the bridge's, an asterisk when modified.
  QString Title() const;
  /// The window whose title follows the project and which parents the session's boxes.
  void AttachMainWindow(QWidget* window);

  // The commands of the 文件 menu; those that replace the project ask about unsaved changes.
  void New();
  void Open();
  bool Save();
  bool SaveAs();
  void Close();
  void EditInfo();
  void RecalculateAll();
  /// Opens the print preview of the project's book, with a wait cursor while it is laid out;
  /// the save dialogs start in the project's folder with the project's name. A message when
  /// no window has been calculated.
  void ExportBook();
  /// Whether any calculator window has been calculated (what the book needs).
  bool HasCalculations() const;

  /// Asks about unsaved changes, then opens the file.
  bool OpenFile(const QString& path);
  /// Opens the file in place of the current project. A refused file is a message, and nothing
  /// changes; parts this version does not know are skipped and listed.
  bool LoadFile(const QString& path);
  /// Saves the project to this file; a failure is a message naming the path and the reason, and
  /// an earlier file there keeps its bytes.
  bool SaveTo(const QString& path);
  /// 保存 / 不保存 / 取消 when there are unsaved changes. Whether to go on.
  bool ConfirmDiscard();
  /// The same question before the program ends; asked once, however the end is reached (退出,
  /// then the last window going).
  bool ConfirmLeave();

  /// Writes the recovery copy while there are unsaved changes, removes it otherwise. Runs
  /// every minute.
  void Autosave();
  /// Offers 恢复 / 丢弃 for each recovery copy left by a Velmora that did not exit cleanly.
  void OfferRecovery();
  QString RecoveryPath() const;
  /// The recovery copies' folder: <AppDataLocation>/recovery, unless pointed elsewhere (tests).
  static QString RecoveryFolder();
  static void SetRecoveryFolder(const QString& folder);

  /// The projects opened or saved lately, the latest first.
  QStringList RecentFiles() const;
  void RemoveMissingRecentFiles();
  void ClearRecentFiles();

 signals:
  void RecentFilesChanged();

 private:
  void Replace(const Project& project, const QString& path);
  void MarkSaved();
  void UpdateTitle();
  void AddRecent(const QString& path);
  void SetRecent(const QStringList& files);
  QString DisplayName() const;
  QWidget* Parent() const { return main_.data(); }

  WindowManager& manager_;
  ProjectInfo info_;
  std::map<std::string, std::string, std::less<>> tools_;
  QString path_;
  std::string saved_;
  QPointer<QWidget> main_;
  QTimer autosave_;
  bool leaving_ = false;
};

}  // namespace velmora
