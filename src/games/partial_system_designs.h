// How the rows of the partial systems are made: three classical designs in
// which every t-set of numbers lies in exactly one row, and a seeded,
// deterministic local search for the others. Rows are bit masks over the
// positions 0..v-1 of the player's numbers. Used by the generator of
// ZIEHWERK.ASW and by the tests that check it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zw {

// "t if p": whenever p of the drawn numbers are among the player's, some row
// holds at least t of them.
struct Coverage {
    int t;
    int p;
};

// 132 rows on 12 points, every 5-set in exactly one row: the orbit of
// {inf, 1, 3, 4, 5, 9} under x -> (ax+b)/(cx+d) with ad-bc a non-zero square
// mod 11. Points 0..10 are the residues, point 11 is infinity.
std::vector<uint32_t> steiner_5_6_12();

// 77 rows on 22 points, every 3-set in exactly one row: the weight-8 words of
// the extended binary Golay code that hold the last two of its 24
// coordinates, with those two removed.
std::vector<uint32_t> steiner_3_6_22();

// 112 rows on 16 points that hold every 4-set but 140: take an octad B of
// the Golay code and a point c of it; the rows are the octads that meet B in
// c and one other point, without those two. A 4-set outside B lies in five
// octads, which meet B in 2+2+2+2+0 or 4+4+0+0+0 points; in the first case
// one of them meets B in c and another point. The 140 others (each completes
// an octad with four points of B) need further rows.
std::vector<uint32_t> golay_rows_16();

// 252 rows on 18 points that hold every 4-set. The points are two copies
// of GF(8) + {inf}: element x of copy c is point x + 9c, infinity is 8 + 9c.
// The rows are the orbits of six rows under the maps x -> ax + b (a != 0,
// the same map on both copies), with or without exchanging the copies: an
// affine plane of GF(8) with both infinities (28 rows); in each copy a pair
// {x, x + d} with infinity, both pairs of the same difference d (four
// orbits, 112 rows); {0, 1, w, w^2} in one copy with {w, w^2 + 1} in the
// other (112 rows).
std::vector<uint32_t> covering_4_6_18();

// 130 rows on 26 points, every 3-set in exactly one row: the circles of the
// inversive plane of order 5, images of GF(5) + {inf} under the Moebius maps
// of GF(25). Point a + 5b is a + b*w with w^2 = 2; point 25 is infinity.
std::vector<uint32_t> steiner_3_6_26();

// The rows that avoid the top `dropped` of `points` points (they then use
// only points 0..points-dropped-1).
std::vector<uint32_t> rows_avoiding_top(std::span<const uint32_t> rows, int points, int dropped);

// Sorts rows by their numbers in lexicographic order (row 1 2 3 4 5 6 first).
void sort_rows(std::vector<uint32_t>& rows);

// Local search for `rows` distinct rows of six out of `numbers` (at most 26)
// meeting every required coverage; once they hold, the remaining iterations
// improve the preferred coverages (fewer sets left without them) while the
// required ones keep holding. Simulated annealing over single-number swaps,
// mostly aimed at a set that is not yet covered. The result depends only on
// the parameters, never on time or threads.
struct RowSearch {
    int numbers = 0;
    int rows = 0;  // in all, fixed ones included
    std::vector<Coverage> required;
    std::vector<Coverage> preferred;
    std::vector<uint32_t> fixed;  // rows that count but never change
    std::vector<uint32_t> start;  // the first attempt starts from these rows and random ones
    uint64_t seed = 1;
    int attempts = 1;                 // fresh random starts until the required coverages hold
    long long iterations = 0;         // moves per attempt
    long long polish_iterations = 0;  // moves spent on the preferred coverages
    // Chance of taking a move that uncovers one more set: at the start of an
    // attempt, at the start of the polish, and at the end of both.
    double start_acceptance = 0.3;
    double polish_acceptance = 0.05;
    double end_acceptance = 0.002;
};

struct RowSearchResult {
    std::vector<uint32_t> rows;       // sorted, distinct
    bool reached = false;             // every required coverage holds
    long long required_missing = 0;   // sets still lacking a required coverage
    long long preferred_missing = 0;  // sets lacking a preferred coverage
    int attempts_used = 0;
    long long moves = 0;  // iterations spent in total
};

// An impossible or malformed search (fewer than 7 or more than 26 numbers,
// more rows than six-sets, a coverage other than 1 <= t <= p <= 6, fixed
// rows that are not distinct rows of six of the numbers) gives an empty,
// unreached result.
RowSearchResult search_rows(const RowSearch& search);

}  // namespace zw
