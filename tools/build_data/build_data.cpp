// Builds the shipped draw files from the public draw results in CSV form.
//
//   ziehwerk-build-data SOURCE_DIR OUT_DIR
//
// Every file it writes is deterministic; the test suite checks that the
// shipped data folder is exactly what this tool makes. It prints a report of
// every row it could not place and every draw it had to leave empty.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "archive/calendar.h"
#include "archive/draw_archive.h"

namespace {

using namespace zw;

struct Row {
    std::map<std::string, std::string> f;
    const std::string& operator[](const std::string& k) const {
        static const std::string empty;
        auto it = f.find(k);
        return it == f.end() ? empty : it->second;
    }
    int32_t key() const {
        const std::string& d = f.at("date");  // yyyy-mm-dd
        return std::stoi(d.substr(0, 4)) * 10000 + std::stoi(d.substr(5, 2)) * 100 +
               std::stoi(d.substr(8, 2));
    }
};

std::vector<Row> read_csv(const fs::path& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<Row> rows;
    std::string line;
    std::vector<std::string> header;
    auto split = [](const std::string& l) {
        std::vector<std::string> out;
        std::stringstream ss(l);
        std::string cell;
        while (std::getline(ss, cell, ',')) out.push_back(cell);
        if (!l.empty() && l.back() == ',') out.emplace_back();
        return out;
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto cells = split(line);
        if (header.empty()) {
            header = cells;
            continue;
        }
        Row r;
        for (size_t i = 0; i < header.size(); ++i) r.f[header[i]] = i < cells.size() ? cells[i] : "";
        rows.push_back(std::move(r));
    }
    return rows;
}

int64_t days_of(int32_t key) { return days_from_civil({key / 10000, key / 100 % 100, key % 100}); }

struct Report {
    std::vector<std::string> lines;
    void add(const std::string& s) { lines.push_back(s); }
};

void fill_numbers(uint8_t* rec, const Row& r) {
    std::array<int, 6> n{};
    for (int i = 0; i < 6; ++i) n[i] = std::stoi(r[std::string("n") += std::to_string(i + 1)]);
    std::sort(n.begin(), n.end());
    for (int i = 0; i < 6; ++i) rec[i] = static_cast<uint8_t>(n[i]);
}

// Writes one German Lotto series (rows already in draw order).
void build_german(GameCode game, const std::vector<const Row*>& rows, const fs::path& out, Report& rep) {
    const GameParams p = game_params(game);
    DrawArchive a;
    a.clear_for(p);
    const std::string label = std::string(p.info().draw_file);
    int n = 0, no_extra = 0, date_mismatch = 0;
    for (const Row* r : rows) {
        ++n;
        if (Status s = a.extend_to(n); !s) throw std::runtime_error(s.message());
        const DrawDate d = draw_date(game, n);
        const std::string sub = (*r)["draw"];
        const std::string want_prefix = sub.empty() ? "  " : sub + " ";
        if (d.key != r->key() || d.prefix != want_prefix) {
            ++date_mismatch;
            rep.add(label + ": draw " + std::to_string(n) + " calendar " + d.prefix + d.text +
                    ", source " + want_prefix + (*r)["date"]);
        }
        Draw rec;
        fill_numbers(rec.numbers.data(), *r);
        const std::string& extra = extra_is_superzahl(p, n) ? (*r)["superzahl"] : (*r)["zusatzzahl"];
        if (extra.empty()) {
            ++no_extra;
        } else {
            const int v = std::stoi(extra);
            rec.extra = static_cast<uint8_t>(extra_is_superzahl(p, n) && v == 0 ? 10 : v);
        }
        a.set_draw(n, rec);
        if (!(*r)["spiel77"].empty()) a.set_side_number(n, std::stoi((*r)["spiel77"]));
        if (!(*r)["super6"].empty()) a.set_super6_number(n, std::stoi((*r)["super6"]));
    }
    rep.add(label + ": " + std::to_string(n) + " draws, " + std::to_string(no_extra) +
            " without Zusatzzahl/Superzahl (stored as 0), " + std::to_string(date_mismatch) +
            " calendar differences; Spiel 77 entries " + std::to_string(a.side_count()) +
            ", Super 6 entries " + std::to_string(a.super6_count()));
    // The Super 6 file is written only when it exists: create it first.
    write_file_atomic(out / std::string(p.info().super6_file), std::string_view{});
    if (Status s = a.save_draws(out); !s) throw std::runtime_error(s.message());
}

void build_austria(const std::vector<Row>& rows, const fs::path& out, Report& rep) {
    const GameParams p = game_params(kAustria);
    DrawArchive a;
    a.clear_for(p);
    std::vector<BonusDraw> bonus;
    int next = 1, moved = 0, placed = 0;
    std::vector<int> empty;
    for (const Row& r : rows) {
        const int32_t key = r.key();
        if (r["weekday"] == "Fri" && key >= 20200313) {
            BonusDraw b;
            b.date = make_draw_date({key / 10000, key / 100 % 100, key % 100}).text;
            fill_numbers(b.numbers.data(), r);
            b.numbers[6] = static_cast<uint8_t>(std::stoi(r["zusatzzahl"]));
            b.joker = -1;  // no Joker data
            bonus.push_back(b);
            continue;
        }
        // The regular draw whose calendar date is nearest (holiday moves of a few days).
        int best = -1;
        int64_t best_diff = 4;
        for (int n = next; n < next + 4; ++n) {
            const int64_t diff = std::llabs(days_of(draw_date(kAustria, n).key) - days_of(key));
            if (diff < best_diff) {
                best_diff = diff;
                best = n;
            }
        }
        if (best < 0) {
            rep.add("O_Lotto.Dat: source row " + r["date"] + " matches no draw date, not placed");
            continue;
        }
        for (int n = next; n < best; ++n) {
            empty.push_back(n);
            rep.add("O_Lotto.Dat: draw " + std::to_string(n) + " (" + draw_date(kAustria, n).text +
                    ") missing in the source, left empty");
        }
        if (best_diff != 0) {
            ++moved;
            rep.add("O_Lotto.Dat: draw " + std::to_string(best) + " calendar " +
                    draw_date(kAustria, best).text + ", drawn on " + r["date"]);
        }
        if (Status s = a.extend_to(best); !s) throw std::runtime_error(s.message());
        Draw rec;
        fill_numbers(rec.numbers.data(), r);
        rec.extra = static_cast<uint8_t>(std::stoi(r["zusatzzahl"]));
        a.set_draw(best, rec);
        if (!r["note"].empty()) rep.add("O_Lotto.Dat: draw " + std::to_string(best) + " note: " + r["note"]);
        next = best + 1;
        ++placed;
    }
    rep.add("O_Lotto.Dat: " + std::to_string(placed) + " draws placed (" + std::to_string(moved) +
            " on a moved date), " + std::to_string(empty.size()) + " left empty; " +
            std::to_string(bonus.size()) + " bonus draws");
    if (Status s = a.save_draws(out); !s) throw std::runtime_error(s.message());
    // No Joker data exists: the draws carry no Joker file.
    fs::remove(out / std::string(p.info().side_file));
    write_file_atomic(out / "OB_Lotto.Dat", format_bonus_draws(bonus));
}

void build_swiss(const std::vector<Row>& rows, const fs::path& out, Report& rep) {
    const GameParams p = game_params(kSwiss);
    DrawArchive a;
    a.clear_for(p);
    int n = kSwissLuckyStart - 1, mismatch = 0;
    for (const Row& r : rows) {
        ++n;
        if (Status s = a.extend_to(n); !s) throw std::runtime_error(s.message());
        if (draw_date(kSwiss, n).key != r.key()) {
            ++mismatch;
            rep.add("Swiss.Dat: draw " + std::to_string(n) + " calendar " + draw_date(kSwiss, n).text +
                    ", source " + r["date"]);
        }
        Draw rec;
        fill_numbers(rec.numbers.data(), r);
        rec.extra = static_cast<uint8_t>(std::stoi(r["glueckszahl"]));
        a.set_draw(n, rec);
    }
    rep.add("Swiss.Dat: draws 1.." + std::to_string(kSwissLuckyStart - 1) +
            " left empty (no data), " + std::to_string(n - kSwissLuckyStart + 1) + " draws from " +
            std::to_string(kSwissLuckyStart) + ", " + std::to_string(mismatch) + " calendar differences");
    if (Status s = a.save_draws(out); !s) throw std::runtime_error(s.message());
    fs::remove(out / std::string(p.info().side_file));  // no Joker data
}

void build_toto(const fs::path& out, Report& rep) {
    const GameParams p = game_params(kToto);
    DrawArchive a;
    a.clear_for(p);
    const std::vector<uint8_t> header = {126, 126, 0, 0};
    write_file_atomic(out / "TOTO.DAT", header);
    rep.add("TOTO.DAT: no source data, empty archive");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ziehwerk-build-data SOURCE_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const fs::path src = argv[1], out = argv[2];
        fs::create_directories(out);
        Report rep;
        const auto german = read_csv(src / "lotto_6aus49_de.csv");
        std::vector<const Row*> weekend, wednesday, both;
        for (const Row& r : german) {
            const bool wed = r["weekday"] == "Wed" || !r["draw"].empty();
            (wed ? wednesday : weekend).push_back(&r);
            both.push_back(&r);
        }
        // Both series by date; the A draw before the B draw of a Wednesday.
        std::stable_sort(both.begin(), both.end(), [](const Row* x, const Row* y) {
            if (x->key() != y->key()) return x->key() < y->key();
            return (*x)["draw"] < (*y)["draw"];
        });
        build_german(kLottoSaturday, weekend, out, rep);
        build_german(kLottoWednesday, wednesday, out, rep);
        build_german(kLottoBoth, both, out, rep);
        build_toto(out, rep);
        build_austria(read_csv(src / "at_lotto_6aus45.csv"), out, rep);
        build_swiss(read_csv(src / "swiss_lotto_6aus42_2013-.csv"), out, rep);
        for (const auto& l : rep.lines) std::cout << l << "\n";
    } catch (const std::exception& e) {
        std::cerr << "ziehwerk-build-data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
