// Writes Ziehwerk.Par, SwissLotto.Par and AustriaLotto.Par with the program's
// built-in default quotas and fees into a folder (the shipped data/).
#include <iostream>

#include "tipping/par_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: ziehwerk-par-defaults ORDNER\n";
        return 2;
    }
    const zw::fs::path folder = argv[1];
    const zw::MoneyTables tables = zw::default_money_tables();
    const struct {
        std::string_view name;
        std::vector<uint8_t> bytes;
    } files[] = {
        {zw::kMoneyFile, zw::encode_money_tables(tables)},
        {zw::kSwissQuotaFile, zw::encode_swiss_quotas(tables.swiss_quota)},
        {zw::kLottoPlusFile, zw::encode_lottoplus_quotas(zw::default_lottoplus_quotas())},
    };
    for (const auto& f : files) {
        if (zw::Status s = zw::write_file_atomic(zw::path_for_write(folder, f.name), f.bytes); !s) {
            std::cerr << s.message() << "\n";
            return 1;
        }
        std::cout << f.name << ": " << f.bytes.size() << " Bytes\n";
    }
    return 0;
}
