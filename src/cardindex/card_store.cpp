#include "cardindex/card_store.h"

#include "cardindex/nrm_file.h"
#include "cardindex/sys_file.h"

namespace zw {
namespace {

// The plain file name of an answer, refused when it names another folder.
Status plain_name(const std::string& name, int game, CardKind kind, std::string& out) {
    const fs::path p(name);
    if (name.empty() || p.has_parent_path() || p.filename() != p) return Status::failure(kBadCardName);
    if (Status s = check_card_name(name, game, kind); !s) return s;
    out = p.filename().string();
    return {};
}

std::string name_or_default(const CardIndex& index, int game, const std::string& name) {
    if (!name.empty()) return name;
    if (!index.file().empty()) return index.file().filename().string();
    return default_card_file(game, index.kind());
}

}  // namespace

Status load_card_index(const fs::path& folder, int game, CardIndex& index, const std::string& name) {
    std::string file;
    if (Status s = plain_name(name.empty() ? default_card_file(game, index.kind()) : name, game, index.kind(), file); !s)
        return s;
    const auto path = find_file(folder, file);
    if (!path) return Status::failure(kCardMissing);
    return index.kind() == CardKind::Normal ? load_nrm(*path, game, index) : load_sys(*path, game, index);
}

Status save_card_index(const fs::path& folder, int game, CardIndex& index, const std::string& name) {
    std::string file;
    if (Status s = plain_name(name_or_default(index, game, name), game, index.kind(), file); !s) return s;
    const fs::path path = path_for_write(folder, file);
    return index.kind() == CardKind::Normal ? save_nrm(path, game, index) : save_sys(path, game, index);
}

Status delete_card_file(const fs::path& folder, int game, CardIndex& index, const std::string& name, bool* deleted) {
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

void load_default_card_indexes(const fs::path& folder, int game, CardIndex& normal, CardIndex& system,
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
