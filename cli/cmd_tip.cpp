// tip power: rows of the power tip over the data folder's matrix.par;
// matrix: the weights of the selected game.
#include <charconv>
#include <cstdio>
#include <random>

#include "cli.h"
#include "json.h"
#include "tipping/power_tip.h"

namespace zw::cli {
namespace {

// The weights as stored in the data folder; a refused file ends the command.
WeightMatrix stored_weights(const Context& ctx) {
    WeightMatrix w;
    if (Status s = load_weight_matrix(ctx.session.data_folder(), w); !s) {
        throw UsageError(plain_text(s.message()));
    }
    return w;
}

uint64_t parse_seed(const std::string& text) {
    uint64_t v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || p != text.data() + text.size())
        throw UsageError("Ungültige Zahl für --seed: \"" + text + "\"");
    return v;
}

// --rows 2..16; outside the German games at most 12, as in the console's
// 7 x 7 layout.
int requested_rows(Context& ctx) {
    const auto given = ctx.args.number("--rows");
    if (!given) throw UsageError("tip power braucht --rows ANZAHL (2 bis 16).");
    const int rows = *given;
    if (rows < kPowerTipMinRows || rows > kPowerTipMaxRows)
        throw UsageError("--rows muss 2 bis 16 sein.");
    const int cap = row_count_cap(ctx.session.params, true);
    if (rows > cap)
        ctx.err << "Hinweis: In diesem Spiel gibt der Power-Tipp höchstens " << cap << " Reihen.\n";
    return std::min(rows, cap);
}

}  // namespace

int cmd_tip(Context& ctx) {
    const auto words = ctx.args.words();
    if (words.empty() || words[0] != "power")
        throw UsageError("tip kennt nur \"power\": tip power --rows ANZAHL [--seed ZAHL].");
    const GameParams& p = ctx.session.params;
    const int rows = requested_rows(ctx);
    const auto seed_text = ctx.args.text("--seed");
    RandomSource random(seed_text ? parse_seed(*seed_text) : std::random_device{}());
    const WeightMatrix w = stored_weights(ctx);
    const ArchiveRowSet archive(DrawSource(ctx.session.archive, p));
    const PowerTipResult r = power_tip(w, p, archive, rows, random);
    if (r.refused) throw UsageError(plain_text(r.message));

    if (ctx.options.json) {
        Json j = Json::object();
        add_rows(j, r.rows, p.swiss);
        j["complete"] = r.complete;
        if (!r.complete) j["message"] = r.message;
        print(ctx.out, j);
        return 0;
    }
    for (const PowerTipRow& row : r.rows) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%2d %2d %2d %2d %2d %2d", row[0], row[1], row[2], row[3],
                      row[4], row[5]);
        ctx.out << buf;
        if (p.swiss) ctx.out << "  Glückszahl " << static_cast<int>(row[6]);
        ctx.out << "\n";
    }
    if (!r.complete) ctx.err << plain_text(r.message) << "\n";
    return 0;
}

int cmd_matrix(Context& ctx) {
    const GameParams& p = ctx.session.params;
    const WeightMatrix w = stored_weights(ctx);
    const GameCode game = p.code;
    if (ctx.options.json) {
        Json weights = Json::object(), lucky = Json::object();
        for (int n = 1; n <= p.highest_number; ++n) weights[std::to_string(n)] = w.weight(n, game);
        for (int k = 1; k <= kLuckyCellCount; ++k) lucky[std::to_string(k)] = w.weight(kLuckyCellBase + k, game);
        Json j = {{"game", game}, {"weights", weights}};
        if (p.swiss) j["lucky"] = lucky;
        print(ctx.out, j);
        return 0;
    }
    ctx.out << "Gewichtungs-Matrix, Spiel " << game << "  " << p.info().name << "\n";
    auto line = [&](const std::string& label, int weight) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%4s  %d  ", label.c_str(), weight);
        ctx.out << buf << kWeightNames[static_cast<size_t>(weight)] << "\n";
    };
    for (int n = 1; n <= p.highest_number; ++n) line(std::to_string(n), w.weight(n, game));
    if (p.swiss)
        for (int k = 1; k <= kLuckyCellCount; ++k)
            line(std::string("G").append(std::to_string(k)), w.weight(kLuckyCellBase + k, game));
    return 0;
}

}  // namespace zw::cli
