// The public draw archives the update reads: plain CSV files with one row per
// draw date (date,n1..n6 and a Superzahl or Zusatzzahl column). Also the
// CSV record reader shared with the CSV import (quoted fields, BOM, CRLF).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"

namespace zw {

// One record of a CSV text: its 1-based line number and its fields, with
// quotes removed ("a ""b""" reads a "b"; a separator or line break inside
// quotes belongs to the field).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text (a leading byte-order mark skipped, CRLF or LF) into
// records. Blank lines are left out. False with the line number in `bad_line`
// when a quoted field is not closed before the end of the text.
bool split_csv_records(std::string_view text, char separator, std::vector<CsvRecord>& out,
                       int& bad_line);

// yyyy-mm-dd, dd.mm.yyyy or dd-mm-yyyy (blanks around ignored): the yyyymmdd
// key of a real calendar day from 1900 on, else 0.
int32_t csv_date_key(std::string_view text);

enum class SourceKind {
    kGermanLotto,   // Lotto 6 aus 49: date,n1..n6,superzahl
    kAustrianLotto  // Lotto 6 aus 45: date,n1..n6,zusatzzahl
};

// One row of a source file.
struct SourceRow {
    int line = 0;
    int32_t key = 0;                   // yyyymmdd
    std::array<uint8_t, 6> numbers{};  // ascending
    int extra = -1;                    // Superzahl 0..9 or Zusatzzahl 1..45; -1 = none given
};

// Reads a whole source file. The header must name date and n1..n6 (the extra
// column is optional); every row must be complete and valid, dates may not
// repeat: otherwise the file is refused as a whole, naming the line, so a
// broken or cut-off download changes nothing. Rows come back in date order.
Status parse_source_csv(std::string_view text, SourceKind kind, std::vector<SourceRow>& out);

}  // namespace zw
