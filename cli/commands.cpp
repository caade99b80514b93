// The command table and the archive commands (info, date, draws).
#include <cstdio>

#include "archive/calendar.h"
#include "cli.h"
#include "json.h"

namespace zw::cli {
namespace {

std::string padded(int64_t v, int digits) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", digits, static_cast<long long>(v));
    return buf;
}

int cmd_info(Context& ctx) {
    const Session& s = ctx.session;
    const int newest = s.archive.newest();
    const DrawDate date = draw_date(s.params.code, std::max(newest, 1));
    if (ctx.options.json) {
        Json j;
        j.begin_object()
            .key("game").value(static_cast<int>(s.params.code))
            .key("name").value(s.params.info().name)
            .key("draws").value(s.archive.draw_count())
            .key("newest").value(newest);
        j.key("newest_date");
        if (newest >= 1) j.value(date.text); else j.null();
        j.key("bonus_draws").value(s.archive.bonus_count())
            .key("range").begin_array().value(s.range.first).value(s.range.last).end_array()
            .end_object();
        ctx.out << j.str() << "\n";
        return 0;
    }
    ctx.out << "Spiel:          " << s.params.code << "  " << s.params.info().name << "\n"
            << "Ziehungen:      " << s.archive.draw_count() << "\n";
    if (newest >= 1)
        ctx.out << "Neueste:        " << newest << " vom " << date.prefix << date.text << "\n";
    ctx.out << "Bonus-Ziehungen: " << s.archive.bonus_count() << "\n"
            << "Rahmen:         " << s.range.first << ".." << s.range.last << "\n"
            << "Datenordner:    " << s.data_folder().string() << "\n";
    return 0;
}

int cmd_date(Context& ctx) {
    if (ctx.options.args.empty()) throw UsageError("date braucht eine Ziehungsnummer.");
    const int n = parse_int(ctx.options.args[0], "die Ziehungsnummer");
    if (n < 1 || n > ctx.session.params.capacity())
        throw UsageError("Ziehungsnummer außerhalb von 1.." +
                         std::to_string(ctx.session.params.capacity()) + ".");
    const DrawDate d = draw_date(ctx.session.params.code, n);
    if (ctx.options.json) {
        Json j;
        j.begin_object().key("draw").value(n).key("date").value(d.text).key("short")
            .value(d.short_text).key("key").value(static_cast<int64_t>(d.key)).key("prefix")
            .value(d.prefix).end_object();
        ctx.out << j.str() << "\n";
    } else {
        ctx.out << n << "  " << d.prefix << d.text << "  (" << d.short_text << ", " << d.key << ")\n";
    }
    return 0;
}

struct DrawLine {
    std::optional<int> draw;
    std::string date, prefix;
    std::array<int, 6> numbers{};
    int extra = 0;
    std::optional<int> spiel77, super6, joker;
    std::optional<std::array<int, 6>> plus;
};

std::optional<int> side(int32_t v) { return v < 0 ? std::nullopt : std::optional<int>(v); }

std::vector<DrawLine> collect(Context& ctx, const DrawRange& r) {
    const Session& s = ctx.session;
    std::vector<DrawLine> lines;
    if (s.params.austria) {
        const auto& rows = s.archive.combined();
        int regular = 0;
        for (int i = 0; i + 1 < static_cast<int>(rows.size()); ++i) {
            const CombinedRow& row = rows[static_cast<size_t>(i)];
            if (!row.bonus) ++regular;
            if (i + 1 < r.first || i + 1 > r.last) continue;
            DrawLine l;
            if (!row.bonus) l.draw = regular;
            l.date = row.date;
            l.prefix = row.bonus ? "B " : "  ";
            for (int k = 0; k < 6; ++k) l.numbers[k] = row.numbers[k];
            l.extra = row.numbers[6];
            l.joker = side(row.joker);
            if (row.plus[0] != 0) {
                std::array<int, 6> p{};
                for (int k = 0; k < 6; ++k) p[k] = row.plus[k];
                l.plus = p;
            }
            lines.push_back(l);
        }
        return lines;
    }
    for (int n = std::max(r.first, 1); n <= std::min(r.last, s.archive.newest()); ++n) {
        DrawLine l;
        l.draw = n;
        const DrawDate d = draw_date(s.params.code, n);
        l.date = d.text;
        l.prefix = d.prefix;
        const uint8_t* rec = s.archive.record(n);
        for (int k = 0; k < 6; ++k) l.numbers[k] = rec[k];
        l.extra = displayed_extra(s.params, n, rec[6]);
        if (is_german_game(s.params.code)) {
            l.spiel77 = side(s.archive.side_number(n));
            l.super6 = side(s.archive.super6_number(n));
        } else {
            l.joker = side(s.archive.side_number(n));
        }
        lines.push_back(l);
    }
    return lines;
}

int cmd_draws(Context& ctx) {
    const DrawRange r = effective_range(ctx);
    const auto lines = collect(ctx, r);
    if (ctx.options.json) {
        Json j;
        j.begin_array();
        for (const auto& l : lines) {
            j.begin_object().key("draw").value(l.draw).key("date").value(l.date).key("prefix")
                .value(l.prefix).key("numbers").begin_array();
            for (int n : l.numbers) j.value(n);
            j.end_array().key("extra");
            if (l.extra == 0 && l.numbers[0] == 0) j.null(); else j.value(l.extra);
            j.key("spiel77").value(l.spiel77).key("super6").value(l.super6).key("joker")
                .value(l.joker).key("plus");
            if (l.plus) {
                j.begin_array();
                for (int n : *l.plus) j.value(n);
                j.end_array();
            } else {
                j.null();
            }
            j.end_object();
        }
        j.end_array();
        ctx.out << j.str() << "\n";
        return 0;
    }
    for (const auto& l : lines) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%5s  %s%s  %2d %2d %2d %2d %2d %2d  %2d",
                      l.draw ? std::to_string(*l.draw).c_str() : "Bonus", l.prefix.c_str(),
                      l.date.c_str(), l.numbers[0], l.numbers[1], l.numbers[2], l.numbers[3],
                      l.numbers[4], l.numbers[5], l.extra);
        ctx.out << buf;
        if (l.spiel77) ctx.out << "  Spiel 77 " << padded(*l.spiel77, 7);
        if (l.super6) ctx.out << "  Super 6 " << padded(*l.super6, 6);
        if (l.joker) ctx.out << "  Joker " << padded(*l.joker, 6);
        if (l.plus) {
            ctx.out << "  Plus";
            for (int n : *l.plus) ctx.out << ' ' << n;
        }
        ctx.out << "\n";
    }
    return 0;
}

}  // namespace

int cmd_export(Context& ctx);
int cmd_stats(Context& ctx);
int cmd_evaluate(Context& ctx);
int cmd_odds(Context& ctx);
int cmd_cards(Context& ctx);
int cmd_import_rows(Context& ctx);
int cmd_backtest(Context& ctx);
int cmd_tip(Context& ctx);
int cmd_matrix(Context& ctx);
int cmd_generate(Context& ctx);
int cmd_bundle(Context& ctx);
int cmd_update(Context& ctx);
int cmd_fetch(Context& ctx);
int cmd_import_draws(Context& ctx);
int cmd_slip(Context& ctx);

const std::vector<CommandEntry>& commands() {
    static const std::vector<CommandEntry> table = {
        {"info", "info                       Spiel, Anzahl Ziehungen, neueste Ziehung", cmd_info},
        {"date", "date N                     Datum der Ziehung N", cmd_date, false},
        {"draws", "draws [--range A..B]       Ziehungen auflisten", cmd_draws},
        {"export", "export --kind all|grid --out DATEI   Ziehungen als Text exportieren", cmd_export},
        {"stats", "stats ART                  Statistik (frequency, gaps, ..., chance)", cmd_stats},
        {"evaluate", "evaluate --row \"..\" | --system \"..\" --full|--partial K   Gewinnauswertung",
         cmd_evaluate},
        {"odds", "odds --row \"..\" | --system \"..\" --full|--partial K   Chancen und erwartete Auszahlung",
         cmd_odds, false},
        {"cards", "cards [--sys] [--file NAME] list | pool [--from A --to B] | compare --draw N   Kartei, Bilanz, Vergleich", cmd_cards},
        {"import-rows", "import-rows DATEI          Reihen, die der Import übernimmt", cmd_import_rows, false},
        {"backtest", "backtest --tips \"..\" [--bankers \"..\"] [--worst] [--export DATEI]   Besten-/Nietenliste",
         cmd_backtest},
        {"tip", "tip power --rows K [--seed S]   Power-Tipp über matrix.par", cmd_tip},
        {"matrix", "matrix                     Gewichtungs-Matrix des Spiels", cmd_matrix, false},
        {"generate", "generate --tips \"..\" [--bankers \"..\"] [--even 0,1,..] [--low 0,1,..] "
                     "[--formula H,R,P,PF,PG[,skip]] [--lucky \"..\"] [--lucky-banker G] [--rows K] [--seed S]   Zufallsreihen",
         cmd_generate},
        {"bundle", "bundle --out DATEI         Update-Paket (Mega.Dat) des Datenordners schreiben",
         cmd_bundle, false},
        {"update", "update [--from URL] [--dry-run]   Net-Update aus einem Update-Paket", cmd_update,
         false},
        {"fetch", "fetch --draw N [--url BASIS]   Ziehung N von der Ergebnisseite holen", cmd_fetch,
         false},
        {"import-draws", "import-draws DATEI.csv [--dry-run]   Ziehungen aus einer CSV-Datei",
         cmd_import_draws, false},
        {"slip", "slip --rows \"1 2 3 4 5 6; ...\" [--bundesland K] [--pdf DATEI]   Kreuze auf dem Spielschein",
         cmd_slip, false},
    };
    return table;
}

}  // namespace zw::cli
