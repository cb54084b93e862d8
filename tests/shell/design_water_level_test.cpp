// SPDX-License-Identifier: GPL-3.0-or-later
// Form2 in the shell: trials in sequence, the report file's bytes, its viewer, TrialSucceeded.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QtTest>

#ifdef __linux__
#include <pwd.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

#include "common/press.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/report_file.h"
#include "shell/report_viewer.h"
#include "shell/user_files.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"
#include "waterlevel/design_water_level_report.h"

using velmora::FormWindow;
using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::TemporaryReportFolder;
using velmora::testing::VisibleTopLevels;

namespace {

const QString kSuccessTitle = QStringLiteral("^_^ 提示");
const QString kHintTitle = QStringLiteral(" ^_^ 提示");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DesignWaterLevelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() {
    folder_ = new TemporaryReportFolder;
    manager_ = new WindowManager;
    form2_ = qobject_cast<FormWindow*>(manager_->Open("Form2"));
    QVERIFY(form2_ != nullptr);
  }

  void cleanup() {
    // Tear down before checking, so that a failed check leaves nothing to the next test.
    const QStringList problems = answerer_.Problems();
    answerer_.Clear();
    delete manager_;
#ifdef __linux__
    if (!disk_.isEmpty()) ::umount2(QFile::encodeName(disk_).constData(), MNT_DETACH);
    disk_.clear();
#endif
    delete folder_;
    Settle();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    QVERIFY(VisibleTopLevels().isEmpty());
  }

  // The default trial's file, byte for byte; then a rejected trial leaves it alone.
  void acceptedThenRejected() {
    AcceptDefault();
    QCOMPARE(Text("Text14"), QStringLiteral("1775.878"));
    QCOMPARE(Text("Text17"), QStringLiteral(".788"));
    // The report's lines, each in GBK and ended by CR LF.
    const QByteArray report = ReadAll(velmora::ReportPath());
    velmora::FormState state = velmora::DefaultState(form2_->description());
    state.selected_option = "Option1";
    const velmora::Effects effects = velmora::PressButton(form2_->description(), "Command1", state);
    QByteArray expected;
    for (const std::string& line : std::get<velmora::effect::WriteReport>(effects.back()).lines) {
      expected += Gbk(line.c_str()) + "\r\n";
    }
    QCOMPARE(report, expected);
    // "   冲刷计算-设计水位估算" in code page 936, written out by hand.
    QVERIFY(report.contains(
        QByteArray::fromHex("202020b3e5cba2bcc6cbe32dc9e8bcc6cbaecebbb9c0cbe30d0a")));

    // Qp = 1870 falls outside the band: D = 5.033271.
    Edit("Text13")->setText(QStringLiteral("1870"));
    answerer_.Expect(kHintTitle, QStringLiteral("水深太小，需增大水深！"));
    Click("Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(Text("Text14"), QString());
    QVERIFY(!manager_->TrialSucceeded("Form2"));

    answerer_.Expect(QStringLiteral("冲刷计算"), QStringLiteral("对不起，试算不成功"));
    Click("Command4");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(manager_->Find(velmora::kReportViewer), nullptr);
    // The earlier report stays on disk, untouched.
    QCOMPARE(ReadAll(velmora::ReportPath()), report);
  }

  void secondAcceptedTrialReplacesTheReport_data() {
    QTest::addColumn<bool>("first_separable");
    QTest::newRow("same section type") << false;
    QTest::newRow("separable, then not") << true;
  }

  void secondAcceptedTrialReplacesTheReport() {
    QFETCH(bool, first_separable);
    if (first_separable) {
      AcceptSeparable();
      QCOMPARE(Lines(ReadAll(velmora::ReportPath())).size(), 36);
      Edit("Text13")->setText(QStringLiteral("1733"));
    } else {
      Edit("Text13")->setText(QStringLiteral("1800"));
      AcceptDefault(QStringLiteral("1.34012"));
      Edit("Text13")->setText(QStringLiteral("1733"));
    }
    AcceptDefault();
    const QByteArray bytes = ReadAll(velmora::ReportPath());
    const QList<QByteArray> lines = Lines(bytes);
    QCOMPARE(lines.size(), 23);
    QVERIFY(!bytes.contains(Gbk("河滩")));
    // Nothing of the first report is left behind after the second.
    QCOMPARE(bytes.count(Gbk("冲刷计算-设计水位估算")), 1);
  }

  void viewerShowsTheFileReadAfresh() {
    AcceptDefault();
    Click("Command4");
    auto* viewer = qobject_cast<velmora::ReportViewer*>(manager_->Find(velmora::kReportViewer));
    QVERIFY(viewer != nullptr);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->windowTitle().endsWith(QStringLiteral("设计水位估算.txt")));
    QVERIFY(ViewerText(viewer).contains(QStringLiteral("   河槽平均水深:             0.7878551 ")));
    QCOMPARE(viewer->findChild<QPushButton*>(QStringLiteral("SaveAs"))->text(),
             QStringLiteral("另存为…"));
    QCOMPARE(viewer->findChild<QPushButton*>(QStringLiteral("OpenExternally"))->text(),
             QStringLiteral("用系统编辑器打开"));

    // A new accepted trial rewrites the file; the next press shows it in the same window.
    Edit("Text13")->setText(QStringLiteral("1800"));
    AcceptDefault(QStringLiteral("1.34012"));
    Click("Command4");
    QCOMPARE(manager_->Find(velmora::kReportViewer), viewer);
    QVERIFY(ViewerText(viewer).contains(QStringLiteral(" 1800 ")));

    // A copy elsewhere holds the file's own bytes.
    const QString copy = QDir(folder_->path()).filePath(QStringLiteral("copy.txt"));
    QString error;
    QVERIFY(viewer->SaveCopy(copy, &error));
    QCOMPARE(ReadAll(copy), ReadAll(velmora::ReportPath()));

    // Closing the viewer discards it; the form is unaffected.
    viewer->close();
    Settle();
    QCOMPARE(manager_->Find(velmora::kReportViewer), nullptr);
    QVERIFY(form2_->isVisible());
  }

  void trialSucceededSurvivesCloseAndReopen() {
    AcceptDefault();
    Click("Command3");
    Settle();
    form2_ = qobject_cast<FormWindow*>(manager_->Open("Form2"));
    QCOMPARE(Text("Text14"), QStringLiteral("1775.878"));
    QVERIFY(Radio("Option1")->isChecked());
    Click("Command4");  // the report of the trial before the close: no box
    QVERIFY(manager_->Find(velmora::kReportViewer) != nullptr);
  }

  void unwritableFolderIsAMessage() {
    // A folder that cannot be made: a plain file stands where a folder should.
    const QString blocker = QDir(folder_->path()).filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    velmora::SetReportFolder(QDir(blocker).filePath(QStringLiteral("工具箱")));
    Radio("Option1")->setChecked(true);
    answerer_.Expect(kSuccessTitle, QStringLiteral("-2.474197"));
    answerer_.Expect(QStringLiteral("设计水位估算计算书"),
                     QDir::toNativeSeparators(velmora::ReportPath()));
    Click("Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(
        answerer_.seen().back().text.contains(QStringLiteral("原因：同名的文件挡住了文件夹（")));
    // The trial's other effects stand.
    QCOMPARE(Text("Text14"), QStringLiteral("1775.878"));
    QVERIFY(manager_->TrialSucceeded("Form2"));
    // With no file to show, "计算结果输出" says so instead of opening an empty viewer.
    answerer_.Expect(QStringLiteral("设计水位估算计算书"), QStringLiteral("计算书文件未能打开"));
    Click("Command4");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(manager_->Find(velmora::kReportViewer), nullptr);
  }

  // A full disk after the data was handed over: the trial's report and the viewer's copy fail
  // with the reason named, and the files they would replace keep their bytes.
  void fullDiskKeepsTheOldFiles() {
#ifdef __linux__
    disk_ = QDir(folder_->path()).filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk_));
    if (::mount("tmpfs", QFile::encodeName(disk_).constData(), "tmpfs", 0, "size=64k") != 0) {
      disk_.clear();
      QSKIP("cannot mount a small file system here");
    }
    velmora::SetReportFolder(disk_);
    AcceptDefault();
    const QByteArray report = ReadAll(velmora::ReportPath());
    QVERIFY(!report.isEmpty());
    Click("Command4");
    auto* viewer = qobject_cast<velmora::ReportViewer*>(manager_->Find(velmora::kReportViewer));
    QVERIFY(viewer != nullptr);
    const QString copy = QDir(disk_).filePath(QStringLiteral("copy.txt"));
    QFile earlier(copy);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier copy") == 12);
    earlier.close();
    QFile filler(QDir(disk_).filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    filler.close();

    Edit("Text13")->setText(QStringLiteral("1800"));
    Radio("Option1")->setChecked(true);
    answerer_.Expect(kSuccessTitle, QStringLiteral("1.34012"));
    answerer_.Expect(
        QStringLiteral("设计水位估算计算书"),
        QDir::toNativeSeparators(velmora::ReportPath()) + QStringLiteral("\n原因：磁盘空间不足（"));
    Click("Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(ReadAll(velmora::ReportPath()), report);

    QString error;
    QVERIFY(!viewer->SaveCopy(copy, &error));
    QVERIFY2(error.startsWith(QStringLiteral("磁盘空间不足（")), qPrintable(error));
    QCOMPARE(ReadAll(copy), QByteArray("earlier copy"));
    QCOMPARE(QDir(disk_).entryList(QDir::Files | QDir::Hidden).size(), 3);  // nothing left over
#else
    QSKIP("mounts a Linux tmpfs");
#endif
  }

  // Without HOME the Documents folder lies in the account's home; an account without one is
  // told so instead of writing at the root of the file system.
  void noHomeFolder() {
#ifdef __linux__
    const QByteArray home = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
      qputenv("HOME", home);
      velmora::SetReportFolder(folder_->path());
    });
    velmora::SetReportFolder(QString());
    const passwd* account = ::getpwuid(::geteuid());
    QVERIFY(account != nullptr);
    const QString account_home = QFile::decodeName(account->pw_dir);
    const QString expected = QFileInfo(account_home).isDir()
                                 ? QDir(account_home).filePath(QStringLiteral("Documents"))
                                 : QString();
    for (const bool unset : {true, false}) {
      unset ? qunsetenv("HOME") : qputenv("HOME", QByteArray());
      QString note;
      QCOMPARE(velmora::DocumentsFolder(&note), expected);
    }
    // An account the password database does not know (root may take on any user id).
    constexpr uid_t kUnknown = 4000123;
    if (::getpwuid(kUnknown) != nullptr || ::seteuid(kUnknown) != 0) {
      QSKIP("cannot take on an unknown user id here");
    }
    QString note;
    const QString documents = velmora::DocumentsFolder(&note);
    const QString report = velmora::ReportPath();
    answerer_.Expect(QStringLiteral("设计水位估算计算书"),
                     QStringLiteral("设计水位估算.txt\n原因：找不到用户的主文件夹"));
    const bool written = velmora::WriteReportFile(form2_, {"line"});
    QVERIFY(::seteuid(0) == 0);
    QCOMPARE(documents, QString());
    QVERIFY(note.contains(QStringLiteral("HOME")));
    QCOMPARE(report, QString());
    QVERIFY(!written);
    VELMORA_CHECK_BOXES(answerer_);
#else
    QSKIP("reads the password database");
#endif
  }

  void writesIntoHiddenScourWindows() {
    // The separable example against Qp = 2000: every field of the hand-over, floodplain included.
    QCOMPARE(manager_->Find("form3"), nullptr);
    QCOMPARE(manager_->Find("form1"), nullptr);
    AcceptSeparable();
    for (const char* form : {"form3", "form1"}) {
      QVERIFY(manager_->Find(form) != nullptr);
      QVERIFY(!manager_->Find(form)->isVisible());
    }
    auto* form3 = qobject_cast<FormWindow*>(manager_->Open("form3"));
    auto* form1 = qobject_cast<FormWindow*>(manager_->Open("form1"));
    const std::pair<const char*, const char*> form3_texts[] = {
        {"Text1", "1775.878"}, {"Text2", "3.052"}, {"Text4", "738.58"},
        {"Text8", "2.1"},      {"Text9", ".788"},
    };
    for (const auto& [control, text] : form3_texts) {
      QCOMPARE(form3->FieldText(control), QString::fromUtf8(text));
    }
    const std::pair<const char*, const char*> form1_texts[] = {
        {"Text1", "1775.878"}, {"Text2", "2.1"},  {"Text3", ".788"},
        {"Text10", "225.382"}, {"Text11", "1.2"}, {"Text12", ".5"},
    };
    for (const auto& [control, text] : form1_texts) {
      QCOMPARE(form1->FieldText(control), QString::fromUtf8(text));
    }
  }

  void writesIntoOpenScourWindows() {
    auto* form3 = qobject_cast<FormWindow*>(manager_->Open("form3"));
    auto* form1 = qobject_cast<FormWindow*>(manager_->Open("form1"));
    form3->SetFieldText("Text1", QStringLiteral("typed"));
    form3->SetFieldText("Text14", QStringLiteral("result"));
    AcceptDefault();
    // The open windows change at once and stay as they were otherwise: no recomputation.
    QVERIFY(form3->isVisible() && form1->isVisible());
    QCOMPARE(form3->FieldText("Text1"), QStringLiteral("1775.878"));
    QCOMPARE(form3->FieldText("Text9"), QStringLiteral(".788"));
    QCOMPARE(form3->FieldText("Text14"), QStringLiteral("result"));
    QCOMPARE(form1->FieldText("Text3"), QStringLiteral(".788"));
  }

  void nonSeparableTrialEmptiesTheFloodplainOfAnEarlierOne() {
    AcceptSeparable();
    auto* form1 = qobject_cast<FormWindow*>(manager_->Find("form1"));
    QCOMPARE(form1->FieldText("Text10"), QStringLiteral("225.382"));
    SetTexts({{"Text13", "1733"}});
    AcceptDefault();
    QCOMPARE(form1->FieldText("Text1"), QStringLiteral("1775.878"));
    for (const char* control : {"Text10", "Text11", "Text12"}) {
      QVERIFY2(form1->FieldText(control).isEmpty(), control);
    }
  }

  void escapeClosesTheViewer() {
    AcceptDefault();
    Click("Command4");
    QPointer<QWidget> viewer = manager_->Find(velmora::kReportViewer);
    QVERIFY(viewer && viewer->isVisible());
    QTest::keyClick(viewer->findChild<QWidget*>(QStringLiteral("ReportText")), Qt::Key_Escape);
    Settle();
    QVERIFY(viewer.isNull());
  }

  void quitClosesTheViewer() {
    AcceptDefault();
    Click("Command4");
    QPointer<QWidget> viewer = manager_->Find(velmora::kReportViewer);
    QVERIFY(viewer && viewer->isVisible());
    answerer_.Expect(QStringLiteral("Velmora"), QStringLiteral("未保存的修改"),
                     QMessageBox::Discard);
    manager_->Quit();
    Settle();
    QVERIFY(viewer.isNull());
  }

 private:
  QRadioButton* Radio(const char* control) const {
    return form2_->findChild<QRadioButton*>(QString::fromUtf8(control));
  }
  QLineEdit* Edit(const char* control) const {
    return form2_->findChild<QLineEdit*>(QString::fromUtf8(control));
  }
  QString Text(const char* control) const { return Edit(control)->text(); }
  void Click(const char* control) const {
    form2_->findChild<QPushButton*>(QString::fromUtf8(control))->click();
  }
  void SetTexts(std::initializer_list<std::pair<const char*, const char*>> texts) const {
    for (const auto& [control, text] : texts) Edit(control)->setText(QString::fromUtf8(text));
  }

  // A non-separable trial, accepted with D's text in the success box (the worked example's by
  // default), answered with OK.
  void AcceptDefault(const QString& d = QStringLiteral("-2.474197")) {
    Radio("Option1")->setChecked(true);
    answerer_.Expect(kSuccessTitle, QStringLiteral("偏差是(%):") + d);
    Click("Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(manager_->TrialSucceeded("Form2"));
  }

  // The separable example's floodplain (htm = 1.2) against Qp = 2000: D = -0.06296844.
  void AcceptSeparable() {
    Radio("Option2")->setChecked(true);
    SetTexts({{"Text6", "200"},
              {"Text7", "400"},
              {"Text8", "400"},
              {"Text9", "0.05"},
              {"Text10", "8"},
              {"Text12", "1.2"},
              {"Text13", "2000"}});
    answerer_.Expect(kSuccessTitle, QStringLiteral("-0.06296844"));
    Click("Command1");
    VELMORA_CHECK_BOXES(answerer_);
  }

  static QByteArray Gbk(const char* utf8) {
    QStringEncoder encoder("GBK");
    return encoder.encode(QString::fromUtf8(utf8));
  }
  static QList<QByteArray> Lines(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    bytes.chop(1);
    return bytes.split('\n');
  }
  static QString ViewerText(QWidget* viewer) {
    return viewer->findChild<QPlainTextEdit*>(QStringLiteral("ReportText"))->toPlainText();
  }

  TemporaryReportFolder* folder_ = nullptr;
  QString disk_;  // a small file system mounted for the test
  WindowManager* manager_ = nullptr;
  FormWindow* form2_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(DesignWaterLevelTest)
#include "design_water_level_test.moc"
