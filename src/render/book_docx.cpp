// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/book_docx.h"

#include <zip.h>

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <cmath>
#include <memory>
#include <variant>

#include "render/book_layout.h"

namespace velmora::render {
namespace {

using book::RunStyle;

std::string N(double number) { return std::to_string(std::lround(number)); }

constexpr std::string_view kXmlDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kWordNamespaces =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

int Twips(double mm) { return static_cast<int>(std::lround(mm * 1440.0 / 25.4)); }
int HalfPoints(double points) { return static_cast<int>(std::lround(points * 2)); }
const int kBodyTwips = Twips(kPageWidthMm - kLeftMm - kRightMm);

// The code point of a UTF-8 sequence at `i`, or -1 where the bytes are not well-formed UTF-8;
// `length` is how many bytes it takes (1 for a bad byte, which is then skipped alone).
long DecodeUtf8(std::string_view text, std::size_t i, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t extra = 0;
  long code = 0;
  long minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, code = lead & 0x07, minimum = 0x10000;
  } else {
    return -1;
  }
  if (i + extra >= text.size()) return -1;
  for (std::size_t k = 1; k <= extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return -1;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return -1;
  length = 1 + extra;
  return code;
}

// Text as XML character data: markup characters escaped, bytes that are not UTF-8 and
// characters XML 1.0 forbids replaced, so that no reader refuses the part.
std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const long code = DecodeUtf8(text, i, length);
    if (code < 0 || (code < 0x20 && code != '\t' && code != '\n' && code != '\r') ||
        code == 0xFFFE || code == 0xFFFF) {
      out += "\xEF\xBF\xBD";  // U+FFFD
    } else if (code == '&') {
      out += "&amp;";
    } else if (code == '<') {
      out += "&lt;";
    } else if (code == '>') {
      out += "&gt;";
    } else if (code == '"') {
      out += "&quot;";
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  return out;
}

// One run's text: line ends as breaks and tabs as tabs, which <w:t> does not keep.
std::string RunContent(std::string_view text) {
  std::string out;
  std::size_t start = 0;
  const auto flush = [&](std::size_t end) {
    if (end > start) {
      out += "<w:t xml:space=\"preserve\">" + Escape(text.substr(start, end - start)) + "</w:t>";
    }
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\t') {
      flush(i);
      out += text[i] == '\n' ? "<w:br/>" : "<w:tab/>";
      start = i + 1;
    } else if (text[i] == '\r') {
      flush(i);
      start = i + 1;
    }
  }
  flush(text.size());
  return out;
}

std::string RunXml(std::string_view text, RunStyle style = RunStyle::kPlain, bool bold = false,
                   bool italic = false) {
  std::string properties;
  if (bold) properties += "<w:b/>";
  if (italic) properties += "<w:i/>";
  if (style == RunStyle::kSubscript) properties += "<w:vertAlign w:val=\"subscript\"/>";
  if (style == RunStyle::kSuperscript) properties += "<w:vertAlign w:val=\"superscript\"/>";
  std::string out = "<w:r>";
  if (!properties.empty()) out += "<w:rPr>" + properties + "</w:rPr>";
  return out + RunContent(text) + "</w:r>";
}

std::string RunsXml(const book::Runs& runs, bool bold = false) {
  std::string out;
  for (const book::Run& run : runs) out += RunXml(run.text, run.style, bold, run.italic);
  return out;
}

// A field such as PAGE or PAGEREF with the value to show until Word updates it.
std::string FieldXml(std::string_view instruction, std::string_view shown) {
  return "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText "
         "xml:space=\"preserve\"> " +
         std::string(instruction) +
         " </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + RunXml(shown) +
         "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>";
}

std::string Paragraph(std::string_view style, std::string_view content, bool break_before,
                      std::string_view extra_properties = {}) {
  std::string out = "<w:p><w:pPr>";
  if (!style.empty()) out += "<w:pStyle w:val=\"" + std::string(style) + "\"/>";
  if (break_before) out += "<w:pageBreakBefore/>";
  out += extra_properties;
  return out + "</w:pPr>" + std::string(content) + "</w:p>";
}

std::string Border(std::string_view side, bool on) {
  return "<w:" + std::string(side) +
         (on ? " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
             : " w:val=\"nil\"/>");
}

std::string TableBorders(bool on) {
  std::string out = "<w:tblBorders>";
  for (std::string_view side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
    out += Border(side, on);
  }
  return out + "</w:tblBorders>";
}

std::vector<int> ColumnTwips(std::size_t columns, const std::vector<double>& widths) {
  std::vector<double> shares(columns, 1.0);
  if (widths.size() == columns) {
    double total = 0;
    for (double w : widths) total += w > 0 ? w : 0;
    if (total > 0) {
      for (std::size_t i = 0; i < columns; ++i) shares[i] = widths[i] > 0 ? widths[i] : 0;
    }
  }
  double total = 0;
  for (double s : shares) total += s;
  std::vector<int> twips;
  twips.reserve(columns);
  for (double s : shares) twips.push_back(static_cast<int>(kBodyTwips * s / total));
  return twips;
}

std::string TableStart(const std::vector<int>& columns, bool ruled) {
  std::string out = "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(kBodyTwips) +
                    "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/>" + TableBorders(ruled) +
                    "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:left w:w=\"85\" "
                    "w:type=\"dxa\"/><w:right w:w=\"85\" w:type=\"dxa\"/></w:tblCellMar>"
                    "<w:tblLook w:val=\"0000\"/></w:tblPr><w:tblGrid>";
  for (int w : columns) out += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
  return out + "</w:tblGrid>";
}

std::string Cell(int twips, std::string_view paragraph, std::string_view borders = {}) {
  return "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(twips) + "\" w:type=\"dxa\"/>" +
         std::string(borders) + "<w:vAlign w:val=\"center\"/></w:tcPr>" + std::string(paragraph) +
         "</w:tc>";
}

// The body of word/document.xml, block by block.
class BodyWriter {
 public:
  explicit BodyWriter(const std::vector<int>& chapter_pages) : chapter_pages_(chapter_pages) {}

  void Add(const book::Block& block, bool cover) {
    cover_ = cover;
    std::visit([this](const auto& b) { AddBlock(b); }, block);
  }

  void AddContents(const std::vector<std::string>& titles) {
    out_ += Paragraph("ContentsTitle", RunXml(kContentsTitle), TakeBreak());
    for (std::size_t i = 0; i < titles.size(); ++i) {
      const std::string page =
          i < chapter_pages_.size() ? std::to_string(chapter_pages_[i]) : std::string("1");
      out_ += Paragraph("TOC1",
                        RunXml(titles[i]) + "<w:r><w:tab/></w:r>" +
                            FieldXml("PAGEREF " + Bookmark(i + 1) + " \\h", page),
                        false);
    }
    break_ = true;
  }

  std::string Take() { return std::move(out_); }

 private:
  static std::string Bookmark(std::size_t chapter) { return "_Chapter" + std::to_string(chapter); }

  bool TakeBreak() { return std::exchange(break_, false); }

  // A table cannot carry a page break itself: an empty, tiny paragraph on the new page does.
  void BreakBeforeTable() {
    if (TakeBreak()) {
      out_ += Paragraph({}, {}, true,
                        "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" "
                        "w:lineRule=\"auto\"/><w:rPr><w:sz w:val=\"2\"/></w:rPr>");
    }
  }

  void AddBlock(const book::Heading& heading) {
    if (cover_) {
      out_ += Paragraph("CoverTitle", RunXml(heading.text), TakeBreak());
      return;
    }
    const int level = std::clamp(heading.level, 1, 3);
    std::string content = RunXml(heading.text);
    if (level == 1) {
      ++chapters_;
      const std::string id = std::to_string(chapters_);
      content = "<w:bookmarkStart w:id=\"" + id + "\" w:name=\"" + Bookmark(chapters_) + "\"/>" +
                content + "<w:bookmarkEnd w:id=\"" + id + "\"/>";
    }
    out_ += Paragraph("Heading" + std::to_string(level), content, TakeBreak());
  }

  void AddBlock(const book::Paragraph& paragraph) {
    out_ += Paragraph(cover_ ? "CoverLine" : "", RunsXml(paragraph.runs), TakeBreak());
  }

  void AddBlock(const book::FormulaLine& formula) {
    out_ += Paragraph("Formula", RunsXml(formula.runs), TakeBreak());
  }

  void AddBlock(const book::Note& note) {
    std::string content;
    if (!book::PlainText(note.runs).starts_with(kNotePrefix)) {
      content = RunXml(kNotePrefix, RunStyle::kPlain, true);
    }
    out_ += Paragraph("Note", content + RunsXml(note.runs), TakeBreak());
  }

  void AddBlock(const book::Table& table) {
    if (table.header.empty()) return;
    BreakBeforeTable();
    const std::vector<int> columns = ColumnTwips(table.header.size(), table.widths);
    out_ += TableStart(columns, true);
    for (std::size_t row = 0; row <= table.rows.size(); ++row) {
      const std::vector<book::Runs>& cells = row == 0 ? table.header : table.rows[row - 1];
      // The heading row is repeated on every page the table runs onto.
      out_ += row == 0 ? "<w:tr><w:trPr><w:tblHeader/></w:trPr>" : "<w:tr>";
      for (std::size_t column = 0; column < columns.size(); ++column) {
        std::string runs;
        if (column < cells.size()) {
          runs = row == 0 ? RunsXml(cells[column], true)
                          : RunsXml(book::BreakableBetweenTerms(cells[column]));
        }
        out_ += Cell(columns[column], Paragraph("TableText", runs, false));
      }
      out_ += "</w:tr>";
    }
    out_ += "</w:tbl>";
  }

  void AddBlock(const book::SignatureBlock& signatures) {
    if (signatures.roles.empty()) return;
    BreakBeforeTable();
    out_ += Paragraph({}, {}, false);  // room above the names
    const int share = kBodyTwips / static_cast<int>(signatures.roles.size());
    std::vector<int> columns;
    for (std::size_t i = 0; i < signatures.roles.size(); ++i) {
      columns.push_back(share / 3);
      columns.push_back(share - share / 3);
    }
    out_ += TableStart(columns, false) + "<w:tr>";
    for (std::size_t i = 0; i < signatures.roles.size(); ++i) {
      const auto& [role, name] = signatures.roles[i];
      out_ += Cell(columns[2 * i],
                   Paragraph("Signature", RunXml(role + "："), false, "<w:jc w:val=\"right\"/>"));
      out_ += Cell(columns[2 * i + 1], Paragraph("Signature", RunXml(name), false),
                   "<w:tcBorders>" + Border("bottom", true) + "</w:tcBorders>");
    }
    out_ += "</w:tr></w:tbl>";
  }

  void AddBlock(const book::PageBreak&) { break_ = true; }

  const std::vector<int>& chapter_pages_;
  std::string out_;
  bool cover_ = false;
  bool break_ = false;
  std::size_t chapters_ = 0;
};

std::string DocumentXml(const book::Document& document, const std::vector<int>& chapter_pages) {
  BodyWriter body(chapter_pages);
  const std::size_t contents_at =
      document.table_of_contents ? ContentsPosition(document) : document.blocks.size() + 1;
  for (std::size_t i = 0; i < document.blocks.size(); ++i) {
    if (i == contents_at) body.AddContents(ChapterTitles(document));
    body.Add(document.blocks[i], i < contents_at && contents_at <= document.blocks.size());
  }
  if (contents_at == document.blocks.size()) body.AddContents(ChapterTitles(document));
  std::string out = std::string(kXmlDeclaration) + "<w:document " + std::string(kWordNamespaces) +
                    "><w:body>" + body.Take();
  // The last paragraph of a Word body may not be a table.
  out += "<w:p/>";
  out +=
      "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
      "<w:footerReference w:type=\"default\" r:id=\"rIdFooter\"/><w:pgSz w:w=\"" +
      N(Twips(kPageWidthMm)) + "\" w:h=\"" + N(Twips(kPageHeightMm)) + "\"/><w:pgMar w:top=\"" +
      N(Twips(kTopMm)) + "\" w:right=\"" + N(Twips(kRightMm)) + "\" w:bottom=\"" +
      N(Twips(kBottomMm)) + "\" w:left=\"" + N(Twips(kLeftMm)) + "\" w:header=\"" +
      N(Twips(kHeaderMm - 5.0)) + "\" w:footer=\"" + N(Twips(kFooterMm - 5.0)) +
      "\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
  return out;
}

std::string StyleXml(std::string_view id, std::string_view name, std::string_view paragraph,
                     std::string_view run, bool is_default = false) {
  return "<w:style w:type=\"paragraph\"" + std::string(is_default ? " w:default=\"1\"" : "") +
         " w:styleId=\"" + std::string(id) + "\"><w:name w:val=\"" + std::string(name) + "\"/>" +
         (is_default ? "" : "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/>") +
         "<w:qFormat/><w:pPr>" + std::string(paragraph) + "</w:pPr><w:rPr>" + std::string(run) +
         "</w:rPr></w:style>";
}

// Run properties of a size in points, for both scripts.
std::string Size(double points) {
  const std::string half = N(HalfPoints(points));
  return "<w:sz w:val=\"" + half + "\"/><w:szCs w:val=\"" + half + "\"/>";
}

std::string StylesXml() {
  std::string out = std::string(kXmlDeclaration) + "<w:styles " + std::string(kWordNamespaces) +
                    "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Times New Roman\" "
                    "w:hAnsi=\"Times New Roman\" w:eastAsia=\"宋体\" w:cs=\"Times New Roman\"/>" +
                    Size(kBodyPoints) +
                    "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\"/></w:rPr></w:rPrDefault>"
                    "<w:pPrDefault><w:pPr><w:spacing w:after=\"60\" w:line=\"288\" "
                    "w:lineRule=\"auto\"/></w:pPr></w:pPrDefault></w:docDefaults>";
  constexpr std::string_view kNoIndent = "<w:ind w:firstLine=\"0\"/>";
  constexpr std::string_view kCentre = "<w:jc w:val=\"center\"/>";
  const std::string hei = "<w:rFonts w:eastAsia=\"黑体\"/><w:b/>";
  out += StyleXml("Normal", "Normal", "<w:ind w:firstLine=\"420\"/>", "", true);
  for (int level = 1; level <= 3; ++level) {
    out += StyleXml("Heading" + N(level), "heading " + N(level),
                    "<w:keepNext/><w:keepLines/><w:spacing w:before=\"" +
                        N(level == 1 ? 120 : 180) + "\" w:after=\"120\"/>" +
                        std::string(kNoIndent) + std::string(level == 1 ? kCentre : "") +
                        "<w:outlineLvl w:val=\"" + N(level - 1) + "\"/>",
                    hei + Size(kHeadingPoints[level - 1]));
  }
  out += StyleXml("CoverTitle", "Title",
                  "<w:spacing w:before=\"" + N(kCoverTitlePoints * 100) + "\" w:after=\"" +
                      N(kCoverTitlePoints * 60) + "\"/>" + std::string(kNoIndent) +
                      std::string(kCentre),
                  hei + Size(kCoverTitlePoints));
  out += StyleXml("CoverLine", "Subtitle",
                  "<w:spacing w:after=\"" + N(kCoverLinePoints * 20) + "\"/><w:ind w:left=\"" +
                      N(kCoverIndentPoints * 20) + "\" w:firstLine=\"0\"/>",
                  Size(kCoverLinePoints));
  out += StyleXml("ContentsTitle", "TOC Heading",
                  "<w:spacing w:after=\"240\"/>" + std::string(kNoIndent) + std::string(kCentre),
                  hei + Size(kHeadingPoints[0]));
  out += StyleXml("TOC1", "toc 1",
                  "<w:tabs><w:tab w:val=\"right\" w:leader=\"dot\" w:pos=\"" + N(kBodyTwips) +
                      "\"/></w:tabs>" + std::string(kNoIndent),
                  "");
  out += StyleXml(
      "Formula", "Formula",
      "<w:spacing w:before=\"60\" w:after=\"60\"/>" + std::string(kNoIndent) + std::string(kCentre),
      "");
  out += StyleXml("Note", "Note", "<w:ind w:left=\"420\" w:firstLine=\"0\"/>", "");
  out += StyleXml(
      "TableText", "Table Text",
      "<w:spacing w:before=\"20\" w:after=\"20\"/>" + std::string(kNoIndent) + std::string(kCentre),
      "");
  out += StyleXml(
      "Signature", "Signature",
      "<w:spacing w:before=\"240\" w:after=\"0\"/>" + std::string(kNoIndent) + std::string(kCentre),
      "");
  out += StyleXml("Header", "header",
                  "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"1\" "
                  "w:color=\"000000\"/></w:pBdr><w:spacing w:after=\"0\"/>" +
                      std::string(kNoIndent) + std::string(kCentre),
                  Size(kSmallPoints));
  out += StyleXml("Footer", "footer",
                  "<w:spacing w:after=\"0\"/>" + std::string(kNoIndent) + std::string(kCentre),
                  Size(kSmallPoints));
  return out + "</w:styles>";
}

std::string HeaderXml(const book::Document& document) {
  return std::string(kXmlDeclaration) + "<w:hdr " + std::string(kWordNamespaces) + ">" +
         Paragraph("Header", RunXml(document.page_header), false) + "</w:hdr>";
}

std::string FooterXml() {
  return std::string(kXmlDeclaration) + "<w:ftr " + std::string(kWordNamespaces) + ">" +
         Paragraph("Footer",
                   RunXml("第 ") + FieldXml("PAGE", "1") + RunXml(" 页 共 ") +
                       FieldXml("NUMPAGES", "1") + RunXml(" 页"),
                   false) +
         "</w:ftr>";
}

// Qt's clock, not gmtime_r, which Windows lacks.
std::string Now() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString(); }

std::string CoreXml(const book::Document& document) {
  const std::string now = Now();
  return std::string(kXmlDeclaration) +
         "<cp:coreProperties "
         "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
         "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
         "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" +
         Escape(document.title) + "</dc:title><dc:creator>Velmora</dc:creator>" +
         "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" + now + "</dcterms:created>" +
         "<dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + now + "</dcterms:modified>" +
         "</cp:coreProperties>";
}

std::string Relationship(std::string_view id, std::string_view type, std::string_view target) {
  return "<Relationship Id=\"" + std::string(id) + "\" Type=\"" + std::string(type) +
         "\" Target=\"" + std::string(target) + "\"/>";
}

std::string Relationships(std::string_view content) {
  return std::string(kXmlDeclaration) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
         std::string(content) + "</Relationships>";
}

std::string ContentTypesXml() {
  constexpr std::string_view kWord = "application/vnd.openxmlformats-officedocument.";
  const auto override_for = [&](std::string_view part, std::string_view type) {
    return "<Override PartName=\"" + std::string(part) + "\" ContentType=\"" + std::string(type) +
           "\"/>";
  };
  return std::string(kXmlDeclaration) +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>" +
         override_for("/word/document.xml",
                      std::string(kWord) + "wordprocessingml.document.main+xml") +
         override_for("/word/styles.xml", std::string(kWord) + "wordprocessingml.styles+xml") +
         override_for("/word/settings.xml", std::string(kWord) + "wordprocessingml.settings+xml") +
         override_for("/word/header1.xml", std::string(kWord) + "wordprocessingml.header+xml") +
         override_for("/word/footer1.xml", std::string(kWord) + "wordprocessingml.footer+xml") +
         override_for("/docProps/core.xml",
                      "application/vnd.openxmlformats-package.core-properties+xml") +
         override_for("/docProps/app.xml", std::string(kWord) + "extended-properties+xml") +
         "</Types>";
}

struct ZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};

}  // namespace

std::map<std::string, std::string> DocxParts(const book::Document& document,
                                             const std::vector<int>& chapter_pages) {
  const std::string office = std::string(kRelationships);
  std::map<std::string, std::string> parts;
  parts["[Content_Types].xml"] = ContentTypesXml();
  parts["_rels/.rels"] = Relationships(
      Relationship("rId1", office + "officeDocument", "word/document.xml") +
      Relationship("rId2",
                   "http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                   "core-properties",
                   "docProps/core.xml") +
      Relationship("rId3", office + "extended-properties", "docProps/app.xml"));
  parts["word/_rels/document.xml.rels"] =
      Relationships(Relationship("rIdStyles", office + "styles", "styles.xml") +
                    Relationship("rIdSettings", office + "settings", "settings.xml") +
                    Relationship("rIdHeader", office + "header", "header1.xml") +
                    Relationship("rIdFooter", office + "footer", "footer1.xml"));
  parts["word/document.xml"] = DocumentXml(document, chapter_pages);
  parts["word/styles.xml"] = StylesXml();
  parts["word/settings.xml"] =
      std::string(kXmlDeclaration) + "<w:settings " + std::string(kWordNamespaces) +
      "><w:defaultTabStop w:val=\"420\"/><w:characterSpacingControl "
      "w:val=\"compressPunctuation\"/><w:compat><w:compatSetting w:name=\"compatibilityMode\" "
      "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
      "</w:settings>";
  parts["word/header1.xml"] = HeaderXml(document);
  parts["word/footer1.xml"] = FooterXml();
  parts["docProps/core.xml"] = CoreXml(document);
  parts["docProps/app.xml"] =
      std::string(kXmlDeclaration) +
      "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "extended-properties\"><Application>Velmora</Application></Properties>";
  return parts;
}

std::string DocxBytes(const book::Document& document) {
  // The contents' page numbers as the PDF has them; Word and Writer recount them on updating.
  std::vector<int> pages;
  if (document.table_of_contents) {
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter measure(&sink);
    measure.setResolution(600);
    pages = LayOut(document, measure).chapter_pages;
  }
  const std::map<std::string, std::string> parts = DocxParts(document, pages);

  zip_error_t error;
  zip_error_init(&error);
  std::unique_ptr<zip_source_t, SourceFree> buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
  zip_error_fini(&error);
  if (!buffer) return {};
  zip_source_keep(buffer.get());  // the archive frees its reference on closing; this one stays
  zip_error_init(&error);
  std::unique_ptr<zip_t, ZipCloser> archive(
      zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(buffer.get());  // the reference the archive would have taken
    return {};
  }
  // The content types first, as readers that stream the package expect.
  std::vector<std::string> names{"[Content_Types].xml"};
  for (const auto& [name, xml] : parts) {
    if (name != names.front()) names.push_back(name);
  }
  for (const std::string& name : names) {
    const std::string& xml = parts.at(name);
    zip_source_t* source = zip_source_buffer(archive.get(), xml.data(), xml.size(), 0);
    if (source == nullptr) return {};
    if (zip_file_add(archive.get(), name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
      zip_source_free(source);
      return {};
    }
  }
  if (zip_close(archive.get()) != 0) return {};
  static_cast<void>(archive.release());  // closed, and freed by zip_close

  std::string bytes;
  zip_stat_t stat;
  if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0) return {};
  bytes.resize(stat.size);
  const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
  zip_source_close(buffer.get());
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) return {};
  return bytes;
}

}  // namespace velmora::render
