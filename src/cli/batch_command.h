#pragma once

#include <iosfwd>

#include "cli/batch_options.h"

namespace velmora {

// Reads CSV birth data with a header row from `input` and writes one CSV row
// per reading to `output`; each refused row gives one line on `errors` and no
// output. Rows are computed on `options.jobs` threads; the output, the
// messages and their order do not depend on the count. A part of an input
// split in parts that each begin with the header row writes the output's
// header only when it is the first, so that the parts' outputs joined in
// order are the output of the whole; its messages name the part, and their
// line numbers count from its own header row. Returns the exit status: 0
// when every row was read, 1 otherwise.
int RunBatch(std::istream& input, std::ostream& output, std::ostream& errors, const BatchOptions& options);

} // namespace velmora
