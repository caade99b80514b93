// cards: the card indexes of the selected game, evaluated as the list window
// shows them, and their pool view; import-rows: the rows a row import takes.
#include "cardindex/balance.h"
#include "evaluation/evaluation_format.h"
#include "cardindex/card_list_format.h"
#include "cardindex/card_store.h"
#include "cardindex/comparison.h"
#include "cardindex/tip_transfer.h"
#include "cli.h"
#include "json.h"

namespace zw::cli {
namespace {

std::string plain(std::string message) {
    for (char& c : message)
        if (c == '|') c = ' ';
    return message;
}

// The card index the command works on: the session's, or --file NAME.
CardIndex& chosen_index(Context& ctx, std::vector<std::string>& rest) {
    Session& s = ctx.session;
    const bool sys = has_flag(ctx.options.args, "--sys");
    CardIndex& index = sys ? s.system_cards : s.normal_cards;
    const auto file = option_value(ctx.options.args, "--file");
    // Loaded again so that a refused default file reports its message.
    if (Status st = load_card_index(s.data_folder(), s.params.code, index, file.value_or("")); !st)
        throw UsageError(plain(st.message()));
    for (size_t i = 0; i < ctx.options.args.size(); ++i) {
        const std::string& a = ctx.options.args[i];
        if (a == "--sys") continue;
        if (a == "--file" || a == "--from" || a == "--to" || a == "--draw") {
            ++i;
            continue;
        }
        rest.push_back(a);
    }
    return index;
}

void write_digits(Json& j, const char* key, const std::optional<DigitCounts>& counts, int top) {
    if (!counts) return;
    j.key(key).begin_array();
    for (int k = 1; k <= top; ++k) j.value(static_cast<int>((*counts)[static_cast<size_t>(k)]));
    j.end_array();
}

void write_ticket(Json& j, const Session& s, CardKind kind, int number, const CardTicket& t,
                  const TicketEvaluation& ev) {
    j.begin_object().key("ticket").value(number).key("first").value(static_cast<int>(t.first_draw));
    j.key("date").value(ev.first_date).key("weeks").value(t.weeks()).key("days").value(static_cast<int>(t.draw_days));
    j.key("options").value(static_cast<int>(t.options)).key("lottery").value(static_cast<int>(t.lottery));
    j.key("protected").value(t.protected_card);
    if (kind == CardKind::Normal) {
        j.key("rows").begin_array();
        for (int r = 0; r < card_row_slots(s.params.code); ++r) {
            const CardRow& row = t.rows[static_cast<size_t>(r)];
            if (row[0] == 0) continue;
            j.begin_array();
            for (uint8_t v : row_numbers(row)) j.value(static_cast<int>(v));
            if (s.params.swiss) j.value(static_cast<int>(row[6]));
            j.end_array();
        }
        j.end_array();
    } else {
        j.key("fields").begin_array();
        for (const SystemField& f : t.fields) {
            if (!f.in_use) continue;
            j.begin_object().key("numbers").begin_array();
            for (uint8_t v : f.numbers) j.value(static_cast<int>(v));
            j.end_array().key("n").value(f.size).key("type").value(f.type).key("full").value(f.full);
            j.key("lucky").value(f.lucky).end_object();
        }
        j.end_array();
    }
    j.key("played").begin_array();
    for (int n : ev.played) j.value(n);
    j.end_array().key("classes").begin_array();
    for (int k = 1; k <= kClassCount; ++k) j.value(static_cast<int>(ev.counts.cls[static_cast<size_t>(k)]));
    j.end_array();
    if (s.params.austria) {
        j.key("plus").begin_array();
        for (int p = 1; p <= kPlusClassCount; ++p) j.value(static_cast<int>(ev.counts.plus[static_cast<size_t>(p)]));
        j.end_array();
    }
    write_digits(j, "spiel77", ev.side.spiel77, 7);
    write_digits(j, "super6", ev.side.super6, 6);
    write_digits(j, "joker", ev.side.joker, 6);
    if (!ev.problems.empty()) {
        j.key("problems").begin_array();
        for (const auto& p : ev.problems) j.value(p);
        j.end_array();
    }
    j.key("stake").value(static_cast<int64_t>(t.stake)).key("winnings").value(static_cast<int64_t>(t.winnings));
    j.key("total").value(ev.running_total).key("lax").raw(lax_text(ev.running_lax)).end_object();
}

int cards_list(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    const auto evs = evaluate_card_index(index, in);
    const std::string name = index.file().filename().string();
    if (ctx.options.json) {
        Json j;
        j.begin_object().key("file").value(name).key("members").value(static_cast<int>(index.members()));
        j.key("capital").value(static_cast<int64_t>(index.capital())).key("tickets").begin_array();
        for (int i = 0; i < index.count(); ++i)
            write_ticket(j, s, index.kind(), i + 1, index.at(i), evs[static_cast<size_t>(i)]);
        j.end_array().end_object();
        ctx.out << j.str() << "\n";
        return 0;
    }
    ctx.out << list_title(index.kind()) << "  (" << name << ")\n" << list_header(s.params.code, index.kind()) << "\n";
    for (int i = 0; i < index.count(); ++i)
        ctx.out << card_line(s.params.code, index.kind(), i + 1, index.at(i), evs[static_cast<size_t>(i)], false) << "\n";
    return 0;
}

int cards_pool(Context& ctx, CardIndex& index) {
    const auto from = option_value(ctx.options.args, "--from");
    const auto to = option_value(ctx.options.args, "--to");
    const int first = from ? parse_int(*from, "--from") : 1;
    const int last = to ? parse_int(*to, "--to") : index.count();
    const PoolFigures f = pool_figures(index, first, last);
    const std::string cur = ctx.session.params.currency;
    if (ctx.options.json) {
        Json j;
        j.begin_object().key("first").value(f.first).key("last").value(f.last).key("members").value(f.members);
        j.key("stake_total").value(f.stake_total).key("stake_share").value(f.stake_share);
        j.key("winnings_total").value(f.win_total).key("winnings_share").value(f.win_share);
        j.key("rest_capital").value(f.rest_capital).end_object();
        ctx.out << j.str() << "\n";
        return 0;
    }
    ctx.out << "TippGemeinschaft: Schein " << f.first << " bis " << f.last << ", " << f.members << " Mitglieder\n"
            << "Einsatz: gesamt: " << cents_text(f.stake_total) << " " << cur << "  anteilig: " << cents_text(f.stake_share) << " " << cur << "\n"
            << "Gewinn:  gesamt: " << cents_text(f.win_total) << " " << cur << "  anteilig: " << cents_text(f.win_share) << " " << cur << "\n"
            << "Rest-Kapital: " << cents_text(f.rest_capital) << " " << cur << "\n";
    return 0;
}

void write_counts(Json& j, const char* key, const auto& counts, int last) {
    j.key(key).begin_array();
    for (int k = 1; k <= last; ++k) j.value(static_cast<int64_t>(counts[static_cast<size_t>(k)]));
    j.end_array();
}

int cards_compare(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const auto draw = option_value(ctx.options.args, "--draw");
    if (!draw) throw UsageError("cards compare braucht --draw N.");
    const int n = parse_int(*draw, "--draw");
    const int last = last_evaluable_draw(s.archive);
    if (n < 1 || n > last)
        throw UsageError("Ziehung " + *draw + " gibt es nicht (1 bis " + std::to_string(last) + ").");
    if (index.empty())
        throw UsageError(plain(empty_index_message(index.kind())));
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    const Comparison c = compare_with_draw(index, n, in);
    if (!ctx.options.json) {
        for (const std::string& line : comparison_lines(c, s.params.code, index.kind(), s.params.currency))
            ctx.out << line << "\n";
        return 0;
    }
    Json j;
    j.begin_object().key("draw").value(c.draw).key("date").value(c.date).key("tickets").value(c.tickets);
    j.key("stake").value(c.stake);
    write_counts(j, "classes", c.classes, kClassCount);
    if (s.params.austria) write_counts(j, "plus", c.plus, kPlusClassCount);
    j.key("winnings").value(c.winnings).key("side_winnings").value(c.side_winnings).key("winners").begin_array();
    for (const ComparedTicket& t : c.winners) {
        j.begin_object().key("ticket").value(t.ticket);
        write_counts(j, "classes", t.counts.cls, kClassCount);
        if (s.params.austria) write_counts(j, "plus", t.counts.plus, kPlusClassCount);
        j.key("stake").value(t.stake).key("winnings").value(t.winnings).key("spiel77").value(t.spiel77);
        j.key("super6").value(t.super6).key("joker").value(t.joker).end_object();
    }
    j.end_array().end_object();
    ctx.out << j.str() << "\n";
    return 0;
}

}  // namespace

int cmd_cards(Context& ctx) {
    std::vector<std::string> rest;
    CardIndex& index = chosen_index(ctx, rest);
    if (rest.size() != 1) throw UsageError("cards braucht list, pool oder compare.");
    if (rest[0] == "list") return cards_list(ctx, index);
    if (rest[0] == "pool") return cards_pool(ctx, index);
    if (rest[0] == "compare") return cards_compare(ctx, index);
    throw UsageError("Unbekannte Angabe \"" + rest[0] + "\" für cards.");
}

int cmd_import_rows(Context& ctx) {
    if (ctx.options.args.size() != 1) throw UsageError("import-rows braucht eine Datei.");
    const auto result = import_rows_file(ctx.options.args[0], ctx.session.params.code);
    if (!result) throw UsageError("Die Datei " + ctx.options.args[0] + " kann nicht gelesen werden.");
    if (ctx.options.json) {
        Json j;
        j.begin_object().key("rows").begin_array();
        for (const CardRow& row : result->rows) {
            j.begin_array();
            for (int i = 0; i < 6; ++i) j.value(static_cast<int>(row[static_cast<size_t>(i)]));
            j.end_array();
        }
        j.end_array().key("lines").value(result->lines).key("skipped").value(result->skipped).end_object();
        ctx.out << j.str() << "\n";
        return 0;
    }
    for (const CardRow& row : result->rows) {
        for (int i = 0; i < 6; ++i) ctx.out << (i ? " " : "") << static_cast<int>(row[static_cast<size_t>(i)]);
        ctx.out << "\n";
    }
    ctx.out << plain(import_message(*result)) << "\n";
    return 0;
}

}  // namespace zw::cli
