// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <exception>
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "cli/csv.h"
#include "cli/json.h"
#include "cli/press_json.h"
#include "cli/runner.h"
#include "common/name_table.h"
#include "common/press.h"
#include "common/registry.h"

namespace velmora {
namespace {

using Inputs = std::span<const std::pair<std::string_view, std::string_view>>;

bool IsOn(std::string_view text) { return text == "1" || text == "true"; }

// Presses buttons over and over. Each window's default texts and field order are worked out on
// its first press and kept, and its texts are reset in place, so a press in a long run
// allocates next to nothing of its own.
class Presser {
 public:
  // Presses the button with the window's default texts overridden by the inputs, as a single
  // press of the runner does. False, with the reason, on an unknown button or control.
  bool Press(const Window& window, std::string_view button, Inputs inputs, std::string& error) {
    if (FindButton(window, button) == nullptr) {
      error.assign("unknown button of ").append(window.form).append(": ").append(button);
      return false;
    }
    Slot& slot = SlotFor(window);
    current_ = &slot;
    // Back to the defaults. The texts are views, of the defaults, of the inputs or of the effects
    // of this press, so nothing is copied; the ones of the last press may no longer be valid.
    std::copy(slot.defaults.begin(), slot.defaults.end(), slot.texts.begin());
    selected_option_ = {};
    bool trial_succeeded = false;
    for (const auto& [control, text] : inputs) {
      // Control names are unique in a window: fields, the common case, are looked for first.
      if (const std::size_t at = slot.Position(window, control); at < slot.texts.size()) {
        slot.texts[at] = text;
      } else if (control == "TrialSucceeded") {
        trial_succeeded = IsOn(text);
      } else if (const Option* option = FindOption(window, control)) {
        if (IsOn(text)) {
          selected_option_ = option->control;
        } else if (selected_option_ == control) {
          selected_option_ = {};
        }
      } else {
        error.assign("unknown control of ").append(window.form).append(": ").append(control);
        return false;
      }
    }
    PressButton(window, button,
                FlatState{slot.fields, slot.texts, selected_option_, trial_succeeded}, effects_);
    // The effects on the window's own fields, as ApplyEffects has them, in place.
    for (const Effect& e : effects_) {
      if (const auto* set = std::get_if<effect::SetField>(&e)) {
        if (const std::size_t at = slot.Position(window, set->control); at < slot.texts.size()) {
          slot.texts[at] = set->text;
        }
      }
    }
    return true;
  }

  // After a successful Press: the window's fields in order, their texts and the effects, valid
  // until the next Press and as long as the inputs given to it.
  std::span<const Field* const> fields() const { return current_->fields; }
  std::span<const std::string_view> texts() const { return current_->texts; }
  const Effects& effects() const { return effects_; }

 private:
  struct Slot {
    std::vector<const Field*> fields;
    std::vector<std::string> defaults;    // per field
    std::vector<std::string_view> texts;  // per field
    const NameTable<std::size_t>* positions = nullptr;
    std::size_t Position(const Window& window, std::string_view control) const {
      if (positions == nullptr) return FieldPosition(window, control);
      const std::size_t* at = positions->Find(control);
      return at == nullptr ? std::string_view::npos : *at;
    }
  };

  Slot& SlotFor(const Window& window) {
    if (last_window_ == &window) return *last_slot_;
    std::unique_ptr<Slot>& slot = slots_[&window];
    if (slot == nullptr) {
      slot = std::make_unique<Slot>();
      slot->fields = Fields(window);
      slot->positions = FieldPositions(window);
      const FormState state = DefaultState(window);
      for (const Field* field : slot->fields) {
        slot->defaults.push_back(state.fields.find(field->control)->second);
      }
      slot->texts.assign(slot->defaults.begin(), slot->defaults.end());
    }
    last_window_ = &window;
    last_slot_ = slot.get();
    return *slot;
  }

  std::unordered_map<const Window*, std::unique_ptr<Slot>> slots_;
  const Window* last_window_ = nullptr;
  Slot* last_slot_ = nullptr;
  Slot* current_ = nullptr;
  std::string_view selected_option_;  // a control name of the window, which outlives the run
  Effects effects_;
};

// One record of the input: a line, or a CSV record whose quoted cells may hold line breaks.
// It stays readable for `capacity` bytes, which the JSON reader's padding needs.
struct Record {
  const char* data = nullptr;
  std::size_t size = 0;
  std::size_t capacity = 0;
  std::size_t line = 0;  // where it starts, from 1
  std::string_view text() const { return {data, size}; }
};

// Reads the input in blocks and hands out whole records, at most a chunk at a time, so that
// memory stays bounded whatever the input's size (only a single record longer than a block
// grows the buffer). It reads only what is there, so a script that writes one line and waits
// for its answer gets it.
class RecordReader {
 public:
  RecordReader(std::istream& in, bool csv)
      : in_(in), csv_(csv), buffer_(kBlock + json::RequestReader::Padding()) {}

  // The next records, at most `max`; none at the end of the input.
  const std::vector<Record>& Next(std::size_t max) {
    records_.clear();
    for (;;) {
      while (records_.size() < max && TakeRecord()) {
      }
      if (records_.size() >= max) break;
      if (eof_) {
        if (begin_ < end_) Emit(begin_, end_);
        begin_ = scan_ = end_;
        break;
      }
      if (!records_.empty() && (Free() == 0 || in_.rdbuf()->in_avail() <= 0)) break;
      if (records_.empty()) Compact();
      Fill();
    }
    return records_;
  }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  std::size_t Free() const { return buffer_.size() - json::RequestReader::Padding() - end_; }

  // Moves the unread bytes to the front, growing the buffer when a record fills it.
  void Compact() {
    if (begin_ > 0) {
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      scan_ -= begin_;
      begin_ = 0;
    }
    if (Free() == 0) buffer_.resize(buffer_.size() * 2);
  }

  void Fill() {
    std::streambuf* source = in_.rdbuf();
    try {
      // Waits for one byte, then takes what has arrived without waiting for more.
      if (source->sgetc() == std::char_traits<char>::eof()) {
        eof_ = true;
        return;
      }
      const std::streamsize ready = std::max<std::streamsize>(source->in_avail(), 1);
      const std::streamsize want =
          std::min<std::streamsize>(ready, static_cast<std::streamsize>(Free()));
      end_ += static_cast<std::size_t>(source->sgetn(buffer_.data() + end_, want));
    } catch (const std::ios_base::failure& e) {
      const int code = e.code().value() != 0 ? e.code().value() : errno;
      throw UsageError(std::string("cannot read the input: ") + std::strerror(code));
    }
  }

  // Finds the end of the record at begin_; emits it unless it is blank.
  bool TakeRecord() {
    std::size_t end = end_;
    if (csv_) {
      for (std::size_t i = scan_; i < end_; ++i) {
        const char c = buffer_[i];
        if (c == '"') {
          quoted_ = !quoted_;
        } else if (c == '\n') {
          if (!quoted_) {
            end = i;
            break;
          }
          ++inner_lines_;
        }
      }
    } else {
      const void* found = std::memchr(buffer_.data() + scan_, '\n', end_ - scan_);
      if (found != nullptr)
        end = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
    }
    if (end == end_) {
      scan_ = end_;
      return false;
    }
    Emit(begin_, end);
    line_ += 1 + inner_lines_;
    inner_lines_ = 0;
    begin_ = scan_ = end + 1;
    return true;
  }

  void Emit(std::size_t begin, std::size_t end) {
    if (first_) {
      first_ = false;
      if (std::string_view(buffer_.data() + begin, end - begin).starts_with("\xEF\xBB\xBF"))
        begin += 3;
    }
    if (end > begin && buffer_[end - 1] == '\r') --end;
    const std::string_view text(buffer_.data() + begin, end - begin);
    const bool blank =
        csv_ ? text.empty() : text.find_first_not_of(" \t") == std::string_view::npos;
    if (!blank)
      records_.push_back({buffer_.data() + begin, end - begin, buffer_.size() - begin, line_});
  }

  std::istream& in_;
  bool csv_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // the record being looked for starts here
  std::size_t scan_ = 0;   // looked through up to here
  std::size_t end_ = 0;    // bytes read up to here
  std::size_t line_ = 1;
  std::size_t inner_lines_ = 0;  // line breaks inside quotes of the record being looked for
  bool quoted_ = false;
  bool eof_ = false;
  bool first_ = true;
  std::vector<Record> records_;
};

// What a batch does with one record, one instance per thread.
class Job {
 public:
  virtual ~Job() = default;
  // Appends the record's output; false when the record was an error.
  virtual bool Run(const Record& record, std::string& out) = 0;
};

// A progress line on stderr, rewritten in place, once the run has taken a second.
class Progress {
 public:
  Progress(std::ostream& err, bool enabled, std::string_view noun)
      : err_(err), enabled_(enabled), noun_(noun) {}

  void Update(std::size_t done, std::size_t errors) {
    if (!enabled_) return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) {
      return;
    }
    last_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    err_ << "\rvelmora-calc: " << done << ' ' << noun_ << ", "
         << static_cast<long long>(static_cast<double>(done) / seconds) << ' ' << noun_ << "/s, "
         << errors << " errors " << std::flush;
    shown_ = true;
  }

  ~Progress() {
    if (shown_) err_ << '\n';
  }

 private:
  using Clock = std::chrono::steady_clock;
  std::ostream& err_;
  bool enabled_;
  std::string_view noun_;
  bool shown_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;
};

// Runs every record through the jobs, the chunk shared out over them in contiguous slices, and
// writes the output in input order after each chunk.
int RunRecords(RecordReader& reader, std::vector<std::unique_ptr<Job>>& jobs, std::ostream& out,
               std::ostream& err, bool progress, std::string_view noun) {
  constexpr std::size_t kChunkPerThread = 4096;
  constexpr std::size_t kParallelFrom = 64;  // below this a thread costs more than it saves
  const std::size_t threads = jobs.size();
  std::vector<std::string> outputs(threads);
  std::vector<std::size_t> errors(threads);
  std::vector<std::exception_ptr> failures(threads);
  std::size_t done = 0;
  std::size_t error_total = 0;
  {
    Progress meter(err, progress, noun);
    for (;;) {
      const std::vector<Record>& records = reader.Next(kChunkPerThread * threads);
      if (records.empty()) break;
      const std::size_t used = records.size() < kParallelFrom ? 1 : threads;
      const std::size_t slice = (records.size() + used - 1) / used;
      auto work = [&](std::size_t k) {
        outputs[k].clear();
        errors[k] = 0;
        try {
          const std::size_t last = std::min(records.size(), (k + 1) * slice);
          for (std::size_t i = k * slice; i < last; ++i) {
            if (!jobs[k]->Run(records[i], outputs[k])) ++errors[k];
          }
        } catch (...) {
          failures[k] = std::current_exception();
        }
      };
      {
        std::vector<std::jthread> helpers;
        for (std::size_t k = 1; k < used; ++k) helpers.emplace_back(work, k);
        work(0);
      }
      for (std::size_t k = 0; k < used; ++k) {
        if (failures[k]) std::rethrow_exception(failures[k]);
        out.write(outputs[k].data(), static_cast<std::streamsize>(outputs[k].size()));
        error_total += errors[k];
      }
      out.flush();
      if (!out) return 0;  // the runner reports the failed output
      done += records.size();
      meter.Update(done, error_total);
    }
  }
  if (error_total == 0) return 0;
  err << "velmora-calc: " << error_total << " of " << done << ' ' << noun << " were errors\n";
  return 1;
}

void AppendErrorLine(std::string& out, std::size_t line, std::string_view error) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, line).ptr;
  out.append("{\"line\":").append(digits, end).append(",\"error\":");
  json::AppendQuoted(out, error);
  out.append("}\n");
}

class JsonlJob : public Job {
 public:
  bool Run(const Record& record, std::string& out) override {
    if (!reader_.Read(record.data, record.size, record.capacity, request_, error_)) {
      AppendErrorLine(out, record.line, error_);
      return false;
    }
    const Window* window = FindWindow(request_.form);
    if (window == nullptr) {
      error_.assign("unknown form: ").append(request_.form);
      AppendErrorLine(out, record.line, error_);
      return false;
    }
    if (!presser_.Press(*window, request_.button, request_.inputs, error_)) {
      AppendErrorLine(out, record.line, error_);
      return false;
    }
    AppendPressResultJson(out, *window, request_.button, presser_.fields(), presser_.texts(),
                          presser_.effects());
    out.push_back('\n');
    return true;
  }

 private:
  json::RequestReader reader_;
  json::RequestView request_;
  std::string error_;
  Presser presser_;
};

class CsvJob : public Job {
 public:
  CsvJob(const Window& window, std::string_view button, const std::vector<std::string>& header,
         const std::vector<std::size_t>& results)
      : window_(window), button_(button), header_(header), results_(results) {}

  bool Run(const Record& record, std::string& out) override {
    bool ok = SplitCsvRecord(record.text(), cells_, error_);
    if (!ok) {
      cells_.clear();
    } else if (cells_.size() != header_.size()) {
      error_ = "the row has " + std::to_string(cells_.size()) + " cells but the header " +
               std::to_string(header_.size());
      ok = false;
    }
    cells_.resize(header_.size());
    if (ok) {
      inputs_.clear();
      for (std::size_t i = 0; i < header_.size(); ++i) inputs_.emplace_back(header_[i], cells_[i]);
      ok = presser_.Press(window_, button_, inputs_, error_);
    }
    for (const std::string& cell : cells_) {
      AppendCsvField(out, cell);
      out.push_back(',');
    }
    if (ok) {
      for (const std::size_t i : results_) {
        AppendCsvField(out, presser_.texts()[i]);
        out.push_back(',');
      }
      const effect::Fault* fault = FaultOf(presser_.effects());
      AppendCsvField(out, fault != nullptr ? std::string_view(fault->text) : std::string_view());
      out.push_back(',');
      messages_.clear();
      for (const Effect& e : presser_.effects()) {
        if (const auto* m = std::get_if<effect::Message>(&e)) {
          if (!messages_.empty()) messages_.push_back('\n');
          messages_.append(m->text);
        }
      }
      AppendCsvField(out, messages_);
      out.append(",\r\n");
    } else {
      out.append(results_.size() + 2, ',');
      AppendCsvField(out, error_);
      out.append("\r\n");
    }
    return ok;
  }

 private:
  const Window& window_;
  std::string_view button_;
  const std::vector<std::string>& header_;
  const std::vector<std::size_t>& results_;
  std::vector<std::string> cells_;
  std::vector<std::pair<std::string_view, std::string_view>> inputs_;
  std::string error_;
  std::string messages_;
  Presser presser_;
};

std::string_view Trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

int RunJsonlBatch(std::istream& in, std::ostream& out, std::ostream& err,
                  const BatchOptions& options) {
  RecordReader reader(in, false);
  std::vector<std::unique_ptr<Job>> jobs;
  for (unsigned k = 0; k < std::max(options.threads, 1U); ++k) {
    jobs.push_back(std::make_unique<JsonlJob>());
  }
  return RunRecords(reader, jobs, out, err, options.progress, "lines");
}

int RunCsvBatch(const Window& window, std::string_view button, std::istream& in, std::ostream& out,
                std::ostream& err, const BatchOptions& options) {
  if (FindButton(window, button) == nullptr) {
    throw UsageError("unknown button of " + std::string(window.form) + ": " + std::string(button));
  }
  RecordReader reader(in, true);
  const std::vector<Record>& first = reader.Next(1);
  if (first.empty()) throw UsageError("the CSV input has no header line");
  std::vector<std::string> header;
  std::string error;
  if (!SplitCsvRecord(first.front().text(), header, error)) {
    throw UsageError("the CSV header: " + error);
  }
  const std::vector<const Field*> fields = Fields(window);
  for (std::string& name : header) {
    name = std::string(Trimmed(name));
    if (name == "TrialSucceeded" || FindOption(window, name) != nullptr ||
        FindField(window, name) != nullptr) {
      continue;
    }
    std::string why = "unknown column \"" + name + "\": not a control of ";
    why.append(window.form).append(" (its inputs:");
    for (const Field* field : fields) {
      if (field->role == FieldRole::kInput) why.append(" ").append(field->control);
    }
    for (const Option* option : Options(window)) why.append(" ").append(option->control);
    throw UsageError(why + ")");
  }
  std::vector<std::size_t> results;
  std::string line = "\xEF\xBB\xBF";  // so that a spreadsheet reads the file as UTF-8
  for (const std::string& name : header) {
    AppendCsvField(line, name);
    line.push_back(',');
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i]->role != FieldRole::kResult) continue;
    results.push_back(i);
    line.append(fields[i]->control).push_back(',');
  }
  line.append("fault,messages,error\r\n");
  out << line;

  std::vector<std::unique_ptr<Job>> jobs;
  for (unsigned k = 0; k < std::max(options.threads, 1U); ++k) {
    jobs.push_back(std::make_unique<CsvJob>(window, button, header, results));
  }
  return RunRecords(reader, jobs, out, err, options.progress, "rows");
}

}  // namespace velmora
