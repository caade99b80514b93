#include "tipping/weight_matrix.h"

#include "games/game_catalogue.h"
#include "tipping/par_files.h"

namespace zw {
namespace {

constexpr std::string_view kMatrixKept = "Es gelten weiter die bisherigen Gewichtungen.";

bool in_range(int cell, GameCode game) {
    return cell >= 0 && cell < kMatrixCells && game >= 0 && game < kMatrixGames;
}

}  // namespace

int WeightMatrix::weight(int cell, GameCode game) const {
    if (!in_range(cell, game)) return 0;
    return w_[static_cast<size_t>(cell)][static_cast<size_t>(game)];
}

void WeightMatrix::set_weight(int cell, GameCode game, int value) {
    if (!in_range(cell, game)) return;
    if (value < 0 || value > kMaxWeight) value = 0;
    w_[static_cast<size_t>(cell)][static_cast<size_t>(game)] = static_cast<int8_t>(value);
}

void WeightMatrix::step(int cell, GameCode game) { set_weight(cell, game, (weight(cell, game) + 1) % (kMaxWeight + 1)); }

void WeightMatrix::invert(const GameParams& params) {
    // The Swiss Glückszahl cells lie above the highest number, so every cell
    // the game shows is stepped exactly once.
    for (int cell = 1; cell <= matrix_cell_count(params); ++cell) step(cell, params.code);
}

void WeightMatrix::clear_game(GameCode game) {
    for (int cell = 0; cell < kMatrixCells; ++cell) set_weight(cell, game, 0);
}

int matrix_cell_count(const GameParams& params) {
    return params.swiss ? kLuckyCellBase + kLuckyCellCount : params.highest_number;
}

std::vector<uint8_t> encode_weight_matrix(const WeightMatrix& m) {
    std::vector<uint8_t> out;
    out.reserve(kMatrixFileSize);
    for (int cell = 0; cell < kMatrixCells; ++cell)
        for (GameCode game : kGames)
            put_i16(out, static_cast<int16_t>(m.weight(cell, game)));
    return out;
}

Status decode_weight_matrix(std::span<const uint8_t> bytes, WeightMatrix& out) {
    if (bytes.size() != kMatrixFileSize)
        return wrong_length(kMatrixFile, bytes.size(), kMatrixFileSize, kMatrixKept);
    WeightMatrix m;
    const uint8_t* p = bytes.data();
    for (int cell = 0; cell < kMatrixCells; ++cell)
        for (GameCode game : kGames) {
            m.set_weight(cell, game, get_i16(p));
            p += 2;
        }
    out = m;
    return {};
}

Status load_weight_matrix(const fs::path& folder, WeightMatrix& out, bool* found) {
    if (found) *found = file_exists(folder, kMatrixFile);
    Status status;
    const auto bytes = read_exact(folder, kMatrixFile, kMatrixFileSize, kMatrixKept, status);
    if (!bytes) return status;
    return decode_weight_matrix(*bytes, out);
}

Status save_game_weights(const fs::path& folder, WeightMatrix& matrix, GameCode game) {
    // A stored file that cannot be read gives way to the weights in memory.
    WeightMatrix merged = matrix;
    (void)load_weight_matrix(folder, merged);
    for (int cell = 1; cell < kMatrixCells; ++cell)
        merged.set_weight(cell, game, matrix.weight(cell, game));
    const std::vector<uint8_t> bytes = encode_weight_matrix(merged);
    if (Status s = write_file_atomic(path_for_write(folder, kMatrixFile), bytes); !s)
        return Status::failure("Die Gewichtungs-Matrix konnte nicht gesichert werden.|" + s.message());
    matrix = merged;
    return {};
}

}  // namespace zw
