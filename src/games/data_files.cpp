#include "games/data_files.h"

namespace zw {

const std::vector<std::string>& data_file_bases() {
    static const std::vector<std::string> bases = {
        "Lotto",   "M_Lotto", "Toto",      "O_Lotto",   "SM_Lotto",   "Swiss",      "Euro",
        "13Wette", "O_Toto",  "Jack",      "A_Toto",    "Spiel77Sam", "Spiel77Mit", "Spiel77",
        "Joker",   "JokerCH", "Super6Sam", "Super6Mit", "Super6",     "OP_Lotto",   "OB_Lotto"};
    return bases;
}

}  // namespace zw
