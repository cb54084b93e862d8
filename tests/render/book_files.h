// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a written book back as other programs read it: poppler's tools for a PDF, an unzip and
// an XML parser for a Word file.
#pragma once

#include <zip.h>

#include <QByteArray>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace velmora::testing {

inline std::string Output(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  pclose(pipe);
  return out;
}

inline std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

inline std::string PdfText(const std::filesystem::path& pdf) {
  return Output("pdftotext " + Quoted(pdf) + " -");
}

/// Every entry of a zip archive by name.
inline std::map<std::string, std::string> Unzip(const std::filesystem::path& path) {
  std::map<std::string, std::string> parts;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) return parts;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t stat;
    zip_stat_index(archive, index, 0, &stat);
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file != nullptr) {
      zip_fread(file, bytes.data(), stat.size);
      zip_fclose(file);
    }
    parts[stat.name] = bytes;
  }
  zip_close(archive);
  return parts;
}

/// The text of a Word part's runs (<w:t>), or "XML error: ..." when it is not well-formed.
inline std::string WordText(const std::string& xml) {
  std::string text;
  QXmlStreamReader reader(QByteArray::fromStdString(xml));
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.qualifiedName() == QLatin1String("w:t")) {
      text += reader.readElementText().toStdString();
    }
  }
  if (reader.hasError()) return "XML error: " + reader.errorString().toStdString();
  return text;
}

/// The text of a written book, PDF or Word by its extension.
inline std::string BookText(const std::filesystem::path& path) {
  return path.extension() == ".pdf" ? PdfText(path) : WordText(Unzip(path)["word/document.xml"]);
}

/// The fonts `pdffonts` lists that are not embedded, one line each; empty when all are (and at
/// least one font is listed), else "no fonts".
inline std::string FontsNotEmbedded(const std::filesystem::path& pdf) {
  const std::string fonts = Output("pdffonts " + Quoted(pdf));
  std::istringstream lines(fonts);
  std::string line;
  std::string missing;
  int listed = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line.starts_with("name") || line.starts_with("---")) continue;
    ++listed;
    // Columns: name type encoding emb sub uni object ID; "yes" or "no" after the encoding.
    if (!std::regex_search(line, std::regex("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+"))) {
      missing += line + "\n";
    }
  }
  return listed == 0 ? "no fonts" : missing;
}

}  // namespace velmora::testing
