#pragma once

#include "routines/step_table.h"

// Routine 1: a single open shutter walks 1 to 6, all six open and close, the
// single shutter walks back 6 to 1, then 4-6 and 1-3 open as groups. Repeats.
namespace kelvoria::routines {

inline constexpr auto S = Wait::Step;
inline constexpr auto S2 = Wait::HalfStep;

inline constexpr Step kRoutine1[] = {
    /*  1 */ {Wait::None, {open(1), yield, test}, {1}},
    /*  2 */ {S, {close(1), open(2), yield, test}, {2}},
    /*  3 */ {S, {close(2), yield, open(3), yield, test}, {3}},
    /*  4 */ {S, {close(3), yield, open(4), yield, test}, {4}},
    /*  5 */ {S, {close(4), yield, open(5), yield, test}, {5}},
    /*  6 */ {S, {close(5), yield, open(6), yield, test}, {6}},
    /*  7 */ {S, {close(6), yield, test}, none},
    /*  8 */ {S, {open(1), open(2), open(3), open(4), open(5), open(6), yield, test}, all},
    /*  9 */ {S, {close(1), close(2), close(3), close(4), close(5), close(6), yield, test}, none},
    /* 10 */ {S2, {open(6), yield, test}, {6}},
    /* 11 */ {S, {close(6), yield, test}, none},
    /* 12 */ {Wait::None, {open(5), yield, test}, {5}},
    /* 13 */ {S, {close(5), open(4), yield, test}, {4}},
    /* 14 */ {S, {close(4), open(3), yield, test}, {3}},
    /* 15 */ {S, {close(3), open(2), yield, test}, {2}},
    /* 16 */ {S, {close(2), open(1), yield, test}, {1}},
    /* 17 */ {S, {close(1), open(4), open(5), open(6), yield, test}, {4, 5, 6}},
    /* 18 */ {S, {close(4), close(5), close(6), open(1), open(2), open(3), yield, test}, {1, 2, 3}},
    /* 19 */ {S, {close(1), close(2), close(3), yield, test}, none},
    // Step 20 has no test of its own: the next cycle head tests the flag.
    /* 20 */ {S, {yield}, none},
};

}  // namespace kelvoria::routines
