// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/book_file.h"

#include <algorithm>
#include <cctype>

#include "common/file_write.h"
#include "render/book_docx.h"
#include "render/book_pdf.h"

namespace velmora::render {

std::optional<BookFormat> FormatOf(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".pdf") return BookFormat::kPdf;
  if (extension == ".docx") return BookFormat::kDocx;
  return std::nullopt;
}

std::optional<std::string> WriteBook(const book::Document& document,
                                     const std::filesystem::path& path) {
  const std::optional<BookFormat> format = FormatOf(path);
  if (!format) return "计算书只能保存为 .pdf 或 .docx 文件";
  std::string bytes;
  if (*format == BookFormat::kPdf) {
    const QByteArray pdf = PdfBytes(document);
    bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
  } else {
    bytes = DocxBytes(document);
  }
  if (bytes.empty()) return "计算书未能生成";
  if (const auto failure = WriteFileAtomically(path, bytes)) return failure->Reason();
  return std::nullopt;
}

}  // namespace velmora::render
