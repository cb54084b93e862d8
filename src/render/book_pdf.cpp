// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/book_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "render/book_layout.h"

namespace velmora::render {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SmallFont() {
  QFont font(TextFamilies());
  font.setPointSizeF(kSmallPoints);
  return font;
}

// The page header above a thin rule, and the footer, both centred in the margins.
void PaintMargins(QPainter& painter, const std::string& header, int page, int pages,
                  double dots_per_mm) {
  const double left = kLeftMm * dots_per_mm;
  const double width = (kPageWidthMm - kLeftMm - kRightMm) * dots_per_mm;
  const double line_height = 6.0 * dots_per_mm;
  painter.setFont(SmallFont());
  painter.setPen(QPen(Qt::black, 0.25 * dots_per_mm));
  if (!header.empty()) {
    const double rule = (kHeaderMm + 2.0) * dots_per_mm;
    painter.drawText(QRectF(left, rule - line_height, width, line_height),
                     Qt::AlignHCenter | Qt::AlignBottom, Q(header));
    painter.drawLine(QPointF(left, rule + 0.5 * dots_per_mm),
                     QPointF(left + width, rule + 0.5 * dots_per_mm));
  }
  const double footer_top = (kPageHeightMm - kFooterMm) * dots_per_mm - line_height;
  painter.drawText(QRectF(left, footer_top, width, line_height), Qt::AlignHCenter | Qt::AlignBottom,
                   Q(FooterText(page, pages)));
}

}  // namespace

int PaintBook(const book::Document& document, QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  const LaidOutBook book = LayOut(document, device);
  QTextDocument& text = *book.text;
  const int pages = text.pageCount();
  const QSizeF body = text.pageSize();

  QPainter painter;
  if (!painter.begin(&device)) return 0;
  painter.setRenderHint(QPainter::Antialiasing);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device.newPage()) return 0;
    PaintMargins(painter, document.page_header, page + 1, pages, book.dots_per_mm);
    // The body: the laid-out text shifted up by the pages before, clipped to this page.
    painter.save();
    painter.translate(kLeftMm * book.dots_per_mm, kTopMm * book.dots_per_mm - page * body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, page * body.height(), body.width(), body.height());
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(context.clip);
    text.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return painter.end() ? pages : 0;
}

QByteArray PdfBytes(const book::Document& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setTitle(Q(document.title));
    writer.setCreator(QStringLiteral("Velmora"));
    if (PaintBook(document, writer) == 0) return {};
  }
  buffer.close();
  return bytes;
}

}  // namespace velmora::render
