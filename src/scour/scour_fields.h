// Builders of the fields the scour windows share in shape: an input with its label, a result.
#pragma once

#include <string_view>

#include "common/window.h"

namespace velmora::scour {

/// An input field with its default text; its label may react to the mouse.
inline Field InputField(std::string_view control, std::string_view label_control,
                        std::string_view caption, std::string_view default_text,
                        LabelEvent event = LabelEvent::kNone, LabelAction action = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption, .event = event, .action = action},
          .default_text = default_text};
}

/// A result field; most scour windows set the result text apart in 宋体 9 pt italic.
inline Field ResultField(std::string_view control, std::string_view label_control,
                         std::string_view caption, FontSpec text_font = kSongItalic,
                         FontSpec label_font = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption, .font = label_font},
          .role = FieldRole::kResult,
          .text_font = text_font};
}

}  // namespace velmora::scour
