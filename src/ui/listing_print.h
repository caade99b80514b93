// Printed lists (balance, prize distribution, review): a title, a column
// header and a rule at the top of every page, then one line after the other.
#pragma once

#include <QFont>
#include <QStringList>

class QPrinter;

namespace zw {

// Prints `lines` under `title` and `header`; `closing` follows after a blank
// line (totals). False when the printer fails.
bool print_listing(QPrinter& printer, const QFont& font, const QString& title, const QString& header,
                   const QStringList& lines, const QStringList& closing = {});

}  // namespace zw
