// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "common/registry.h"
#include "render/book_files.h"
#include "render/book_texts.h"
#include "shell/book_preview.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/text.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::BookPreview;
using velmora::FormWindow;
using velmora::Q;
using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;

class BookPreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the remembered folder stays out of the user's
    velmora::InstallFonts();
  }

  void init() { manager_ = new WindowManager; }
  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  // Beside the window's own buttons, and only in the shell: the description keeps its buttons.
  void everyCalculatorHasTheBookButtonAfterItsOwn() {
    for (const velmora::Window* window : velmora::AllWindows()) {
      if (window->kind != velmora::WindowKind::kCalculator) continue;
      QWidget* form = manager_->Open(window->form);
      auto* book = form->findChild<QPushButton*>(QStringLiteral("Book"));
      QVERIFY2(book != nullptr, window->form.data());
      QCOMPARE(book->text(), Q(velmora::book_texts::kBookButton));
      const QWidget* last =
          form->findChild<QPushButton*>(Q(velmora::Buttons(*window).back()->control));
      QCOMPARE(book->parentWidget(), last->parentWidget());
      QVERIFY(velmora::FindButton(*window, "Book") == nullptr);
      form->close();
    }
  }

  void asksForACalculationFirstAndAgainAfterAnInputChanged() {
    QWidget* form = manager_->Open("Form31");
    answerer_.Expect(Q(velmora::book_texts::kBookButton), QStringLiteral("请先计算"));
    Click(form, "Book");
    Edit(form, "Text1")->setText(QStringLiteral("120"));
    Edit(form, "Text2")->setText(QStringLiteral("850"));
    Edit(form, "Text3")->setText(QStringLiteral("100"));
    Edit(form, "Text4")->setText(QStringLiteral("0.6"));
    Click(form, "Command1");
    Edit(form, "Text4")->setText(QStringLiteral("0.7"));
    answerer_.Expect(Q(velmora::book_texts::kBookButton), QStringLiteral("输入已改动"));
    Click(form, "Book");
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(form->findChild<BookPreview*>() == nullptr);
  }

  void previewsTheLastCalculationAndSavesItAsPdfAndWord() {
    QWidget* form = manager_->Open("Form31");
    Edit(form, "Text1")->setText(QStringLiteral("120"));
    Edit(form, "Text2")->setText(QStringLiteral("850"));
    Edit(form, "Text3")->setText(QStringLiteral("100"));
    Edit(form, "Text4")->setText(QStringLiteral("0.6"));
    Click(form, "Command1");
    Click(form, "Book");
    auto* preview = form->findChild<BookPreview*>();
    QVERIFY(preview != nullptr && preview->isVisible());
    QVERIFY(preview->PageCount() >= 1);
    for (const char* name : {"Print", "SavePdf", "SaveWord"}) {
      QVERIFY(preview->findChild<QPushButton*>(QString::fromLatin1(name)) != nullptr);
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("书.pdf"));
    const QString docx = dir.filePath(QStringLiteral("书.docx"));
    QVERIFY(preview->SaveTo(pdf));
    QVERIFY(preview->SaveTo(docx));
    QCOMPARE(BookPreview::LastFolder(), dir.path());
    QVERIFY(velmora::testing::PdfText(pdf.toStdString()).find("948.261") != std::string::npos);
    const std::string word = velmora::testing::WordText(
        velmora::testing::Unzip(docx.toStdString())["word/document.xml"]);
    QVERIFY(word.find("948.261") != std::string::npos);

    // A file that cannot be written is a warning, and the remembered folder stays.
    answerer_.Expect(Q(velmora::book_texts::kBookButton), QStringLiteral("计算书未能保存"));
    QVERIFY(!preview->SaveTo(pdf + QStringLiteral("/x.pdf")));
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(BookPreview::LastFolder(), dir.path());
  }

 private:
  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(BookPreviewTest)
#include "book_preview_test.moc"
