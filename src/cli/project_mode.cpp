// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_mode.h"

#include <algorithm>
#include <ostream>

#include "chain/scour_summary.h"
#include "cli/book_mode.h"
#include "cli/press_json.h"
#include "common/file_write.h"
#include "project/project.h"
#include "project/recalculate.h"
#include "render/book_file.h"
#include "render/project_book.h"

namespace velmora {

int RunProjectMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> rest(args.begin(), args.end());
  const auto summary_flag = std::find(rest.begin(), rest.end(), "--summary");
  const bool summary = summary_flag != rest.end();
  if (summary) rest.erase(summary_flag);
  std::string book;
  bool book_named = true;
  if (const auto book_flag = std::find(rest.begin(), rest.end(), "--book");
      book_flag != rest.end()) {
    book_named = book_flag + 1 != rest.end() && !(book_flag + 1)->empty();
    if (book_named) book = *(book_flag + 1);
    rest.erase(book_flag, book_named ? book_flag + 2 : book_flag + 1);
  }
  const bool saves = rest.size() == 4 && rest[2] == "--save";
  if ((rest.size() != 2 && !saves) || !book_named) {
    err << "velmora-calc: usage: velmora-calc --project FILE.velmora [--summary] "
           "[--save OUT.velmora] [--book OUT.pdf|OUT.docx]\n";
    return 2;
  }
  if (!book.empty() && !render::FormatOf(PathFromUtf8(book))) {
    err << "velmora-calc: " << book << ": 计算书只能保存为 .pdf 或 .docx 文件\n";
    return 2;
  }
  const std::string& file = rest[1];
  ProjectRead read = ReadProjectFile(PathFromUtf8(file));
  if (!read.project) {
    err << "velmora-calc: " << file << ": " << read.error << '\n';
    return 2;
  }
  for (const std::string& part : read.skipped) {
    err << "velmora-calc: " << file << ": skipped " << part << '\n';
  }
  const std::vector<ProjectPress> presses = RecalculateProject(*read.project);
  std::optional<book::Document> document;
  if (!book.empty()) document = render::ProjectBook(*read.project, presses);
  // The book first: a book that cannot be written prints nothing, as for a press's book.
  if (!book.empty()) {
    if (!document) {
      err << "velmora-calc: " << file << ": 工程中还没有计算过的窗口，没有计算书可写\n";
      return kBookNotWritten;
    }
    if (const int status = WriteBookFile(*document, book, err); status != 0) return status;
  }
  if (summary) {
    out << chain::SummaryJson(chain::SummarizeScour(*read.project)) << '\n';
  } else {
    for (const ProjectPress& press : presses) {
      out << PressResultJson(*press.window, press.button, press.before, press.effects) << '\n';
    }
  }
  out.flush();
  if (saves) {
    if (const auto failure = SaveProjectFile(PathFromUtf8(rest[3]), *read.project)) {
      err << "velmora-calc: cannot write " << rest[3] << ": " << failure->Reason() << '\n';
      return 3;
    }
  }
  return 0;
}

}  // namespace velmora
