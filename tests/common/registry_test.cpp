// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "chain/quantities.h"
#include "common/menu.h"
#include "common/name_table.h"
#include "common/value_of_text.h"
#include "opening/sediment_balance_opening_length.h"
#include "scour/channel_pier_scour.h"

namespace velmora {
namespace {

void CollectMenuForms(const std::vector<MenuItem>& items, std::set<std::string>& forms) {
  for (const MenuItem& item : items) {
    if (!item.form.empty()) forms.insert(std::string(item.form));
    CollectMenuForms(item.items, forms);
  }
}

// Every form the program can be asked to open: by the menu, a label or a button.
std::set<std::string> NamedForms() {
  std::set<std::string> forms;
  CollectMenuForms(MainMenu(), forms);
  for (const Window* window : AllWindows()) {
    for (const Label* label : Labels(*window)) {
      if (const auto* open = std::get_if<OpenAction>(&label->action)) {
        forms.insert(std::string(open->form));
      }
    }
    for (const Button* button : Buttons(*window)) {
      if (const auto* open = std::get_if<OpenAction>(&button->action)) {
        forms.insert(std::string(open->form));
      }
    }
  }
  return forms;
}

TEST(RegistryTest, EveryNamedFormIsRegistered) {
  for (const std::string& form : NamedForms()) {
    if (form == kSectionForm) continue;         // built by the shell itself
    if (form == chain::kSummaryForm) continue;  // the shell's own window, built from a project
    EXPECT_NE(FindWindow(form), nullptr) << form;
  }
  EXPECT_EQ(FindWindow(kSectionForm), nullptr);
}

TEST(RegistryTest, FormNamesAreUniqueAndMainComesFirst) {
  std::set<std::string_view> seen;
  for (const Window* window : AllWindows()) {
    EXPECT_TRUE(seen.insert(window->form).second) << window->form;
  }
  ASSERT_FALSE(AllWindows().empty());
  EXPECT_EQ(AllWindows().front()->form, "Form6");
}

TEST(RegistryTest, ControlNamesAreUniqueWithinAWindow) {
  for (const Window* window : AllWindows()) {
    std::set<std::string_view> names;
    auto add = [&](std::string_view control) {
      if (control.empty()) return;
      EXPECT_TRUE(names.insert(control).second) << window->form << " " << control;
    };
    for (const Block& block : window->blocks) add(block.control);
    for (const Field* field : Fields(*window)) add(field->control);
    for (const Label* label : Labels(*window)) add(label->control);
    for (const Button* button : Buttons(*window)) add(button->control);
    for (const Option* option : Options(*window)) add(option->control);
  }
}

TEST(RegistryTest, DefaultsArePlainNumbersAndResultsHaveNone) {
  for (const Window* window : AllWindows()) {
    for (const Field* field : Fields(*window)) {
      if (field->role == FieldRole::kResult) {
        EXPECT_TRUE(field->default_text.empty()) << window->form << " " << field->control;
      } else {
        EXPECT_TRUE(IsPlainNumber(field->default_text)) << window->form << " " << field->control;
      }
    }
  }
}

TEST(RegistryTest, ReactingLabelsHaveAnAction) {
  for (const Window* window : AllWindows()) {
    for (const Label* label : Labels(*window)) {
      const bool reacts = label->event != LabelEvent::kNone;
      const bool acts = !std::holds_alternative<std::monostate>(label->action);
      EXPECT_EQ(reacts, acts) << window->form << " " << label->control;
    }
  }
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The book and the range warnings name every field by its symbol and name; a field added
// without them would print an empty cell.
// The indexed lookups agree with a search in description order, for every control and for
// names that differ from one by a character at either end.
TEST(RegistryTest, LookupsAgreeWithASearch) {
  for (const Window* window : AllWindows()) {
    const std::vector<const Field*> fields = Fields(*window);
    std::vector<std::string> names;
    for (const Field* field : fields) names.emplace_back(field->control);
    for (const Button* button : Buttons(*window)) names.emplace_back(button->control);
    for (const Option* option : Options(*window)) names.emplace_back(option->control);
    for (const std::string& name : std::vector<std::string>(names)) {
      names.push_back(name + "1");
      names.push_back(name.substr(1));
      names.push_back("x" + name.substr(1));
    }
    for (const std::string& name : names) {
      std::size_t at = std::string_view::npos;
      for (std::size_t i = 0; i < fields.size() && at == std::string_view::npos; ++i) {
        if (fields[i]->control == name) at = i;
      }
      EXPECT_EQ(FieldPosition(*window, name), at) << window->form << ' ' << name;
      EXPECT_EQ(FindField(*window, name), at == std::string_view::npos ? nullptr : fields[at]);
      const std::vector<const Button*> buttons = Buttons(*window);
      const auto button = std::find_if(buttons.begin(), buttons.end(),
                                       [&](const Button* b) { return b->control == name; });
      EXPECT_EQ(FindButton(*window, name), button == buttons.end() ? nullptr : *button);
    }
  }
}

// Names longer than two words are told apart by all their bytes, not by their ends alone.
TEST(NameTableTest, LongNamesDifferingInTheMiddle) {
  const std::string a = "Frame1(0).Text12.Caption";
  const std::string b = "Frame1(0).Text13.Caption";
  NameTable<int> table;
  table.Add(a, 1);
  table.Add(b, 2);
  table.Add(a, 3);  // the first of a name wins
  table.Seal();
  ASSERT_NE(table.Find(a), nullptr);
  ASSERT_NE(table.Find(b), nullptr);
  EXPECT_EQ(*table.Find(a), 1);
  EXPECT_EQ(*table.Find(b), 2);
  EXPECT_EQ(table.Find("Frame1(0).Text14.Caption"), nullptr);
  EXPECT_EQ(table.Find(""), nullptr);
}

TEST(WindowFieldsTest, EveryCalculatorFieldHasSymbolAndName) {
  for (const Window* window : AllWindows()) {
    if (window->kind != WindowKind::kCalculator) continue;
    for (const Field* field : Fields(*window)) {
      EXPECT_FALSE(field->symbol.empty()) << window->form << " " << field->control;
      EXPECT_FALSE(FieldName(*field).empty()) << window->form << " " << field->control;
    }
  }
}

TEST(WindowFieldsTest, NameLeavesOutSymbolUnitAndColon) {
  EXPECT_EQ(FieldName(*FindField(form3(), "Text25")), "设计流量");
  // Brackets of both kinds in one pair.
  EXPECT_EQ(FieldName(*FindField(form3(), "Text24")), "天然状态下桥下河滩部分设计流量");
  EXPECT_EQ(FieldName(*FindField(form3(), "Text13")), "墩形系数");
  EXPECT_EQ(FieldName(*FindField(Form45(), "Text3")), "年最大流量平均值");
}

}  // namespace
}  // namespace velmora
