#include "app/menu_definition.h"

#include <charconv>

namespace zw {

const std::vector<std::string>& menu_definition() {
    static const std::vector<std::string> items = {
        "Zieh&werk",
        "8:6 aus 4&9", "9:6 aus 4&5", "20:1&3er-Wette",
        ">Österreich", "11:&Lotto 6 aus 45", "7:&Toto 12X", "",
        "18:Swisslotto", "-",
        "12:&Samstag", "13:&Mittwoch", "14:S&A + MI", "-",
        "22:&KENO", "-",
        ">EuroLotto", "80:&EuroJackpot", "23:Euro&Millionen", "",
        "-",
        ">Archiv", "10:&11er-Wette", "17:&Toto 12X", "",
        "-",
        "54:&Beenden", "",
        "&Ziehungen",
        "15:&laden", "16:&sichern", "19:&anzeigen", "-",
        "21:&ergänzen", "90:CSV-Import…", "25:&Bonus-Ziehung", "-",
        "70:&Net-Update", "",
        "&Statistik",
        "24:&Setze Rahmen", "-",
        "26:&Häufigkeit", "27:&Rückstand", "28:Ü&berblick", "-",
        ">&2er Kombis", "30:&Rückstand", "31:&Überblick", "32:&Bestwerte", "",
        ">&3er Kombis", "33:&Rückstand", "34:&Überblick", "37:&Bestwerte", "",
        ">&4er Kombis", "35:&Rückstand", "36:&Überblick", "65:&Bestwerte", "",
        "-",
        ">&Zwillinge", "61:&Häufigkeit", "62:&Rückstand", "63:&Überblick", "",
        ">&Drillinge", "67:&Häufigkeit", "68:&Rückstand", "69:&Überblick", "",
        "-",
        ">&MiniMax", "74:&Kleinste Zahl", "75:&Größte Zahl", "76:Grenz-&Paare", "",
        "-",
        "38:D&urchschnitte", "-",
        "64:&G/U Verteilung", "71:&T/H Verteilung", "-",
        "66:B&etrachtungen", "",
        "&Tippen",
        ">&Einstellungen", "39:&Quoten", "40:&Gebühren", "-", "2:&Abspeichern", "",
        "-",
        "41:4&9 x 1", "42:  &7 x 7 ", "-",
        "44:&Normal-Tipp", "45:&System-Tipp", "-",
        "47:&Auswertung", "91:System-&Prüfer…", "92:System-&Designer…", "-",
        ">&Bestenliste", "48:&Berechnen", "49:&Anzeigen", "",
        ">N&ietenliste", "58:&Berechnen", "59:&Anzeigen", "",
        "",
        "&Bilanz",
        "50:&NRM-Kartei", "51:&SYS-Kartei ", "-",
        ">&Vergleich", "52:&NRM-Scheine", "53:&SYS-Scheine", "",
        "",
        "&Hilfe",
        "60:&Anleitung", "-", "1:über &Ziehwerk...", "-", "88:",
        "",
        "",
    };
    return items;
}

namespace {

MenuNode parse_item(const std::string& item) {
    MenuNode n;
    if (item == "-") {
        n.kind = MenuNode::kSeparator;
        return n;
    }
    const auto colon = item.find(':');
    int id = 0;
    auto [p, ec] = std::from_chars(item.data(), item.data() + colon, id);
    if (colon == std::string::npos || ec != std::errc() || p != item.data() + colon) {
        n.kind = MenuNode::kSubmenu;
        n.label = item;
        return n;
    }
    n.id = id;
    n.label = item.substr(colon + 1);
    return n;
}

// Reads items into `parent` up to an empty item (or the end).
void read_block(const std::vector<std::string>& items, size_t& i, MenuNode& parent, bool austria) {
    while (i < items.size()) {
        const std::string& item = items[i++];
        if (item.empty()) return;
        if (item[0] == '>') {
            MenuNode sub;
            sub.kind = MenuNode::kSubmenu;
            sub.label = item.substr(1);
            read_block(items, i, sub, austria);
            parent.children.push_back(std::move(sub));
            continue;
        }
        MenuNode node = parse_item(item);
        if (node.kind == MenuNode::kCommand && node.id == kBonusMenuId) {
            if (!austria) continue;
            MenuNode sep;
            sep.kind = MenuNode::kSeparator;
            parent.children.push_back(sep);
        }
        parent.children.push_back(std::move(node));
    }
}

void collect_ids(const std::vector<MenuNode>& nodes, std::vector<int>& out) {
    for (const auto& n : nodes) {
        if (n.kind == MenuNode::kCommand) out.push_back(n.id);
        collect_ids(n.children, out);
    }
}

const MenuNode* find_in(const std::vector<MenuNode>& nodes, int id) {
    for (const auto& n : nodes) {
        if (n.kind == MenuNode::kCommand && n.id == id) return &n;
        if (const MenuNode* f = find_in(n.children, id)) return f;
    }
    return nullptr;
}

}  // namespace

std::vector<MenuNode> build_menu(const std::vector<std::string>& items, bool austria) {
    std::vector<MenuNode> bar;
    size_t i = 0;
    while (i < items.size()) {
        const std::string& item = items[i++];
        if (item.empty()) break;
        MenuNode drop;
        drop.kind = MenuNode::kSubmenu;
        drop.label = item;
        read_block(items, i, drop, austria);
        bar.push_back(std::move(drop));
    }
    return bar;
}

std::vector<int> menu_ids(const std::vector<MenuNode>& bar) {
    std::vector<int> ids;
    collect_ids(bar, ids);
    return ids;
}

const MenuNode* find_menu_id(const std::vector<MenuNode>& bar, int id) { return find_in(bar, id); }

}  // namespace zw
