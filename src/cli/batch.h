// SPDX-License-Identifier: GPL-3.0-or-later
// Batch runs: many presses from a stream, spread over threads, printed in input order.
#pragma once

#include <iosfwd>
#include <string_view>

namespace velmora {

struct Window;

struct BatchOptions {
  unsigned threads = 1;
  bool progress = false;  // a progress line on stderr when the run takes longer than a second
};

/// --jsonl: one JSON line out per non-empty line in. A line that cannot be pressed gives
/// {"line": N, "error": ...} and the run goes on. Returns 0, or 1 when some lines were errors
/// (their count said on `err`). Throws UsageError when the input cannot be read.
int RunJsonlBatch(std::istream& in, std::ostream& out, std::ostream& err,
                  const BatchOptions& options);

/// --csv: a header naming input controls, one scenario per row; out the same columns, every
/// result field, the fault, the messages and the error of each row, UTF-8 with a BOM. Returns
/// as RunJsonlBatch; throws UsageError on an unknown button or column.
int RunCsvBatch(const Window& window, std::string_view button, std::istream& in, std::ostream& out,
                std::ostream& err, const BatchOptions& options);

}  // namespace velmora
