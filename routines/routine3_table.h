#pragma once

#include "routines/step_table.h"

// Routine 3: 58 figures one unit delay apart, repeated until stopped. Steps
// 1-12 one at a time (1, 4, 2, 5, 3, 6); 13-24 outside in, inside out; 25-30
// the pairs 3+4, 1+6, 2+5 twice; 31-33 the halves; 34-41 all, pairs from the
// middle out and back; 42-48 a running light 1 to 6; 49-50 all; 51-56 the
// light back from 6 to 1; 56-58 the right half, the left half, none.
namespace kelvoria::routines {

inline constexpr auto U = Wait::Unit;

inline constexpr Step kRoutine3[] = {
    /*  1 */ {Wait::None, {open(1), yield, test}, {1}},
    /*  2 */ {U, {open(4), yield, test}, {1, 4}},
    /*  3 */ {U, {open(2), yield, test}, {1, 2, 4}},
    /*  4 */ {U, {open(5), yield, test}, {1, 2, 4, 5}},
    /*  5 */ {U, {open(3), yield, test}, {1, 2, 3, 4, 5}},
    /*  6 */ {U, {open(6), yield, test}, all},
    /*  7 */ {U, {close(1), yield, test}, {2, 3, 4, 5, 6}},
    /*  8 */ {U, {close(4), yield, test}, {2, 3, 5, 6}},
    /*  9 */ {U, {close(2), yield, test}, {3, 5, 6}},
    /* 10 */ {U, {close(5), yield, test}, {3, 6}},
    /* 11 */ {U, {close(3), yield, test}, {6}},
    /* 12 */ {U, {close(6), yield, test}, none},
    /* 13 */ {U, {open(1), yield, test}, {1}},
    /* 14 */ {U, {open(6), yield, test}, {1, 6}},
    /* 15 */ {U, {open(2), yield, test}, {1, 2, 6}},
    /* 16 */ {U, {open(5), yield, test}, {1, 2, 5, 6}},
    /* 17 */ {U, {open(3), yield, test}, {1, 2, 3, 5, 6}},
    /* 18 */ {U, {open(4), yield, test}, all},
    /* 19 */ {U, {close(3), yield, test}, {1, 2, 4, 5, 6}},
    /* 20 */ {U, {close(4), yield, test}, {1, 2, 5, 6}},
    /* 21 */ {U, {yield, close(2), yield, test}, {1, 5, 6}},
    /* 22 */ {U, {close(5), yield, test}, {1, 6}},
    /* 23 */ {U, {close(1), yield, test}, {6}},
    /* 24 */ {U, {close(6), yield, test}, none},
    /* 25 */ {U, {open(3), open(4), yield, test}, {3, 4}},
    /* 26 */ {U, {close(3), close(4), open(1), open(6), yield, test}, {1, 6}},
    /* 27 */ {U, {close(1), close(6), open(2), open(5), yield, test}, {2, 5}},
    /* 28 */ {U, {close(2), close(5), open(3), open(4), yield, test}, {3, 4}},
    /* 29 */ {U, {close(3), close(4), open(1), open(6), yield, test}, {1, 6}},
    /* 30 */ {U, {close(1), close(6), open(2), open(5), yield, test}, {2, 5}},
    /* 31 */ {U, {close(2), close(5), open(1), open(2), open(3), yield, test}, {1, 2, 3}},
    /* 32 */ {U, {close(1), close(2), close(3), open(4), open(5), open(6), yield, test}, {4, 5, 6}},
    /* 33 */ {U, {close(4), close(5), close(6), yield, test}, none},
    /* 34 */ {U, {open(1), open(2), open(3), open(4), open(5), open(6), yield, test}, all},
    /* 35 */ {U, {close(3), close(4), yield, test}, {1, 2, 5, 6}},
    /* 36 */ {U, {close(2), close(5), yield, test}, {1, 6}},
    /* 37 */ {U, {close(1), close(6), yield, test}, none},
    /* 38 */ {U, {open(3), open(4), yield, test}, {3, 4}},
    /* 39 */ {U, {open(2), open(5), yield, test}, {2, 3, 4, 5}},
    /* 40 */ {U, {open(1), open(6), yield, test}, all},
    /* 41 */ {U, {close(1), close(2), close(3), close(4), close(5), close(6), yield, test}, none},
    /* 42 */ {U, {open(1), yield, test}, {1}},
    /* 43 */ {U, {close(1), open(2), yield, test}, {2}},
    /* 44 */ {U, {close(2), open(3), yield, test}, {3}},
    /* 45 */ {U, {close(3), open(4), yield, test}, {4}},
    /* 46 */ {U, {close(4), open(5), yield, test}, {5}},
    /* 47 */ {U, {close(5), open(6), yield, test}, {6}},
    /* 48 */ {U, {close(6), yield, test}, none},
    /* 49 */ {U, {open(1), open(2), open(3), open(4), open(5), open(6), yield, test}, all},
    /* 50 */ {U, {close(1), close(2), close(3), close(4), close(5), close(6), yield, test}, none},
    /* 51 */ {U, {open(6), yield, test}, {6}},
    /* 52 */ {U, {close(6), open(5), yield, test}, {5}},
    /* 53 */ {U, {close(5), open(4), yield, test}, {4}},
    /* 54 */ {U, {close(4), open(3), yield, test}, {3}},
    /* 55 */ {U, {close(3), open(2), yield, test}, {2}},
    // Step 56 waits a second time halfway, with no yield between its halves.
    /* 56 */
    {U, {close(2), open(1), wait(U), close(1), open(4), open(5), open(6), yield, test}, {4, 5, 6}},
    /* 57 */ {U, {close(4), close(5), close(6), open(1), open(2), open(3), yield, test}, {1, 2, 3}},
    /* 58 */ {U, {close(1), close(2), close(3), yield, test}, none},
};

}  // namespace kelvoria::routines
