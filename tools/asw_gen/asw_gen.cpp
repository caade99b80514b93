// ziehwerk-asw-gen OUTFILE [--help-html FILE]
//
// Builds the rows of the 19 partial systems and writes them as ZIEHWERK.ASW;
// with --help-html also the German help topic that lists what each system
// guarantees. Designs where every t-set lies in exactly one row are
// constructed, and so is the covering of 18/252 (every 4-set in some row);
// the others come from a seeded local search (16/160 starting from
// constructed rows). Nothing depends on time or on the number
// of threads, so every run writes the same bytes.
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/file_io.h"
#include "games/partial_system_designs.h"
#include "games/partial_systems.h"

namespace {

using zw::Coverage;
using zw::kPartialSystemCount;
using zw::kPartialSystems;
using zw::RowSearch;

// How one system is made and what it must guarantee.
struct Recipe {
    std::vector<Coverage> required;                  // checked on the result
    std::vector<uint32_t> (*construct)() = nullptr;  // the whole system, or a search:
    std::vector<Coverage> preferred;                 // improved with the rows to spare
    long long iterations = 0;
    long long polish = 0;
    // Optional first stage towards the required coverages, whose best rows
    // the search above starts from: rows to begin with, kept unchanged or not.
    std::vector<uint32_t> (*first_rows)() = nullptr;
    bool keep_first_rows = false;
    long long first_iterations = 0;
    double first_from = 0.3, first_to = 0.002;  // acceptance at start and end
};

std::vector<uint32_t> s12() {
    return zw::steiner_5_6_12();
}
std::vector<uint32_t> s12_minus_1() {
    return zw::rows_avoiding_top(zw::steiner_5_6_12(), 12, 1);
}
std::vector<uint32_t> s12_minus_2() {
    return zw::rows_avoiding_top(zw::steiner_5_6_12(), 12, 2);
}
std::vector<uint32_t> s12_minus_3() {
    return zw::rows_avoiding_top(zw::steiner_5_6_12(), 12, 3);
}

Recipe constructed(std::vector<Coverage> required, std::vector<uint32_t> (*construct)()) {
    Recipe r;
    r.required = std::move(required);
    r.construct = construct;
    return r;
}

Recipe searched(std::vector<Coverage> required, std::vector<Coverage> preferred,
                long long iterations, long long polish = 1'000'000) {
    Recipe r;
    r.required = std::move(required);
    r.preferred = std::move(preferred);
    r.iterations = iterations;
    r.polish = polish;
    return r;
}

// Catalogue order. "t if p" is Coverage{t, p}.
std::vector<Recipe> recipes() {
    const Coverage c33{3, 3}, c44{4, 4}, c45{4, 5}, c55{5, 5}, c56{5, 6};
    std::vector<Recipe> r(kPartialSystemCount);
    r[0] = constructed({c44, c56}, s12_minus_3);
    r[1] = searched({c33, c56}, {c44}, 2'000'000);
    r[2] = constructed({c44, c56}, s12_minus_2);
    r[3] = searched({c55}, {}, 2'000'000);
    r[4] = constructed({c44, c56}, s12_minus_1);
    r[5] = searched({c55}, {}, 4'000'000);
    r[6] = searched({c33, c45}, {c44, c56}, 2'000'000);
    r[7] = searched({c44, c56}, {c55}, 6'000'000);
    r[8] = constructed({c55}, s12);
    r[9] = searched({c55}, {}, 4'000'000);
    r[10] = searched({c44}, {c56}, 8'000'000);
    r[11] = searched({c55}, {}, 4'000'000);
    // The Golay rows hold all 4-sets but 140; the search adds 48 rows for
    // those, then the polish may move every row.
    r[12] = searched({c44}, {c56}, 1'000'000);
    r[12].first_rows = zw::golay_rows_16;
    r[12].keep_first_rows = true;
    r[12].first_iterations = 4'000'000;
    r[13] = searched({c55}, {}, 10'000'000);
    r[14] = constructed({c44}, zw::covering_4_6_18);
    r[15] = searched({c44}, {c56}, 10'000'000);
    r[16] = constructed({c33}, zw::steiner_3_6_22);
    r[17] = constructed({c33}, zw::steiner_3_6_26);
    r[18] = searched({c33, c45}, {c44, c56}, 2'000'000);
    return r;
}

struct Built {
    std::vector<uint32_t> rows;
    std::string method;
    long long moves = 0;
    double seconds = 0;
};

Built build(int k, const Recipe& recipe) {
    const auto started = std::chrono::steady_clock::now();
    const auto& info = kPartialSystems[k];
    Built out;
    if (recipe.construct) {
        out.rows = recipe.construct();
        zw::sort_rows(out.rows);
        out.method = "construction";
    } else {
        RowSearch search;
        search.numbers = info.numbers;
        search.rows = info.rows;
        search.seed = 0x5a17'0000u + static_cast<uint64_t>(k);
        search.attempts = 3;
        out.method = "search";
        if (recipe.first_rows) {
            RowSearch first = search;
            first.required = recipe.required;
            (recipe.keep_first_rows ? first.fixed : first.start) = recipe.first_rows();
            first.attempts = 1;
            first.iterations = recipe.first_iterations;
            first.start_acceptance = recipe.first_from;
            first.end_acceptance = recipe.first_to;
            auto result = zw::search_rows(first);
            out.moves += result.moves;
            search.start = std::move(result.rows);
            out.method = "construction + search";
        }
        search.required = recipe.required;
        search.preferred = recipe.preferred;
        search.iterations = recipe.iterations;
        search.polish_iterations = recipe.polish;
        auto result = zw::search_rows(search);
        out.moves += result.moves;
        out.rows = std::move(result.rows);
    }
    out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return out;
}

// "85,7 %" with a German decimal comma; tiny shares do not show as 0 or 100.
std::string percent(double share) {
    const double pct = share * 100.0;
    if (pct > 0.0 && pct < 0.05) return "unter 0,1 %";
    if (pct < 100.0 && pct > 99.95) return "über 99,9 %";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", pct);
    std::string s(buf);
    std::replace(s.begin(), s.end(), '.', ',');
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ",0") == 0) s.resize(s.size() - 2);
    return s + " %";
}

// The guarantees worth stating: for each p the hits the best row is sure to
// have, left out where a stronger stated one implies it ("t if p" follows
// from "t if p-1" and from "t+1 if p+1"). The case of all six is always stated.
std::vector<std::string> guarantee_texts(const zw::Guarantee& g) {
    std::vector<std::string> out;
    for (int p = 3; p <= 6; ++p) {
        const int t = g.min_hits[p];
        if (t < 1) continue;
        const bool implied = (p > 3 && g.min_hits[p - 1] >= t) || (p < 6 && g.min_hits[p + 1] > t);
        if (implied && p < 6) continue;
        if (p < 6)
            out.push_back(std::to_string(t) + " Richtige garantiert, wenn " + std::to_string(p) +
                          " Ihrer Zahlen gezogen werden");
        else
            out.push_back(std::to_string(t) +
                          " Richtige, wenn alle 6 Richtigen unter Ihren Zahlen sind");
    }
    return out;
}

std::string distribution_text(const zw::Guarantee& g, int p) {
    std::string s = std::to_string(p) + " Richtige unter Ihren Zahlen: ";
    bool first = true;
    for (int t = p; t >= 0; --t) {
        if (g.best_hits[p][t] == 0) continue;
        s += first ? "in " + percent(g.share(p, t)) + " der Fälle "
                   : ", in " + percent(g.share(p, t)) + " ";
        s += std::to_string(t) + " Treffer";
        first = false;
    }
    return s;
}

std::string help_page(const std::vector<Built>& systems) {
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Teil-Systeme</title>\n</head>\n<body>\n<h1>Teil-Systeme</h1>\n"
        "<p>Ein Teil-System spielt aus Ihren Zahlen nicht alle möglichen Reihen wie ein "
        "Voll-System, sondern nur eine Auswahl. Die Auswahl ist so getroffen, dass bestimmte "
        "Gewinne sicher sind, sobald genug Gewinnzahlen unter Ihren Zahlen sind.</p>\n"
        "<p>Beispiel: „4 Richtige garantiert, wenn 4 Ihrer Zahlen gezogen werden“ heißt: Sind "
        "mindestens 4 der 6 Gewinnzahlen unter Ihren Zahlen, hat mindestens eine Reihe 4 "
        "Richtige. Die Trefferverteilung nennt für jede Zahl von Richtigen unter Ihren Zahlen, "
        "wie oft die beste Reihe wie viele Treffer hat, über alle Ziehungen gezählt, die dazu "
        "passen. Zusatzzahl und Superzahl sind nicht berücksichtigt.</p>\n"
        "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
        "<tr><th>System</th><th>Zahlen</th><th>Reihen</th><th>Garantie</th>"
        "<th>Trefferverteilung</th></tr>\n";
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto& info = kPartialSystems[k];
        const auto g = zw::guarantee(systems[k].rows, info.numbers);
        std::string guarantees, distribution;
        for (const auto& line : guarantee_texts(g))
            guarantees += (guarantees.empty() ? "" : "<br>") + line;
        for (int p = 6; p >= 3; --p)
            distribution += (p == 6 ? "" : "<br>") + distribution_text(g, p);
        h += "<tr><td>" + std::string(info.name) + "</td><td>" + std::to_string(info.numbers) +
             "</td><td>" + std::to_string(info.rows) + "</td><td>" + guarantees + "</td><td>" +
             distribution + "</td></tr>\n";
    }
    h += "</table>\n";
    h += "<p>Eigene Systeme prüfen und mit möglichst wenigen Reihen entwerfen: "
         "<a href=\"system-pruefer.htm\">System-Prüfer und System-Designer</a>.</p>\n";
    h += "</body>\n</html>\n";
    return h;
}

int usage() {
    std::fprintf(stderr, "usage: ziehwerk-asw-gen OUTFILE [--help-html FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out_file, help_file;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help-html") == 0 && i + 1 < argc)
            help_file = argv[++i];
        else if (argv[i][0] != '-' && out_file.empty())
            out_file = argv[i];
        else
            return usage();
    }
    if (out_file.empty()) return usage();

    const auto plan = recipes();
    std::vector<Built> built(kPartialSystemCount);
    // Each system depends only on its own recipe and seed, so the threads
    // change the time taken, not the result.
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int k = next++; k < kPartialSystemCount; k = next++) built[k] = build(k, plan[k]);
    };
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < threads; ++i) pool.emplace_back(worker);
    for (auto& t : pool) t.join();

    bool all_met = true;
    std::array<std::vector<uint32_t>, kPartialSystemCount> rows;
    std::printf(
        "system   rows  min hits for 3/4/5/6 drawn  method                  moves      time\n");
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto& info = kPartialSystems[k];
        const auto g = zw::guarantee(built[k].rows, info.numbers);
        bool met = true;
        for (const auto& c : plan[k].required) met = met && g.holds(c.t, c.p);
        all_met = all_met && met;
        std::printf("%-8s %5zu  %d/%d/%d/%d %-20s %-22s %10lld %7.1f s\n",
                    std::string(info.name).c_str(), built[k].rows.size(), g.min_hits[3],
                    g.min_hits[4], g.min_hits[5], g.min_hits[6], met ? "" : "TARGET MISSED",
                    built[k].method.c_str(), built[k].moves, built[k].seconds);
        rows[k] = built[k].rows;
    }
    if (!all_met) {
        std::fprintf(stderr, "not every system reaches its guarantee; nothing written\n");
        return 1;
    }
    zw::PartialSystems systems;
    if (auto st = zw::PartialSystems::assemble(rows, systems); !st) {
        std::fprintf(stderr, "%s\n", st.message().c_str());
        return 1;
    }
    const auto bytes = zw::encode_partial_systems(systems);
    if (auto st = zw::write_file_atomic(out_file, bytes); !st) {
        std::fprintf(stderr, "%s\n", st.message().c_str());
        return 1;
    }
    std::printf("wrote %s (%zu bytes)\n", out_file.c_str(), bytes.size());
    if (!help_file.empty()) {
        if (auto st = zw::write_file_atomic(help_file, help_page(built)); !st) {
            std::fprintf(stderr, "%s\n", st.message().c_str());
            return 1;
        }
        std::printf("wrote %s\n", help_file.c_str());
    }
    return 0;
}
