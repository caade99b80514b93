#include "games/partial_systems.h"

#include <algorithm>
#include <bit>
#include <string>
#include <utility>

namespace zw {
namespace {

constexpr size_t kCountsOffset = 0;
constexpr size_t kBitValuesOffset = kCountsOffset + 2 * kPartialSystemCount;
constexpr size_t kMasksOffset = kBitValuesOffset + 4 * kPartialMaxNumbers;
constexpr size_t kStartsOffset = kMasksOffset + 4 * kPartialMaskTotal;
static_assert(kStartsOffset + 2 * kPartialSystemCount == kPartialFileSize);

std::string damaged(const std::string& why) {
    return "Die Datei " + std::string(kPartialSystemFile) + " ist beschädigt: " + why;
}

// A valid row of system k: six positions, all below the system's number count.
bool valid_row(uint32_t mask, int numbers) {
    return std::popcount(mask) == 6 && (mask >> numbers) == 0;
}

// Gosper's hack: the next larger mask with the same number of bits. With
// v <= 26 the mask after the last p-subset (bit v set) still fits in 32 bits.
uint32_t next_subset(uint32_t s) {
    const uint32_t c = s & (~s + 1);
    const uint32_t n = s + c;
    return (((n ^ s) >> 2) / c) | n;
}

}  // namespace

PartialSystems::PartialSystems() : masks_(kPartialMaskTotal, 0) {
    for (int i = 0; i < kPartialMaxNumbers; ++i) bit_values_[i] = int32_t{1} << i;
}

Status PartialSystems::assemble(
    const std::array<std::vector<uint32_t>, kPartialSystemCount>& systems, PartialSystems& out) {
    PartialSystems built;
    int next = 0;
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto& info = kPartialSystems[k];
        const auto& rows = systems[k];
        if (static_cast<int>(rows.size()) != info.rows)
            return Status::failure("Teil-System " + std::string(info.name) + ": " +
                                   std::to_string(rows.size()) + " Reihen statt " +
                                   std::to_string(info.rows) + ".");
        for (uint32_t mask : rows) {
            if (!valid_row(mask, info.numbers))
                return Status::failure("Teil-System " + std::string(info.name) +
                                       ": ungültige Reihe " + std::to_string(mask) + ".");
        }
        built.row_counts_[k] = static_cast<int16_t>(info.rows);
        built.start_indices_[k] = static_cast<int16_t>(next);
        std::copy(rows.begin(), rows.end(), built.masks_.begin() + next);
        next += info.rows;
    }
    built.empty_ = false;
    out = std::move(built);
    return {};
}

std::span<const uint32_t> PartialSystems::rows(int k) const {
    if (empty_ || k < 0 || k >= kPartialSystemCount) return {};
    return std::span<const uint32_t>(masks_).subspan(start_indices_[k], row_counts_[k]);
}

int PartialSystems::row_count(int k) const {
    return (k < 0 || k >= kPartialSystemCount) ? 0 : row_counts_[k];
}

int PartialSystems::start_index(int k) const {
    return (k < 0 || k >= kPartialSystemCount) ? 0 : start_indices_[k];
}

int32_t PartialSystems::bit_value(int i) const {
    return (i < 0 || i >= kPartialMaxNumbers) ? 0 : bit_values_[i];
}

Status read_partial_systems(std::span<const uint8_t> bytes, PartialSystems& out) {
    if (bytes.size() != kPartialFileSize)
        return Status::failure(damaged("Sie hat " + std::to_string(bytes.size()) + " statt " +
                                       std::to_string(kPartialFileSize) + " Bytes."));
    const uint8_t* p = bytes.data();
    PartialSystems read;
    for (int i = 0; i < kPartialMaxNumbers; ++i) {
        if (get_i32(p + kBitValuesOffset + 4 * i) != read.bit_values_[i])
            return Status::failure(
                damaged("falscher Bitwert für Position " + std::to_string(i + 1) + "."));
    }
    for (int i = 0; i < kPartialMaskTotal; ++i)
        read.masks_[i] = static_cast<uint32_t>(get_i32(p + kMasksOffset + 4 * i));
    for (int k = 0; k < kPartialSystemCount; ++k) {
        const auto& info = kPartialSystems[k];
        const int count = get_i16(p + kCountsOffset + 2 * k);
        const int start = get_i16(p + kStartsOffset + 2 * k);
        const std::string name(info.name);
        // The range check comes first: everything after it reads only inside the block.
        if (count < 0 || start < 0 || start > kPartialMaskTotal - count)
            return Status::failure(
                damaged("Die Reihen von " + name + " liegen außerhalb der Tabelle."));
        // The luck index divides by the row count, and the prices are those of the
        // catalogue's row counts: a different count cannot be played.
        if (count != info.rows)
            return Status::failure(damaged(name + " hat " + std::to_string(count) + " statt " +
                                           std::to_string(info.rows) + " Reihen."));
        for (int r = start; r < start + count; ++r) {
            if (!valid_row(read.masks_[r], info.numbers))
                return Status::failure(damaged("Reihe " + std::to_string(r - start + 1) + " von " +
                                               name +
                                               " besteht nicht aus sechs der Systemzahlen."));
        }
        read.row_counts_[k] = static_cast<int16_t>(count);
        read.start_indices_[k] = static_cast<int16_t>(start);
    }
    read.empty_ = false;
    out = std::move(read);
    return {};
}

Status load_partial_systems(const std::filesystem::path& folder, PartialSystems& out) {
    auto path = find_file(folder, kPartialSystemFile);
    if (!path) return {};
    // One byte more than needed is enough to tell an oversized file.
    auto bytes = read_file(*path, kPartialFileSize + 1);
    if (!bytes) {
        std::error_code ec;
        if (std::filesystem::file_size(*path, ec) > kPartialFileSize && !ec)
            return Status::failure(damaged("Sie ist zu groß."));
        return Status::failure("Die Datei " + path->filename().string() +
                               " kann nicht gelesen werden.");
    }
    return read_partial_systems(*bytes, out);
}

std::vector<uint8_t> encode_partial_systems(const PartialSystems& systems) {
    std::vector<uint8_t> out;
    out.reserve(kPartialFileSize);
    for (int16_t c : systems.row_counts_) put_i16(out, c);
    for (int32_t b : systems.bit_values_) put_i32(out, b);
    for (uint32_t m : systems.masks_) put_i32(out, static_cast<int32_t>(m));
    for (int16_t s : systems.start_indices_) put_i16(out, s);
    return out;
}

double Guarantee::share(int p, int t) const {
    if (p < 0 || p > 6 || t < 0 || t > 6 || subsets[p] == 0) return 0.0;
    return static_cast<double>(best_hits[p][t]) / static_cast<double>(subsets[p]);
}

Guarantee guarantee(std::span<const uint32_t> masks, int v) {
    Guarantee g;
    if (v < 6 || v > kPartialMaxNumbers) return g;
    g.numbers = v;
    const uint32_t all = (uint32_t{1} << v) - 1;
    std::vector<uint32_t> rows;
    rows.reserve(masks.size());
    for (uint32_t m : masks) rows.push_back(m & all);

    for (int p = 3; p <= 6; ++p) {
        int least = p;
        uint64_t walked = 0;
        // Every p-bit mask below 2^v, in increasing order.
        for (uint32_t s = (uint32_t{1} << p) - 1; s <= all; s = next_subset(s)) {
            int best = 0;
            for (uint32_t r : rows) {
                const int h = std::popcount(r & s);
                if (h > best) {
                    best = h;
                    if (best == p) break;
                }
            }
            ++g.best_hits[p][best];
            if (best < least) least = best;
            ++walked;
        }
        g.min_hits[p] = least;
        g.subsets[p] = walked;
    }
    return g;
}

}  // namespace zw
