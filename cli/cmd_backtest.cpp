// backtest: the best or worst list of all rows from the chosen numbers over
// the draw range, with the final evaluation; --export writes the list's text file.
#include "cli.h"
#include "evaluation/backtest_list.h"
#include "json.h"

namespace zw::cli {
namespace {

void write_json(Context& ctx, const BacktestList& list, int64_t rows) {
    Json j;
    j.begin_object()
        .key("kind").value(list.kind == ListKind::Best ? "best" : "worst")
        .key("numbers").begin_array();
    for (int v : list.numbers.numbers) j.value(v);
    j.end_array()
        .key("bankers").value(list.numbers.bankers)
        .key("rows").value(rows)
        .key("range").begin_array().value(list.first).value(list.last).end_array()
        .key("entries").begin_array();
    for (size_t i = 0; i < list.entries.size(); ++i) {
        const ListEntry& e = list.entries[i];
        j.begin_object().key("place").value(static_cast<int>(i + 1)).key("numbers").begin_array();
        for (uint8_t v : e.numbers) j.value(static_cast<int>(v));
        char lax[32];
        std::snprintf(lax, sizeof lax, "%.3f", list_value(e.score, list.odds, list.draws));
        j.end_array().key("score").value(e.score).key("lax").raw(lax).key("classes").begin_array();
        for (int k = 1; k <= kClassCount; ++k) j.value(list.counts[i].cls[static_cast<size_t>(k)]);
        j.end_array().key("winnings").value(list.winnings[i]).end_object();
    }
    j.end_array().end_object();
    ctx.out << j.str() << "\n";
}

}  // namespace

int cmd_backtest(Context& ctx) {
    const auto& args = ctx.options.args;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--tips" || a == "--bankers" || a == "--export") {
            if (i + 1 >= args.size()) throw UsageError("Zu " + a + " fehlt der Wert.");
            ++i;
        } else if (a != "--worst") {
            throw UsageError("Unbekannte Angabe \"" + a + "\" für backtest.");
        }
    }
    const auto tips_text = option_value(args, "--tips");
    if (!tips_text) throw UsageError("backtest braucht --tips \"ZAHLEN\".");
    const std::vector<int> tips = parse_numbers(*tips_text, "--tips");
    const auto bankers_text = option_value(args, "--bankers");
    const std::vector<int> bankers = bankers_text ? parse_numbers(*bankers_text, "--bankers") : std::vector<int>{};
    Session& s = ctx.session;
    NumberList numbers;
    if (Status st = make_number_list(bankers, tips, s.params.highest_number, numbers); !st) throw UsageError(st.message());
    if (numbers.size() < 6) throw UsageError("Bitte insgesamt mehr als 5 Zahlen auswählen.");

    const ListKind kind = has_flag(args, "--worst") ? ListKind::Worst : ListKind::Best;
    const EvaluationInputs in{s.params, s.archive, effective_range(ctx), s.money, s.partial_systems};
    const auto draws = eval_draws(in.archive, in.params, in.range.first, in.range.last);
    const SearchResult result = backtest_search(numbers, draws, rule_set_for(s.params.code));
    BacktestList list = make_list(kind, numbers, result.list(kind).entries(), in);
    evaluate_list(list, in);

    if (const auto file = option_value(args, "--export")) {
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
