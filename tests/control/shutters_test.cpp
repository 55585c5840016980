#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "control/exposure.h"
#include "link/command_codes.h"
#include "support/scripted_host.h"

namespace kelvoria::testing {
namespace {

struct ToggleCase {
    Control button;
    int shutter;
    std::uint8_t open_code, close_code;
};
void PrintTo(const ToggleCase& c, std::ostream* os) {
    *os << "shutter " << c.shutter << std::hex << ", open 0x" << int(c.open_code) << ", close 0x" << int(c.close_code);
}

class ToggleTest : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(ToggleTest, PaintsThenSendsThenFlipsOpenCodeFirst) {
    const ToggleCase c = GetParam();
    ScriptedHost host;
    host.Load();
    const std::size_t before = host.log.size();
    // The flag must still be unflipped when the byte goes out.
    host.AfterByte(1, [&] { EXPECT_EQ(host.state().Closed(c.shutter), kTrue); });
    host.Click(c.button);
    std::vector<std::string> tail(host.log.begin() + static_cast<long>(before), host.log.end());
    tail.erase(std::remove(tail.begin(), tail.end(), "yield"), tail.end());
    char paint[40];
    std::snprintf(paint, sizeof paint, "paint Shape%d %08x", c.shutter, ColourOpen);
    EXPECT_EQ(tail, (std::vector<std::string>{paint, "byte " + Hex(c.open_code)}));
    EXPECT_EQ(host.state().Closed(c.shutter), kFalse);

    host.Click(c.button);
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{c.open_code, c.close_code}));
    EXPECT_EQ(host.fill.at(ShutterShape(c.shutter)), ColourClosed);
    EXPECT_EQ(host.state().Closed(c.shutter), kTrue);
}

INSTANTIATE_TEST_SUITE_P(SixShutters, ToggleTest,
                         ::testing::Values(ToggleCase{Control::SHUTTER1, 1, 0x80, 0x81},
                                           ToggleCase{Control::SHUTTER2, 2, 0x82, 0x83},
                                           ToggleCase{Control::SHUTTER3, 3, 0x84, 0x85},
                                           ToggleCase{Control::SHUTTER4, 4, 0x90, 0x91},
                                           ToggleCase{Control::SHUTTER5, 5, 0x92, 0x93},
                                           ToggleCase{Control::SHUTTER6, 6, 0x94, 0x95}),
                         [](const ::testing::TestParamInfo<ToggleCase>& info) {
                             return "SHUTTER" + std::to_string(info.param.shutter);
                         });

TEST(Shutter3, TwoQueuedClicksRunNestedInItsYield) {
    ScriptedHost host;
    host.Load();
    host.Queue(Control::SHUTTER3, 2);
    host.Click(Control::SHUTTER3);
    // The innermost click acts first; three toggles in all.
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{0x84, 0x85, 0x84}));
    EXPECT_GE(host.deepest_pump, 2);
}

TEST(Failure, FailingSendLeavesFlagAndEndsWithStatusOne) {
    ScriptedHost host;
    host.Load();
    host.FailWrite(1);
    EXPECT_EQ(host.Click(Control::SHUTTER4), 1);
    EXPECT_EQ(host.state().Closed(4), kTrue);
    ASSERT_EQ(host.failures.size(), 1u);
    EXPECT_NE(host.failures[0].find("Error 1006"), std::string::npos);
}

TEST(Startup, LoadOpensPortInOrderAndSendsNothing) {
    ScriptedHost host;
    host.outer_width = 2000;  // larger than the screen: not clamped
    host.Load();
    EXPECT_TRUE(host.bytes.empty());
    EXPECT_EQ(host.items, (std::vector<std::string>{"1", "2.5", "5", "7.5", "10"}));
    EXPECT_FLOAT_EQ(*host.left, -40.0f);
    EXPECT_EQ(host.state().UnitDelayCount, 1875000);
    std::vector<std::string> port(host.log.end() - 3, host.log.end());
    EXPECT_EQ(port, (std::vector<std::string>{"settings 9600,N,8,1", "commport 1", "open"}));
}

TEST(Shutdown, EndProgramClosesPortEndsZeroAndSendsNothing) {
    ScriptedHost host;
    host.Load();
    EXPECT_EQ(host.Click(Control::ENDPROGRAM), 0);
    EXPECT_FALSE(host.PortOpen());
    EXPECT_TRUE(host.bytes.empty());
}

TEST(AllOpenClose, ForcedCodesEveryTimeAndQueuedClickBetweenTwoAndThree) {
    ScriptedHost host;
    host.Load();
    host.Click(Control::ROUTINE5);  // right after start: still all six close codes
    host.Click(Control::ROUTINE4);
    host.Queue(Control::SHUTTER1);
    host.Click(Control::ROUTINE4);
    EXPECT_EQ(host.bytes, (std::vector<std::uint8_t>{0x81, 0x83, 0x85, 0x91, 0x93, 0x95,  //
                                                     0x80, 0x82, 0x84, 0x90, 0x92, 0x94,  //
                                                     0x80, 0x82, 0x81, 0x84, 0x90, 0x92, 0x94}));
    EXPECT_EQ(host.fill.at(Shape::Shape10), IndicatorOn);
    EXPECT_EQ(host.fill.at(Shape::Shape11), IndicatorOff);
}

}  // namespace
}  // namespace kelvoria::testing

namespace kelvoria::testing {
namespace {

TEST(Exposure, EachItemStoresItsScaledLimitAndBadTextFails) {
    const double factors[] = {1, 2.5, 5, 7.5, 10};
    for (int item = 0; item < 5; ++item) {
        ScriptedHost host;
        host.Load();
        host.Select(item);
        host.Click(Control::ExposureSel);
        EXPECT_EQ(host.state().ExposureValue, 7500000 * factors[item]) << host.items[item];
        EXPECT_TRUE(host.bytes.empty());
    }
    EXPECT_THROW(ExposureFactor("2,5"), PanelFailure);
    EXPECT_THROW(ExposureFactor("x"), PanelFailure);
    EXPECT_EQ(FactorOrDefault(""), 1.0);
}

}  // namespace
}  // namespace kelvoria::testing
