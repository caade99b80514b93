#include "stats/gap_average.h"

#include <algorithm>
#include <cmath>

#include "stats/frequencies.h"

namespace zw {
namespace {

int round_int(double v) { return static_cast<int>(std::lround(v)); }

// Curves stay inside their panels (upper y 57..233, lower y 268..468).
int lower_y(double mean) { return std::clamp(425 - round_int(20 * (mean - 5)), 270, 466); }
int upper_y(int y) { return std::clamp(y, 59, 231); }

GapAveragePoint point(const DrawSource& s, const StatTables& t, int draw, bool plus,
                      UpperCurve upper) {
    GapAveragePoint p;
    p.draw = draw;
    const double n = s.highest();
    if (plus) {
        if (draw >= kLottoPlusStart) p.lower_y = lower_y(t.plus_gap_sum / n);
        return p;
    }
    p.lower_y = lower_y(t.main_gap_sum / n);
    if (upper == UpperCurve::kSuperNumbers && draw > s.super_start() + 50)
        p.upper_y = upper_y(214 - round_int(10 * (t.extra_gap_sum / 10.0 - 3.5)));
    else if (upper == UpperCurve::kZusatzzahlen)
        p.upper_y = upper_y(214 - round_int(4 * (t.extra_gap_sum / n - 34)));
    return p;
}

}  // namespace

int gap_average_start_end(const DrawSource& source) {
    return std::max(source.limit(), kGapAverageMinEnd);
}

int move_gap_average_end(const DrawSource& source, int end, int delta) {
    const int earliest = kGapAveragePoints + 1;  // first plotted draw 2
    return std::clamp(end + delta, earliest, gap_average_start_end(source));
}

GapAverageSeries gap_average_series(const DrawSource& source, int end, bool plus) {
    GapAverageSeries s;
    s.plus = plus;
    s.last = end;
    s.first = end - (kGapAveragePoints - 1);
    if (!plus && !source.swiss())
        s.upper = source.german_lotto() ? UpperCurve::kSuperNumbers : UpperCurve::kZusatzzahlen;
    s.first_date = source.date(s.first);
    s.last_date = source.date(s.last);
    StatTables t;
    if (plus)
        compute_plus_gaps(source, s.first, t);
    else
        compute_gaps(source, s.first, t);
    s.points.reserve(kGapAveragePoints);
    s.points.push_back(point(source, t, s.first, plus, s.upper));
    for (int d = s.first + 1; d <= s.last; ++d) {
        if (plus)
            advance_plus_gaps(source, d, t);
        else
            advance_gaps(source, d, t);
        s.points.push_back(point(source, t, d, plus, s.upper));
    }
    return s;
}

}  // namespace zw
