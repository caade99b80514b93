// backtest: the best or worst list of all rows from the chosen numbers over
// the draw range, with the final evaluation; --export writes the list's text file.
#include "base/decimal.h"
#include "cli.h"
#include "evaluation/backtest_list.h"
#include "json.h"

namespace zw::cli {
namespace {

void write_json(Context& ctx, const BacktestList& list, int64_t rows) {
    Json entries = Json::array();
    for (size_t i = 0; i < list.entries.size(); ++i) {
        const ListEntry& e = list.entries[i];
        const std::string lax = decimal_text(list_value(e.score, list.odds, list.draws), 3);
        entries.push_back({{"place", i + 1},
                           {"numbers", e.numbers},
                           {"score", e.score},
                           {"lax", decimal(lax)},
                           {"classes", from_one(list.counts[i].cls, kClassCount)},
                           {"winnings", list.winnings[i]}});
    }
    print(ctx.out, {{"kind", list.kind == ListKind::Best ? "best" : "worst"},
                    {"numbers", list.numbers.numbers},
                    {"bankers", list.numbers.bankers},
                    {"rows", rows},
                    {"range", {list.first, list.last}},
                    {"entries", entries}});
}

}  // namespace

int cmd_backtest(Context& ctx) {
    const Args& args = ctx.args;
    const auto tips_text = args.text("--tips");
    if (!tips_text) throw UsageError("backtest braucht --tips \"ZAHLEN\".");
    const std::vector<int> tips = parse_numbers(*tips_text, "--tips");
    const auto bankers_text = args.text("--bankers");
    const std::vector<int> bankers = bankers_text ? parse_numbers(*bankers_text, "--bankers") : std::vector<int>{};
    Session& s = ctx.session;
    NumberList numbers;
    if (Status st = make_number_list(bankers, tips, s.params.highest_number, numbers); !st) throw UsageError(st.message());
    if (numbers.size() < 6) throw UsageError("Bitte insgesamt mehr als 5 Zahlen auswählen.");

    const ListKind kind = args.flag("--worst") ? ListKind::Worst : ListKind::Best;
    const EvaluationInputs in{s.params, s.archive, effective_range(ctx), s.money, s.partial_systems};
    const auto draws = eval_draws(in.archive, in.params, in.range.first, in.range.last);
    const SearchResult result = backtest_search(numbers, draws, rule_set_for(s.params.code));
    BacktestList list = make_list(kind, numbers, result.list(kind).entries(), in);
    evaluate_list(list, in);

    if (const auto file = args.text("--export")) {
        if (file->empty()) throw UsageError("--export braucht einen Dateinamen.");
        if (Status st = write_file_atomic(fs::path(*file), export_list_text(list)); !st)
            throw UsageError("Die Datei " + *file + " kann nicht geschrieben werden.");
    }
    if (ctx.options.json) {
        write_json(ctx, list, result.total_rows);
        return 0;
    }
    ctx.out << list_title(list) << "\n";
    for (const std::string& line : number_list_lines(list.numbers)) ctx.out << line << "\n";
    ctx.out << list_column_header(list) << "\n";
    for (const std::string& line : list_lines(list)) ctx.out << line << "\n";
    ctx.out << "Reihen: " << result.total_rows << "\n";
    return 0;
}

}  // namespace zw::cli
