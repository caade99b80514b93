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

    // "-": range last one draw back, never before range first. True when it moved.
    bool step_back() {
        const int old = last;
        set(first, std::max(last - 1, first));
        return last != old;
    }
    // "+": range last one draw on, never beyond `limit` (the newest draw,
    // Austria: plus the bonus draws). True when it moved.
    bool step_forward(int limit) {
        const int old = last;
        if (last < limit) set(first, last + 1);
        return last != old;
    }
    // The range dialog's first scroll bar: first follows, never beyond last.
    void choose_first(int draw) { set(std::clamp(draw, 1, std::max(last, 1)), last); }
    // The second scroll bar: last follows, never before first nor beyond `limit`.
    void choose_last(int draw, int limit) {
        set(first, std::clamp(draw, first, std::max(limit, first)));
    }
};

}  // namespace zw
