// The checks a scenario can make of what ran before: expect and expect-reply.
#pragma once

#include "platform/exception.h"

#include <string>
#include <string_view>

namespace qm::host {

// A check that did not hold; the message says what was expected and what was there.
QM_DECLARE_EXCEPTION(ECheckFailed, Exception);

// Whether one of the lines of `output` is `text`, leaving out each line's
// indentation (so "0.5 0 0" matches print-mesh's "  0.5 0 0").
bool OutputHasLine(std::string_view output, std::string_view text);

// `text` in double quotes, with backslash, double quote, CR and LF escaped, so that
// a reply of several lines shows on one.
std::string Quoted(std::string_view text);

} // namespace qm::host
