// SPDX-License-Identifier: GPL-3.0-or-later
// The chapter of one press: what the window was given and what it showed.
#pragma once

#include <string_view>

#include "book/document.h"
#include "common/press.h"

namespace velmora::render {

/// The chapter of pressing `button` of `window` in the state `before`, with lines to sign on: the
/// calculator's own chapter (basis, inputs, steps, results, notes) where it has one; otherwise
/// the window's caption, its inputs as entered, its results as the fields show them after the
/// press, a note for each message and for a fault, and the report's lines when it writes one.
book::Document PressChapter(const Window& window, std::string_view button, const FormState& before);

/// The same from the effects the press already gave, so that nothing is computed twice.
book::Document PressChapter(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects);

/// The buttons of a window that compute something (their action is a handler).
std::vector<const Button*> CalculatingButtons(const Window& window);

}  // namespace velmora::render
