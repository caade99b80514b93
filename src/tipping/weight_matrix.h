// The weighting matrix of the power tip ("Gewichtungs-Matrix"): one weight
// 0..3 per number 0..49 and game, kept in matrix.par (600 bytes, number-major,
// int16 little-endian). For the Swiss game cells 43..48 hold the weights of
// the Glückszahlen 1..6.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "games/game_catalogue.h"

namespace zw {

struct GameParams;

inline constexpr std::string_view kMatrixFile = "matrix.par";
constexpr int kMatrixCells = 50;  // numbers 0..49; cell 0 is carried but unused
constexpr int kMatrixGames = 6;
constexpr size_t kMatrixFileSize = kMatrixCells * kMatrixGames * 2;
static_assert(kMatrixGames == kGameCount, "the weights file holds a column for every game");
static_assert(kMatrixFileSize == 600);

constexpr int kMaxWeight = 3;  // "keine", "gering", "mittel", "hoch"
constexpr int kLuckyCellCount = 6;

inline constexpr std::array<std::string_view, kMaxWeight + 1> kWeightNames = {
    "keine", "gering", "mittel", "hoch"};

class WeightMatrix {
public:
    // 0 for cells or games out of range.
    int weight(int cell, GameCode game) const;
    // Values outside 0..3 are stored as 0; cells or games out of range are ignored.
    void set_weight(int cell, GameCode game, int value);

    // A click on a cell: one step up, 4 wraps to 0.
    void step(int cell, GameCode game);
    // " _Inverte ": steps every number of the game once, and the Swiss
    // Glückszahl cells once.
    void invert(const GameParams& params);
    // " _Löschung ": all weights of the game become 0.
    void clear_game(GameCode game);

    bool operator==(const WeightMatrix&) const = default;

private:
    std::array<std::array<int8_t, kMatrixGames>, kMatrixCells> w_{};
};

// The cells the game shows in the matrix: its numbers, Swiss also the Glückszahl cells.
int matrix_cell_count(const GameParams& params);

std::vector<uint8_t> encode_weight_matrix(const WeightMatrix& m);
// Refuses any length other than 600 bytes (out unchanged); values outside
// 0..3 read as 0.
Status decode_weight_matrix(std::span<const uint8_t> bytes, WeightMatrix& out);

// Reads matrix.par (any spelling). A missing file leaves `out` as it is and
// is no error (`found` tells); a refused file leaves `out` as it is.
Status load_weight_matrix(const fs::path& folder, WeightMatrix& out, bool* found = nullptr);

// " _Sichern ": reads the stored file first so that the other games keep
// their stored weights, puts the weights of `game` (cells 1..49) back over
// it and writes all 600 bytes atomically. On success `matrix` holds what was
// written; on failure it is unchanged and the status says why.
Status save_game_weights(const fs::path& folder, WeightMatrix& matrix, GameCode game);

}  // namespace zw
