# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DOUTPUT=file.cpp -DINPUTS=a.csv|b.csv -P embed_text.cmake
#
# Writes a C++ source defining velmora::RainstormDataText(name): the text of each input file as a
# raw string literal, looked up by the file's name without its extension.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(cases "")
foreach(input IN LISTS inputs)
  get_filename_component(name "${input}" NAME_WE)
  file(READ "${input}" text)
  string(FIND "${text}" ")csv\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${input} contains the sequence )csv\" and cannot be embedded")
  endif()
  string(APPEND cases "  if (name == \"${name}\") return R\"csv(${text})csv\";\n")
endforeach()
set(source "// Generated from data/rainstorm/*.csv by embed_text.cmake; edit the data files instead.
#include \"reference/rainstorm_data.h\"

namespace velmora {

std::string_view RainstormDataText(std::string_view name) {
${cases}  return {};
}

}  // namespace velmora
")
file(WRITE "${OUTPUT}" "${source}")
