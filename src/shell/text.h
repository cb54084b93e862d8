// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the core's UTF-8 texts become QStrings and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string U(const QString& text) { return text.toStdString(); }

}  // namespace velmora
