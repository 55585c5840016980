#include <gtest/gtest.h>

#include <sstream>

#include "support/scripted_host.h"

namespace kelvoria::testing {
namespace {

constexpr std::uint8_t kOpen[] = {0, 0x80, 0x82, 0x84, 0x90, 0x92, 0x94};

// Bytes for steps written as the shutters each toggles ("1", "1 2", ...),
// every toggle flipping its shutter, starting all closed. Written apart from
// the production tables.
std::vector<std::uint8_t> Toggles(const std::vector<std::string>& steps) {
    bool open[7] = {};
    std::vector<std::uint8_t> bytes;
    for (const auto& step : steps) {
        std::istringstream in(step);
        for (int s; in >> s;) {
            bytes.push_back(static_cast<std::uint8_t>(kOpen[s] + (open[s] ? 1 : 0)));
            open[s] = !open[s];
        }
    }
    return bytes;
}

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Routine2, UninterruptedPassByteForByteEndsWith135AndIndicatorOn) {
    ScriptedHost host;
    host.Load();
    host.Click(Control::ROUTINE2);
    const auto pass = Toggles({"1", "1 2", "2 3", "3 4", "4 5", "5 6", "6", "1 2 3 4 5 6",
                               "1 2 3 4 5 6", "6", "6 5", "5 4", "4 3", "3 2", "2 1", "1 4 5 6",
                               "4 5 6 1 2 3", "1 2 3"});
    EXPECT_EQ(host.bytes, Concat(Concat({71}, pass), {135}));
    EXPECT_EQ(host.state().Routine2Running, kFalse);
    EXPECT_EQ(host.fill.at(Shape::Shape8), IndicatorOn);
    EXPECT_EQ(host.state().ExposureValue, 7500000);  // nothing selected: factor 1
    EXPECT_EQ(ShuttersShowing(host, ColourClosed), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST(Routine3, OneCycleByteForByteThenStopAtStep21ExtraYieldReopensShutter2) {
    const std::vector<std::string> cycle = {
        "1", "4", "2", "5", "3", "6", "1", "4", "2", "5", "3", "6", "1", "6", "2",
        "5", "3", "4", "3", "4", "2", "5", "1", "6", "3 4", "3 4 1 6", "1 6 2 5", "2 5 3 4",
        "3 4 1 6", "1 6 2 5", "2 5 1 2 3", "1 2 3 4 5 6", "4 5 6", "1 2 3 4 5 6", "3 4", "2 5",
        "1 6", "3 4", "2 5", "1 6", "1 2 3 4 5 6", "1", "1 2", "2 3", "3 4", "4 5", "5 6", "6",
        "1 2 3 4 5 6", "1 2 3 4 5 6", "6", "6 5", "5 4", "4 3", "3 2", "2 1 1 4 5 6",
        "4 5 6 1 2 3", "1 2 3"};
    ASSERT_EQ(cycle.size(), 58u);
    const auto one = Concat({71}, Toggles(cycle));
    ASSERT_EQ(one.size(), 133u);

    ScriptedHost host;
    host.Load();
    // In the second cycle, after step 20's byte: step 20's own yield comes
    // first, then the extra yield of step 21, where the stop is handled.
    host.AfterByte(133 + 21, [&] {
        host.AtYield(host.yields + 2, [&] { host.Queue(Control::ROUTINE3); });
    });
    host.Click(Control::ROUTINE3);
    const auto want = Concat(Concat(one, std::vector<std::uint8_t>(one.begin(), one.begin() + 21)),
                             {0x82, 71});
    EXPECT_EQ(host.bytes, want);
    EXPECT_EQ(host.state().Closed(2), kFalse);  // opened on the forced flag
    EXPECT_EQ(host.fill.at(Shape::Shape2), ColourClosed);
    EXPECT_EQ(host.fill.at(Shape::Shape9), IndicatorOff);
}

TEST(Routine1, StopAtMidStepYieldReopensTheShutterThatFollows) {
    ScriptedHost host;
    host.Load();
    host.AfterByte(5, [&] { host.Queue(Control::ROUTINE1); });  // 0x83, close 2 of step 3
    host.Click(Control::ROUTINE1);
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{71, 0x80, 0x81, 0x82, 0x83, 0x84, 71}));
    EXPECT_EQ(host.state().Closed(3), kFalse);
    EXPECT_EQ(ShuttersShowing(host, ColourClosed), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST(Routine1, StopAndStartInOneYieldNestAndEndWithTwoCycleMarks) {
    ScriptedHost host;
    host.Load();
    host.AfterByte(2, [&] { host.Queue(Control::ROUTINE1, 2); });
    host.AfterByte(4, [&] { host.Queue(Control::ROUTINE1); });
    host.Click(Control::ROUTINE1);
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{71, 0x80, 71, 0x80, 71, 71}));
    EXPECT_EQ(host.panel().runner().ActiveRuns(), 0);
}

TEST(Routines, Routine3FreezesRoutine1AndEndProgramSendsNothingMore) {
    ScriptedHost host;
    host.Load();
    std::size_t routine3_stopped_at = 0;
    host.AfterByte(2, [&] { host.Queue(Control::ROUTINE3); });  // routine 1 after opening 1
    host.AfterByte(5, [&] {
        EXPECT_EQ(host.fill.at(Shape::Shape7), IndicatorOn);  // frozen, still lit
        EXPECT_EQ(host.fill.at(Shape::Shape9), IndicatorOn);
        host.Queue(Control::ROUTINE3);
    });
    host.AfterByte(6, [&] {
        routine3_stopped_at = host.bytes.size();
        // Routine 1 resumes: step 2 toggles twice, then yields to END PROGRAM.
        host.AfterByte(8, [&] { host.Queue(Control::ENDPROGRAM); });
    });
    EXPECT_EQ(host.Click(Control::ROUTINE1), 0);
    EXPECT_EQ(routine3_stopped_at, 6u);
    // 71 80 | routine 3: 71 80 90 (stop) 71 | routine 1 step 2: close 1, open 2 on forced flags.
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{71, 0x80, 71, 0x80, 0x90, 71, 0x80, 0x82}));
    EXPECT_FALSE(host.PortOpen());
}

}  // namespace
}  // namespace kelvoria::testing
