#include "archive/draw_update.h"

#include <algorithm>
#include <map>
#include <span>

#include "archive/bonus_editor.h"
#include "archive/calendar.h"
#include "archive/draw_entry.h"
#include "archive/draw_files.h"

namespace zw {
namespace {

std::string date_text(int32_t key) {
    return make_draw_date({key / 10000, key / 100 % 100, key % 100}).text;
}

std::array<int, 7> shown(const GameParams& p, int n, std::span<const uint8_t, 6> six, uint8_t extra) {
    std::array<int, 7> v{};
    for (int k = 0; k < 6; ++k) v[static_cast<size_t>(k)] = six[static_cast<size_t>(k)];
    v[6] = extra == 0 ? -1 : displayed_extra(p, n, extra);
    return v;
}

// Compares the row's record with the stored draw and files it as new, the
// same or differing. A source without an extra number compares the six only.
void file_row(const DrawArchive& archive, const GameParams& p, int n, const std::array<uint8_t, 7>& rec,
              GameUpdate& plan) {
    const Draw stored = archive.draw(n);
    const bool held = archive.has_draw(n) && !stored.empty();
    if (!held) {
        plan.added.push_back(n);
        plan.records.emplace_back(n, rec);
        return;
    }
    bool same = std::equal(rec.begin(), rec.begin() + 6, stored.numbers.begin());
    if (rec[6] != 0 && rec[6] != stored.extra) same = false;
    if (same) {
        ++plan.same;
        return;
    }
    std::array<uint8_t, 7> full = rec;
    if (full[6] == 0) full[6] = stored.extra;
    plan.differing.push_back({n, draw_date(p.code, n).text, shown(p, n, stored.numbers, stored.extra),
                              shown(p, n, std::span<const uint8_t, 6>(full.data(), 6), full[6])});
    plan.records.emplace_back(n, full);
}

// New draws beyond the newest one are taken in date order; a row far past
// the draw before it (a wrong date in the source, or rows missing) ends them.
void drop_far_rows(const DrawArchive& archive, GameUpdate& plan) {
    std::sort(plan.added.begin(), plan.added.end());
    int newest = archive.newest();
    for (size_t i = 0; i < plan.added.size(); ++i) {
        const int n = plan.added[i];
        if (n <= newest) continue;
        const DrawGap gap = gap_after(archive.game(), newest, n);
        if (gap.far()) {
            plan.notes.push_back(gap_text(archive.game(), gap, "Die Ziehung vom") +
                                 "|Sie und die folgenden wurden nicht übernommen.");
            std::erase_if(plan.records, [&](const auto& r) { return r.first >= n && !archive.has_draw(r.first); });
            plan.added.resize(i);
            return;
        }
        newest = n;
    }
}

// Rows the update cannot place, counted into one note.
struct PassedOver {
    int count = 0;
    int first_line = 0;
    std::string first_date;
    void add(const SourceRow& row) {
        if (count++ == 0) {
            first_line = row.line;
            first_date = date_text(row.key);
        }
    }
    void note(GameUpdate& plan, const std::string& why) const {
        if (count == 0) return;
        plan.notes.push_back(std::to_string(count) + " Zeilen " + why + " wurden übergangen (die erste: Zeile " +
                             std::to_string(first_line) + " vom " + first_date + ").");
    }
};

void set_newest(const DrawArchive& archive, GameUpdate& plan) {
    int newest = archive.newest();
    for (int n : plan.added) newest = std::max(newest, n);
    int32_t key = newest >= 1 ? draw_date(archive.game(), newest).key : 0;
    for (const BonusDraw& b : archive.bonus_draws()) key = std::max(key, key_from_date_text(b.date));
    for (const BonusDraw& b : plan.bonus_added) key = std::max(key, key_from_date_text(b.date));
    plan.newest = key ? date_text(key) : std::string();
}

}  // namespace

GameUpdate plan_german_update(const DrawArchive& archive, const std::vector<SourceRow>& rows) {
    const GameParams p = game_params(archive.game());
    PassedOver passed_over;
    GameUpdate plan;
    plan.game = archive.game();
    for (const SourceRow& row : rows) {
        const auto on_date = draws_on_date(p.code, p.capacity(), row.key);
        if (on_date.empty()) continue;  // a row of the other weekday
        if (on_date.size() > 1) {
            // One row for the two Wednesday draws of a date: which is which is unknown.
            passed_over.add(row);
            continue;
        }
        const int n = on_date.front();
        std::array<uint8_t, 7> rec{};
        std::copy(row.numbers.begin(), row.numbers.end(), rec.begin());
        // Superzahl 0 is stored as 10; before the Superzahl the byte is the
        // Zusatzzahl, which the source does not carry.
        if (row.extra >= 0 && extra_is_superzahl(p, n)) rec[6] = static_cast<uint8_t>(row.extra == 0 ? 10 : row.extra);
        file_row(archive, p, n, rec, plan);
    }
    passed_over.note(plan, "an Tagen mit zwei Ziehungen (A und B)");
    drop_far_rows(archive, plan);
    set_newest(archive, plan);
    return plan;
}

GameUpdate plan_austrian_update(const DrawArchive& archive, const std::vector<SourceRow>& rows) {
    const GameParams p = game_params(archive.game());
    PassedOver passed_over;
    GameUpdate plan;
    plan.game = archive.game();
    const int32_t last_key = draw_date(p.code, p.capacity()).key;
    std::map<int32_t, size_t> bonus_of_date;
    for (size_t i = 0; i < archive.bonus_draws().size(); ++i)
        bonus_of_date.emplace(key_from_date_text(archive.bonus_draws()[i].date), i);
    BonusEditor editor(archive.bonus_draws());
    for (const SourceRow& row : rows) {
        std::array<uint8_t, 7> rec{};
        std::copy(row.numbers.begin(), row.numbers.end(), rec.begin());
        if (row.extra > 0) rec[6] = static_cast<uint8_t>(row.extra);
        const auto on_date = draws_on_date(p.code, p.capacity(), row.key);
        if (on_date.size() == 1) {
            file_row(archive, p, on_date.front(), rec, plan);
            continue;
        }
        const std::string date = date_text(row.key);
        const bool friday = weekday({row.key / 10000, row.key / 100 % 100, row.key % 100}) == 5;
        if (!on_date.empty() || row.key > last_key || !friday) {
            passed_over.add(row);
            continue;
        }
        // A Friday without a regular draw: a bonus draw.
        if (auto held = bonus_of_date.find(row.key); held != bonus_of_date.end()) {
            const BonusDraw& b = archive.bonus_draws()[held->second];
            if (std::equal(rec.begin(), rec.end(), b.numbers.begin())) {
                ++plan.same;
            } else {
                DifferingDraw d{0, date, {}, {}};
                for (size_t k = 0; k < 7; ++k) {
                    d.stored[k] = b.numbers[k];
                    d.source[k] = rec[k];
                }
                plan.differing.push_back(d);
            }
            continue;
        }
        BonusRowInput input;
        input.date = date;
        for (size_t k = 0; k < 7; ++k) input.numbers[k] = rec[k] ? std::to_string(rec[k]) : "";
        if (Status s = editor.take(input, -1); !s) {
            plan.notes.push_back("Zeile " + std::to_string(row.line) + " vom " + date + ": " + s.message());
            continue;
        }
        plan.bonus_added.push_back(editor.draws().back());
    }
    passed_over.note(plan, "ohne Ziehung dieses Spiels");
    drop_far_rows(archive, plan);
    set_newest(archive, plan);
    return plan;
}

Status apply_update(DrawArchive& archive, const GameUpdate& plan, bool take_different) {
    std::vector<std::pair<int, std::array<uint8_t, 7>>> take;
    for (const auto& r : plan.records)
        if (take_different || std::find(plan.added.begin(), plan.added.end(), r.first) != plan.added.end())
            take.push_back(r);
    int highest = 0;
    for (const auto& r : take) highest = std::max(highest, r.first);
    if (highest > archive.newest())
        if (Status s = archive.extend_to(highest); !s) return s;
    // A Swiss record's plus byte stays as stored.
    for (const auto& [n, rec] : take) {
        Draw d = archive.draw(n);
        std::copy_n(rec.begin(), 6, d.numbers.begin());
        d.extra = rec[6];
        archive.set_draw(n, d);
    }
    bool bonus_changed = !plan.bonus_added.empty();
    std::vector<BonusDraw> bonus = archive.bonus_draws();
    bonus.insert(bonus.end(), plan.bonus_added.begin(), plan.bonus_added.end());
    if (take_different)
        for (const DifferingDraw& d : plan.differing) {
            if (d.draw != 0) continue;
            for (BonusDraw& b : bonus)
                if (b.date == d.date) {
                    for (size_t k = 0; k < 7; ++k) b.numbers[k] = static_cast<uint8_t>(d.source[k]);
                    bonus_changed = true;
                }
        }
    if (bonus_changed) {
        std::stable_sort(bonus.begin(), bonus.end(), [](const BonusDraw& a, const BonusDraw& b) {
            return key_from_date_text(a.date) < key_from_date_text(b.date);
        });
        archive.set_bonus_draws(std::move(bonus));
    }
    if (!take.empty() || bonus_changed) {
        archive.set_saved(false);
        if (archive.game() == kAustria) archive.merge_bonus_draws();
    }
    return {};
}

Status update_from_sources(const fs::path& folder, const SourceTexts& texts, bool dry_run,
                           bool take_different, UpdateResult& out) {
    std::vector<SourceRow> german, austrian;
    if (texts.german)
        if (Status s = parse_source_csv(*texts.german, SourceKind::kGermanLotto, german); !s)
            return Status::failure("Lotto 6 aus 49: " + s.message() + "|Es wurde nichts geändert.");
    if (texts.austrian)
        if (Status s = parse_source_csv(*texts.austrian, SourceKind::kAustrianLotto, austrian); !s)
            return Status::failure("Lotto 6 aus 45: " + s.message() + "|Es wurde nichts geändert.");

    std::vector<GameCode> games;
    if (texts.german) games.insert(games.end(), {kLottoSaturday, kLottoWednesday, kLottoBoth});
    if (texts.austrian) games.push_back(kAustria);
    struct Loaded {
        DrawArchive archive;
        GameUpdate plan;
    };
    std::vector<Loaded> loaded;
    for (GameCode g : games) {
        const GameParams p = game_params(g);
        if (!file_exists(folder, p.info().draw_file)) continue;
        Loaded l;
        if (Status s = l.archive.load_draws(folder, p); !s)
            return Status::failure(s.message() + "|Es wurde nichts geändert.");
        l.plan = g == kAustria ? plan_austrian_update(l.archive, austrian) : plan_german_update(l.archive, german);
        loaded.push_back(std::move(l));
    }
    UpdateResult result;
    for (Loaded& l : loaded) {
        const bool change = l.plan.new_count() > 0 || (take_different && !l.plan.differing.empty());
        if (!dry_run && change) {
            if (Status s = apply_update(l.archive, l.plan, take_different); !s) return s;
            if (Status s = l.archive.save_draws(folder); !s) return s;
            if (l.archive.game() == kAustria)
                if (Status s = save_bonus_file(folder, l.archive.bonus_draws()); !s) return s;
            result.saved = true;
        }
        result.games.push_back(std::move(l.plan));
    }
    out = std::move(result);
    return {};
}

std::vector<GameCode> sibling_games(GameCode game) {
    if (game == kLottoSaturday || game == kLottoWednesday) return {kLottoBoth};
    if (game == kLottoBoth) return {kLottoSaturday, kLottoWednesday};
    return {};
}

CsvDraws rows_for_sibling(GameCode from_game, const CsvDraws& rows, GameCode to_game) {
    const GameParams from = game_params(from_game), to = game_params(to_game);
    CsvDraws out;
    for (const CsvDraw& d : rows.draws) {
        const auto on_date = draws_on_date(to.code, to.capacity(), draw_date(from.code, d.draw).key);
        // Two draws on one date (the Wednesday A/B draws) match by their order.
        const DrawDate date = draw_date(from.code, d.draw);
        int m = 0;
        for (int candidate : on_date)
            if (draw_date(to.code, candidate).prefix == date.prefix) m = candidate;
        if (m == 0) continue;
        CsvDraw e = d;
        e.draw = m;
        if (extra_is_superzahl(from, d.draw) != extra_is_superzahl(to, m)) e.extra = 0;
        out.draws.push_back(e);
    }
    return out;
}

CsvDraws rows_to_take(const DrawArchive& archive, const CsvDraws& csv, bool take_different) {
    const ImportPreview p = preview_import(archive, csv);
    CsvDraws out;
    out.skipped_lines = csv.skipped_lines;
    for (const CsvDraw& d : csv.draws)
        if (std::find(p.added.begin(), p.added.end(), d.draw) != p.added.end() ||
            (take_different && std::find(p.changed.begin(), p.changed.end(), d.draw) != p.changed.end()))
            out.draws.push_back(d);
    for (const CsvBonusDraw& b : csv.bonus)
        if (std::find(p.bonus_added.begin(), p.bonus_added.end(), b.draw.date) != p.bonus_added.end() ||
            (take_different &&
             std::find(p.bonus_changed.begin(), p.bonus_changed.end(), b.draw.date) != p.bonus_changed.end()))
            out.bonus.push_back(b);
    return out;
}

std::string SiblingImport::text() const {
    std::string t = std::string(game_info(game).name) + ": " + preview.summary();
    if (!error.empty()) return t + " (nicht gespeichert: " + error + ")";
    return saved ? t + ", gespeichert" : t;
}

std::vector<SiblingImport> import_into_siblings(const fs::path& folder, GameCode game, const CsvDraws& csv,
                                                bool take_different, GapPolicy gaps, bool dry_run) {
    std::vector<SiblingImport> out;
    for (GameCode g : sibling_games(game)) {
        const GameParams p = game_params(g);
        DrawArchive archive;
        if (!file_exists(folder, p.info().draw_file) || !archive.load_draws(folder, p)) continue;
        SiblingImport s;
        s.game = g;
        const CsvDraws rows = rows_for_sibling(game, csv, g);
        s.preview = preview_import(archive, rows);
        const CsvDraws take = rows_to_take(archive, rows, take_different);
        if (!dry_run && !take.draws.empty()) {
            DrawRange unused;
            Status status = apply_import(archive, take, unused, gaps);
            if (status) status = archive.save_draws(folder);
            s.saved = status.ok();
            s.error = status.message();
            std::replace(s.error.begin(), s.error.end(), '|', ' ');
        }
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace zw
