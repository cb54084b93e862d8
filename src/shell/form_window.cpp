// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "common/fault_explanation.h"
#include "common/format_pattern.h"
#include "common/range_warnings.h"
#include "common/texts.h"
#include "common/value_of_text.h"
#include "render/book_texts.h"
#include "render/press_chapter.h"
#include "shell/book_preview.h"
#include "shell/chain_view.h"
#include "shell/clickable_label.h"
#include "shell/fonts.h"
#include "shell/message_box.h"
#include "shell/pictures.h"
#include "shell/project_session.h"
#include "shell/report_file.h"
#include "shell/screen_fit.h"
#include "shell/table_view.h"
#include "shell/text.h"
#include "shell/window_manager.h"

namespace velmora {
namespace {

constexpr int kFieldWidth = 110;

const QString kResultStyle = QStringLiteral("QLineEdit { background-color: rgb(255, 192, 128); }");
// A pale yellow that says "look again" without looking like an error or a result.
const QString kNotANumberStyle =
    QStringLiteral("QLineEdit { background-color: rgb(255, 244, 196); }");

// Tints an input whose text is not wholly a number and says in a tooltip which value the
// calculation will use; the computation itself reads the leading number regardless.
void ShowReading(QLineEdit* edit) {
  const std::string text = U(edit->text());
  const double value = ValueOfText(text);
  if (!std::isfinite(value)) {
    edit->setStyleSheet(kNotANumberStyle);
    edit->setToolTip(Q(texts::kOutOfRange));
  } else if (IsPlainNumber(text)) {
    if (edit->property(kChainStyledProperty).toBool()) return;
    edit->setStyleSheet(QString());
    edit->setToolTip(QString());
  } else {
    edit->setStyleSheet(kNotANumberStyle);
    edit->setToolTip(Q(texts::kReadAs).arg(Q(GeneralText(Real(value)))));
  }
}

// A pale rose for an input outside the range its window's notes or tables advise.
const QString kOutsideAdviceStyle =
    QStringLiteral("QLineEdit { background-color: rgb(255, 226, 226); }");

// Tints an input whose number lies outside the advised range and gives the advice in the
// tooltip. Advice only: the press computes with the value. Text that is not wholly a number
// keeps ShowReading's hint, which matters more.
void ShowRangeAdvice(QLineEdit* edit, const Field& field) {
  const std::string text = U(edit->text());
  if (!IsPlainNumber(text)) return;
  if (const std::optional<RangeWarning> warning = RangeWarningOf(field, text)) {
    edit->setStyleSheet(kOutsideAdviceStyle);
    edit->setToolTip(Q(warning->message));
  }
}

// A Chinese input method types full-width digits and signs ("８５０", "１．５"); the calculation
// reads ASCII ones, so they are turned into those as they are typed.
QString HalfWidthNumber(QString text) {
  for (QChar& c : text) {
    const char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９') {
      c = QChar(static_cast<char16_t>(u'0' + (u - u'０')));
    } else if (u == u'．') {
      c = QLatin1Char('.');
    } else if (u == u'－') {
      c = QLatin1Char('-');
    } else if (u == u'＋') {
      c = QLatin1Char('+');
    }
  }
  return text;
}

}  // namespace

FormWindow::FormWindow(const Window& description, WindowManager& manager)
    : description_(description), manager_(manager) {
  setWindowTitle(Q(description.caption));
  auto* grid = new QGridLayout(this);
  grid->setSpacing(10);
  grid->setContentsMargins(12, 12, 12, 12);
  // A calculator gets "计算书" after its own buttons, in the block that holds the last of them.
  const Block* last_button_block = nullptr;
  if (description.kind == WindowKind::kCalculator) {
    for (const Block& block : description.blocks) {
      for (const Item& item : block.items) {
        if (std::holds_alternative<Button>(item)) last_button_block = &block;
      }
    }
  }
  for (const Block& block : description.blocks) {
    grid->addWidget(BuildBlock(block, &block == last_button_block), block.place.row,
                    block.place.column, block.place.row_span, block.place.column_span);
  }
  // Tab goes through the inputs in reading order before it reaches a button: a Space on "退出"
  // would close the window with the entries in it.
  QWidget* previous = nullptr;
  for (const auto* chain : {&tab_inputs_, &tab_buttons_}) {
    for (QWidget* widget : *chain) {
      if (previous != nullptr) setTabOrder(previous, widget);
      previous = widget;
    }
  }

  // Calculators, choice and information windows keep the size their controls need; tables and
  // documents may be resized.
  const bool fixed = description.kind != WindowKind::kReference;
  if (fixed) {
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // A small screen, or a large scale, gets the same controls closer together.
    if (sizeHint().height() > ScreenRoom(this).height()) {
      grid->setSpacing(4);
      grid->setContentsMargins(6, 6, 6, 6);
      for (QGridLayout* inner : findChildren<QGridLayout*>()) {
        if (inner != grid) inner->setVerticalSpacing(1);
      }
    }
  } else {
    // Open showing the whole content where the screen allows; a larger table scrolls.
    const QSize room = ScreenRoom(this);
    QSize size = sizeHint();
    // A table taller than the screen gets a vertical scroll bar: leave room for it beside the
    // columns, or a horizontal one would follow.
    if (size.height() > room.height())
      size.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(size.boundedTo(room));
  }
}

QWidget* FormWindow::BuildBlock(const Block& block, bool holds_last_button) {
  QWidget* box = nullptr;
  if (block.framed) {
    box = new QGroupBox(Q(block.caption));
  } else {
    box = new QWidget;
  }
  if (!block.control.empty()) box->setObjectName(Q(block.control));

  QPushButton* book = nullptr;
  if (holds_last_button) {
    book = new QPushButton(Q(book_texts::kBookButton));
    book->setObjectName(QStringLiteral("Book"));
    book->setMinimumWidth(90);
    connect(book, &QPushButton::clicked, this, [this] { ShowBook(); });
  }

  if (block.arrangement == Arrangement::kRow) {
    auto* row = new QHBoxLayout(box);
    if (!block.framed) row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    for (const Item& item : block.items) {
      auto* cell = new QGridLayout;
      AddItem(item, cell, 0, 0);
      row->addLayout(cell);
      row->addStretch(1);
    }
    if (book != nullptr) {
      row->addWidget(book);
      row->addStretch(1);
    }
    return box;
  }

  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(6);
  if (!block.framed) grid->setContentsMargins(0, 0, 0, 0);
  const int columns = std::max(1, block.columns);
  const int per_column =
      (static_cast<int>(block.items.size()) + columns - 1) / columns;  // items in each column
  for (int i = 0; i < static_cast<int>(block.items.size()); ++i) {
    AddItem(block.items[static_cast<std::size_t>(i)], grid, i % per_column, i / per_column);
  }
  int stretch_row = per_column;
  if (book != nullptr) {
    // Below a single column; otherwise the place the next item of the description would take.
    const int next = static_cast<int>(block.items.size());
    if (columns == 1) {
      grid->addWidget(book, next, 0, 1, 2);
      stretch_row = next + 1;
    } else {
      grid->addWidget(book, next % per_column, (next / per_column) * 2, 1, 2);
    }
  }
  // Items keep to the top when a neighbouring block makes this one taller.
  grid->setRowStretch(stretch_row, 1);
  return box;
}

void FormWindow::AddItem(const Item& item, QGridLayout* grid, int row, int column) {
  const int left = column * 2;
  auto wide = [&](QWidget* widget) { grid->addWidget(widget, row, left, 1, 2); };

  if (const auto* field = std::get_if<Field>(&item)) {
    QWidget* label = BuildLabel(field->label);
    static_cast<QLabel*>(label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* edit = new QLineEdit;
    edit->setObjectName(Q(field->control));
    edit->setMinimumWidth(kFieldWidth);
    if (field->role == FieldRole::kResult) {
      edit->setStyleSheet(kResultStyle);
      // A result can be selected and copied, but Tab passes it by.
      edit->setFocusPolicy(Qt::ClickFocus);
    } else {
      edit->setText(Q(field->default_text));
      connect(edit, &QLineEdit::textChanged, edit, [edit] { ShowReading(edit); });
      connect(edit, &QLineEdit::textEdited, this,
              [this, field] { ChainFieldEdited(manager_, *this, field->control); });
      if (field->range) {
        connect(edit, &QLineEdit::textChanged, edit,
                [edit, field] { ShowRangeAdvice(edit, *field); });
        ShowRangeAdvice(edit, *field);
      }
      connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString half = HalfWidthNumber(text);
        if (half == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(half);
        edit->setCursorPosition(cursor);
      });
      tab_inputs_.push_back(edit);
    }
    edit->setFont(FontFor(field->text_font, edit->font()));
    if (auto* buddy = qobject_cast<QLabel*>(label)) buddy->setBuddy(edit);
    fields_[std::string(field->control)] = edit;
    grid->addWidget(label, row, left);
    grid->addWidget(edit, row, left + 1);
  } else if (const auto* label = std::get_if<Label>(&item)) {
    wide(BuildLabel(*label));
  } else if (const auto* button = std::get_if<Button>(&item)) {
    auto* push = new QPushButton(Q(button->caption));
    push->setObjectName(Q(button->control));
    push->setMinimumWidth(90);
    // A choice window is nothing but its buttons: give their captions room.
    if (description_.kind == WindowKind::kChoice) {
      push->setMinimumSize(push->sizeHint() + QSize(48, 10));
    }
    const std::string control(button->control);
    connect(push, &QPushButton::clicked, this, [this, control] { PressButton(control); });
    tab_buttons_.push_back(push);
    wide(push);
  } else if (const auto* option = std::get_if<Option>(&item)) {
    auto* radio = new QRadioButton(Q(option->caption));
    radio->setObjectName(Q(option->control));
    options_[std::string(option->control)] = radio;
    tab_inputs_.push_back(radio);
    wide(radio);
  } else if (std::holds_alternative<Rule>(item)) {
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    wide(rule);
  } else if (const auto* table = std::get_if<TableItem>(&item)) {
    QWidget* view = CreateTableView(table->content());
    tab_inputs_.push_back(view);
    wide(view);
  } else if (const auto* document = std::get_if<DocumentItem>(&item)) {
    QWidget* view = CreateDocumentView(document->rich_text);
    tab_inputs_.push_back(view);
    wide(view);
  } else if (const auto* picture = std::get_if<PictureItem>(&item)) {
    wide(CreatePicture(picture->name));
  } else if (const auto* list = std::get_if<ListItem>(&item)) {
    auto* box = new QListWidget;
    box->setObjectName(Q(list->control));
    for (std::string_view entry : list->entries) box->addItem(Q(entry));
    // Every entry shows whole, without scrolling.
    box->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setMinimumWidth(box->sizeHintForColumn(0) + 2 * box->frameWidth() + 12);
    tab_inputs_.push_back(box);
    wide(box);
  }
}

QWidget* FormWindow::BuildLabel(const Label& label) {
  QLabel* widget = nullptr;
  const bool reacts =
      label.event != LabelEvent::kNone && !std::holds_alternative<std::monostate>(label.action);
  if (reacts) {
    auto* clickable = new ClickableLabel(Q(label.caption));
    const auto signal = label.event == LabelEvent::kClick ? &ClickableLabel::clicked
                                                          : &ClickableLabel::doubleClicked;
    connect(clickable, signal, this, [this, &label] { RunLabelAction(label); });
    clickable->setCursor(Qt::PointingHandCursor);
    const bool opens = std::holds_alternative<OpenAction>(label.action);
    const std::string_view tip =
        label.event == LabelEvent::kClick
            ? (opens ? texts::kClickOpens : texts::kClickExplains)
            : (opens ? texts::kDoubleClickOpens : texts::kDoubleClickExplains);
    clickable->setToolTip(Q(tip));
    widget = clickable;
  } else {
    widget = new QLabel(Q(label.caption));
  }
  if (!label.control.empty()) widget->setObjectName(Q(label.control));
  widget->setFont(FontFor(label.font, widget->font()));
  if (label.align == Align::kCenter) widget->setAlignment(Qt::AlignCenter);
  return widget;
}

void FormWindow::RunLabelAction(const Label& label) {
  if (const auto* open = std::get_if<OpenAction>(&label.action)) {
    manager_.Open(open->form);
  } else if (const auto* hint = std::get_if<HintAction>(&label.action)) {
    ShowHint(this, hint->title, hint->text);
  }
}

FormState FormWindow::State() const {
  FormState state;
  for (const auto& [control, edit] : fields_) state.fields[control] = U(edit->text());
  for (const auto& [control, radio] : options_) {
    if (radio->isChecked()) state.selected_option = control;
  }
  state.trial_succeeded = manager_.TrialSucceeded(description_.form);
  return state;
}

void FormWindow::SetFieldText(std::string_view control, const QString& text) {
  const auto it = fields_.find(control);
  if (it != fields_.end()) it->second->setText(text);
}

QString FormWindow::FieldText(std::string_view control) const {
  const auto it = fields_.find(control);
  return it == fields_.end() ? QString() : it->second->text();
}

void FormWindow::SelectOption(std::string_view control) {
  const auto it = options_.find(control);
  if (it != options_.end()) it->second->setChecked(true);
}

void FormWindow::PressButton(std::string_view control) {
  const Project before = manager_.project().Snapshot();
  const FormState state = State();
  const Effects effects = velmora::PressButton(description_, control, state);
  const bool calculated = std::any_of(effects.begin(), effects.end(), [](const Effect& e) {
    return std::holds_alternative<effect::SetField>(e) || std::holds_alternative<effect::Fault>(e);
  });
  if (calculated) last_calculation_ = CalculatedPress{std::string(control), state, effects};
  manager_.NotePress(description_.form, control, effects);
  WindowManager& manager = manager_;  // the window may be gone after its effects
  const std::string form(description_.form);
  std::string detail;
  if (FaultOf(effects) != nullptr) {
    if (const auto explanation = ExplainFault(description_, control, state)) {
      detail = DescribeFault(description_, state, *explanation);
    }
  }
  RunEffects(effects, detail);
  RefreshChain(manager, form, &before);
}

void FormWindow::ShowBook() {
  if (!last_calculation_) {
    ShowHint(this, book_texts::kBookButton, book_texts::kCalculateFirst);
    return;
  }
  // The book shows the calculation made; inputs typed since would disagree with it.
  const FormState now = State();
  for (const Field* field : Fields(description_)) {
    if (field->role != FieldRole::kInput) continue;
    const auto before = last_calculation_->before.fields.find(field->control);
    const auto current = now.fields.find(field->control);
    const bool same = before != last_calculation_->before.fields.end() &&
                      current != now.fields.end() && before->second == current->second;
    if (!same || now.selected_option != last_calculation_->before.selected_option) {
      ShowHint(this, book_texts::kBookButton, book_texts::kInputsChanged);
      return;
    }
  }
  auto* preview =
      new BookPreview(render::PressChapter(description_, last_calculation_->button,
                                           last_calculation_->before, last_calculation_->effects),
                      this);
  preview->setAttribute(Qt::WA_DeleteOnClose);
  preview->show();
}

std::string FormWindow::EnterButton() const {
  std::vector<std::string> computes;
  for (const Button* button : Buttons(description_)) {
    if (std::holds_alternative<Handler>(button->action)) computes.emplace_back(button->control);
  }
  if (computes.empty()) return {};
  std::string focused;
  for (const auto& [control, edit] : fields_) {
    if (edit == focusWidget()) focused = control;
  }
  if (focused.empty() || computes.size() == 1) return computes.front();
  // The section the focus is in is the computation that reads the focused field; pressing is a
  // pure function, so asking each costs nothing but the arithmetic.
  const FormState state = State();
  for (const std::string& button : computes) {
    const std::vector<std::string> read =
        PressButtonTraced(description_, button, state).fields_read;
    if (std::find(read.begin(), read.end(), focused) != read.end()) return button;
  }
  return computes.front();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Keys the focused control leaves alone come here.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || event->modifiers() & ~Qt::KeypadModifier ||
      description_.kind != WindowKind::kCalculator) {
    QWidget::keyPressEvent(event);
    return;
  }
  // A button with the focus takes Enter itself, as in a dialog.
  if (auto* push = qobject_cast<QPushButton*>(focusWidget())) {
    push->click();
  } else if (const std::string button = EnterButton(); !button.empty()) {
    PressButton(button);
  }
  event->accept();
}

void FormWindow::RunEffects(const Effects& effects, std::string_view fault_detail) {
  // A modal box runs the event loop; the window may be closed meanwhile.
  QPointer<FormWindow> self(this);
  for (const Effect& e : effects) {
    if (!self) return;
    if (const auto* set = std::get_if<effect::SetField>(&e)) {
      SetFieldText(set->control, Q(set->text));
    } else if (const auto* message = std::get_if<effect::Message>(&e)) {
      if (message->ok_cancel) {
        ShowOkCancel(this, message->title, message->text);
      } else {
        ShowHint(this, message->title, message->text);
      }
    } else if (const auto* open = std::get_if<effect::Open>(&e)) {
      manager_.Open(open->form);
    } else if (std::holds_alternative<effect::Close>(e)) {
      close();
      return;
    } else if (const auto* other = std::get_if<effect::SetOtherField>(&e)) {
      manager_.SetField(other->form, other->control, Q(other->text));
    } else if (const auto* flag = std::get_if<effect::SetTrialSucceeded>(&e)) {
      manager_.SetTrialSucceeded(description_.form, flag->value);
    } else if (const auto* report = std::get_if<effect::WriteReport>(&e)) {
      WriteReportFile(this, report->lines);
    } else if (std::holds_alternative<effect::ShowReport>(e)) {
      ShowReportFile(manager_, this);
    } else if (const auto* fault = std::get_if<effect::Fault>(&e)) {
      ShowFault(this, fault->text, fault_detail);
    }
  }
}

}  // namespace velmora
