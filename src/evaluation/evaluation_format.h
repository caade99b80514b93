// The texts of the evaluation: table headers per game for rows and systems,
// result lines aligned under the headers, totals, the review lines of the win
// list and the side-game tables. Shared by the dialog, the printout and the
// command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "evaluation/evaluation.h"

namespace zw {

// Column header of the result table.
std::string_view table_header(RuleSet rules, bool systems);
// Column header of the review area and the "Gewinn-Rückblick" printout.
std::string_view review_header(RuleSet rules, bool systems);

// Money in whole units with two decimals: tenths (quotas, winnings) and cents (stakes).
std::string tenths_text(int64_t tenths);
std::string cents_text(int64_t cents);
std::string index_text(double value);  // luck index, two decimals

// Class label of a review line ("6S ", "5+", "P3 "...); class 10..13 = LottoPlus P6..P3.
std::string_view review_class_label(RuleSet rules, int win_class);

// One line of the result table for a row or system field.
std::string result_line(const LineResult& r, RuleSet rules, int super_number,
                        std::string_view currency);
// The lines below the table: total winnings with mean luck index, and the total stake.
std::vector<std::string> total_lines(const EvaluationReport& report, bool systems,
                                     std::string_view currency);

// One line per win-list entry (rows: date, class, row and hits; systems: the
// field's class counts in that draw).
std::vector<std::string> review_lines(const EvaluationReport& report, const EvaluationTicket& ticket,
                                      const EvaluationInputs& in);

enum class SideGame { Spiel77, Super6, Joker };
// Window title: "Auswertung: Spiel 77", "Auswertung: Super 6", "Auswertung: JOKER".
std::string side_game_title(SideGame game);
// Lines of a side-game window: the ticket's number, the headings and one line
// per number of final digits (top class first).
std::vector<std::string> side_game_lines(SideGame game, const DigitCounts& counts,
                                         const SideGameTicket& ticket, bool swiss);

// Places values right-aligned under the tokens of a header line.
class AlignedLine {
public:
    explicit AlignedLine(std::string_view header);
    // The value ends where the next header token equal to `token` ends.
    AlignedLine& under(std::string_view token, std::string_view value);
    // The value starts at column `column` (never overlapping earlier text).
    AlignedLine& at(size_t column, std::string_view value);
    const std::string& text() const { return text_; }

private:
    void place(size_t start, std::string_view value);
    struct Token {
        size_t start;
        std::string_view text;
    };
    std::vector<Token> tokens_;
    size_t next_ = 0;
    std::string text_;
};

}  // namespace zw

namespace zw {

// The line above the result table's header: "S" or "G" over the column of the
// ticket's super or lucky number, "LottoPlus" over the LottoPlus columns.
std::string table_caption(RuleSet rules, bool systems);

}  // namespace zw
