#include "archive/bundle.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "archive/bonus_draws.h"
#include "archive/draw_archive.h"
#include "archive/draw_files.h"
#include "games/capacity.h"
#include "games/data_files.h"
#include "games/game_catalogue.h"

namespace zw {
namespace {

constexpr size_t kHeaderBytes = 4;
constexpr size_t kDrawFileCount = 11;  // the first 11 bases carry the 4-byte header

// The kind of each file in data_file_bases() order.
enum class Kind { kDraws, kForeignDraws, kSide, kLottoPlus, kBonus };

struct FileKind {
    Kind kind;
    GameCode game = kLottoSaturday;  // kDraws: the game the file belongs to (else unused)
    int32_t max = 0;    // kSide: highest side number (7 or 6 digits)
};

FileKind kind_of(size_t index) {
    if (index < 6) return {Kind::kDraws, kGames[index]};
    if (index < kDrawFileCount) return {Kind::kForeignDraws};
    if (index <= 13) return {Kind::kSide, kLottoSaturday, 9999999};  // Spiel77Sam, Spiel77Mit, Spiel77
    if (index <= 18) return {Kind::kSide, kLottoSaturday, 999999};   // Joker, JokerCH, Super6*
    if (index == 19) return {Kind::kLottoPlus};
    return {Kind::kBonus};
}

std::string file_name(size_t index) { return data_file_bases()[index] + ".Dat"; }

Status refuse(size_t index, const std::string& why) {
    return Status::failure("Das Update-Paket ist unbrauchbar: " + file_name(index) + " " + why +
                           ".|Es wurde nichts geändert.");
}

bool empty_record(const uint8_t* rec, size_t length) {
    return std::all_of(rec, rec + length, [](uint8_t b) { return b == 0; });
}

// Six numbers in 1..highest and distinct.
bool valid_six(const uint8_t* rec, int highest) {
    for (int k = 0; k < 6; ++k) {
        if (rec[k] < 1 || rec[k] > highest) return false;
        for (int j = 0; j < k; ++j)
            if (rec[j] == rec[k]) return false;
    }
    return true;
}

Status check_draws(size_t index, GameCode game, std::span<const uint8_t> bytes) {
    const GameParams p = game_params(game);
    const size_t len = static_cast<size_t>(p.record_length());
    if (bytes.size() < kHeaderBytes) return refuse(index, "ist kürzer als sein Kopf");
    const size_t payload = bytes.size() - kHeaderBytes;
    if (payload % len != 0) return refuse(index, "endet mitten in einer Ziehung");
    const size_t records = payload / len;
    if (records > static_cast<size_t>(p.capacity()))
        return refuse(index, "hat mehr als " + std::to_string(p.capacity()) + " Ziehungen");
    for (size_t i = 0; i < records; ++i) {
        const uint8_t* rec = bytes.data() + kHeaderBytes + i * len;
        const int n = static_cast<int>(i) + 1;
        if (empty_record(rec, len)) continue;
        if (!is_valid_record(p, n, std::span(rec, len)))
            return refuse(index, "hat in Ziehung " + std::to_string(n) + " ungültige Zahlen");
    }
    return {};
}

Status check_side(size_t index, int32_t max, std::span<const uint8_t> bytes) {
    if (bytes.size() < 2) return refuse(index, "ist kürzer als sein Kopf");
    const int count = get_i16(bytes.data());
    if (count < 0 || count > kMaxSideEntries) return refuse(index, "hat eine ungültige Anzahl");
    if (bytes.size() != 2 + 4 * static_cast<size_t>(count))
        return refuse(index, "hat nicht die angegebene Länge");
    for (int i = 0; i < count; ++i) {
        const int32_t v = get_i32(bytes.data() + 2 + 4 * i);
        if (v < -1 || v > max)
            return refuse(index, "hat in Eintrag " + std::to_string(i) + " eine ungültige Zahl");
    }
    return {};
}

Status check_lotto_plus(size_t index, std::span<const uint8_t> bytes) {
    if (bytes.size() % 6 != 0) return refuse(index, "endet mitten in einer Ziehung");
    if (bytes.size() / 6 > static_cast<size_t>(kMaxLottoPlus))
        return refuse(index, "hat zu viele Ziehungen");
    for (size_t i = 0; i < bytes.size(); i += 6)
        if (!empty_record(bytes.data() + i, 6) && !valid_six(bytes.data() + i, 45))
            return refuse(index, "hat ungültige LottoPlus-Zahlen");
    return {};
}

Status check_bonus(size_t index, std::span<const uint8_t> bytes) {
    const auto parsed = parse_bonus_draws(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!parsed.warnings.empty()) return refuse(index, "hat fehlerhafte Zeilen");
    return {};
}

// --- comparison with the user's file

struct Comparison {
    bool more = false;           // the new file holds more
    std::optional<int> conflict;  // first record the user has with other values
};

// Records of `length` bytes after `skip` header bytes: newer when there are
// more, conflicting where the user's record is not empty and differs.
Comparison compare_records(std::span<const uint8_t> old_bytes, std::span<const uint8_t> new_bytes,
                           size_t skip, size_t length) {
    Comparison c;
    const size_t old_n = old_bytes.size() > skip ? (old_bytes.size() - skip) / length : 0;
    const size_t new_n = new_bytes.size() > skip ? (new_bytes.size() - skip) / length : 0;
    c.more = new_n > old_n;
    if (!c.more) return c;
    for (size_t i = 0; i < old_n; ++i) {
        const uint8_t* o = old_bytes.data() + skip + i * length;
        const uint8_t* n = new_bytes.data() + skip + i * length;
        if (!empty_record(o, length) && std::memcmp(o, n, length) != 0) {
            c.conflict = static_cast<int>(i);
            break;
        }
    }
    return c;
}

Comparison compare_side(std::span<const uint8_t> old_bytes, std::span<const uint8_t> new_bytes) {
    Comparison c;
    // The user's file may be damaged: only entries it really holds count.
    const int old_n = old_bytes.size() >= 2 ? std::max<int>(0, get_i16(old_bytes.data())) : 0;
    const int old_file = old_bytes.size() >= 2 ? static_cast<int>((old_bytes.size() - 2) / 4) : 0;
    const int old_held = std::min(old_n, old_file);
    const int new_n = new_bytes.size() >= 2 ? get_i16(new_bytes.data()) : 0;
    c.more = new_n > old_held;
    if (!c.more) return c;
    for (int i = 0; i < old_held; ++i) {
        const int32_t o = get_i32(old_bytes.data() + 2 + 4 * i);
        if (o != -1 && o != get_i32(new_bytes.data() + 2 + 4 * i)) {
            c.conflict = i;
            break;
        }
    }
    return c;
}

bool same_bonus(const BonusDraw& a, const BonusDraw& b) {
    return a.date == b.date && a.numbers == b.numbers && a.plus == b.plus && a.joker == b.joker;
}

Comparison compare_bonus(std::span<const uint8_t> old_bytes, std::span<const uint8_t> new_bytes) {
    auto text = [](std::span<const uint8_t> b) {
        return std::string_view(reinterpret_cast<const char*>(b.data()), b.size());
    };
    const auto o = parse_bonus_draws(text(old_bytes)).draws;
    const auto n = parse_bonus_draws(text(new_bytes)).draws;
    Comparison c;
    c.more = n.size() > o.size();
    if (!c.more) return c;
    for (size_t i = 0; i < o.size(); ++i)
        if (!same_bonus(o[i], n[i])) {
            c.conflict = static_cast<int>(i);
            break;
        }
    return c;
}

std::string conflict_text(size_t index, int position) {
    const FileKind k = kind_of(index);
    std::string where;
    switch (k.kind) {
        case Kind::kDraws:
        case Kind::kForeignDraws: where = "Ziehung " + std::to_string(position + 1); break;
        case Kind::kLottoPlus: where = "Ziehung " + std::to_string(position + kLottoPlusStart); break;
        case Kind::kSide: where = "Eintrag " + std::to_string(position); break;
        case Kind::kBonus: where = "Bonus-Ziehung " + std::to_string(position + 1); break;
    }
    return "Das Update weicht in " + file_name(index) + " (" + where +
           ") von Ihren Daten ab.|Es wurde nichts geändert; Ihre Einträge bleiben erhalten.";
}

}  // namespace

Status check_bundle_file(size_t index, std::span<const uint8_t> bytes) {
    if (bytes.empty()) return {};
    const FileKind k = kind_of(index);
    switch (k.kind) {
        case Kind::kDraws: return check_draws(index, k.game, bytes);
        case Kind::kForeignDraws:
            return bytes.size() < kHeaderBytes ? refuse(index, "ist kürzer als sein Kopf") : Status{};
        case Kind::kSide: return check_side(index, k.max, bytes);
        case Kind::kLottoPlus: return check_lotto_plus(index, bytes);
        case Kind::kBonus: return check_bonus(index, bytes);
    }
    return {};
}

Status decode_bundle(std::span<const uint8_t> bytes, Bundle& out) {
    const auto& bases = data_file_bases();
    if (bytes.size() > kBundleMaxBytes)
        return Status::failure("Das Update-Paket ist größer als " + std::to_string(kBundleMaxBytes) +
                               " Bytes.|Es wurde nichts geändert.");
    Bundle b;
    size_t pos = 0;
    for (size_t i = 0; i < bases.size(); ++i) {
        if (bytes.size() - pos < 4)
            return Status::failure("Das Update-Paket ist unvollständig (" + file_name(i) +
                                   " fehlt).|Es wurde nichts geändert.");
        const uint32_t length = static_cast<uint32_t>(get_i32(bytes.data() + pos));
        pos += 4;
        if (length > bytes.size() - pos)
            return Status::failure("Das Update-Paket ist unvollständig (" + file_name(i) +
                                   " abgeschnitten).|Es wurde nichts geändert.");
        auto file = bytes.subspan(pos, length);
        if (Status s = check_bundle_file(i, file); !s) return s;
        b.files.emplace_back(file.begin(), file.end());
        pos += length;
    }
    if (pos != bytes.size())
        return Status::failure("Das Update-Paket hat überzählige Bytes am Ende.|Es wurde nichts geändert.");
    out = std::move(b);
    return {};
}

Status encode_bundle(const fs::path& folder, std::vector<uint8_t>& out) {
    std::vector<uint8_t> bytes;
    for (const auto& base : data_file_bases()) {
        std::vector<uint8_t> file;
        if (auto path = find_file(folder, base + ".Dat")) {
            auto data = read_file(*path, kBundleMaxBytes);
            if (!data)
                return Status::failure("Die Datei " + path->filename().string() +
                                       " kann nicht gelesen werden oder ist zu groß.");
            file = std::move(*data);
        }
        put_i32(bytes, static_cast<int32_t>(file.size()));
        bytes.insert(bytes.end(), file.begin(), file.end());
        if (bytes.size() > kBundleMaxBytes)
            return Status::failure("Das Update-Paket würde größer als " +
                                   std::to_string(kBundleMaxBytes) + " Bytes.");
    }
    out = std::move(bytes);
    return {};
}

bool UpdatePlan::any_newer() const {
    return std::any_of(files.begin(), files.end(),
                       [](const FilePlan& f) { return f.verdict == FileVerdict::kNewer; });
}

Status plan_update(const fs::path& folder, const Bundle& bundle, UpdatePlan& plan) {
    const auto& bases = data_file_bases();
    if (bundle.files.size() != bases.size())
        return Status::failure("Das Update-Paket ist unvollständig.|Es wurde nichts geändert.");
    UpdatePlan result;
    for (size_t i = 0; i < bases.size(); ++i) {
        FilePlan f;
        f.name = file_name(i);
        const auto path = find_file(folder, f.name);
        if (!path) {
            f.verdict = FileVerdict::kAbsent;
            result.files.push_back(std::move(f));
            continue;
        }
        const std::vector<uint8_t>& fresh = bundle.files[i];
        auto old = read_file(*path, kBundleMaxBytes);
        if (!old)
            return Status::failure("Die Datei " + path->filename().string() +
                                   " kann nicht gelesen werden.|Es wurde nichts geändert.");
        const FileKind k = kind_of(i);
        Comparison c;
        switch (k.kind) {
            case Kind::kDraws:
                c = compare_records(*old, fresh, kHeaderBytes,
                                    static_cast<size_t>(game_params(k.game).record_length()));
                break;
            case Kind::kForeignDraws: c = compare_records(*old, fresh, kHeaderBytes, 1); break;
            case Kind::kSide: c = compare_side(*old, fresh); break;
            case Kind::kLottoPlus: c = compare_records(*old, fresh, 0, 6); break;
            case Kind::kBonus: c = compare_bonus(*old, fresh); break;
        }
        if (c.conflict) return Status::failure(conflict_text(i, *c.conflict));
        if (c.more) {
            f.verdict = FileVerdict::kNewer;
            f.contents = fresh;
            // The user's slip calibration and Bundesland stay.
            if (i < kDrawFileCount && old->size() >= kHeaderBytes)
                std::copy_n(old->begin(), kHeaderBytes, f.contents.begin());
        }
        result.files.push_back(std::move(f));
    }
    plan = std::move(result);
    return {};
}

Status apply_update(const fs::path& folder, const UpdatePlan& plan) {
    // All newer files as one set: a crash leaves every file old or every file
    // new, and the next start finishes an interrupted set.
    FileSetWriter files;
    for (const FilePlan& f : plan.files) {
        if (f.verdict != FileVerdict::kNewer) continue;
        const auto path = find_file(folder, f.name);
        if (!path) return Status::failure("Die Datei " + f.name + " ist verschwunden.|Es wurde nichts geändert.");
        files.add(*path, f.contents);
    }
    if (Status s = files.commit(); !s) return Status::failure(s.message() + "|Es wurde nichts geändert.", s.kind());
    // Backups of older versions of the program are stale now.
    for (const FilePlan& f : plan.files) {
        if (f.verdict != FileVerdict::kNewer) continue;
        if (auto stale = find_file(folder, f.name + kBackupSuffix)) {
            std::error_code ec;
            fs::remove(*stale, ec);
        }
    }
    return {};
}

Status update_from_bundle(const fs::path& folder, std::span<const uint8_t> bytes, bool dry_run,
                          UpdatePlan& plan) {
    Bundle bundle;
    if (Status s = decode_bundle(bytes, bundle); !s) return s;
    if (Status s = plan_update(folder, bundle, plan); !s) return s;
    if (dry_run || !plan.any_newer()) return {};
    return apply_update(folder, plan);
}

const char* verdict_text(FileVerdict v) {
    switch (v) {
        case FileVerdict::kNewer: return "neuer";
        case FileVerdict::kUnchanged: return "unverändert";
        case FileVerdict::kAbsent: return "nicht vorhanden";
    }
    return "";
}

}  // namespace zw
