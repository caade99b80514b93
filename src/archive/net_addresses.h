// Where the Internet update looks: the update bundle, the result pages and the
// public CSV archives.
#pragma once

#include <string>

namespace zw {

// The configurable addresses of the Internet update (Ziehwerk.ini).
struct NetAddresses {
    std::string bundle = "https://www.ziehwerk.example/update/Mega.Dat";
    std::string lotto = "https://www.lotto-ergebnisse.example";           // German Lotto and Toto
    std::string swiss = "https://www.schweizer-lotto.example";            // Swiss Lotto
    std::string austria = "https://www.lottozahlen-oesterreich.example";  // Austrian Lotto
    // The public CSV archives the draw update reads ([Quellen]); empty: switched off.
    std::string source_lotto =
        "https://raw.githubusercontent.com/daowa89/lottery-archive/main/de/lotto_6aus49/"
        "results.csv";
    std::string source_austria =
        "https://raw.githubusercontent.com/daowa89/lottery-archive/main/at/lotto_6aus45/"
        "results.csv";
    int timeout_seconds = 15;
};

}  // namespace zw
