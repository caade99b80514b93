#include "tipping/par_files.h"

#include <optional>
#include <system_error>

#include "games/game_catalogue.h"

namespace zw {

Status wrong_length(std::string_view file, size_t found, size_t expected, std::string_view kept) {
    return Status::failure("Die Datei " + std::string(file) + " ist " + std::to_string(found) +
                           " statt " + std::to_string(expected) +
                           " Bytes lang und wurde nicht gelesen.|" + std::string(kept));
}

namespace {

Status out_of_range(std::string_view file, std::string_view what, std::string_view kept) {
    return Status::failure("Die Datei " + std::string(file) + " enthält " + std::string(what) +
                           " und wurde nicht gelesen.|" + std::string(kept));
}

}  // namespace

std::optional<std::vector<uint8_t>> read_exact(const fs::path& folder, std::string_view name,
                                               size_t expected, std::string_view kept,
                                               Status& status) {
    status = {};
    const auto path = find_file(folder, name);
    if (!path) return std::nullopt;
    std::error_code ec;
    const auto size = fs::file_size(*path, ec);
    if (!ec && size != expected) {
        status = wrong_length(name, static_cast<size_t>(size), expected, kept);
        return std::nullopt;
    }
    auto bytes = ec ? std::nullopt : read_file(*path, expected);
    if (!bytes || bytes->size() != expected) {
        status = Status::failure("Die Datei " + std::string(name) + " kann nicht gelesen werden.|" +
                                 std::string(kept));
        return std::nullopt;
    }
    return bytes;
}

namespace {

constexpr std::string_view kMoneyKept = "Es gelten weiter die bisherigen Quoten und Gebühren.";
constexpr std::string_view kSwissKept = "Es gelten weiter die bisherigen Schweizer Quoten.";
constexpr std::string_view kLottoPlusKept = "Es gelten die eingebauten LottoPlus-Quoten.";

}  // namespace

std::vector<uint8_t> encode_money_tables(const MoneyTables& tables) {
    std::vector<uint8_t> out;
    out.reserve(kMoneyFileSize);
    for (const auto& game : tables.quota)
        for (int32_t q : game) put_i32(out, q);
    for (const auto& list : tables.fees)
        for (int16_t f : list) put_i16(out, f);
    return out;
}

Status decode_money_tables(std::span<const uint8_t> bytes, MoneyTables& out) {
    if (bytes.size() != kMoneyFileSize)
        return wrong_length(kMoneyFile, bytes.size(), kMoneyFileSize, kMoneyKept);
    MoneyTables read = out;
    const uint8_t* p = bytes.data();
    for (auto& game : read.quota)
        for (int32_t& q : game) {
            q = get_i32(p);
            p += 4;
        }
    for (auto& list : read.fees)
        for (int16_t& f : list) {
            f = get_i16(p);
            p += 2;
        }
    // The quota and fee dialogs take no negative amounts; neither does the file.
    for (const auto& game : read.quota)
        for (int32_t q : game)
            if (q < 0) return out_of_range(kMoneyFile, "eine negative Quote", kMoneyKept);
    for (const auto& list : read.fees)
        for (int16_t f : list)
            if (f < 0) return out_of_range(kMoneyFile, "eine negative Gebühr", kMoneyKept);
    out = read;
    return {};
}

std::vector<uint8_t> encode_swiss_quotas(const std::array<int32_t, 11>& quotas) {
    std::vector<uint8_t> out;
    for (int32_t q : quotas) put_i32(out, q);
    return out;
}

Status decode_swiss_quotas(std::span<const uint8_t> bytes, std::array<int32_t, 11>& out) {
    if (bytes.size() != kSwissQuotaFileSize)
        return wrong_length(kSwissQuotaFile, bytes.size(), kSwissQuotaFileSize, kSwissKept);
    std::array<int32_t, 11> read{};
    for (size_t i = 0; i < read.size(); ++i) read[i] = get_i32(bytes.data() + 4 * i);
    for (int32_t q : read)
        if (q < 0) return out_of_range(kSwissQuotaFile, "eine negative Quote", kSwissKept);
    out = read;
    return {};
}

std::vector<uint8_t> encode_lottoplus_quotas(const std::array<int32_t, 4>& values) {
    std::vector<uint8_t> out;
    for (int32_t v : values) put_i32(out, v);
    return out;
}

Status decode_lottoplus_quotas(std::span<const uint8_t> bytes, std::array<int32_t, 4>& out) {
    if (bytes.size() != kLottoPlusFileSize)
        return wrong_length(kLottoPlusFile, bytes.size(), kLottoPlusFileSize, kLottoPlusKept);
    std::array<int32_t, 4> read{};
    for (size_t i = 0; i < read.size(); ++i) read[i] = get_i32(bytes.data() + 4 * i);
    for (int32_t q : read)
        if (q < 0) return out_of_range(kLottoPlusFile, "eine negative Quote", kLottoPlusKept);
    out = read;
    return {};
}

Status load_money_tables(const fs::path& folder, MoneyTables& out, bool* found) {
    if (found) *found = file_exists(folder, kMoneyFile);
    Status status;
    auto bytes = read_exact(folder, kMoneyFile, kMoneyFileSize, kMoneyKept, status);
    if (!bytes) return status;
    MoneyTables read = out;
    if (Status s = decode_money_tables(*bytes, read); !s) return s;
    out = read;
    return {};
}

void load_game_money_files(const fs::path& folder, GameParams& params, MoneyTables& money,
                           std::vector<std::string>& warnings) {
    Status status;
    if (params.swiss) {
        if (auto bytes =
                read_exact(folder, kSwissQuotaFile, kSwissQuotaFileSize, kSwissKept, status))
            status = decode_swiss_quotas(*bytes, money.swiss_quota);
        if (!status) warnings.push_back(status.message());
    }
    if (params.austria) {
        // The game selection cleared the prize table: without a readable file
        // the built-in quotas are the "previous" values.
        std::array<int32_t, 4> values = default_lottoplus_quotas();
        if (auto bytes =
                read_exact(folder, kLottoPlusFile, kLottoPlusFileSize, kLottoPlusKept, status))
            status = decode_lottoplus_quotas(*bytes, values);
        if (!status) warnings.push_back(status.message());
        set_lottoplus_quotas(params, values);
    }
}

Status save_money_files(const fs::path& folder, const MoneyTables& money,
                        const GameParams& params) {
    FileSetWriter files;
    files.add(path_for_write(folder, kMoneyFile), encode_money_tables(money));
    if (params.swiss)
        files.add(path_for_write(folder, kSwissQuotaFile), encode_swiss_quotas(money.swiss_quota));
    if (params.austria)
        files.add(path_for_write(folder, kLottoPlusFile),
                  encode_lottoplus_quotas(lottoplus_quotas(params)));
    return files.commit();
}

}  // namespace zw
