// SPDX-License-Identifier: GPL-3.0-or-later
// Projects in the shell: save and reopen, the unsaved-changes question, refused files, recovery,
// recalculation.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

#include "../section/river_section.h"
#include "common/menu.h"
#include "project/project.h"
#include "render/book_files.h"
#include "shell/book_preview.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/project_info_dialog.h"
#include "shell/project_session.h"
#include "shell/report_file.h"
#include "shell/text.h"
#include "shell/section_window.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::ProjectSession;
using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::TemporaryReportFolder;

namespace {

const QString kQuestionTitle = QStringLiteral("Velmora");
const QString kQuestion = QStringLiteral("有未保存的修改");

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class ProjectSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    velmora::InstallFonts();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    ProjectSession::SetRecoveryFolder(dir_.filePath(QStringLiteral("recovery")));
  }

  void init() {
    manager_ = new WindowManager;
    main_ = manager_->Open("Form6");
  }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  // An accepted trial saved, the project closed and opened again: texts, option, flag and the
  // report as they were, the title naming the file and the bridge.
  void saveCloseReopenShowsTheSameState() {
    TemporaryReportFolder folder;
    QWidget* form2 = manager_->Open("Form2");
    form2->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    answerer_.Expect(QStringLiteral("^_^ 提示"), QStringLiteral("估算成功"));
    Click(form2, "Command1");
    VELMORA_CHECK_BOXES(answerer_);
    auto info = session().info();
    info.bridge = "清水河大桥";
    session().SetInfo(info);
    QVERIFY(session().SetToolSection("Section", R"({"stations":[0,12.5]})"));
    QVERIFY(!session().SetToolSection("Other", "{stations"));
    QCOMPARE(main_->windowTitle(), QStringLiteral("清水河大桥* - Velmora"));

    const QString path = dir_.filePath(QStringLiteral("清水河.velmora"));
    QVERIFY(session().SaveTo(path));
    QCOMPARE(main_->windowTitle(), QStringLiteral("清水河.velmora（清水河大桥） - Velmora"));
    session().Close();
    Settle();
    QCOMPARE(main_->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(Edit(manager_->Open("Form2"), "Text14")->text(), QString());
    QFile::remove(velmora::ReportPath());

    QVERIFY(session().OpenFile(path));
    Settle();
    QVERIFY(!session().IsModified());
    form2 = manager_->Open("Form2");
    QCOMPARE(Edit(form2, "Text14")->text(), QStringLiteral("1775.878"));
    QVERIFY(form2->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    QVERIFY(manager_->TrialSucceeded("Form2"));
    QCOMPARE(Edit(manager_->Find("form3"), "Text1")->text(), QStringLiteral("1775.878"));
    Click(form2, "Command4");  // 计算结果输出
    QWidget* viewer = manager_->Find(velmora::kReportViewer);
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->findChild<QPlainTextEdit*>()->toPlainText().contains(
        QStringLiteral("河槽平均水深:             0.7878551")));
    QCOMPARE(*session().ToolSection("Section"), std::string(R"({"stations":[0,12.5]})"));
    QCOMPARE(session().RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
  }

  // The surveyed section outlives its window's closing, goes into the file and comes back, a
  // half-typed table cell by cell; 关闭 empties it, and an edit after opening marks the project.
  void sectionIsKeptWithTheProject_data() {
    QTest::addColumn<bool>("complete");
    QTest::newRow("complete") << true;
    QTest::newRow("half-typed") << false;
  }

  void sectionIsKeptWithTheProject() {
    QFETCH(bool, complete);
    auto* section = qobject_cast<velmora::SectionWindow*>(manager_->Open(velmora::kSectionForm));
    velmora::SectionInput input = velmora::RiverSection(true);
    input.qp = 900;
    section->SetInput(input);
    if (!complete) {
      section->findChild<QTableWidget*>()->item(3, 1)->setText(QStringLiteral("10x"));
      Edit(section, "SplitRight")->clear();
    }
    QVERIFY(main_->windowTitle().startsWith(QStringLiteral("未命名工程*")));
    const std::string text = section->ProjectText();
    QCOMPARE(text.find("\"typed\"") == std::string::npos, complete);
    section->close();
    Settle();
    const QString path = dir_.filePath(QStringLiteral("section.velmora"));
    QVERIFY(session().SaveTo(path));
    session().Close();
    Settle();
    QCOMPARE(manager_->Find(velmora::kSectionForm), nullptr);

    QVERIFY(session().OpenFile(path));
    Settle();
    section = qobject_cast<velmora::SectionWindow*>(manager_->Open(velmora::kSectionForm));
    QVERIFY(!session().IsModified());
    QCOMPARE(section->ProjectText(), text);
    auto* table = section->findChild<QTableWidget*>();
    QCOMPARE(table->item(3, 1)->text(), complete ? QStringLiteral("102.3") : QStringLiteral("10x"));
    table->item(0, 0)->setText(QStringLiteral("1"));
    QVERIFY(session().IsModified());
  }

  // A project without a section is written byte for byte as before, though the section window
  // was opened (taking 设计水位估算's Qp) and typed into and emptied again.
  void projectWithoutSectionSavesUnchanged() {
    manager_->SetField("Form2", "Text13", QStringLiteral("900"));
    const QString path = dir_.filePath(QStringLiteral("plain.velmora"));
    QVERIFY(session().SaveTo(path));
    QWidget* section = manager_->Open(velmora::kSectionForm);
    QCOMPARE(Edit(section, "Qp")->text(), QStringLiteral("900"));
    Edit(section, "NChannel")->setText(QStringLiteral("0.03"));
    QVERIFY(session().IsModified());
    Edit(section, "NChannel")->clear();
    QVERIFY(!session().IsModified());
    const QString copy = dir_.filePath(QStringLiteral("plain-copy.velmora"));
    QVERIFY(session().SaveTo(copy));
    QFile before(path), after(copy);
    QVERIFY(before.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before.readAll());
  }

  // Each way of leaving the project asks; 取消 keeps everything, 不保存 goes on.
  void unsavedChangesAreAskedAbout_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("新建") << QStringLiteral("new");
    QTest::newRow("打开") << QStringLiteral("open");
    QTest::newRow("关闭") << QStringLiteral("close");
  }

  void unsavedChangesAreAskedAbout() {
    QFETCH(QString, path);
    const QString other = dir_.filePath(QStringLiteral("other.velmora"));
    WriteFile(other, R"({"format":"velmora-project","version":1})");
    const auto leave = [&] {
      if (path == QStringLiteral("new")) session().New();
      if (path == QStringLiteral("open")) session().OpenFile(other);
      if (path == QStringLiteral("close")) session().Close();
      Settle();
    };
    Edit(manager_->Open("Form31"), "Text1")->setText(QStringLiteral("120"));
    QVERIFY(main_->windowTitle().startsWith(QStringLiteral("未命名工程*")));

    answerer_.Expect(kQuestionTitle, kQuestion, QMessageBox::Cancel);
    leave();
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(Edit(manager_->Find("Form31"), "Text1")->text(), QStringLiteral("120"));
    QVERIFY(session().IsModified());

    answerer_.Expect(kQuestionTitle, kQuestion, QMessageBox::Discard);
    leave();
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(manager_->Find("Form31"), nullptr);
  }

  // 保存 on the question saves to the project's file before going on.
  void saveAnswerSavesFirst() {
    const QString path = dir_.filePath(QStringLiteral("saved.velmora"));
    QVERIFY(session().SaveTo(path));
    Edit(manager_->Open("Form31"), "Text1")->setText(QStringLiteral("77"));
    answerer_.Expect(kQuestionTitle, QStringLiteral("saved.velmora"), QMessageBox::Save);
    session().New();
    VELMORA_CHECK_BOXES(answerer_);
    const velmora::ProjectRead read = velmora::ReadProjectFile(path.toStdString());
    QCOMPARE(read.project->windows.at("Form31").form.fields.at("Text1"), std::string("77"));
  }

  void refusedFileLeavesTheWindowsAlone_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("not JSON") << QByteArray("{\n  \"format\": velmora\n}")
                              << QStringLiteral("第 2 行第 13 列");
    QTest::newRow("not a project")
        << QByteArray("{\"format\": \"x\"}") << QStringLiteral("不是 Velmora 工程文件");
    QTest::newRow("newer") << QByteArray(R"({"format":"velmora-project","version":9})")
                           << QStringLiteral("格式版本 9");
    QTest::newRow("unreadable") << QByteArray() << QStringLiteral("文件不存在");
    QTest::newRow("damaged section") << QByteArray(R"({"format":"velmora-project","version":1,)"
                                                   R"("tools":{"section":{"points":[[0,"5"]]}}})")
                                     << QStringLiteral("断面数据已损坏");
  }

  void refusedFileLeavesTheWindowsAlone() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = dir_.filePath(QStringLiteral("refused.velmora"));
    QFile::remove(path);
    if (!bytes.isEmpty()) WriteFile(path, bytes);
    QWidget* form31 = manager_->Open("Form31");
    Edit(form31, "Text1")->setText(QStringLiteral("120"));
    answerer_.Expect(QStringLiteral("打开工程"), message);
    QVERIFY(!session().LoadFile(path));
    VELMORA_CHECK_BOXES(answerer_);
    Settle();
    QCOMPARE(manager_->Find("Form31"), form31);
    QCOMPARE(Edit(form31, "Text1")->text(), QStringLiteral("120"));
    QVERIFY(session().path().isEmpty());
    DiscardChanges();
  }

  void failedSaveNamesThePathAndTheReason() {
    const QString blocker = dir_.filePath(QStringLiteral("blocker"));
    WriteFile(blocker, "x");
    const QString path = blocker + QStringLiteral("/p.velmora");
    answerer_.Expect(QStringLiteral("保存工程"), path);
    QVERIFY(!session().SaveTo(path));
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(session().path().isEmpty());
  }

  // A copy left behind by a process that is gone is offered at the next start; the one of a
  // running Velmora is not.
  void recoveryAfterACrash() {
    Edit(manager_->Open("Form31"), "Text1")->setText(QStringLiteral("55"));
    session().Autosave();
    const QString own = session().RecoveryPath();
    QVERIFY(QFile::exists(own));
    // No process has a pid beyond the kernel's largest (4194304).
    const QString left =
        QDir(ProjectSession::RecoveryFolder()).filePath(QStringLiteral("recovery-4194309.velmora"));
    QVERIFY(QFile::rename(own, left));
    delete manager_;  // as if killed: the copy stays
    manager_ = new WindowManager;
    main_ = manager_->Open("Form6");
    QVERIFY(!session().IsModified());

    answerer_.Expect(QStringLiteral("恢复工程"), QStringLiteral("没有正常退出"), QMessageBox::Open);
    session().OfferRecovery();
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(Edit(manager_->Open("Form31"), "Text1")->text(), QStringLiteral("55"));
    QVERIFY(session().IsModified());
    QVERIFY(!QFile::exists(left));

    // A clean exit removes the copy of this run.
    QVERIFY(QFile::exists(session().RecoveryPath()));
    const QString copy = session().RecoveryPath();
    delete manager_;
    manager_ = nullptr;
    QVERIFY(!QFile::exists(copy));
  }

  // A new catchment in Form5 reaches Form2's design discharge; one summary box for all.
  void recalculateAllFlowsThroughTheChain() {
    TemporaryReportFolder folder;
    QWidget* form5 = manager_->Open("Form5");
    Click(form5, "Command1");
    QWidget* form2 = manager_->Find("Form2");
    Edit(form2, "Text1")->setText(QStringLiteral("229"));
    form2->findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    answerer_.Expect(QStringLiteral("^_^ 提示"), QStringLiteral("-2.338916"));
    Click(form2, "Command1");
    Edit(form5, "Text1")->setText(QStringLiteral("92"));
    answerer_.Expect(QStringLiteral("全部重新计算"), QStringLiteral("偏差是(%):0.8339435"));
    session().RecalculateAll();
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(answerer_.seen().back().text.count(QStringLiteral("（Form")), 2);
    QCOMPARE(Edit(form2, "Text13")->text(), QStringLiteral("378.474"));
    QCOMPARE(Edit(form5, "Text18")->text(), QStringLiteral("378.474"));
    DiscardChanges();
  }

  // 导出计算书…: greyed out until a window has been calculated, then the project's book.
  void exportBookNeedsACalculationAndPreviewsTheProjectsBook() {
    auto* menu = main_->findChild<QMenu*>(QStringLiteral("文件"));
    auto* book = main_->findChild<QAction*>(QStringLiteral("导出计算书"));
    emit menu->aboutToShow();
    QVERIFY(!book->isEnabled());
    TemporaryReportFolder folder;
    QWidget* form5 = manager_->Open("Form5");
    Click(form5, "Command1");
    emit menu->aboutToShow();
    QVERIFY(book->isEnabled());
    book->trigger();
    auto* preview = main_->findChild<velmora::BookPreview*>();
    QVERIFY(preview != nullptr && preview->isVisible());
    QVERIFY(preview->PageCount() >= 3);  // cover, contents, the chapter
    const QString pdf = dir_.filePath(QStringLiteral("工程计算书.pdf"));
    QVERIFY(preview->SaveTo(pdf));
    const std::string text = velmora::testing::PdfText(pdf.toStdString());
    QVERIFY(text.find(velmora::U(Edit(form5, "Text18")->text())) != std::string::npos);
    preview->close();
    DiscardChanges();
  }

  void informationDialogEditsEveryItem() {
    velmora::ProjectInfo info;
    info.notes = "第一行\n第二行";
    velmora::ProjectInfoDialog dialog(info, main_);
    int n = 0;
    for (const auto& item : velmora::ProjectInfoItems()) {
      if (auto* line =
              dialog.findChild<QLineEdit*>(QString::fromUtf8(item.key.data(), item.key.size()))) {
        line->setText(QStringLiteral(" %1 ").arg(++n));
      }
    }
    const velmora::ProjectInfo edited = dialog.Info();
    QCOMPARE(edited.name, std::string("1"));
    QCOMPARE(edited.approved_by, std::string("7"));
    QCOMPARE(edited.date, std::string("8"));
    QCOMPARE(edited.notes, info.notes);
  }

  // Eight at most, the latest first; a file that is gone is greyed out until removed.
  void recentProjectsGreyOutMissingFiles() {
    session().ClearRecentFiles();
    QStringList paths;
    for (int i = 0; i < 9; ++i) {
      paths << dir_.filePath(QStringLiteral("recent%1.velmora").arg(i));
      QVERIFY(session().SaveTo(paths.back()));
    }
    QCOMPARE(session().RecentFiles().size(), 8);
    QCOMPARE(session().RecentFiles().front(), paths.back());
    QFile::remove(paths[5]);
    auto* recent = main_->findChild<QMenu*>(QStringLiteral("最近打开的工程"));
    emit recent->aboutToShow();
    const QList<QAction*> items = recent->actions();
    QVERIFY(items.at(0)->isEnabled());
    QVERIFY(!items.at(3)->isEnabled());  // recent5, fourth from the latest
    main_->findChild<QAction*>(QStringLiteral("移除不存在的工程"))->trigger();
    QCOMPARE(session().RecentFiles().size(), 7);
    QVERIFY(!session().RecentFiles().contains(paths[5]));
  }

  // Last: once the program has been told to end, no later modal box would wait for an answer.
  void leavingTheProgramAsksToo() {
    Edit(manager_->Open("Form31"), "Text1")->setText(QStringLiteral("120"));
    answerer_.Expect(kQuestionTitle, kQuestion, QMessageBox::Cancel);
    manager_->Quit();
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(main_->isVisible());
    answerer_.Expect(kQuestionTitle, kQuestion, QMessageBox::Discard);
    manager_->Quit();
    VELMORA_CHECK_BOXES(answerer_);
    Settle();
    QCOMPARE(manager_->Find("Form6"), nullptr);
  }

 private:
  ProjectSession& session() { return manager_->project(); }

  void DiscardChanges() {
    answerer_.Expect(kQuestionTitle, kQuestion, QMessageBox::Discard);
    session().Close();
    VELMORA_CHECK_BOXES(answerer_);
  }

  QTemporaryDir dir_;
  WindowManager* manager_ = nullptr;
  QWidget* main_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(ProjectSessionTest)
#include "project_session_test.moc"
