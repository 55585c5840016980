#pragma once

#include "routines/step_table.h"

// Routine 2: the same walk as routine 1 in one pass, its waits scaled by the
// exposure factor. The last step has no yield and no test: the pass ends there.
namespace kelvoria::routines {

inline constexpr auto E = Wait::Exposure;
inline constexpr auto E2 = Wait::HalfExposure;

inline constexpr Step kRoutine2[] = {
    /*  1 */ {Wait::None, {open(1), yield, test}, {1}},
    /*  2 */ {E, {close(1), open(2), yield, test}, {2}},
    /*  3 */ {E, {close(2), open(3), yield, test}, {3}},
    /*  4 */ {E, {close(3), open(4), yield, test}, {4}},
    /*  5 */ {E, {close(4), open(5), yield, test}, {5}},
    /*  6 */ {E, {close(5), open(6), yield, test}, {6}},
    /*  7 */ {E, {close(6), yield, test}, none},
    /*  8 */ {E2, {open(1), open(2), open(3), open(4), open(5), open(6), yield, test}, all},
    /*  9 */ {E, {close(1), close(2), close(3), close(4), close(5), close(6), yield, test}, none},
    /* 10 */ {E2, {open(6), yield, test}, {6}},
    /* 11 */ {E, {close(6), open(5), yield, test}, {5}},
    /* 12 */ {E, {close(5), open(4), yield, test}, {4}},
    /* 13 */ {E, {close(4), open(3), yield, test}, {3}},
    /* 14 */ {E, {close(3), open(2), yield, test}, {2}},
    /* 15 */ {E, {close(2), open(1), yield, test}, {1}},
    /* 16 */ {E, {close(1), open(4), open(5), open(6), yield, test}, {4, 5, 6}},
    /* 17 */ {E, {close(4), close(5), close(6), open(1), open(2), open(3), yield, test}, {1, 2, 3}},
    /* 18 */ {E, {close(1), close(2), close(3)}, none},
};

}  // namespace kelvoria::routines
