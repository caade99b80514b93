// The draw range: the window of draws that statistics, evaluation and the
// back-test walk (first..last inclusive).
#pragma once

#include <algorithm>

namespace zw {

struct DrawRange {
    int first = 1;
    int last = 0;
    int count = 0;

    void set(int new_first, int new_last) {
        first = new_first;
        last = new_last;
        count = std::max(0, last - first + 1);
    }
};

}  // namespace zw
