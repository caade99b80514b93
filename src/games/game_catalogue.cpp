#include "games/game_catalogue.h"

#include "games/capacity.h"

namespace zw {
namespace {

constexpr std::string_view kGermanHeader =
    " Nr. 6+S  6  5+S  5   4+S   4    3+S    3    2+S R. Einsatz   ~ Gewinn    Spiel 77    Super 6";
constexpr std::string_view kTotoHeader =
    " Nr.  6   5+  5   4   3+  3 R.  Einsatz    ~ Gewinn   Spiel 77    Super 6";
constexpr std::string_view kAustriaHeader =
    " Nr.  6  5+ 5   4+  4   3+   3   ZZ   P6 P5 P4 P3    Einsatz    ~ Gewinn       JOKER";
constexpr std::string_view kSwissHeader =
    " Nr.  6+G  6  5+G  5   4+G   4    3+G    3 R. Einsatz    ~ Gewinn       JOKER";

constexpr std::array<GameInfo, kGameCount> kCatalogue = {{
    {kLottoSaturday, "Lotto 6 aus 49 (Samstag)", "Lotto.Dat", "Kartei.Nrm", "Kartei.Sys", "Spiel77Sam.Dat",
     -1004, "Super6Sam.Dat", -1874, 49, 1887, 31, 25, {8, 12}, {"Lotto", "samstags", ""},
     kGermanHeader},
    {kLottoWednesday, "Lotto 6 aus 49 (Mittwoch)", "M_Lotto.Dat", "M_Kartei.Nrm", "M_Kartei.Sys",
     "Spiel77Mit.Dat", 213, "Super6Mit.Dat", -549, 49, 993, 31, 25, {8, 13},
     {"Lotto", "mittwochs", ""}, kGermanHeader},
    {kToto, "Toto Auswahlwette 6 aus 45", "Toto.Dat", "T_Kartei.Nrm", "T_Kartei.Sys",
     "Spiel77Sam.Dat", -1, "Super6Sam.Dat", -871, 45, 0, 42, 23, {9, 12},
     {"Toto", "Auswahlwette", ""}, kTotoHeader},
    {kAustria, "Österreich Lotto 6 aus 45", "O_Lotto.Dat", "A_Kartei.Nrm", "A_Kartei.Sys", "Joker.Dat",
     -108, "", 0, 45, 0, 12, 23, {11, 14}, {"Österreich", "LOTTO", "Plus"}, kAustriaHeader},
    {kLottoBoth, "Lotto 6 aus 49 (Samstag und Mittwoch)", "SM_Lotto.Dat", "MSKartei.Nrm", "MSKartei.Sys",
     "Spiel77.Dat", -1004, "Super6.Dat", -2422, 49, 2463, 31, 25, {8, 14},
     {"Lotto", "6 aus 49", ""}, kGermanHeader},
    {kSwiss, "Swiss Lotto 6 aus 42", "Swiss.Dat", "CH_Kartei.Nrm", "CH_Kartei.Sys", "JokerCH.Dat",
     -955, "", 0, 42, 0, 34, 22, {14, 18}, {"SWISSLOS", "LOTTO", ""}, kSwissHeader},
}};

constexpr std::array<int, 7> kEvenGerman = {127, 912, 2497, 3329, 2280, 760, 96};
constexpr std::array<int, 7> kEven45 = {124, 909, 2511, 3348, 2272, 744, 92};
constexpr std::array<int, 7> kEvenSwiss = {103, 815, 2396, 3372, 2396, 815, 103};

constexpr std::array<int32_t, 8> kSpiel77Prizes = {0, 50, 170, 770, 7770, 77770, 777770, 1777770};
constexpr std::array<int32_t, 8> kSuper6Prizes = {0, 25, 60, 660, 6660, 66660, 1000000, 0};
constexpr std::array<int32_t, 8> kAustrianJoker = {0, 20, 100, 1000, 10000, 100000, 3000000, 0};
constexpr std::array<int32_t, 8> kSwissJoker = {0, 0, 100, 1000, 10000, 100000, 2500000, 0};

}  // namespace

const GameInfo& game_info(GameCode code) {
    return kCatalogue.at(is_valid_game(code) ? static_cast<size_t>(code) : 0);
}

std::array<std::string_view, 10> class_names(GameCode code) {
    if (is_german_lotto(code)) return {"", "6+S", "6", "5+S", "5", "4+S", "4", "3+S", "3", "2+S"};
    if (code == kToto) return {"", "", "6", "5+", "5", "", "4", "3+", "3", ""};
    if (code == kAustria) return {"", "", "6", "5+", "5", "4+", "4", "3+", "3", "ZZ"};
    return {"", "6+G", "6", "5+G", "5", "4+G", "4", "3+G", "3", ""};
}

bool ModulePresence::has(std::string_view file) const {
    for (size_t i = 0; i < kModuleFiles.size(); ++i)
        if (kModuleFiles[i] == file) return present[i];
    return false;
}

ModulePresence ModulePresence::probe(const std::function<bool(std::string_view)>& exists) {
    ModulePresence m;
    for (size_t i = 0; i < kModuleFiles.size(); ++i) m.present[i] = exists(kModuleFiles[i]);
    return m;
}

int GameParams::capacity() const { return swiss ? kMaxSwissDraws : kMaxDraws; }

void apply_game(GameParams& p, GameCode code) {
    const GameInfo& g = game_info(code);
    p.code = g.code;
    p.highest_number = g.highest_number;
    p.austria = code == kAustria;
    p.swiss = code == kSwiss;
    p.super_start = g.super_start;
    p.odds_constant = g.odds_constant;
    p.generator_constant = g.generator_constant;
    p.german_lotto = is_german_lotto(code);
    p.fixed_side_prizes = is_german_game(code);
    p.currency = p.swiss ? "CHF" : "EUR";
    p.even_distribution = p.german_lotto ? kEvenGerman : (p.swiss ? kEvenSwiss : kEven45);
    p.side_prizes_1.fill(0);
    p.side_prizes_2.fill(0);
    if (is_german_game(code)) {
        p.side_prizes_1 = kSpiel77Prizes;
        p.side_prizes_2 = kSuper6Prizes;
    } else if (p.austria) {
        p.side_prizes_1 = kAustrianJoker;
    } else {
        p.side_prizes_1 = kSwissJoker;
    }
}

GameCode initial_game(const std::function<bool(std::string_view)>& exists, std::string_view argument) {
    GameCode code = kLottoSaturday;
    if (!exists("Lotto.Dat")) {
        // The last file of this list that exists wins.
        constexpr std::array<std::pair<std::string_view, GameCode>, 5> order = {
            {{"Swiss.Dat", kSwiss}, {"O_Lotto.Dat", kAustria}, {"M_Lotto.Dat", kLottoWednesday}, {"Toto.Dat", kToto},
             {"SM_Lotto.Dat", kLottoBoth}}};
        for (const auto& [file, game] : order)
            if (exists(file)) code = game;
    }
    if (!argument.empty())
        if (const auto chosen = game_code(argument[0] - '0')) code = *chosen;
    return code;
}

}  // namespace zw
