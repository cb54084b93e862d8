// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation book as a Word document: an Office Open XML package built in memory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "book/document.h"

namespace velmora::render {

/// The package's parts by name ("word/document.xml", ...), each a UTF-8 XML text.
/// `chapter_pages` are the pages the contents show until Word or Writer updates them.
std::map<std::string, std::string> DocxParts(const book::Document& document,
                                             const std::vector<int>& chapter_pages = {});

/// The .docx file's bytes: the parts zipped. Empty when the archive could not be built.
std::string DocxBytes(const book::Document& document);

}  // namespace velmora::render
