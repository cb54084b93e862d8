// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/fonts.h"
#include "shell/main_window.h"
#include "shell/translations.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::testing::ModalAnswerer;
using velmora::testing::VisibleTopLevels;

namespace {

// The whole menu bar as the user meets it: kind, control name and caption, one per line.
const char* const kMenuTree = R"(menu 文件 文件(&F)
  item 新建工程 新建工程
  item 打开工程 打开工程…
  menu 最近打开的工程 最近打开的工程
    item  （无）
    sep 
    item 移除不存在的工程 移除不存在的工程
    item 清空列表 清空列表
  sep 文件分隔1
  item 保存工程 保存工程
  item 工程另存为 工程另存为…
  sep 文件分隔2
  item 工程信息 工程信息…
  item 全部重新计算 全部重新计算
  sep 文件分隔计算书
  item 导出计算书 导出计算书…
  sep 文件分隔3
  item 关闭工程 关闭工程
menu 流量计算 流量计算(&Q)
  item 利用流域面积比拟法计算设计流量 利用流域面积比拟法计算设计流量
  sep bland1
  menu 利用历史洪水位推算设计流量 利用历史洪水位推算设计流量
    item 历史洪水流量计算I 稳定均匀流洪峰流量的推算
    item 历史洪水流量计算II 稳定非均匀流洪峰流量的推算
  sep bland2
  item 利用全国水文分区经验公式确定设计流量 利用全国水文分区经验公式确定设计流量
  sep bland3
  item 小流域暴雨洪峰流量计算 利用暴雨资料推算设计洪水流量
  sep blank4
menu 桥孔设计 桥孔设计(&B)
  menu 桥孔长度的计算 桥孔长度的计算
    item 河槽宽度公式 河槽宽度公式
    item 单宽流量公式 单宽流量公式
    item 输沙平衡公式 输沙平衡公式
    item 基本河宽公式 基本河宽公式
menu 设计水位估算菜单 设计水位估算(&W)
  item 设计水位估算 设计水位估算
  item 实测断面水位计算 实测断面水位计算
menu 冲刷计算 冲刷计算(&S)
  menu 非粘性土河床桥墩冲刷计算 非粘性土河床桥墩冲刷计算
    item 非粘性土河槽桥墩冲刷计算 河槽桥墩冲刷计算
    item 非粘性土河滩桥墩冲刷计算 河滩桥墩冲刷计算
  sep bland5
  item 粘性土河床桥墩冲刷计算 粘性土河床桥墩冲刷计算
  sep blank6
  item 非粘性土河床桥台冲刷计算 非粘性土河床桥台冲刷计算
  sep bland7
  item 粘性土河床桥台冲刷计算 粘性土河床桥台冲刷计算
  sep bland8
  item 河流弯道凹岸的桥台冲刷深度 河流弯道凹岸的桥台冲刷深度
  sep blank9
  item 冲刷汇总 冲刷汇总及最低冲刷线高程
menu 帮助 帮助(&H)
  item 设计洪水频率标准 设计洪水频率标准
  sep blank10
  item 皮尔逊III型曲线的离均系数Φ值表 皮尔逊III型曲线的离均系数Φ值表
  sep bland11
  menu 皮尔逊III型曲线模比系数Kp值表 皮尔逊III型曲线模比系数Kp值表
    item 表1 Cs=Cv
    item 表2 Cs=2Cv
    item 表3 Cs=2.5Cv
    item 表4 Cs=3Cv
    item 表5 Cs=3.5Cv
    item 表6 Cs=4Cv
    item 表7 Cs=5Cv
    item 表8 Cs=6Cv
  sep blank8
  item 全国分区经验公式成果表 全国分区经验公式成果表
  sep bland12
  item 全国分区Cv值表 全国分区Cv值表
  sep bland13
  item 全国分区CsCv经验关系表 全国分区Cs/Cv经验关系表
  sep blank14
  menu 天然河道洪水糙率系数 天然河道洪水糙率系数
    item 河槽部分天然河道洪水糙率系数 河槽部分
    item 河滩部分天然河道洪水糙率系数 河滩部分
    item 使用说明 使用说明
  sep blank15
  item 水深1m时非粘性土不冲刷流速VH1表 水深1m时非粘性土不冲刷流速VH1表
  sep blank16
  item 非岩石河床墩台基底埋深安全值 非岩石河床墩台基底埋深安全值
  sep bland17
  item 岩石地基桥墩冲刷及基底埋深参考数据表 岩石地基桥墩冲刷及基底埋深参考数据表
  sep blank18
  item 依据规范 依据规范
  sep blank19
  item 作者简介 作者简介
  sep blank20
  item About 关于 Velmora(&A)
item 退出 退出(&X)
)";

void Dump(const QList<QAction*>& actions, int depth, QString& out) {
  const QString indent(depth * 2, QLatin1Char(' '));
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      out += indent + QStringLiteral("sep ") + action->objectName() + QLatin1Char('\n');
    } else if (QMenu* menu = action->menu()) {
      out += indent + QStringLiteral("menu ") + menu->objectName() + QLatin1Char(' ') +
             menu->title() + QLatin1Char('\n');
      Dump(menu->actions(), depth + 1, out);
    } else {
      out += indent + QStringLiteral("item ") + action->objectName() + QLatin1Char(' ') +
             action->text() + QLatin1Char('\n');
    }
  }
}

QAction* FindAction(QWidget* window, const QString& control) {
  return window->findChild<QAction*>(control);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    velmora::InstallFonts();
    // No recent projects of the person running the tests.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    QVERIFY(velmora::InstallQtTranslations());
  }

  void init() {
    manager_ = new velmora::WindowManager;
    main_ = manager_->Open("Form6");
    QVERIFY(main_ != nullptr);
  }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void menuTreeIsComplete() {
    auto* window = qobject_cast<QMainWindow*>(main_);
    QVERIFY(window != nullptr);
    QString tree;
    Dump(window->menuBar()->actions(), 0, tree);
    QCOMPARE(tree, QString::fromUtf8(kMenuTree));
  }

  void qtsOwnTextsAreChinese() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
  }

  // Before the test of "退出": the application has been asked to exit after it, and a modal
  // box would close at once.
  void aboutNamesVersionLicenceAndLibraries() {
    answerer_.Expect(QStringLiteral("关于 Velmora"), QStringLiteral("GPL-3.0-or-later"));
    FindAction(main_, QStringLiteral("About"))->trigger();
    VELMORA_CHECK_BOXES(answerer_);
    const QString text = answerer_.seen().back().text;
    QVERIFY(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    QVERIFY(text.contains(QStringLiteral("Boost")));
  }

  void welcomeTextAndSize() {
    QCOMPARE(main_->windowTitle(), QStringLiteral("Velmora"));
    auto* welcome = main_->findChild<QLabel*>(QStringLiteral("Label1(0)"));
    auto* title = main_->findChild<QLabel*>(QStringLiteral("Label1(1)"));
    QVERIFY(welcome && title);
    QCOMPARE(welcome->text(), QStringLiteral("欢迎使用"));
    QCOMPARE(title->text(), QStringLiteral("Velmora程序"));
    QCOMPARE(welcome->font().families().value(0), QStringLiteral("隶书"));
    QCOMPARE(welcome->font().pointSizeF(), 21.75);
    // 5655 × 3615 twips at 15 twips a pixel; both lines centred, the welcome above the title.
    QWidget* frame = main_->findChild<QWidget*>(QStringLiteral("Frame1"));
    QCOMPARE(frame->size(), QSize(377, 241));
    QVERIFY(qAbs(welcome->geometry().center().x() - 377 / 2) <= 1);
    QVERIFY(qAbs(title->geometry().center().x() - 377 / 2) <= 1);
    QVERIFY(welcome->y() < title->y());
  }

  void commandOpensItsWindowOnce() {
    QAction* item = FindAction(main_, QStringLiteral("利用流域面积比拟法计算设计流量"));
    QVERIFY(item != nullptr);
    item->trigger();
    QWidget* form31 = manager_->Find("Form31");
    QVERIFY(form31 && form31->isVisible());
    QVERIFY(form31->parentWidget() == nullptr);  // not owned by the main window
    item->trigger();
    QCOMPARE(manager_->Find("Form31"), form31);
    QVERIFY(main_->isVisible());
  }

  void commandsWithoutWindowDoNothing() {
    const int before = VisibleTopLevels().size();
    for (const char* control : {"全国分区经验公式成果表", "全国分区Cv值表",
                                "全国分区CsCv经验关系表", "bland1", "blank20"}) {
      QAction* item = FindAction(main_, QString::fromUtf8(control));
      QVERIFY2(item != nullptr, control);
      item->trigger();
    }
    QCOMPARE(VisibleTopLevels().size(), before);
  }

  void exitClosesEveryWindowWithoutAsking() {
    FindAction(main_, QStringLiteral("利用流域面积比拟法计算设计流量"))->trigger();
    QVERIFY(manager_->Find("Form31")->isVisible());
    FindAction(main_, QStringLiteral("退出"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(VisibleTopLevels().isEmpty());
    QCOMPARE(manager_->Find("Form31"), nullptr);
    QCOMPARE(manager_->Find("Form6"), nullptr);
  }

  void closingMainLeavesOthersOpen() {
    FindAction(main_, QStringLiteral("利用流域面积比拟法计算设计流量"))->trigger();
    main_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(manager_->Find("Form6"), nullptr);
    QWidget* form31 = manager_->Find("Form31");
    QVERIFY(form31 && form31->isVisible());
  }

 private:
  velmora::WindowManager* manager_ = nullptr;
  QWidget* main_ = nullptr;
  QTemporaryDir settings_;
  ModalAnswerer answerer_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
