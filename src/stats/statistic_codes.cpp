#include "stats/statistic_codes.h"

#include <array>
#include <utility>

namespace zw {
namespace {

// Option 1 and option 2 are each other's inverse: {winning code, counterpart}.
constexpr std::array<std::pair<int, int>, 24> kSecondKind = {{
    {1, 2},   {3, 4},   {5, 6},   {7, 34},  {8, 35},  {36, 37}, {9, 38},  {10, 39},
    {40, 41}, {11, 42}, {12, 43}, {45, 44}, {13, 46}, {14, 47}, {15, 48}, {21, 49},
    {22, 50}, {23, 51}, {18, 52}, {19, 53}, {20, 54}, {16, 55}, {24, 56}, {17, 57},
}};
constexpr std::array<std::pair<int, int>, 3> kPlusKind = {{{1, 31}, {3, 32}, {5, 33}}};

}  // namespace

std::string statistic_title(int code, const GameParams& p) {
    const bool toto = p.code == kToto;
    switch (code) {
        case 1: return "Häufigkeiten der Gewinn-Zahlen nach der";
        case 2:
            if (p.german_lotto) return "Häufigkeiten der Super-Zahlen nach der";
            if (toto) return "  Häufigkeiten der Zusatz-Spiele nach der";
            return "Häufigkeiten der Zusatz-Zahlen nach der";
        case 3: return "    Rückstände der Gewinn-Zahlen ab der";
        case 4:
            if (p.german_lotto) return "       Rückstände der Super-Zahlen ab der";
            if (toto) return "      Rückstände der Zusatz-Spiele ab der";
            return "     Rückstände der Zusatz-Zahlen ab der";
        case 5: return "    Häufigkeiten und Rückstände nach der";
        case 6:
            if (p.german_lotto) return "Häufigkeit & Rückstand der Super-Z. der";
            return "Häufigkeit & Rückstand der Zusatz-Z. der";
        case 31: return "Häufigkeiten der PLUS-Zahlen nach der";
        case 32: return "    Rückstände der PLUS-Zahlen ab der";
        case 33: return "Häufigkeit & Rückstand der PLUS-Zahlen";
        case 13: case 46: return " Häufigkeit der Zwillings-Zahlen nach der";
        case 14: case 47: return "  Rückstände der Zwillings-Zahlen ab der";
        case 15: case 48: return " Häufigkeiten & Rückstände der Zwillinge";
        case 21: case 49: return " Häufigkeit der Drillings-Zahlen nach der";
        case 22: case 50: return "  Rückstände der Drillings-Zahlen ab der";
        case 23: case 51: return " Häufigkeiten & Rückstände der Drillinge";
        case 16: case 55: return "Gerade/Ungerade Zahlen-Verteilung der";
        case 24: case 56: return "Tief/Hoch Zahlen-Verteilung der";
        case 17: case 57: return "Wahrscheinlichkeitsbetrachtungen für die";
        case 36: case 37: return "Häufigkeit & Rückstand der besten Paare";
        case 40: case 41: return "Häufigkeit & Rückstand der besten Dreier";
        case 45: case 44: return "Häufigkeit & Rückstand der besten Vierer";
        case 20: case 54: return "Häufigkeit & Rückstand der Grenz-Paare";
        case 18: case 52: return "Häufigkeit & Rückstand der kleinsten Zahl";
        case 19: case 53: return "Häufigkeit & Rückstand der größten Zahl";
        default: return {};
    }
}

std::optional<int> switch_kind(int code, int option) {
    if (option == 1) {
        for (auto [from, to] : kPlusKind)
            if (code == to) return from;
        for (auto [from, to] : kSecondKind)
            if (code == to) return from;
    } else if (option == 2) {
        for (auto [from, to] : kPlusKind)
            if (code == to) return from + 1;
        for (auto [from, to] : kSecondKind)
            if (code == from) return to;
    } else if (option == 3) {
        for (auto [from, to] : kPlusKind)
            if (code == from || code == from + 1) return to;
    }
    return std::nullopt;
}

bool is_plus_code(int code) {
    if (code >= 31 && code <= 33) return true;
    for (auto [from, to] : kSecondKind)
        if (code == to && to > 6) return true;
    return false;
}

int base_code(int code) {
    if (code == 2 || code == 4 || code == 6) return code - 1;
    if (is_plus_code(code)) return *switch_kind(code, 1);
    return code;
}

bool shows_kind_switch(int code, const GameParams& p) {
    if (p.swiss) return false;
    const int base = base_code(code);
    if (base >= 1 && base <= 6) return true;
    return p.austria && ((base >= 7 && base <= 24) || base == 36 || base == 40 || base == 45);
}

bool shows_plus_option(int code, const GameParams& p) {
    const int base = base_code(code);
    return p.austria && base >= 1 && base <= 6;
}

std::string second_kind_caption(int code, const GameParams& p) {
    if (p.german_lotto) return "&Super-Zahlen";
    if (p.code == kToto) return "&Zusatz-Spiele";
    if (p.austria && base_code(code) > 6) return "&PLUS-Zahlen";
    return "&Zusatz-Zahlen";
}

int selected_kind(int code) {
    if (code >= 31 && code <= 33) return 3;
    if (code == 2 || code == 4 || code == 6 || is_plus_code(code)) return 2;
    return 1;
}

int plus_key_option(int code) {
    const int base = base_code(code);
    return base >= 1 && base <= 6 ? 3 : 2;
}

int code_for_game(int code, const GameParams& p) {
    if (!p.austria && is_plus_code(code)) return base_code(code);
    if (p.swiss && (code == 2 || code == 4 || code == 6)) return code - 1;
    return code;
}

std::string help_topic(int code, bool gap_average_diagram) {
    if (gap_average_diagram) return "durchschnitte.htm";
    switch (code) {
        case 16: case 24: case 55: case 56: return "gu-verteilung.htm";
        case 17: case 57: return "betrachtungen.htm";
        case 100: return "bilanz-diagramme.htm";
        default: return "diagramme.htm";
    }
}

}  // namespace zw
