// The draw update's test data: the last 200 rows of the two public source
// files, and a copy of the shipped data whose archives lack their newest draws.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../temp_folder.h"
#include "session/data_folder.h"

namespace zw::test {

inline std::string source_fixture(const std::string& name) {
#ifdef ZIEHWERK_SOURCE_DIR
    const std::string root = ZIEHWERK_SOURCE_DIR;
#else
    const char* env = std::getenv("ZIEHWERK_SOURCE_DIR");
    const std::string root = env ? env : ".";
#endif
    std::ifstream in(root + "/tests/core/archive/sources/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The shipped data without the newest draws of Samstag (5), Mittwoch (5),
// Sa+Mi (10), Austria (6) and the last two bonus draws.
struct OutdatedFolder {
    TempFolder folder;
    OutdatedFolder() {
        seed_data_folder(folder.path(), shipped_data_folder());
        cut("LOTTO.DAT", 5);
        cut("M_LOTTO.DAT", 5);
        cut("SM_LOTTO.DAT", 10);
        cut("O_LOTTO.DAT", 6);
        std::string bonus;
        for (uint8_t c : folder.read("OB_Lotto.Dat")) bonus += static_cast<char>(c);
        for (int i = 0; i < 2; ++i) {
            while (!bonus.empty() && bonus.back() == '\n') bonus.pop_back();
            bonus.resize(bonus.rfind('\n') + 1);
        }
        folder.write_text("OB_Lotto.Dat", bonus);
    }
    void cut(const std::string& file, size_t draws) {
        auto bytes = folder.read(file);
        bytes.resize(bytes.size() - 7 * draws);
        folder.write(file, bytes);
    }
};

}  // namespace zw::test
