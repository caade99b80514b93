#include "cardindex/card_store.h"

#include "cardindex/nrm_file.h"
#include "cardindex/sys_file.h"

namespace zw {
namespace {

// The plain file name of an answer, refused when it names another folder.
Status plain_name(const std::string& name, GameCode game, CardKind kind, std::string& out) {
    const fs::path p(name);
    if (name.empty() || p.has_parent_path() || p.filename() != p) return Status::failure(kBadCardName);
    if (Status s = check_card_name(name, game, kind); !s) return s;
    out = p.filename().string();
    return {};
}

std::string name_or_default(const CardIndex& index, GameCode game, const std::string& name) {
    if (!name.empty()) return name;
    if (!index.file().empty()) return index.file().filename().string();
    return default_card_file(game, index.kind());
}

}  // namespace

Status load_card_index(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name) {
    std::string file;
    if (Status s = plain_name(name.empty() ? default_card_file(game, index.kind()) : name, game, index.kind(), file); !s)
        return s;
    const auto path = find_file(folder, file);
    if (!path) return Status::failure(kCardMissing);
    return index.kind() == CardKind::Normal ? load_nrm(*path, game, index) : load_sys(*path, game, index);
}

namespace {

std::string tickets_text(int n) { return n == 1 ? "1 Tipp" : std::to_string(n) + " Tipps"; }

struct ReplacedFile {
    std::string question;
    bool readable = true;
};

std::optional<ReplacedFile> replaced_file(const fs::path& folder, GameCode game, const CardIndex& index,
                                          const std::string& name) {
    std::string file;
    if (!plain_name(name_or_default(index, game, name), game, index.kind(), file)) return std::nullopt;
    const auto path = find_file(folder, file);
    if (!path) return std::nullopt;
    std::error_code ec;
    if (!index.file().empty() && fs::equivalent(*path, index.file(), ec)) return std::nullopt;
    const std::string shown = path->filename().string();
    const std::string by = "durch diese Kartei (" + tickets_text(index.count()) + ") ersetzt";
    CardIndex old(index.kind());
    const Status read = index.kind() == CardKind::Normal ? load_nrm(*path, game, old) : load_sys(*path, game, old);
    if (read) return ReplacedFile{"Die Kartei " + shown + " (" + tickets_text(old.count()) + ") ist vorhanden und wird " + by + ".", true};
    // The count the file claims, when its first two bytes hold a plausible one.
    std::string held;
    if (const auto bytes = read_file(*path, 1u << 20); bytes && bytes->size() >= 2) {
        const int n = get_i16(bytes->data());
        if (n >= 0 && n <= kCardCapacity) held = " (" + tickets_text(n) + ")";
    }
    return ReplacedFile{"Die Kartei " + shown + held + " konnte nicht gelesen werden; sie wird " + by +
                            ", ihr bisheriger Inhalt geht verloren.",
                        false};
}

}  // namespace

std::optional<std::string> card_file_replaced(const fs::path& folder, GameCode game, const CardIndex& index,
                                              const std::string& name) {
    if (auto r = replaced_file(folder, game, index, name)) return r->question;
    return std::nullopt;
}

Status save_card_index(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name,
                       bool replace_confirmed) {
    std::string file;
    if (Status s = plain_name(name_or_default(index, game, name), game, index.kind(), file); !s) return s;
    // A file that could not be read is never written over unasked.
    if (!replace_confirmed)
        if (auto r = replaced_file(folder, game, index, name); r && !r->readable)
            return Status::failure(r->question + "|Es wurde nichts gespeichert.");
    const fs::path path = path_for_write(folder, file);
    return index.kind() == CardKind::Normal ? save_nrm(path, game, index) : save_sys(path, game, index);
}

Status delete_card_file(const fs::path& folder, GameCode game, CardIndex& index, const std::string& name, bool* deleted) {
    if (deleted) *deleted = false;
    std::string file;
    if (Status s = plain_name(name, game, index.kind(), file); !s) return s;
    const auto path = find_file(folder, file);
    if (!path) return {};
    std::error_code ec;
    const bool current = !index.file().empty() && fs::equivalent(*path, index.file(), ec);
    if (!fs::remove(*path, ec) || ec)
        return Status::failure("Die Kartei " + file + " kann nicht gelöscht werden.");
    if (deleted) *deleted = true;
    if (current) {
        index.clear();
        index.set_file({});
    }
    return {};
}

void load_default_card_indexes(const fs::path& folder, GameCode game, CardIndex& normal, CardIndex& system,
                               std::vector<std::string>& warnings) {
    for (CardIndex* index : {&system, &normal}) {
        *index = CardIndex(index->kind());
        const std::string name = default_card_file(game, index->kind());
        if (!file_exists(folder, name)) continue;
        if (Status s = load_card_index(folder, game, *index, name); !s)
            warnings.push_back(to_upper_ascii(name) + ": " + s.message());
    }
}

}  // namespace zw
