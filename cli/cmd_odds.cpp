// odds: the chance per draw of every win class of one row or system, its
// quota, and the expected payout per draw against the stake.
#include <cstdio>

#include "base/decimal.h"
#include "cli.h"
#include "json.h"
#include "stats/chance_tests.h"
#include "ticket_args.h"
#include "tipping/expected_return.h"

namespace zw::cli {

int cmd_odds(Context& ctx) {
    EvaluationTicket ticket = parse_ticket(ctx, "odds");
    if (ticket.rows.size() + ticket.systems.size() != 1)
        throw UsageError("odds rechnet genau eine Reihe oder ein System.");
    Session& s = ctx.session;
    const GameParams& p = s.params;
    // Every German ticket carries a lottery number; which digit it ends in
    // does not change the chances.
    if (p.german_lotto && ticket.super_number < 0) ticket.super_number = 0;
    // Likewise every Swiss row and system carries a Glückszahl.
    if (p.swiss)
        for (auto* lines : {&ticket.rows, &ticket.systems})
            for (TicketLine& l : *lines)
                if (l.lucky == 0) l.lucky = 1;
    if (Status st = validate_ticket(ticket, p, s.partial_systems); !st) throw UsageError(st.message());
    const auto ret = expected_return(p, s.money, s.partial_systems, ticket);
    if (!ret) throw UsageError("Der Tipp lässt sich nicht bewerten.");
    const LineReturn& line = ret->lines.front();
    const auto names = class_names(p.code);
    const bool plus = ticket.lotto_plus && p.austria;

    struct ClassRow {
        int number;
        std::string name;
        double probability;
        int64_t quota;
    };
    std::vector<ClassRow> classes;
    for (int c = 1; c <= kClassCount; ++c)
        if (!names[static_cast<size_t>(c)].empty())
            classes.push_back({c, std::string(names[static_cast<size_t>(c)]), line.odds.cls[static_cast<size_t>(c)],
                               line.quota[static_cast<size_t>(c)]});
    if (plus)
        for (int k = 1; k <= kPlusClassCount; ++k)
            classes.push_back({kClassCount + k, std::string("P").append(std::to_string(7 - k)), line.odds.plus[static_cast<size_t>(k)],
                               line.plus_quota[static_cast<size_t>(k)]});

    if (ctx.options.json) {
        Json rows = Json::array();
        for (const ClassRow& c : classes)
            rows.push_back({{"class", c.number},
                            {"name", c.name},
                            {"probability", number(c.probability)},
                            {"expected_rows", number(c.probability * static_cast<double>(line.rows))},
                            {"quota", c.quota}});
        print(ctx.out, {{"rows", line.rows},
                        {"classes", rows},
                        {"no_win", number(line.odds.cls[0])},
                        // Hundredths per draw, like the stake.
                        {"expected", number(ret->expected * 10.0)},
                        {"stake", ret->stake}});
        return 0;
    }
    ctx.out << "Chancen je Ziehung und Reihe (" << line.rows << (line.rows == 1 ? " Reihe" : " Reihen")
            << " gespielt)\n"
            << "Klasse  Wahrscheinlichkeit   1 zu           Quote\n";
    for (const ClassRow& c : classes) {
        char buf[128];
        const std::string one_in = c.probability > 0 ? decimal_text(1.0 / c.probability, 1) : "-";
        std::snprintf(buf, sizeof buf, "%-6s  %18s  %12s  %14s %s\n", c.name.c_str(),
                      decimal_text(c.probability, 12).c_str(), one_in.c_str(),
                      decimal_text(static_cast<double>(c.quota) / 10.0, 2).c_str(), p.currency.c_str());
        ctx.out << buf;
    }
    ctx.out << expected_return_text(*ret, p.currency) << "\n";
    return 0;
}

}  // namespace zw::cli
