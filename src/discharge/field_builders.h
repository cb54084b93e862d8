// The kinds of field the design-discharge windows are made of.
#pragma once

#include <string_view>

#include "common/window.h"

namespace velmora::discharge {

/// An input field with a label that does not react.
inline Field InputField(std::string_view control, std::string_view label_control,
                        std::string_view caption, std::string_view default_text = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption},
          .default_text = default_text};
}

/// An input field whose label acts on a double-click: opens a table or shows a note.
inline Field ExplainedField(std::string_view control, std::string_view label_control,
                            std::string_view caption, std::string_view default_text,
                            LabelAction action) {
  return {.control = control,
          .label = {.control = label_control,
                    .caption = caption,
                    .event = LabelEvent::kDoubleClick,
                    .action = action},
          .default_text = default_text};
}

/// A result field; `font` is the result text's font where the window sets one.
inline Field ResultField(std::string_view control, std::string_view label_control,
                         std::string_view caption, FontSpec font = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption},
          .role = FieldRole::kResult,
          .text_font = font};
}

}  // namespace velmora::discharge
