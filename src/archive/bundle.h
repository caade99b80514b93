// The update bundle "Mega.Dat": for each of the 21 data files, a 32-bit
// little-endian length and then the complete new contents of that file.
// The bundle is decoded and checked whole in memory; only then are the files
// that really grew swapped in, with backups that are restored on failure.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/file_io.h"

namespace zw {

constexpr size_t kBundleMaxBytes = 600000;  // the whole bundle, all 21 files
constexpr const char* kBackupSuffix = ".kat";

struct Bundle {
    // Contents per data-file base name, in the order of data_file_bases(); empty = length 0.
    std::vector<std::vector<uint8_t>> files;
};

// Decodes and checks a bundle: every length within the bytes left, the exact
// total, and every file a valid file of its kind (draw files with their
// numbers, side-game files, LottoPlus, bonus draws). Refused with a German
// message naming the file.
Status decode_bundle(std::span<const uint8_t> bytes, Bundle& out);
// Checks one file of the bundle (index into data_file_bases()); empty is valid.
Status check_bundle_file(size_t index, std::span<const uint8_t> bytes);

// The bundle of a data folder: every data file it holds (missing files have length 0).
Status encode_bundle(const fs::path& folder, std::vector<uint8_t>& out);

// What the update does with one file.
enum class FileVerdict {
    kNewer,      // holds more and agrees with the user's file: taken
    kUnchanged,  // holds nothing new: the user's file stays
    kAbsent,     // the user has no such file: skipped
};

struct FilePlan {
    std::string name;  // base name + ".Dat"
    FileVerdict verdict = FileVerdict::kUnchanged;
    std::vector<uint8_t> contents;  // for kNewer: what is written (user's header kept)
};

struct UpdatePlan {
    std::vector<FilePlan> files;
    bool any_newer() const;
};

// Compares the bundle with the data folder without changing anything. A file
// that holds more but contradicts the user's file (a draw or side number the
// user has, with other values) refuses the whole update: nothing the user
// entered is ever overwritten by a download.
Status plan_update(const fs::path& folder, const Bundle& bundle, UpdatePlan& plan);

// Writes every newer file as one set (FileSetWriter): on a failure no file
// changes, and a set cut short by a crash is finished at the next start.
// Backups ("<name>.kat") an older version of the program left are removed.
Status apply_update(const fs::path& folder, const UpdatePlan& plan);

// The whole update from downloaded bundle bytes: decode and check, compare,
// and (unless dry_run) swap. `plan` says per file what happened.
Status update_from_bundle(const fs::path& folder, std::span<const uint8_t> bytes, bool dry_run,
                          UpdatePlan& plan);

// German text of a verdict for listings: "neuer", "unverändert", "nicht vorhanden".
const char* verdict_text(FileVerdict v);

}  // namespace zw
