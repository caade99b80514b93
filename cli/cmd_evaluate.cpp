// evaluate: win classes, stakes, estimated winnings and luck indices of rows
// and systems over the draw range, plus the side games.
#include "cli.h"
#include "ticket_args.h"
#include "evaluation/evaluation.h"
#include "evaluation/evaluation_format.h"
#include "json.h"

namespace zw::cli {
namespace {

std::vector<uint8_t> as_bytes(const std::vector<int>& numbers, int highest, const char* what) {
    std::vector<uint8_t> out;
    for (int n : numbers) {
        if (n < 1 || n > highest)
            throw UsageError(std::string(what) + ": Die Zahl " + std::to_string(n) +
                             " liegt nicht zwischen 1 und " + std::to_string(highest) + ".");
        out.push_back(static_cast<uint8_t>(n));
    }
    return out;
}

}  // namespace

EvaluationTicket parse_ticket(const Context& ctx, const std::string& command) {
    const GameParams& params = ctx.session.params;
    EvaluationTicket t;
    std::optional<int64_t> los;
    std::optional<int> lucky;
    std::vector<int32_t> jokers;
    bool lotto_plus = false, spiel77 = false, super6 = false, jokers_given = false;
    bool system_open = false;  // the last --system still waits for --full/--partial
    // In the order given: --full and --partial belong to the --system before them.
    for (const auto& [a, value] : ctx.args.in_order()) {
        if (a == "--row") {
            const auto v = parse_numbers(value, "--row");
            const size_t expected = params.swiss ? 7 : 6;
            if (v.size() != 6 && v.size() != expected)
                throw UsageError(params.swiss ? "--row braucht 6 Zahlen und die Glückszahl."
                                              : "--row braucht genau 6 Zahlen.");
            TicketLine row;
            row.number = static_cast<int>(t.rows.size()) + 1;
            row.numbers = as_bytes({v.begin(), v.begin() + 6}, params.highest_number, "--row");
            if (v.size() == 7) row.lucky = v[6];
            t.rows.push_back(std::move(row));
        } else if (a == "--system") {
            if (system_open) throw UsageError("Zu --system fehlt --full oder --partial NR.");
            TicketLine field;
            field.number = static_cast<int>(t.systems.size()) + 1;
            field.kind = LineKind::FullSystem;
            field.numbers = as_bytes(parse_numbers(value, "--system"), params.highest_number, "--system");
            t.systems.push_back(std::move(field));
            system_open = true;
        } else if (a == "--full" || a == "--partial") {
            if (!system_open) throw UsageError(a + " gehört hinter ein --system.");
            TicketLine& field = t.systems.back();
            if (a == "--partial") {
                field.kind = LineKind::PartialSystem;
                field.partial_index = parse_int(value, "--partial");
                if (field.partial_index >= 0 && field.partial_index < kPartialSystemCount)
                    field.label = std::string(kPartialSystems[static_cast<size_t>(field.partial_index)].name);
            }
            system_open = false;
        } else if (a == "--los") {
            const int v = parse_int(value, "--los");
            if (v < 0 || value.size() > 7) throw UsageError("--los: höchstens 7 Ziffern.");
            los = v;
        } else if (a == "--lucky") {
            lucky = parse_int(value, "--lucky");
        } else if (a == "--lottoplus") {
            lotto_plus = true;
        } else if (a == "--spiel77") {
            spiel77 = true;
        } else if (a == "--super6") {
            super6 = true;
        } else if (a == "--jokers") {
            jokers_given = true;
            for (int j : parse_numbers(value, "--jokers")) {
                if (j < 0 || j > 999999) throw UsageError("--jokers: Joker-Nummern haben höchstens 6 Ziffern.");
                jokers.push_back(j);
            }
        }
    }
    if (system_open) throw UsageError("Zu --system fehlt --full oder --partial NR.");
    if (t.rows.empty() && t.systems.empty())
        throw UsageError(command + " braucht --row oder --system.");

    if (lucky) {
        if (!params.swiss) throw UsageError("--lucky gilt nur für Swiss Lotto.");
        for (TicketLine& f : t.systems) f.lucky = *lucky;
    }
    if (lotto_plus && !params.austria) throw UsageError("--lottoplus gilt nur für Österreich.");
    t.lotto_plus = lotto_plus;
    if ((spiel77 || super6) && !is_german_game(params.code))
        throw UsageError("Spiel 77 und Super 6 gibt es nur bei Lotto 6 aus 49 und der Auswahlwette.");
    if ((spiel77 || super6) && !los) throw UsageError("Spiel 77 und Super 6 brauchen --los.");
    if (jokers_given) {
        if (params.austria) {
            if (jokers.size() > 10) throw UsageError("--jokers: höchstens 10 Joker-Nummern.");
            t.side.jokers = jokers;
        } else if (params.swiss) {
            if (jokers.size() != 1) throw UsageError("--jokers: Swiss Lotto spielt eine Joker-Nummer.");
            t.side.joker = true;
            t.side.lottery_number = jokers.front();
        } else {
            throw UsageError("--jokers gilt nur für Österreich und Swiss Lotto.");
        }
    }
    if (los && is_german_game(params.code)) {
        t.side.lottery_number = *los;
        t.side.spiel77 = spiel77;
        t.side.super6 = super6;
        if (params.german_lotto) t.super_number = super_number_of(*los);
    }
    return t;
}

namespace {

Json line_json(const LineResult& r, bool swiss) {
    Json numbers = r.line.numbers;
    if (swiss && !r.line.is_system() && r.line.lucky) numbers.push_back(r.line.lucky);
    Json j = {{"numbers", numbers}};
    if (r.line.is_system()) j["rows"] = r.system_rows;
    Json wins = Json::array();
    for (const LineWin& w : r.wins) wins.push_back({w.draw, w.win_class});
    j.update({{"classes", from_one(r.counts.cls, kClassCount)},
              {"plus", from_one(r.counts.plus, kPlusClassCount)},
              {"stake", r.stake},
              {"winnings", r.winnings},
              {"lax", number(r.lax)},
              {"pax", number(r.pax)},
              {"wins", wins}});
    return j;
}

Json lines_json(const std::vector<LineResult>& lines, bool swiss) {
    Json a = Json::array();
    for (const LineResult& r : lines) a.push_back(line_json(r, swiss));
    return a;
}

Json counts_json(const std::optional<DigitCounts>& counts, int top) {
    return counts ? from_one(*counts, top) : Json(nullptr);
}

void write_text(Context& ctx, const EvaluationReport& report, const EvaluationTicket& ticket,
                const EvaluationInputs& in) {
    const std::string& currency = ctx.session.params.currency;
    auto section = [&](const std::vector<LineResult>& lines, bool systems) {
        if (lines.empty()) return;
        ctx.out << table_header(report.rules, systems) << "\n";
        for (const LineResult& r : lines)
            ctx.out << result_line(r, report.rules, ticket.super_number, currency) << "\n";
        ctx.out << "\n";
    };
    ctx.out << "Ziehungen " << in.range.first << ".." << in.range.last << " (" << report.draws << ")\n\n";
    section(report.rows, false);
    section(report.systems, true);
    for (const std::string& l : total_lines(report, report.rows.empty(), currency)) ctx.out << l << "\n";
    auto side = [&](SideGame game, const std::optional<DigitCounts>& counts) {
        if (!counts) return;
        ctx.out << "\n" << side_game_title(game) << "\n";
        for (const std::string& l : side_game_lines(game, *counts, ticket.side, ctx.session.params.swiss))
            ctx.out << l << "\n";
    };
    side(SideGame::Spiel77, report.side.spiel77);
    side(SideGame::Super6, report.side.super6);
    side(SideGame::Joker, report.side.joker);
}

}  // namespace

int cmd_evaluate(Context& ctx) {
    const EvaluationTicket ticket = parse_ticket(ctx, "evaluate");
    Session& s = ctx.session;
    if (Status st = validate_ticket(ticket, s.params, s.partial_systems); !st) throw UsageError(st.message());
    const EvaluationInputs in{s.params, s.archive, effective_range(ctx), s.money, s.partial_systems};
    const EvaluationReport report = evaluate_ticket(ticket, in);
    if (!ctx.options.json) {
        write_text(ctx, report, ticket, in);
        return 0;
    }
    print(ctx.out, {{"rows", lines_json(report.rows, s.params.swiss)},
                    {"systems", lines_json(report.systems, s.params.swiss)},
                    {"side", {{"spiel77", counts_json(report.side.spiel77, 7)},
                              {"super6", counts_json(report.side.super6, 6)},
                              {"joker", counts_json(report.side.joker, 6)}}},
                    {"total_stake", report.total_stake},
                    {"total_winnings", report.total_winnings},
                    {"mean_lax", number(report.mean_lax())},
                    {"mean_pax", number(report.mean_pax())}});
    return 0;
}

}  // namespace zw::cli
