// The menu of the main window as a list of text items, and its parser.
//
// Grammar: on the bar level an item without a colon opens a drop-down whose
// items follow up to an empty item; "id:label" is a command; inside a
// drop-down "-" is a separator and ">label" opens a submenu up to an empty
// item; an empty item on the bar level ends the bar.
#pragma once

#include <string>
#include <vector>

#include "app/command.h"

namespace zw {

struct MenuNode {
    enum Kind { kCommand, kSeparator, kSubmenu };
    Kind kind = kCommand;
    int id = 0;
    std::string label;
    std::vector<MenuNode> children;  // submenus and drop-downs
};

// Menu id of the Austrian bonus-draw editor, present only in that game.
constexpr int kBonusMenuId = menu_id(Command::BonusDraws);

// The items of the definition.
const std::vector<std::string>& menu_definition();
// The drop-downs of the bar; the bonus-draw entry (after a separator) only
// when `austria` is set.
std::vector<MenuNode> build_menu(const std::vector<std::string>& items, bool austria);

// Every command id in the tree.
std::vector<int> menu_ids(const std::vector<MenuNode>& bar);
const MenuNode* find_menu_id(const std::vector<MenuNode>& bar, int id);

}  // namespace zw
