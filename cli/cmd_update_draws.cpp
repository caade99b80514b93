// update-draws: every German archive and the Austrian one from the
// configured public CSV sources.
#include "archive/draw_update.h"
#include "cli.h"
#include "json.h"

namespace zw::cli {
namespace {

Json numbers_json(const std::array<int, 7>& v) {
    Json j = Json::array();
    for (int x : v)
        if (x >= 0) j.push_back(x);
    return j;
}

std::string numbers_text(const std::array<int, 7>& v) {
    std::string s;
    for (size_t k = 0; k < 6; ++k) s += (k ? " " : "") + std::to_string(v[k]);
    if (v[6] >= 0) s += " / " + std::to_string(v[6]);
    return s;
}

}  // namespace

int cmd_update_draws(Context& ctx) {
    if (!ctx.network || !ctx.network->get) throw UsageError("Kein Internetzugang in dieser Umgebung.");
    const Network& net = *ctx.network;
    const NetAddresses a = net.addresses ? net.addresses(ctx.session.data_folder()) : NetAddresses{};
    const bool dry_run = ctx.args.flag("--dry-run");
    const bool take_different = ctx.args.flag("--take-different");
    if (a.source_lotto.empty() && a.source_austria.empty())
        throw UsageError("Es ist keine Quelle eingestellt (Ziehwerk.ini, Abschnitt [Quellen]).");
    // Both files are downloaded before anything changes.
    SourceTexts texts;
    auto load = [&](const std::string& url, const char* name, std::optional<std::string>& into) {
        if (url.empty()) return;
        const Download d = net.get(url, a.timeout_seconds);
        if (!d.ok)
            throw UsageError(std::string(name) + ": " + plain_text(d.error) + " Es wurde nichts geändert.");
        into = std::string(d.body.begin(), d.body.end());
    };
    load(a.source_lotto, "Lotto 6 aus 49", texts.german);
    load(a.source_austria, "Lotto 6 aus 45", texts.austrian);
    UpdateResult result;
    if (Status s = update_from_sources(ctx.session.data_folder(), texts, dry_run, take_different, result); !s)
        throw UsageError(plain_text(s.message()));

    if (ctx.options.json) {
        Json games = Json::array();
        for (const GameUpdate& g : result.games) {
            Json differing = Json::array();
            for (const DifferingDraw& d : g.differing)
                differing.push_back({{"draw", d.draw ? Json(d.draw) : Json(nullptr)},
                                     {"stored", numbers_json(d.stored)},
                                     {"source", numbers_json(d.source)}});
            games.push_back({{"game", g.game},
                             {"new", g.new_count()},
                             {"different", static_cast<int>(g.differing.size())},
                             {"same", g.same},
                             {"newest", g.newest.empty() ? Json(nullptr) : Json(g.newest)},
                             {"differing", differing}});
        }
        print(ctx.out, {{"games", games}, {"saved", result.saved}});
        return 0;
    }
    for (const GameUpdate& g : result.games) {
        ctx.out << g.game << "  " << game_info(g.game).name << ": " << g.new_count() << " neue Ziehungen";
        if (!g.bonus_added.empty()) ctx.out << " (davon " << g.bonus_added.size() << " Bonus-Ziehungen)";
        ctx.out << ", " << g.differing.size() << " abweichende, neueste vom "
                << (g.newest.empty() ? "-" : g.newest) << "\n";
        for (const DifferingDraw& d : g.differing)
            ctx.out << "   " << (d.draw ? "Ziehung " + std::to_string(d.draw) : std::string("Bonus-Ziehung"))
                    << " vom " << d.date << ": gespeichert " << numbers_text(d.stored) << ", Quelle "
                    << numbers_text(d.source) << (take_different && !dry_run ? " (übernommen)" : " (behalten)")
                    << "\n";
        for (const std::string& note : g.notes) ctx.out << "   " << plain_text(note) << "\n";
    }
    if (dry_run)
        ctx.out << "Probelauf: nichts wurde geändert.\n";
    else if (result.saved)
        ctx.out << "Die Ziehungen wurden gespeichert.\n";
    else
        ctx.out << "Momentan sind keine aktuelleren Ziehungen verfügbar.\n";
    return 0;
}

}  // namespace zw::cli
