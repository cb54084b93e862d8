// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation book's print preview: the pages as they print, with 打印, 保存为 PDF… and
// 保存为 Word….
#pragma once

#include <QDialog>
#include <QPrinter>

#include "book/document.h"

class QPrintPreviewWidget;

namespace velmora {

class BookPreview : public QDialog {
  Q_OBJECT

 public:
  /// `folder` and `name` (without extension) are where the save dialogs start; empty: the folder
  /// saved to last and the book's title.
  BookPreview(book::Document document, QWidget* parent, QString folder = {}, QString name = {});

  /// Pages in the preview.
  int PageCount() const;

  /// Writes the book to `path` (.pdf or .docx), with a wait cursor, and remembers its folder for
  /// the next time; a failure is a warning naming the path and the reason. Returns whether it was
  /// written.
  bool SaveTo(const QString& path);

  /// The folder the save dialogs open in: the last one saved to, else the Documents folder.
  static QString LastFolder();

 private:
  void Print();
  void AskAndSave(bool word);

  book::Document document_;
  QString folder_;
  QString name_;
  QPrinter printer_;
  QPrintPreviewWidget* preview_ = nullptr;
};

}  // namespace velmora
