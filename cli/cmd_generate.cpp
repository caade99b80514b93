// generate: random rows from tips and bankers under the even/odd and
// low/high filter, optionally with numbers from the formula generator.
#include <chrono>
#include <cstdio>

#include "cli.h"
#include "json.h"
#include "tipping/row_generator.h"

namespace zw::cli {
namespace {

// "--even 2,3,4": the allowed counts 0..6.
std::array<bool, 7> allowed_counts(const Context& ctx, const char* name) {
    std::array<bool, 7> allowed{true, true, true, true, true, true, true};
    const auto text = ctx.args.text(name);
    if (!text) return allowed;
    allowed.fill(false);
    for (int k : parse_numbers(*text, name)) {
        if (k < 0 || k > 6) throw UsageError(std::string(name) + " erlaubt nur Anzahlen von 0 bis 6.");
        allowed[static_cast<size_t>(k)] = true;
    }
    return allowed;
}

FormulaSettings formula(const Context& ctx) {
    FormulaSettings f;
    const auto text = ctx.args.text("--formula");
    if (!text) return f;
    std::vector<std::string> parts;
    std::string token;
    for (char ch : *text + ",") {
        if (ch == ',') {
            parts.push_back(token);
            token.clear();
        } else if (ch != ' ') {
            token += ch;
        }
    }
    if (parts.size() < 5 || parts.size() > 6)
        throw UsageError("--formula erwartet H,R,P,PF,PG[,skip].");
    int* fields[] = {&f.most_frequent, &f.longest_gap, &f.partner, &f.partner_frequent, &f.partner_gap};
    for (size_t i = 0; i < 5; ++i) {
        *fields[i] = parse_int(parts[i], "--formula");
        if (*fields[i] < 0 || *fields[i] > ctx.session.params.highest_number)
            throw UsageError("--formula: Werte von 0 bis " + std::to_string(ctx.session.params.highest_number) + ".");
    }
    if (parts.size() == 6) {
        if (parts[5] != "skip" && parts[5] != "1" && parts[5] != "ja")
            throw UsageError("--formula: der sechste Wert ist \"skip\" (letzte Ziehung auslassen).");
        f.skip_last_draw = true;
    }
    return f;
}

// Chooses numbers in a mode as a click on the grid would; a refused click is an error.
void choose_all(GeneratorState& s, const std::vector<int>& cells, GeneratorState::Mode mode, const char* what) {
    for (int cell : cells) {
        if (cell < 1 || cell > s.cells())
            throw UsageError(std::string(what) + ": " + std::to_string(cell) + " liegt außerhalb des Spiels.");
        const bool chosen = mode == GeneratorState::Mode::kTips ? s.is_tip(cell) : s.is_banker(cell);
        if (chosen) continue;
        if (!s.choose(cell, mode, GeneratorTarget{}))
            throw UsageError(std::string(what) + ": " + std::to_string(cell) +
                             " geht nicht (schon anders gewählt, höchstens 5 Bankzahlen, eine Glückszahl als Bank).");
    }
}

std::vector<int> cells_of(const Context& ctx, const char* name, int offset) {
    std::vector<int> cells;
    if (const auto text = ctx.args.text(name))
        for (int n : parse_numbers(*text, name)) cells.push_back(n > 0 ? n + offset : n);
    return cells;
}

}  // namespace

int cmd_generate(Context& ctx) {
    const GameParams& p = ctx.session.params;
    GeneratorState state(p);
    choose_all(state, cells_of(ctx, "--bankers", 0), GeneratorState::Mode::kBankers, "--bankers");
    choose_all(state, cells_of(ctx, "--tips", 0), GeneratorState::Mode::kTips, "--tips");
    if (p.swiss) {
        for (int g : cells_of(ctx, "--lucky", 0))
            if (g < 1 || g > 6) throw UsageError("--lucky: Glückszahlen von 1 bis 6.");
        for (int g : cells_of(ctx, "--lucky-banker", 0))
            if (g < 1 || g > 6) throw UsageError("--lucky-banker: Glückszahlen von 1 bis 6.");
        choose_all(state, cells_of(ctx, "--lucky-banker", kLuckyCellBase), GeneratorState::Mode::kBankers,
                   "--lucky-banker");
        choose_all(state, cells_of(ctx, "--lucky", kLuckyCellBase), GeneratorState::Mode::kTips, "--lucky");
    } else if (ctx.args.text("--lucky") || ctx.args.text("--lucky-banker")) {
        throw UsageError("Glückszahlen gibt es nur im Spiel 5 (Swisslotto).");
    }
    const DrawRange range = effective_range(ctx);
    apply_formula(state, formula(ctx), DrawSource(ctx.session.archive, p), range);

    GeneratorFilter filter;
    filter.even = allowed_counts(ctx, "--even");
    filter.low = allowed_counts(ctx, "--low");
    const int rows = ctx.args.number("--rows").value_or(2);
    if (rows < 1 || rows > kMaxGeneratedRows) throw UsageError("--rows: 1 bis 16 Reihen.");
    uint64_t seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (const auto given = ctx.args.number("--seed")) seed = static_cast<uint64_t>(*given);

    if (!is_ready(state, GeneratorTarget{})) throw UsageError(generator_prompt(GeneratorTarget{}));
    const uint64_t possible = possible_rows(state, filter, p);
    RandomSource random(seed);
    const GenerationResult result = generate_rows(state, filter, p, rows, random);

    if (ctx.options.json) {
        Json j = {{"tips", state.tips()}, {"bankers", state.bankers()}};
        if (p.swiss) {
            j["lucky_tips"] = state.lucky_tips();
            j["lucky_banker"] = state.lucky_banker() ? Json(state.lucky_banker()) : Json(nullptr);
        }
        j["possible"] = static_cast<int64_t>(possible);
        add_rows(j, result.rows, p.swiss);
        j["complete"] = result.complete;
        j["message"] = plain_text(result.message);
        print(ctx.out, j);
        return 0;
    }
    ctx.out << possible_rows_text(possible) << "\n";
    for (size_t i = 0; i < result.rows.size(); ++i) {
        const GeneratedRow& r = result.rows[i];
        char buf[96];
        int len = std::snprintf(buf, sizeof buf, "%2zu:", i + 1);
        for (int k = 0; k < 6; ++k) len += std::snprintf(buf + len, sizeof buf - static_cast<size_t>(len), " %2d", r[static_cast<size_t>(k)]);
        if (p.swiss && r[6]) std::snprintf(buf + len, sizeof buf - static_cast<size_t>(len), "  Glückszahl %d", r[6]);
        ctx.out << buf << "\n";
    }
    if (!result.complete) ctx.out << plain_text(result.message) << "\n";
    return 0;
}

}  // namespace zw::cli
