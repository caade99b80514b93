// Bringing the archive up to date: the update bundle (bundle, update), the
// per-draw fetch from result pages (fetch) and the CSV import (import-draws).
#include <algorithm>

#include "archive/bundle.h"
#include "archive/bonus_editor.h"
#include "archive/calendar.h"
#include "archive/csv_import.h"
#include "archive/draw_update.h"
#include "archive/result_pages.h"
#include "cli.h"
#include "json.h"

namespace zw::cli {
namespace {

const Network& network_of(Context& ctx) {
    if (!ctx.network || !ctx.network->get)
        throw UsageError("Kein Internetzugang in dieser Umgebung.");
    return *ctx.network;
}

NetAddresses addresses_of(Context& ctx) {
    const Network& n = network_of(ctx);
    return n.addresses ? n.addresses(ctx.session.data_folder()) : NetAddresses{};
}

std::string joined(const std::vector<int>& v) {
    std::string s;
    for (size_t i = 0; i < v.size(); ++i) s += (i ? ", " : "") + std::to_string(v[i]);
    return s;
}

}  // namespace

int cmd_bundle(Context& ctx) {
    const auto out = ctx.args.text("--out");
    if (!out) throw UsageError("bundle braucht --out DATEI.");
    std::vector<uint8_t> bytes;
    if (Status s = encode_bundle(ctx.session.data_folder(), bytes); !s) throw UsageError(plain_text(s.message()));
    if (Status s = write_file_atomic(*out, bytes); !s) throw UsageError(plain_text(s.message()));
    ctx.out << *out << ": " << bytes.size() << " Bytes\n";
    return 0;
}

int cmd_update(Context& ctx) {
    const auto from = ctx.args.text("--from");
    const bool dry_run = ctx.args.flag("--dry-run");
    const NetAddresses a = addresses_of(ctx);
    const std::string url = from ? *from : a.bundle;
    const Download d = network_of(ctx).get(url, a.timeout_seconds);
    if (!d.ok) throw UsageError(plain_text(d.error));
    UpdatePlan plan;
    if (Status s = update_from_bundle(ctx.session.data_folder(), d.body, dry_run, plan); !s)
        throw UsageError(plain_text(s.message()));
    if (ctx.options.json) {
        Json files = Json::array();
        for (const FilePlan& f : plan.files) files.push_back({{"name", f.name}, {"result", verdict_text(f.verdict)}});
        print(ctx.out, {{"files", files}, {"updated", plan.any_newer() && !dry_run}, {"dry_run", dry_run}});
        return 0;
    }
    for (const FilePlan& f : plan.files)
        if (f.verdict != FileVerdict::kAbsent) ctx.out << f.name << ": " << verdict_text(f.verdict) << "\n";
    if (!plan.any_newer())
        ctx.out << "Momentan sind keine aktuelleren Ziehungen verfügbar.\n";
    else if (dry_run)
        ctx.out << "Probelauf: nichts wurde geändert.\n";
    else
        ctx.out << "Das Net-Update konnte erfolgreich durchgeführt werden.\n";
    return 0;
}

int cmd_fetch(Context& ctx) {
    const auto draw = ctx.args.number("--draw");
    if (!draw) throw UsageError("fetch braucht --draw N.");
    const int n = *draw;
    const GameParams& p = ctx.session.params;
    if (n < 1 || n > p.capacity())
        throw UsageError("Ziehungsnummer außerhalb von 1.." + std::to_string(p.capacity()) + ".");
    NetAddresses a = addresses_of(ctx);
    if (auto base = ctx.args.text("--url")) a.lotto = a.swiss = a.austria = *base;
    const Network& net = network_of(ctx);
    const Fetcher get = [&](const std::string& url) { return net.get(url, a.timeout_seconds); };
    const FetchResult r = fetch_draw(p, n, a, get);
    if (!r.draw) throw UsageError(plain_text(r.message));
    const FetchedDraw& f = *r.draw;
    const bool german = is_german_game(p.code);
    auto text = [](const std::string& s) { return s.empty() ? std::nullopt : std::optional<std::string>(s); };
    const bool has_plus = p.austria && std::any_of(f.plus.begin(), f.plus.end(), [](int v) { return v != 0; });
    const std::string date = draw_date(p.code, n).text;
    if (ctx.options.json) {
        print(ctx.out, {{"draw", n},
                        {"date", date},
                        {"numbers", std::vector<int>(f.values.begin(), f.values.begin() + 6)},
                        {"extra", f.values[6]},
                        {"spiel77", optional(german ? text(f.side) : std::nullopt)},
                        {"super6", optional(german ? text(f.super6) : std::nullopt)},
                        {"joker", optional(german ? std::nullopt : text(f.side))},
                        {"plus", has_plus ? Json(f.plus) : Json(nullptr)}});
        return 0;
    }
    ctx.out << "Ziehung " << n << " vom " << date << ":";
    for (int k = 0; k < 6; ++k) ctx.out << ' ' << f.values[static_cast<size_t>(k)];
    ctx.out << "  Zusatz/Super/Glück " << f.values[6];
    if (!f.side.empty()) ctx.out << (german ? "  Spiel 77 " : "  Joker ") << f.side;
    if (!f.super6.empty()) ctx.out << "  Super 6 " << f.super6;
    if (has_plus) {
        ctx.out << "  Plus";
        for (int v : f.plus) ctx.out << ' ' << v;
    }
    ctx.out << "\n";
    return 0;
}

int cmd_import_draws(Context& ctx) {
    const auto words = ctx.args.words();
    if (words.empty()) throw UsageError("import-draws braucht eine CSV-Datei.");
    const std::optional<std::string> file = words.front();
    const auto bytes = read_file(*file, 16u << 20);
    if (!bytes) throw UsageError("Die Datei " + *file + " kann nicht gelesen werden.");
    CsvDraws csv;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (Status s = parse_draws_csv(text, ctx.session.params, csv); !s) throw UsageError(plain_text(s.message()));
    const ImportPreview preview = preview_import(ctx.session.archive, csv);
    const bool dry_run = ctx.args.flag("--dry-run");
    // A row far past the newest draw is most likely a typo in its date: refused
    // (also as a dry run) unless --allow-gap says the empty draws are meant.
    const bool allow_gap = ctx.args.flag("--allow-gap");
    if (preview.gap && !allow_gap)
        throw UsageError(plain_text(preview.gap->text(ctx.session.archive.game())) +
                         " Es wurde nichts importiert; mit --allow-gap werden die leeren Ziehungen angelegt.");
    // Only new draws unless the differing ones are asked for.
    const bool take_different = ctx.args.flag("--take-different");
    if (take_different && ctx.args.flag("--only-new"))
        throw UsageError("--only-new und --take-different schließen einander aus.");
    const GapPolicy gaps = allow_gap ? GapPolicy::kAllow : GapPolicy::kRefuse;
    const CsvDraws take = rows_to_take(ctx.session.archive, csv, take_different);
    const bool change = !dry_run && (!take.draws.empty() || !take.bonus.empty());
    if (change) {
        if (Status s = apply_import(ctx.session.archive, take, ctx.session.range, gaps); !s)
            throw UsageError(plain_text(s.message()));
        if (Status s = ctx.session.save_draws(); !s) throw UsageError(plain_text(s.message()));
        if (!take.bonus.empty())
            if (Status s = save_bonus_file(ctx.session.data_folder(), ctx.session.archive.bonus_draws()); !s)
                throw UsageError(plain_text(s.message()));
    }
    // The other German archives that hold these draw days are kept in step.
    const auto siblings = import_into_siblings(ctx.session.data_folder(), ctx.session.params.code, csv,
                                               take_different, gaps, dry_run);
    if (ctx.options.json) {
        print(ctx.out, {{"added", preview.added}, {"changed", preview.changed}, {"unchanged", preview.unchanged}});
        return 0;
    }
    ctx.out << preview.summary() << ", " << preview.unchanged << " gleiche\n";
    if (!preview.added.empty()) ctx.out << "Neu: " << joined(preview.added) << "\n";
    if (!preview.changed.empty())
        ctx.out << "Abweichend: " << joined(preview.changed)
                << (take_different ? "\n" : " (behalten; mit --take-different überschrieben)\n");
    if (!csv.skipped_lines.empty())
        ctx.out << csv.skipped_lines.size() << " Zeilen ohne Ziehung dieses Spiels übersprungen\n";
    for (const SiblingImport& s : siblings) ctx.out << s.text() << "\n";
    if (change) ctx.out << "Die Ziehungen wurden gespeichert.\n";
    else if (dry_run) ctx.out << "Probelauf: nichts wurde geändert.\n";
    return 0;
}

}  // namespace zw::cli
