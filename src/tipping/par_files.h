// The quota and fee files: Ziehwerk.Par (quota table and fee lists),
// SwissLotto.Par (Swiss quotas) and AustriaLotto.Par (LottoPlus quotas).
// Little-endian blocks without header; a file of the wrong length is refused
// and the tables keep what they held before.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "games/money_tables.h"

namespace zw {

struct GameParams;

inline constexpr std::string_view kMoneyFile = "Ziehwerk.Par";
inline constexpr std::string_view kSwissQuotaFile = "SwissLotto.Par";
inline constexpr std::string_view kLottoPlusFile = "AustriaLotto.Par";
// 54 quotas x int32, then 5 fee lists x 6 x int16.
constexpr size_t kMoneyFileSize = 6 * 9 * 4 + 5 * 6 * 2;
constexpr size_t kSwissQuotaFileSize = 11 * 4;
constexpr size_t kLottoPlusFileSize = 4 * 4;
static_assert(kMoneyFileSize == 276);

// The refusal of a fixed-size file of another length, ending with `kept`
// (what the program uses instead).
Status wrong_length(std::string_view file, size_t found, size_t expected, std::string_view kept);
// Reads `name` from `folder` when it is exactly `expected` bytes long.
// nullopt with `status` set when it cannot be read or has another length;
// nullopt with `status` ok when the file is absent.
std::optional<std::vector<uint8_t>> read_exact(const fs::path& folder, std::string_view name,
                                               size_t expected, std::string_view kept,
                                               Status& status);

// Quota table (game-major) and fee lists; the Swiss quotas are not part of it.
std::vector<uint8_t> encode_money_tables(const MoneyTables& tables);
Status decode_money_tables(std::span<const uint8_t> bytes, MoneyTables& out);

std::vector<uint8_t> encode_swiss_quotas(const std::array<int32_t, 11>& quotas);
Status decode_swiss_quotas(std::span<const uint8_t> bytes, std::array<int32_t, 11>& out);

std::vector<uint8_t> encode_lottoplus_quotas(const std::array<int32_t, 4>& values);
Status decode_lottoplus_quotas(std::span<const uint8_t> bytes, std::array<int32_t, 4>& out);

// Reads Ziehwerk.Par (any spelling) into the quota table and fee lists. A
// missing file is not an error (`found` tells); a refused file leaves `out` as it was.
Status load_money_tables(const fs::path& folder, MoneyTables& out, bool* found = nullptr);

// The per-game parameter files read when a game is selected: SwissLotto.Par
// into the Swiss quotas (missing: they stay), AustriaLotto.Par into the
// LottoPlus prizes of `params` (missing: the built-in LottoPlus quotas).
// Refused files add a message to `warnings`.
void load_game_money_files(const fs::path& folder, GameParams& params, MoneyTables& money,
                           std::vector<std::string>& warnings);

// "&Abspeichern": Ziehwerk.Par always, SwissLotto.Par while the Swiss game is
// selected, AustriaLotto.Par while the Austrian game is selected.
Status save_money_files(const fs::path& folder, const MoneyTables& money, const GameParams& params);

}  // namespace zw
