// The command table and the archive commands (info, date, draws).
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "archive/calendar.h"
#include "archive/draw_numbering.h"
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
    const int newest = numbered_newest(s.params, s.archive);
    const DrawDate date = numbered_draw_date(s.params, s.archive, std::max(newest, 1));
    if (ctx.options.json) {
        print(ctx.out, {{"game", static_cast<int>(s.params.code)},
                        {"name", s.params.info().name},
                        {"draws", s.archive.draw_count()},
                        {"newest", newest},
                        {"newest_date", newest >= 1 ? Json(date.text) : Json(nullptr)},
                        {"bonus_draws", s.archive.bonus_count()},
                        {"range", {s.range.first, s.range.last}}});
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
    const auto words = ctx.args.words();
    if (words.empty()) throw UsageError("date braucht eine Ziehungsnummer.");
    // Every number is checked before anything is printed.
    std::vector<int> draws;
    for (const auto& word : words) {
        const int n = parse_int(word, "die Ziehungsnummer");
        if (n < 1 || n > ctx.session.params.capacity())
            throw UsageError("Ziehungsnummer außerhalb von 1.." +
                             std::to_string(ctx.session.params.capacity()) + ".");
        draws.push_back(n);
    }
    // One line per draw (with --json one object per line).
    for (const int n : draws) {
        const DrawDate d = numbered_draw_date(ctx.session.params, ctx.session.archive, n);
        if (ctx.options.json)
            print(ctx.out, {{"draw", n}, {"date", d.text}, {"short", d.short_text}, {"key", d.key}, {"prefix", d.prefix}});
        else
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
    std::optional<bool> bonus;  // Austrian rows only
};

std::optional<int> side(int32_t v) { return v < 0 ? std::nullopt : std::optional<int>(v); }

std::vector<DrawLine> collect(Context& ctx, const DrawRange& r) {
    const Session& s = ctx.session;
    std::vector<DrawLine> lines;
    if (s.params.austria) {
        const auto& rows = s.archive.combined();
        // The Austrian draws are numbered as the lottery counts them: bonus
        // draws included.
        for (int i = 0; i + 1 < static_cast<int>(rows.size()); ++i) {
            const CombinedRow& row = rows[static_cast<size_t>(i)];
            if (i + 1 < r.first || i + 1 > r.last) continue;
            DrawLine l;
            l.draw = i + 1;
            l.bonus = row.bonus;
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
        const Draw stored = s.archive.draw(n);
        for (int k = 0; k < 6; ++k) l.numbers[k] = stored.numbers[k];
        l.extra = displayed_extra(s.params, n, stored.extra);
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
        Json j = Json::array();
        for (const auto& l : lines) {
            j.push_back({{"draw", optional(l.draw)},
                         {"date", l.date},
                         {"prefix", l.prefix},
                         {"numbers", l.numbers},
                         {"extra", l.extra == 0 && l.numbers[0] == 0 ? Json(nullptr) : Json(l.extra)},
                         {"spiel77", optional(l.spiel77)},
                         {"super6", optional(l.super6)},
                         {"joker", optional(l.joker)},
                         {"plus", optional(l.plus)}});
            if (l.bonus) j.back()["bonus"] = *l.bonus;
        }
        print(ctx.out, j);
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
        if (l.bonus.value_or(false)) ctx.out << "  Bonus-Ziehung";
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
int cmd_update_draws(Context& ctx);
int cmd_slip(Context& ctx);
int cmd_system(Context& ctx);

namespace {

// The options of a ticket for evaluate and odds.
std::vector<OptionSpec> ticket_options() {
    return {
        text("--row", "ZAHLEN", "eine Reihe (Swiss Lotto: mit der Glückszahl)"),
        text("--system", "ZAHLEN", "ein System, gefolgt von --full oder --partial NR"),
        flag("--full", "das System davor als Vollsystem"),
        number("--partial", "NR", "das System davor als Teilsystem NR"),
        text("--los", "NUMMER", "Losnummer (höchstens 7 Ziffern)"),
        number("--lucky", "G", "Glückszahl der Systeme (Swiss Lotto)"),
        flag("--lottoplus", "mit LottoPlus (Österreich)"),
        flag("--spiel77", "mit Spiel 77 (braucht --los)"),
        flag("--super6", "mit Super 6 (braucht --los)"),
        text("--jokers", "NUMMERN", "Joker-Nummern (Österreich, Swiss Lotto)"),
    };
}

constexpr OptionSpec kTips = text("--tips", "ZAHLEN", "die Tippzahlen");
constexpr OptionSpec kBankers = text("--bankers", "ZAHLEN", "die Bankzahlen");
constexpr OptionSpec kDryRun = flag("--dry-run", "nur zeigen, nichts ändern");

}  // namespace

bool CommandEntry::writes(const std::vector<std::string>& given) const {
    if (writes_data) return true;
    const std::string_view list = writing_words;
    for (const std::string& word : given) {
        size_t start = 0;
        while (start <= list.size() && !list.empty()) {
            const size_t end = std::min(list.find('|', start), list.size());
            if (list.substr(start, end - start) == word) return true;
            start = end + 1;
        }
    }
    return false;
}

const std::vector<CommandEntry>& commands() {
    static const std::vector<CommandEntry> table = {
        {"info", "Spiel, Anzahl Ziehungen, neueste Ziehung", cmd_info},
        {.name = "date", .summary = "Datum der Ziehungen N ...", .run = cmd_date, .needs_draws = false,
         .words = "N", .words_help = "eine oder mehrere Ziehungsnummern"},
        {"draws", "Ziehungen auflisten (--range A..B)", cmd_draws},
        {.name = "export", .summary = "Ziehungen als Text exportieren", .run = cmd_export,
         .options = {text("--kind", "all|grid", "alle Ziehungen des Rahmens oder das Raster der letzten 52"),
                     text("--out", "DATEI", "die Textdatei")}},
        {.name = "stats", .summary = "Statistik (frequency, gaps, ..., chance)", .run = cmd_stats, .words = "ART",
         .words_help = "frequency, gaps, extra-frequency, extra-gaps, plus-frequency, plus-gaps, twins, "
                       "twin-gaps, triplets, triplet-gaps, even-odd, low-high, probability, chance, pairs, "
                       "triples, quadruples, boundary-pairs, partners, partner-gaps, smallest, smallest-gaps, "
                       "largest, largest-gaps",
         .options = {flag("--plus", "mit den PLUS-Zahlen (Österreich)"),
                     text("--with", "ZAHLEN", "1 bis 3 feste Zahlen für partners und partner-gaps"),
                     flag("--csv", "die Tabelle als CSV (Semikolon, Kopfzeile)"),
                     number("--last", "N", "die letzten N Ziehungen bis zum Rahmenende"),
                     text("--from-date", "TT.MM.JJJJ", "erste Ziehung ab diesem Tag"),
                     text("--to-date", "TT.MM.JJJJ", "letzte Ziehung bis zu diesem Tag")}},
        {.name = "evaluate", .summary = "Gewinnauswertung von Reihen und Systemen", .run = cmd_evaluate,
         .options = ticket_options()},
        {.name = "odds", .summary = "Chancen und erwartete Auszahlung einer Reihe oder eines Systems",
         .run = cmd_odds, .needs_draws = false, .options = ticket_options()},
        {.name = "cards",
         .summary = "Kartei (list), TippGemeinschaft (pool), Vergleich mit einer Ziehung (compare), "
                    "Schein löschen (delete), nach neuen Ziehungen neu bewerten (refresh)",
         .run = cmd_cards, .words = "list|pool|compare|delete|refresh", .words_help = "was geschieht",
         .options = {flag("--sys", "die Systemkartei"), text("--file", "NAME", "eine andere Karteidatei"),
                     number("--from", "A", "pool: erster Schein"), number("--to", "B", "pool: letzter Schein"),
                     number("--draw", "N", "compare: die Ziehung; list: nur die Scheine, die sie spielten"),
                     text("--sort", "ORDNUNG", "list: number, first, stake, winnings oder total"),
                     number("--ticket", "N", "delete: der Schein"),
                     number("--since", "N", "refresh: die Ziehungen nach N sind neu")},
         .writing_words = "delete|refresh"},
        {.name = "import-rows", .summary = "Reihen, die der Import übernimmt", .run = cmd_import_rows,
         .needs_draws = false, .words = "DATEI", .words_help = "die Datei mit den Reihen"},
        {.name = "backtest", .summary = "Besten-/Nietenliste aller Reihen aus den Zahlen", .run = cmd_backtest,
         .options = {kTips, kBankers, flag("--worst", "die Nietenliste"),
                     text("--export", "DATEI", "die Liste als Textdatei")}},
        {.name = "tip", .summary = "Power-Tipp über matrix.par (tip power)", .run = cmd_tip, .words = "power",
         .words_help = "die Art des Tipps",
         .options = {number("--rows", "ANZAHL", "2 bis 16 Reihen"), text("--seed", "ZAHL", "Startwert des Zufalls")}},
        {"matrix", "Gewichtungs-Matrix des Spiels", cmd_matrix, false},
        {.name = "generate", .summary = "Zufallsreihen aus Tipp- und Bankzahlen", .run = cmd_generate,
         .options = {kTips, kBankers, text("--even", "0,1,..", "erlaubte Anzahlen gerader Zahlen"),
                     text("--low", "0,1,..", "erlaubte Anzahlen tiefer Zahlen"),
                     text("--formula", "H,R,P,PF,PG[,skip]", "Zahlen aus dem Formel-Generator"),
                     text("--lucky", "ZAHLEN", "Glückszahlen als Tipps (Swiss Lotto)"),
                     text("--lucky-banker", "G", "Glückszahl als Bank (Swiss Lotto)"),
                     number("--rows", "ANZAHL", "1 bis 16 Reihen"),
                     number("--seed", "ZAHL", "Startwert des Zufalls")}},
        {.name = "bundle", .summary = "Update-Paket (Mega.Dat) des Datenordners schreiben", .run = cmd_bundle,
         .needs_draws = false, .options = {text("--out", "DATEI", "das Update-Paket")}},
        {.name = "update", .summary = "Net-Update aus einem Update-Paket", .run = cmd_update, .needs_draws = false,
         .writes_data = true,
         .options = {text("--from", "URL", "Adresse des Update-Pakets"), kDryRun}},
        {.name = "fetch", .summary = "Ziehung N von der Ergebnisseite holen", .run = cmd_fetch,
         .needs_draws = false,
         .options = {number("--draw", "N", "die Ziehung"), text("--url", "BASIS", "Adresse der Ergebnisseiten")}},
        {.name = "import-draws", .summary = "Ziehungen aus einer CSV-Datei", .run = cmd_import_draws,
         .needs_draws = false, .writes_data = true, .words = "DATEI.csv", .words_help = "die CSV-Datei",
         .options = {kDryRun, flag("--allow-gap", "auch Zeilen, die mehr als vier Wochen nach der neuesten "
                                                  "Ziehung liegen (legt die Ziehungen dazwischen leer an)"),
                     flag("--only-new", "nur neue Ziehungen übernehmen (Vorgabe)"),
                     flag("--take-different", "auch abweichende Ziehungen überschreiben")}},
        {.name = "update-draws", .summary = "alle Archive aus den CSV-Quellen ([Quellen] in Ziehwerk.ini)", .run = cmd_update_draws, .needs_draws = false, .writes_data = true, .options = {kDryRun, flag("--take-different", "auch abweichende Ziehungen überschreiben")}},
        {.name = "slip", .summary = "Kreuze auf dem Spielschein", .run = cmd_slip, .needs_draws = false,
         .options = {text("--rows", "\"1 2 3 4 5 6; ...\"", "die Reihen, durch ; getrennt"),
                     text("--system", "\"010: 1 2 ... 10; 12/22: ...\"",
                          "ein System-Schein: je Feld System und Zahlen, durch ; getrennt"),
                     number("--bundesland", "K", "Bundesland 0 bis 18"), text("--pdf", "DATEI", "die Seite als PDF")}},
        {.name = "system", .summary = "Garantien eines Systems prüfen (check) oder ein System entwerfen (design)",
         .run = cmd_system, .needs_draws = false, .words = "check|design", .words_help = "was getan wird",
         .options = {text("--rows", "\"1 2 3 4 5 6; ...\"", "check: die Reihen, durch ; getrennt"),
                     text("--file", "DATEI", "check: die Reihen aus einer Text- oder CSV-Datei"),
                     text("--numbers", "ZAHLEN", "die Zahlen des Spielers"), number("--v", "V", "design: 7 bis 30 Zahlen"),
                     text("--guarantee", "\"T if P\"", "design: T Richtige, wenn P unter den Zahlen"),
                     text("--bankers", "ZAHLEN", "design: Bankzahlen, in jeder Reihe"),
                     number("--seconds", "S", "design: Zeit für die Suche (10)"),
                     text("--seed", "ZAHL", "design: Startwert des Zufalls")}},
    };
    return table;
}

}  // namespace zw::cli
