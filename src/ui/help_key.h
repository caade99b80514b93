// F1 in a window opens its help topic, wherever the focus is inside it.
#pragma once

#include <functional>

class QWidget;

namespace zw {

void add_help_key(QWidget* window, std::function<void()> show_help);

}  // namespace zw
