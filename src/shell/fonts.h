// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include "common/window.h"

namespace velmora {

/// Registers fallbacks for the fonts the windows name (隶书, 宋体, 黑体) and sets a CJK
/// application font, so that Chinese renders well on machines without the Windows fonts.
void InstallFonts();

/// `base` with what the window names set: family, size, weight, slant.
QFont FontFor(const FontSpec& spec, const QFont& base);

}  // namespace velmora
