// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/book_preview.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "render/book_file.h"
#include "render/book_pdf.h"
#include "render/book_texts.h"
#include "shell/message_box.h"
#include "shell/text.h"
#include "shell/user_files.h"

namespace velmora {
namespace {

const QString kFolderKey = QStringLiteral("book/folder");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

// A file name from the book's name: what a file system refuses becomes "_".
QString SuggestedName(QString name, bool word) {
  static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
  for (QChar& c : name) {
    if (kRefused.contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
  }
  if (name.isEmpty()) name = Q(book_texts::kBookButton);
  return name + (word ? QStringLiteral(".docx") : QStringLiteral(".pdf"));
}

// The wait cursor while a book is laid out or written.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

BookPreview::BookPreview(book::Document document, QWidget* parent, QString folder, QString name)
    : QDialog(parent),
      document_(std::move(document)),
      folder_(std::move(folder)),
      name_(name.isEmpty() ? Q(document_.title) : std::move(name)),
      printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("BookPreview"));
  setWindowTitle(Q(document_.title));
  printer_.setFullPage(true);  // the book sets its own margins
  printer_.setDocName(Q(document_.title));

  auto* buttons = new QHBoxLayout;
  const auto add = [&](const char* name, std::string_view caption) {
    auto* button = new QPushButton(Q(caption));
    button->setObjectName(QString::fromLatin1(name));
    buttons->addWidget(button);
    return button;
  };
  connect(add("Print", book_texts::kPrint), &QPushButton::clicked, this, [this] { Print(); });
  connect(add("SavePdf", book_texts::kSavePdf), &QPushButton::clicked, this,
          [this] { AskAndSave(false); });
  connect(add("SaveWord", book_texts::kSaveWord), &QPushButton::clicked, this,
          [this] { AskAndSave(true); });
  buttons->addStretch(1);
  connect(add("Close", book_texts::kClose), &QPushButton::clicked, this, &QDialog::close);

  preview_ = new QPrintPreviewWidget(&printer_, this);
  preview_->setObjectName(QStringLiteral("Preview"));
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { render::PaintBook(document_, *printer); });
  preview_->fitToWidth();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(preview_, 1);
  resize(760, 900);
  const WaitCursor wait;
  preview_->updatePreview();
}

int BookPreview::PageCount() const { return preview_->pageCount(); }

void BookPreview::Print() {
  QPrintDialog dialog(&printer_, this);
  if (dialog.exec() == QDialog::Accepted) render::PaintBook(document_, printer_);
}

QString BookPreview::LastFolder() {
  QString folder = Settings().value(kFolderKey).toString();
  if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void BookPreview::AskAndSave(bool word) {
  // Both formats are offered, the button's first; the folder given, else the last one saved to.
  const QString pdf = Q(book_texts::kPdfFilter);
  const QString docx = Q(book_texts::kWordFilter);
  QString chosen = word ? docx : pdf;
  const QString folder = !folder_.isEmpty() && QDir(folder_).exists() ? folder_ : LastFolder();
  const QString path = QFileDialog::getSaveFileName(
      this, Q(word ? book_texts::kSaveWord : book_texts::kSavePdf),
      QDir(folder).filePath(SuggestedName(name_, word)),
      word ? docx + QStringLiteral(";;") + pdf : pdf + QStringLiteral(";;") + docx, &chosen);
  if (path.isEmpty()) return;
  // A name typed with either extension keeps it; without one it gets the chosen filter's.
  if (render::FormatOf(path.toStdString())) {
    SaveTo(path);
  } else {
    SaveTo(path + (chosen == docx ? QStringLiteral(".docx") : QStringLiteral(".pdf")));
  }
}

bool BookPreview::SaveTo(const QString& path) {
  std::optional<std::string> reason;
  {
    const WaitCursor wait;
    reason = render::WriteBook(document_, FileSystemPath(path));
  }
  if (reason) {
    ShowWarning(this, Q(book_texts::kBookButton),
                Q(book_texts::kNotSaved) + QDir::toNativeSeparators(path) + QStringLiteral("\n") +
                    Q(*reason));
    return false;
  }
  Settings().setValue(kFolderKey, QFileInfo(path).absolutePath());
  return true;
}

}  // namespace velmora
