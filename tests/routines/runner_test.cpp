#include <gtest/gtest.h>

#include <algorithm>

#include "support/scripted_host.h"

namespace kelvoria::testing {
namespace {

constexpr std::uint8_t kOpen[] = {0, 0x80, 0x82, 0x84, 0x90, 0x92, 0x94};

// Routine 1's cycle as lists of shutters toggled per step, written apart from
// the production table; every toggle flips, starting all closed.
std::vector<std::uint8_t> Routine1CycleBytes() {
    const std::vector<std::vector<int>> toggles = {{1},
                                                   {1, 2},
                                                   {2, 3},
                                                   {3, 4},
                                                   {4, 5},
                                                   {5, 6},
                                                   {6},
                                                   {1, 2, 3, 4, 5, 6},
                                                   {1, 2, 3, 4, 5, 6},
                                                   {6},
                                                   {6},
                                                   {5},
                                                   {5, 4},
                                                   {4, 3},
                                                   {3, 2},
                                                   {2, 1},
                                                   {1, 4, 5, 6},
                                                   {4, 5, 6, 1, 2, 3},
                                                   {1, 2, 3}};
    bool open[7] = {};
    std::vector<std::uint8_t> bytes = {71};
    for (const auto& step : toggles) {
        for (int s : step) {
            bytes.push_back(static_cast<std::uint8_t>(kOpen[s] + (open[s] ? 1 : 0)));
            open[s] = !open[s];
        }
    }
    return bytes;
}

TEST(Routine1, OneCycleByteForByteThenStopAtCycleHeadSendsNothing) {
    ScriptedHost host;
    host.Load();
    const auto cycle = Routine1CycleBytes();
    ASSERT_EQ(cycle.size(), 49u);
    // A cycle yields 33 times: 25 of its own and the 8 with which the toggles
    // of shutter 3 begin. A stop handled at the last one, step 20's, returns at
    // the next cycle head with no byte.
    host.AtYield(33, [&] { host.Queue(Control::ROUTINE1); });
    host.Click(Control::ROUTINE1);
    EXPECT_EQ(host.bytes, cycle);
    EXPECT_EQ(host.state().Routine1Running, kFalse);
    EXPECT_EQ(host.fill.at(Shape::Shape7), IndicatorOff);
    EXPECT_EQ(host.panel().runner().ActiveRuns(), 0);
}

TEST(Routine1, StopDuringStep8SendsCycleMarkAloneAndBlacksAllCircles) {
    ScriptedHost host;
    host.Load();
    // Byte 19 is the sixth open of step 8; the stop is handled in its yield.
    host.AfterByte(19, [&] { host.Queue(Control::ROUTINE1); });
    host.Click(Control::ROUTINE1);
    ASSERT_EQ(host.bytes.size(), 20u);
    EXPECT_EQ(host.bytes.back(), 71);
    EXPECT_EQ(ShuttersShowing(host, ColourClosed), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST(Routine2, StopSends135Then71AndExposureListSelectionRescalesLaterWaits) {
    ScriptedHost host;
    host.Load();
    host.AfterByte(3, [&] {
        host.Select(1);  // "2.5"
        host.Queue(Control::ExposureSel);
        host.Queue(Control::ROUTINE2);
    });
    host.Click(Control::ROUTINE2);
    EXPECT_EQ(host.state().ExposureValue, 7500000 * 2.5);
    const std::vector<std::uint8_t> tail(host.bytes.end() - 2, host.bytes.end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{135, 71}));
    EXPECT_EQ(host.fill.at(Shape::Shape8), IndicatorOff);
}

TEST(Routines, NestingBoundIgnoresStartsPastSixteen) {
    ScriptedHost host;
    host.Load();
    int deepest = 0;
    // A stop and a start queued at every yield: each start nests a new run
    // inside the stopped one, until the bound refuses further starts.
    for (int i = 1; i <= 500; ++i) {  // a thousand clicks
        host.AtYield(i, [&] {
            deepest = std::max(deepest, host.panel().runner().ActiveRuns());
            host.Queue(Control::ROUTINE1, 2);
        });
    }
    EXPECT_EQ(host.Click(Control::ROUTINE1), std::nullopt);
    EXPECT_EQ(deepest, RoutineRunner::kMaxRuns);
    EXPECT_EQ(host.panel().runner().ActiveRuns(), 0);
    for (std::uint8_t b : host.bytes) {
        EXPECT_TRUE(b == 71 || (b >= 0x80 && b <= 0x85) || (b >= 0x90 && b <= 0x95)) << Hex(b);
    }
}

}  // namespace
}  // namespace kelvoria::testing
