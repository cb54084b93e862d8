// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (standard buttons, context menus, file dialogs) in Chinese.
#pragma once

namespace velmora {

/// Loads Qt's Simplified Chinese translations into the application; false when they are missing
/// (the package qt6-translations-l10n), in which case Qt's texts stay English.
bool InstallQtTranslations();

}  // namespace velmora
