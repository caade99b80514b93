// cards: the card indexes of the selected game, evaluated as the list window
// shows them, and their pool view; import-rows: the rows a row import takes.
#include "cardindex/balance.h"
#include "evaluation/evaluation_format.h"
#include "cardindex/card_list_format.h"
#include "cardindex/card_refresh.h"
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
CardIndex& chosen_index(Context& ctx) {
    Session& s = ctx.session;
    CardIndex& index = ctx.args.flag("--sys") ? s.system_cards : s.normal_cards;
    const auto file = ctx.args.text("--file");
    // Loaded again so that a refused default file reports its message.
    if (Status st = load_card_index(s.data_folder(), s.params.code, index, file.value_or("")); !st)
        throw UsageError(plain(st.message()));
    return index;
}

void add_digits(Json& j, const char* key, const std::optional<DigitCounts>& counts, int top) {
    if (counts) j[key] = from_one(*counts, top);
}

Json ticket_json(const Session& s, CardKind kind, int number, const CardTicket& t, const TicketEvaluation& ev) {
    Json j = {{"ticket", number},        {"first", t.first_draw},     {"date", ev.first_date},
              {"weeks", t.weeks()},      {"days", t.draw_days},       {"options", t.options},
              {"lottery", t.lottery},    {"protected", t.protected_card}};
    if (kind == CardKind::Normal) {
        Json rows = Json::array();
        for (int r = 0; r < card_row_slots(s.params.code); ++r) {
            const CardRow& row = t.rows[static_cast<size_t>(r)];
            if (row[0] == 0) continue;
            Json numbers = row_numbers(row);
            if (s.params.swiss) numbers.push_back(row[6]);
            rows.push_back(numbers);
        }
        j["rows"] = rows;
    } else {
        Json fields = Json::array();
        for (const SystemField& f : t.fields)
            if (f.in_use)
                fields.push_back({{"numbers", f.numbers}, {"n", f.size}, {"type", f.type}, {"full", f.full},
                                  {"lucky", f.lucky}});
        j["fields"] = fields;
    }
    j["played"] = ev.played;
    j["classes"] = from_one(ev.counts.cls, kClassCount);
    if (s.params.austria) j["plus"] = from_one(ev.counts.plus, kPlusClassCount);
    add_digits(j, "spiel77", ev.side.spiel77, 7);
    add_digits(j, "super6", ev.side.super6, 6);
    add_digits(j, "joker", ev.side.joker, 6);
    if (!ev.problems.empty()) j["problems"] = ev.problems;
    j["stake"] = t.stake;
    j["winnings"] = t.winnings;
    j["total"] = ev.running_total;
    j["lax"] = decimal(lax_text(ev.running_lax));
    return j;
}

int cards_list(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    const auto evs = evaluate_card_index(index, in);
    const std::string name = index.file().filename().string();
    const std::string sort_name = ctx.args.text("--sort").value_or("number");
    const std::optional<CardSort> sort = card_sort_named(sort_name);
    if (!sort) throw UsageError("--sort nimmt number, first, stake, winnings oder total, nicht \"" + sort_name + "\".");
    const std::vector<int> order = card_order(index, evs, *sort, ctx.args.number("--draw"));
    if (ctx.options.json) {
        Json tickets = Json::array();
        for (int i : order)
            tickets.push_back(ticket_json(s, index.kind(), i + 1, index.at(i), evs[static_cast<size_t>(i)]));
        print(ctx.out, {{"file", name}, {"members", index.members()}, {"capital", index.capital()},
                        {"tickets", tickets}});
        return 0;
    }
    ctx.out << list_title(index.kind()) << "  (" << name << ")\n" << list_header(s.params.code, index.kind()) << "\n";
    for (int i : order)
        ctx.out << card_line(s.params.code, index.kind(), i + 1, index.at(i), evs[static_cast<size_t>(i)], false) << "\n";
    return 0;
}

int cards_pool(Context& ctx, CardIndex& index) {
    const int first = ctx.args.number("--from").value_or(1);
    const int last = ctx.args.number("--to").value_or(index.count());
    const PoolFigures f = pool_figures(index, first, last);
    const std::string cur = ctx.session.params.currency;
    if (ctx.options.json) {
        print(ctx.out, {{"first", f.first}, {"last", f.last}, {"members", f.members},
                        {"stake_total", f.stake_total}, {"stake_share", f.stake_share},
                        {"winnings_total", f.win_total}, {"winnings_share", f.win_share},
                        {"rest_capital", f.rest_capital}});
        return 0;
    }
    ctx.out << "TippGemeinschaft: Schein " << f.first << " bis " << f.last << ", " << f.members << " Mitglieder\n"
            << "Einsatz: gesamt: " << cents_text(f.stake_total) << " " << cur << "  anteilig: " << cents_text(f.stake_share) << " " << cur << "\n"
            << "Gewinn:  gesamt: " << cents_text(f.win_total) << " " << cur << "  anteilig: " << cents_text(f.win_share) << " " << cur << "\n"
            << "Rest-Kapital: " << cents_text(f.rest_capital) << " " << cur << "\n";
    return 0;
}

int cards_compare(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const auto draw = ctx.args.text("--draw");
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
    Json j = {{"draw", c.draw}, {"date", c.date}, {"tickets", c.tickets}, {"stake", c.stake},
              {"classes", from_one(c.classes, kClassCount)}};
    if (s.params.austria) j["plus"] = from_one(c.plus, kPlusClassCount);
    j["winnings"] = c.winnings;
    j["side_winnings"] = c.side_winnings;
    Json winners = Json::array();
    for (const ComparedTicket& t : c.winners) {
        Json w = {{"ticket", t.ticket}, {"classes", from_one(t.counts.cls, kClassCount)}};
        if (s.params.austria) w["plus"] = from_one(t.counts.plus, kPlusClassCount);
        w.update({{"stake", t.stake}, {"winnings", t.winnings}, {"spiel77", t.spiel77}, {"super6", t.super6},
                  {"joker", t.joker}});
        winners.push_back(w);
    }
    j["winners"] = winners;
    print(ctx.out, j);
    return 0;
}

// Removes one ticket (the later ones move up a place) and saves the index
// back to its file; a protected ticket stays.
int cards_delete(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const auto ticket = ctx.args.number("--ticket");
    if (!ticket) throw UsageError("cards delete braucht --ticket N.");
    if (index.empty()) throw UsageError(plain(empty_index_message(index.kind())));
    if (*ticket < 1 || *ticket > index.count())
        throw UsageError("Schein " + std::to_string(*ticket) + " gibt es nicht (1 bis " +
                         std::to_string(index.count()) + ").");
    if (index.remove(*ticket - 1) == StoreOutcome::Protected) throw UsageError(plain(kCardProtected));
    if (Status st = save_card_index(s.data_folder(), s.params.code, index); !st)
        throw UsageError(plain(st.message()));
    const std::string name = index.file().filename().string();
    if (ctx.options.json) {
        print(ctx.out, {{"file", name}, {"deleted", *ticket}, {"tickets", index.count()}});
        return 0;
    }
    ctx.out << "Schein " << *ticket << " gelöscht; " << name << " hat noch " << index.count() << " Scheine.\n";
    return 0;
}

// Evaluates again the tickets that played draws after their last evaluation
// (or after --since N), saves the changed winnings and reports the new wins.
int cards_refresh(Context& ctx, CardIndex& index) {
    Session& s = ctx.session;
    const EvaluationInputs in{s.params, s.archive, s.range, s.money, s.partial_systems};
    const CardRefresh r = refresh_card_index(index, in, ctx.args.number("--since"));
    if (!r.updated.empty())
        if (Status st = save_card_index(s.data_folder(), s.params.code, index); !st)
            throw UsageError(plain(st.message()));
    if (ctx.options.json) {
        Json wins = Json::array();
        for (const NewWin& w : r.wins) {
            Json j = {{"ticket", w.ticket}, {"draw", w.draw}, {"date", w.date},
                      {"classes", from_one(w.counts.cls, kClassCount)}};
            if (s.params.austria) j["plus"] = from_one(w.counts.plus, kPlusClassCount);
            j.update({{"winnings", w.winnings * 10}, {"protected", w.kept}, {"text", win_text(w, s.params.code)}});
            wins.push_back(j);
        }
        print(ctx.out, {{"file", index.file().filename().string()}, {"updated", r.updated}, {"wins", wins}});
        return 0;
    }
    for (const NewWin& w : r.wins) ctx.out << new_win_message(w, s.params.code) << "\n";
    ctx.out << r.updated.size() << (r.updated.size() == 1 ? " Schein" : " Scheine") << " neu bewertet.\n";
    return 0;
}

}  // namespace

int cmd_cards(Context& ctx) {
    CardIndex& index = chosen_index(ctx);
    const std::vector<std::string> rest = ctx.args.words();
    if (rest.size() != 1) throw UsageError("cards braucht list, pool, compare, delete oder refresh.");
    if (rest[0] == "list") return cards_list(ctx, index);
    if (rest[0] == "pool") return cards_pool(ctx, index);
    if (rest[0] == "compare") return cards_compare(ctx, index);
    if (rest[0] == "delete") return cards_delete(ctx, index);
    if (rest[0] == "refresh") return cards_refresh(ctx, index);
    throw UsageError("Unbekannte Angabe \"" + rest[0] + "\" für cards.");
}

int cmd_import_rows(Context& ctx) {
    const auto words = ctx.args.words();
    if (words.size() != 1) throw UsageError("import-rows braucht eine Datei.");
    const auto result = import_rows_file(words[0], ctx.session.params.code);
    if (!result) throw UsageError("Die Datei " + words[0] + " kann nicht gelesen werden.");
    if (ctx.options.json) {
        Json rows = Json::array();
        for (const CardRow& row : result->rows) rows.push_back(std::vector<int>(row.begin(), row.begin() + 6));
        print(ctx.out, {{"rows", rows}, {"lines", result->lines}, {"skipped", result->skipped}});
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
