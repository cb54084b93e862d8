// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QApplication>
#include <QStringList>

#include "shell/text.h"

namespace velmora {

void InstallFonts() {
  // A Kai face is the nearest relative of 隶书 commonly installed; a Song (Ming) face of 宋体.
  QFont::insertSubstitutions(
      Q("隶书"), {Q("LiSu"), Q("STLiti"), Q("AR PL UKai CN"), Q("KaiTi"), Q("Noto Serif CJK SC")});
  QFont::insertSubstitutions(
      Q("宋体"), {Q("SimSun"), Q("NSimSun"), Q("AR PL UMing CN"), Q("Noto Serif CJK SC")});
  QFont::insertSubstitutions(Q("黑体"),
                             {Q("SimHei"), Q("Noto Sans CJK SC"), Q("WenQuanYi Zen Hei")});
#ifdef _WIN32
  // Windows' own Chinese face first; 宋体 is on every Chinese Windows, Noto where it was added.
  const QStringList families{Q("Microsoft YaHei"), Q("SimSun"), Q("Noto Sans CJK SC")};
#else
  const QStringList families{Q("Noto Sans CJK SC"), Q("Microsoft YaHei"), Q("WenQuanYi Micro Hei"),
                             Q("Sans Serif")};
#endif
  QFont font(families, 9);
  QApplication::setFont(font);
}

QFont FontFor(const FontSpec& spec, const QFont& base) {
  QFont font = base;
  if (!spec.family.empty()) font.setFamilies({Q(spec.family)});
  if (spec.points > 0) font.setPointSizeF(spec.points);
  if (spec.bold) font.setBold(true);
  if (spec.italic) font.setItalic(true);
  return font;
}

}  // namespace velmora
