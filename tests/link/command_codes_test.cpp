#include <gtest/gtest.h>

#include "app/failure.h"
#include "link/command_codes.h"

namespace kelvoria {
namespace {

TEST(CommandCodes, EveryByteDecodesBackAndCodesOutsideAByteFail) {
    for (int shutter = 1; shutter <= 6; ++shutter) {
        EXPECT_EQ(DescribeByte(OpenCode(128, shutter)),
                  "shutter " + std::to_string(shutter) + " open");
        EXPECT_EQ(DescribeByte(CloseCode(128, shutter)),
                  "shutter " + std::to_string(shutter) + " close");
    }
    EXPECT_EQ(OpenCode(128, 4), 0x90);
    EXPECT_EQ(Routine2EndCode(128), 135);
    EXPECT_EQ(DescribeByte(0x47), "cycle mark");
    EXPECT_EQ(DescribeByte(0x87), "routine 2 end");
    EXPECT_EQ(DescribeByte(0x86), "unexpected byte 0x86");
    EXPECT_THROW(CloseCode(250, 6), PanelFailure);
}

}  // namespace
}  // namespace kelvoria
