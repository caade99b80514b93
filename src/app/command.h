// The program's commands: one per entry of the main window's menu. The value
// is the entry's menu id in the menu definition.
#pragma once

namespace zw {

enum class Command : int {
    // Ziehwerk: games and modules
    About = 1,
    AustrianToto = 7,
    Lotto6aus49 = 8,
    Lotto6aus45 = 9,
    Elferwette = 10,
    AustrianLotto = 11,
    LottoSaturday = 12,
    LottoWednesday = 13,
    LottoBoth = 14,
    ArchiveToto = 17,
    SwissLotto = 18,
    Wette13 = 20,
    Keno = 22,
    EuroMillions = 23,
    Exit = 54,
    EuroJackpot = 80,
    // Ziehungen
    LoadDraws = 15,
    SaveDraws = 16,
    ShowDraws = 19,
    EnterDraws = 21,
    BonusDraws = 25,
    NetUpdate = 70,
    CsvImport = 90,
    // Statistik
    SetRange = 24,
    Frequency = 26,
    Gaps = 27,
    Overview = 28,
    PairGaps = 30,
    PairOverview = 31,
    PairBest = 32,
    TripleGaps = 33,
    TripleOverview = 34,
    QuadGaps = 35,
    QuadOverview = 36,
    TripleBest = 37,
    Averages = 38,
    TwinFrequency = 61,
    TwinGaps = 62,
    TwinOverview = 63,
    EvenOdd = 64,
    QuadBest = 65,
    Observations = 66,
    TripletFrequency = 67,
    TripletGaps = 68,
    TripletOverview = 69,
    LowHigh = 71,
    Smallest = 74,
    Largest = 75,
    BoundaryPairs = 76,
    // Tippen
    SaveSettings = 2,
    Quotas = 39,
    Fees = 40,
    Layout49x1 = 41,
    Layout7x7 = 42,
    NormalTicket = 44,
    SystemTicket = 45,
    Evaluate = 47,
    BestListCompute = 48,
    BestListShow = 49,
    WorstListCompute = 58,
    WorstListShow = 59,
    SystemChecker = 91,
    SystemDesigner = 92,
    // Bilanz
    NormalCards = 50,
    SystemCards = 51,
    CompareNormal = 52,
    CompareSystem = 53,
    // Hilfe
    Help = 60,
    WebShop = 88,
};

constexpr int menu_id(Command c) {
    return static_cast<int>(c);
}
constexpr Command command_of(int menu_id) {
    return static_cast<Command>(menu_id);
}

}  // namespace zw
