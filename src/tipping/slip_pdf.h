// The slip print as a one-page PDF without any toolkit: the page is the slip,
// every mark an "x" in Courier centred on its position, turned with the page
// for an upside-down feed. The command line writes it for a slip check.
#pragma once

#include <string>

#include "base/file_io.h"
#include "tipping/slip_marks.h"

namespace zw {

// Size of the "x" in points (fits the smallest cell of every slip).
constexpr double kSlipMarkPoints = 9.0;

std::string slip_pdf(const SlipSheet& sheet);
Status write_slip_pdf(const fs::path& path, const SlipSheet& sheet);

}  // namespace zw
