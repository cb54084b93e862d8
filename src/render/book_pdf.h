// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation book on paper: laid out with QTextDocument and painted page by page, so that
// the PDF, the printer and the print preview show the same pages.
#pragma once

#include <QByteArray>

#include "book/document.h"

class QPagedPaintDevice;

namespace velmora::render {

/// Paints the whole book on a paged device (a PDF writer or a printer) as A4 pages with the page
/// header and the footer "第 x 页 共 y 页". Returns the number of pages painted, 0 when the device
/// cannot be painted on.
int PaintBook(const book::Document& document, QPagedPaintDevice& device);

/// The book as the bytes of a PDF file, its fonts embedded. Empty when Qt could not paint it.
QByteArray PdfBytes(const book::Document& document);

}  // namespace velmora::render
