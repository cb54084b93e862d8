// SPDX-License-Identifier: GPL-3.0-or-later
// A book written as PDF and as Word and read back the way another program would read it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "chain/links.h"
#include "chain/scour_summary.h"
#include "common/format_pattern.h"
#include "common/registry.h"
#include "project/recalculate.h"
#include "render/book_file.h"
#include "render/book_files.h"
#include "render/press_chapter.h"
#include "render/project_book.h"

namespace velmora::render {
namespace {

namespace fs = std::filesystem;
using book::Markup;
using testing::Output;
using testing::Quoted;
using testing::Unzip;

// Two chapters after a cover; the second starts on a page of its own, after a long table, so
// that the contents must say a page other than the first.
book::Document SampleBook() {
  book::Document d;
  d.title = "桥墩冲刷计算书";
  d.page_header = "清水河大桥 <K12+300> & 桥位";
  d.table_of_contents = true;
  d.blocks.push_back(book::Heading{2, "工程名称：清水河大桥"});
  d.blocks.push_back(book::PageBreak{});
  d.blocks.push_back(book::Heading{1, "1 河槽桥墩冲刷"});
  d.blocks.push_back(book::FormulaLine{Markup("h_{b}=K_{ξ}K_{η1}B_{1}^{0.6}(V_{0}−V_{0}′)")});
  book::Table steps{.header = {Markup("步骤"), Markup("项目"), Markup("结果"), Markup("单位")}};
  for (int i = 1; i <= 70; ++i) {
    steps.rows.push_back({Markup(std::to_string(i)), Markup("V_{0}′"),
                          Markup(std::to_string(i) + ".125"), Markup("m/s")});
  }
  steps.rows.push_back({Markup("71"), Markup("h_{p}"), Markup("1.2345"), Markup("m")});
  d.blocks.push_back(steps);
  d.blocks.push_back(book::Note{Markup("液性指数 I_{L}=1.62 超出 0.16～1.19")});
  d.blocks.push_back(book::PageBreak{});
  d.blocks.push_back(book::Heading{1, "2 桥台冲刷"});
  d.blocks.push_back(book::Paragraph{Markup("系数 R^{2/3} 取 0.9876。")});
  d.blocks.push_back(book::SignatureBlock{{{"计算", "张三"}, {"复核", "李四"}, {"审核", ""}}});
  return d;
}

int PageCount(const fs::path& pdf) {
  std::smatch m;
  const std::string info = Output("pdfinfo " + Quoted(pdf));
  return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : 0;
}

std::string PageText(const fs::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return Output("pdftotext -layout -f " + p + " -l " + p + " " + Quoted(pdf) + " -");
}

// The contents (page 2) name, in order, pages after their own on which each chapter's heading
// stands.
void ExpectContentsPointAtChapters(const fs::path& pdf, const std::vector<std::string>& titles) {
  const std::string contents = PageText(pdf, 2);
  int previous = 2;
  for (const std::string& title : titles) {
    // pdftotext sets its own spacing between words.
    const std::regex heading(std::regex_replace(title, std::regex(" +"), "\\s*"));
    std::smatch m;
    ASSERT_TRUE(std::regex_search(contents, m, heading)) << title;
    const std::string rest = m.suffix();
    ASSERT_TRUE(std::regex_search(rest, m, std::regex("^[ .]*(\\d+)"))) << title;
    const int page = std::stoi(m[1]);
    EXPECT_GT(page, previous) << title;
    EXPECT_TRUE(std::regex_search(PageText(pdf, page), heading)) << title << " on " << page;
    previous = page;
  }
}

class BookFileTest : public ::testing::Test {
 protected:
  fs::path Path(const char* name) const { return fs::path(dir_.path().toStdString()) / name; }
  QTemporaryDir dir_;
};

TEST_F(BookFileTest, PdfHoldsTheNumbersHeaderFooterAndContentsWithFontsEmbedded) {
  const fs::path pdf = Path("书.pdf");
  ASSERT_EQ(WriteBook(SampleBook(), pdf), std::nullopt);
  const int pages = PageCount(pdf);
  ASSERT_GE(pages, 4);  // cover, contents, the long table, chapter 2

  const std::string all = Output("pdftotext " + Quoted(pdf) + " -");
  for (const char* expected :
       {"1.2345", "70.125", "0.9876", "张三", "李四", "注意：", "清水河大桥 <K12+300> & 桥位"}) {
    EXPECT_NE(all.find(expected), std::string::npos) << expected;
  }
  // Sub- and superscripts are typeset, never left as markup.
  EXPECT_EQ(all.find_first_of("^_{}"), std::string::npos);
  for (int page : {1, pages}) {
    // pdftotext drops the spaces between the Latin and the Chinese face.
    const std::string footer =
        "第\\s*" + std::to_string(page) + "\\s*页\\s*共\\s*" + std::to_string(pages) + "\\s*页";
    EXPECT_TRUE(std::regex_search(PageText(pdf, page), std::regex(footer))) << footer;
  }

  ExpectContentsPointAtChapters(pdf, {"1 河槽桥墩冲刷", "2 桥台冲刷"});

  EXPECT_EQ(testing::FontsNotEmbedded(pdf), "");
}

// What the parts say, read with a real XML parser: the text of <w:t> and <w:instrText>, and the
// targets and names that must meet (relationships, bookmarks).
struct ReadPart {
  std::string text;    // of the runs
  std::string fields;  // the fields' instructions
  std::string error;
  std::vector<std::string> superscripts;  // text of the runs set as superscripts
  std::vector<std::string> attributes;    // Target, w:name of the bookmarks
};

ReadPart Read(const std::string& xml) {
  ReadPart part;
  QXmlStreamReader reader(QByteArray::fromStdString(xml));
  bool superscript = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    const QStringView name = reader.qualifiedName();
    if (name == QLatin1String("w:r")) superscript = false;
    if (name == QLatin1String("w:vertAlign")) {
      superscript =
          reader.attributes().value(QLatin1String("w:val")) == QLatin1String("superscript");
    }
    if (name == QLatin1String("Relationship")) {
      part.attributes.push_back(
          reader.attributes().value(QLatin1String("Target")).toString().toStdString());
    }
    if (name == QLatin1String("w:bookmarkStart")) {
      part.attributes.push_back(
          reader.attributes().value(QLatin1String("w:name")).toString().toStdString());
    }
    if (name == QLatin1String("w:instrText")) part.fields += reader.readElementText().toStdString();
    if (name == QLatin1String("w:t")) {
      const std::string text = reader.readElementText().toStdString();
      if (superscript) part.superscripts.push_back(text);
      part.text += text;
    }
  }
  if (reader.hasError()) part.error = reader.errorString().toStdString();
  return part;
}

TEST_F(BookFileTest, DocxIsAWellFormedPackageHoldingTheSameNumbers) {
  book::Document d = SampleBook();
  // Bytes that are not UTF-8 and a control character must not spoil the XML.
  d.blocks.push_back(book::Paragraph{{book::Run{"坏\xff\xfe字节\x01 <&>"}}});
  const fs::path docx = Path("书.docx");
  ASSERT_EQ(WriteBook(d, docx), std::nullopt);
  const std::map<std::string, std::string> parts = Unzip(docx);
  for (const char* name : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                           "word/styles.xml", "word/_rels/document.xml.rels", "docProps/core.xml",
                           "word/header1.xml", "word/footer1.xml"}) {
    EXPECT_EQ(parts.count(name), 1u) << name;
  }
  std::map<std::string, ReadPart> read;
  for (const auto& [name, xml] : parts) {
    read[name] = Read(xml);
    EXPECT_EQ(read[name].error, "") << name;
  }
  // Every relationship points at a part the package holds.
  for (const std::string& target : read["_rels/.rels"].attributes) {
    EXPECT_EQ(parts.count(target), 1u) << target;
  }
  for (const std::string& target : read["word/_rels/document.xml.rels"].attributes) {
    EXPECT_EQ(parts.count("word/" + target), 1u) << target;
  }

  const ReadPart& body = read["word/document.xml"];
  for (const char* expected : {"1.2345", "70.125", "0.9876", "张三", "注意：", "<&>"}) {
    EXPECT_NE(body.text.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(body.text.find_first_of("^_{}"), std::string::npos);
  EXPECT_NE(std::find(body.superscripts.begin(), body.superscripts.end(), "0.6"),
            body.superscripts.end());
  // The contents refer to bookmarks on the chapters' headings.
  EXPECT_NE(std::find(body.attributes.begin(), body.attributes.end(), "_Chapter2"),
            body.attributes.end());
  EXPECT_NE(body.fields.find("PAGEREF _Chapter2"), std::string::npos);

  EXPECT_EQ(read["word/header1.xml"].text, "清水河大桥 <K12+300> & 桥位");
  EXPECT_EQ(read["word/footer1.xml"].text, "第 1 页 共 1 页");
  EXPECT_EQ(read["word/footer1.xml"].fields, " PAGE  NUMPAGES ");
}

TEST_F(BookFileTest, ProjectBookHasItsCoverChaptersInOrderAndOneSignatureBlock) {
  FormState form31 = DefaultState(*FindWindow("Form31"));
  form31.fields = {{"Text1", "120"}, {"Text2", "850"}, {"Text3", "100"}, {"Text4", "0.6"}};
  const std::vector<book::Document> chapters{
      render::PressChapter(*FindWindow("Form31"), "Command1", form31),
      render::PressChapter(*FindWindow("form3"), "Command1", DefaultState(*FindWindow("form3")))};
  const ProjectInfo info{.project_name = "清水河大桥工程",
                         .bridge_name = "清水河大桥",
                         .route = "G320 K12+300",
                         .design_unit = "某某设计院",
                         .date = "2026年12月10日",
                         .calculated_by = "张三",
                         .checked_by = "李四",
                         .approved_by = "王五"};
  const fs::path pdf = Path("工程.pdf");
  ASSERT_EQ(WriteBook(AssembleProjectBook(info, chapters), pdf), std::nullopt);

  const std::string cover = PageText(pdf, 1);
  for (const char* expected :
       {"清水河大桥计算书", "清水河大桥工程", "G320 K12+300", "某某设计院"}) {
    EXPECT_NE(cover.find(expected), std::string::npos) << expected;
  }
  ExpectContentsPointAtChapters(
      pdf, {"1  利用流域面积比拟法计算设计流量", "2  非粘性土河床桥墩冲刷计算（河槽）"});
  const std::string all = testing::PdfText(pdf);
  EXPECT_NE(all.find("948.261"), std::string::npos);
  // The chapters' own signature lines gave way to the project's.
  EXPECT_EQ(all.find("复核"), all.rfind("复核"));
  EXPECT_NE(PageText(pdf, PageCount(pdf)).find("王五"), std::string::npos);
}

// The pier's chapter carries the chain's doubt about its grain size; the summary closes the book
// with the scour line and the embedment verdict the summary computed.
TEST_F(BookFileTest, ProjectBookNotesTheChainsFlagsAndClosesWithTheScourSummary) {
  Project project;
  EXPECT_EQ(ProjectBook(project), std::nullopt);  // nothing calculated
  project.info = {.name = "清水河大桥工程", .bridge = "清水河大桥", .date = "2026年12月10日"};
  WindowState pier{.form = DefaultState(*FindWindow("form3")), .pressed = "Command1"};
  pier.form.fields["Text3"] = "0.04";  // d in mm, below any sand
  project.windows["form3"] = pier;
  chain::ChainState chain;
  chain.summary.water_level = "100";
  chain.summary.foundations["form3"] = "80";
  chain::WriteChainState(project, chain);

  const std::optional<book::Document> book = ProjectBook(project);
  ASSERT_TRUE(book.has_value());
  Project recalculated = project;
  RecalculateProject(recalculated);
  const chain::ScourSummary summary = chain::SummarizeScour(recalculated);
  ASSERT_EQ(summary.elements.size(), 1u);
  ASSERT_FALSE(summary.flags.empty());
  // Each flag stands among the pier chapter's notes, before the summary's chapter.
  std::vector<std::string> order;
  for (const book::Block& block : book->blocks) {
    if (const auto* h = std::get_if<book::Heading>(&block); h && h->level == 1) {
      order.push_back(h->text);
    } else if (const auto* note = std::get_if<book::Note>(&block)) {
      order.push_back(book::PlainText(note->runs));
    }
  }
  ASSERT_EQ(order.back(), "2  冲刷汇总及最低冲刷线高程");
  for (const chain::Flag& flag : summary.flags) {
    const auto at = std::find(order.begin(), order.end(), flag.text);
    EXPECT_NE(at, order.end()) << flag.text;
    EXPECT_EQ(std::count(order.begin(), at, order.back()), 0) << flag.text;
  }

  const fs::path pdf = Path("工程.pdf");
  ASSERT_EQ(WriteBook(*book, pdf), std::nullopt);
  const chain::ScourElement& e = summary.elements[0];
  const std::string last = testing::PdfText(pdf);
  for (const std::string& expected :
       {FormatPattern(Real(*e.scour_line), "#####.###"),
        FormatPattern(Real(*e.embedment), "#####.###"), std::string(*e.passes ? "满足" : "不满足"),
        e.formulas[e.governing].name + "（控制）"}) {
    EXPECT_NE(last.find(expected), std::string::npos) << expected;
  }
}

TEST_F(BookFileTest, AFailedWriteLeavesNoFileAndSaysWhy) {
  std::ofstream(Path("plain")) << "x";
  for (const fs::path& path :
       {Path("书.txt"), Path("plain") / "书.pdf", Path("plain") / "书.docx"}) {
    const std::optional<std::string> reason = WriteBook(SampleBook(), path);
    ASSERT_TRUE(reason.has_value()) << path;
    EXPECT_FALSE(reason->empty());
    EXPECT_FALSE(fs::exists(path)) << path;
  }
}

}  // namespace
}  // namespace velmora::render

int main(int argc, char** argv) {
  // Fonts need a QGuiApplication; no display is needed for them.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
