// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the information windows, drawn by the program itself.
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "shell/pictures.h"
#include "shell/text.h"

namespace velmora {
namespace {

// A bridge pier standing in a river, seen from downstream: deck, cap, column, the flow
// parting round it and the scour hole at its foot.
QPixmap BridgePier() {
  constexpr int kWidth = 180;
  constexpr int kHeight = 150;
  QPixmap pixmap(kWidth, kHeight);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, 90);
  sky.setColorAt(0, QColor(0x9C, 0xC9, 0xEE));
  sky.setColorAt(1, QColor(0xF2, 0xF8, 0xFD));
  p.fillRect(0, 0, kWidth, 90, sky);

  QPainterPath hills;
  hills.moveTo(0, 78);
  hills.cubicTo(40, 52, 70, 70, 100, 64);
  hills.cubicTo(130, 58, 155, 50, kWidth, 66);
  hills.lineTo(kWidth, 90);
  hills.lineTo(0, 90);
  p.fillPath(hills, QColor(0x8F, 0xB8, 0x7A));

  // Water down to a bed that dips into the scour hole at the pier.
  QLinearGradient water(0, 88, 0, kHeight);
  water.setColorAt(0, QColor(0x4F, 0x94, 0xCF));
  water.setColorAt(1, QColor(0x1F, 0x5A, 0x8F));
  p.fillRect(0, 88, kWidth, kHeight - 88, water);
  QPainterPath bed;
  bed.moveTo(0, 128);
  bed.lineTo(60, 132);
  bed.cubicTo(72, 132, 76, 143, 90, 143);
  bed.cubicTo(104, 143, 108, 132, 120, 132);
  bed.lineTo(kWidth, 128);
  bed.lineTo(kWidth, kHeight);
  bed.lineTo(0, kHeight);
  bed.closeSubpath();
  p.fillPath(bed, QColor(0xB8, 0x96, 0x62));

  // Banks.
  QPainterPath left_bank;
  left_bank.moveTo(0, 70);
  left_bank.lineTo(28, 72);
  left_bank.lineTo(48, 128);
  left_bank.lineTo(0, 128);
  left_bank.closeSubpath();
  p.fillPath(left_bank, QColor(0xA0, 0x7E, 0x4E));
  QPainterPath right_bank;
  right_bank.moveTo(kWidth, 70);
  right_bank.lineTo(kWidth - 28, 72);
  right_bank.lineTo(kWidth - 48, 128);
  right_bank.lineTo(kWidth, 128);
  right_bank.closeSubpath();
  p.fillPath(right_bank, QColor(0xA0, 0x7E, 0x4E));

  // Pier: column, cap beam, and the deck with its railing.
  const QColor concrete(0xC9, 0xC6, 0xBF);
  const QColor shade(0x8E, 0x8A, 0x82);
  p.fillRect(82, 52, 16, 91, concrete);
  p.fillRect(94, 52, 4, 91, shade);
  p.fillRect(72, 48, 36, 8, concrete);
  p.fillRect(0, 36, kWidth, 12, QColor(0x9A, 0x96, 0x8E));
  p.fillRect(0, 36, kWidth, 3, QColor(0x6E, 0x6A, 0x63));
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.2));
  p.drawLine(0, 28, kWidth, 28);
  for (int x = 4; x < kWidth; x += 12) p.drawLine(x, 28, x, 36);

  // Surface and the flow parting round the pier.
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.4));
  p.drawLine(48, 90, 132, 90);
  for (int i = 0; i < 3; ++i) {
    const int y = 98 + i * 9;
    QPainterPath line;
    line.moveTo(52 + i * 4, y);
    line.cubicTo(70, y, 74, y - 5, 80, y - 5);
    p.drawPath(line);
    QPainterPath mirror;
    mirror.moveTo(128 - i * 4, y);
    mirror.cubicTo(110, y, 106, y - 5, 100, y - 5);
    p.drawPath(mirror);
  }
  return pixmap;
}

// A bound code book: cover, spine, page edges and its emblem.
QPixmap CodeBook() {
  constexpr int kWidth = 100;
  constexpr int kHeight = 124;
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xF4, 0xF1, 0xE6));  // page edges
  p.drawRoundedRect(QRectF(14, 10, 80, 108), 3, 3);
  p.setBrush(QColor(0x1E, 0x4E, 0x8C));  // cover
  p.drawRoundedRect(QRectF(8, 4, 80, 108), 3, 3);
  p.setBrush(QColor(0x15, 0x38, 0x66));  // spine
  p.drawRect(QRectF(8, 4, 10, 108));

  const QColor gold(0xE8, 0xC5, 0x6A);
  p.setPen(QPen(gold, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(26, 16, 54, 40));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(18);
  p.setFont(font);
  p.drawText(QRectF(26, 16, 54, 40), Qt::AlignCenter, Q("规范"));
  font.setPixelSize(10);
  p.setFont(font);
  p.drawText(QRectF(20, 64, 66, 16), Qt::AlignCenter, QStringLiteral("JTJ 062-91"));
  p.drawLine(QPointF(30, 90), QPointF(76, 90));
  p.drawLine(QPointF(30, 96), QPointF(76, 96));
  return pixmap;
}

}  // namespace

QIcon AppIcon() {
  // The square middle of the pier picture: deck, pier, water.
  const QPixmap pier = BridgePier();
  const int side = pier.height();
  return QIcon(pier.copy((pier.width() - side) / 2, 0, side, side));
}

QWidget* CreatePicture(std::string_view name) {
  auto* label = new QLabel;
  label->setObjectName(Q(name));
  QPixmap pixmap;
  if (name == "bridge_pier") pixmap = BridgePier();
  if (name == "code_book") pixmap = CodeBook();
  if (!pixmap.isNull()) {
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
  }
  return label;
}

}  // namespace velmora
