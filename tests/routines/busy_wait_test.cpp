#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "routines/busy_wait.h"

namespace kelvoria {
namespace {

struct WaitCase {
    double limit;
    double counter_after;  // 1 + 2 x passes
};
void PrintTo(const WaitCase& c, std::ostream* os) { *os << "limit " << c.limit << ", counter after " << c.counter_after; }

class BusyWaitTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(BusyWaitTest, MakesTheCountedPasses) {
    PanelState state;
    BusyWait(state, GetParam().limit);
    EXPECT_EQ(state.DelayCounter, GetParam().counter_after);
}

INSTANTIATE_TEST_SUITE_P(Limits, BusyWaitTest,
                         ::testing::Values(WaitCase{7500000, 7500001}, WaitCase{3750000, 3750001},
                                           WaitCase{1875000, 1875001}, WaitCase{3, 5},
                                           WaitCase{2, 3}, WaitCase{1, 3}, WaitCase{0, 1},
                                           WaitCase{-1, 1}),
                         [](const ::testing::TestParamInfo<WaitCase>& info) {
                             const double l = info.param.limit;
                             return (l < 0 ? "minus_" : "limit_") + std::to_string(static_cast<long long>(l < 0 ? -l : l));
                         });

}  // namespace
}  // namespace kelvoria
