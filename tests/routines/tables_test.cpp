#include <gtest/gtest.h>

#include "routines/routine1_table.h"
#include "routines/routine2_table.h"
#include "routines/routine3_table.h"

namespace kelvoria::routines {
namespace {

// Plays a table from all shutters closed: every "open n" must find n closed,
// every "close n" find it open, and each row's last column must follow.
void CheckTable(std::span<const Step> steps) {
    Shutters open_now;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        for (const Action& a : steps[i].Actions()) {
            // Only toggles name a shutter; a yield or wait has no bit to shift to.
            if (a.kind != Action::Kind::Open && a.kind != Action::Kind::Close) {
                continue;
            }
            ASSERT_TRUE(a.arg >= 1 && a.arg <= 6) << "step " << i + 1 << " names shutter " << int(a.arg);
            const auto bit = static_cast<std::uint8_t>(1u << (a.arg - 1));
            if (a.kind == Action::Kind::Open) {
                EXPECT_FALSE(open_now.bits & bit) << "step " << i + 1 << " opens " << int(a.arg);
                open_now.bits |= bit;
            } else {
                EXPECT_TRUE(open_now.bits & bit) << "step " << i + 1 << " closes " << int(a.arg);
                open_now.bits &= static_cast<std::uint8_t>(~bit);
            }
        }
        EXPECT_EQ(open_now.bits, steps[i].open_after.bits) << "step " << i + 1;
    }
    EXPECT_EQ(open_now, none);
}

TEST(Tables, OpenAfterColumnFollowsFromToggles) {
    CheckTable(kRoutine1);
    CheckTable(kRoutine2);
    CheckTable(kRoutine3);
    EXPECT_EQ(std::size(kRoutine1), 20u);
    EXPECT_EQ(std::size(kRoutine2), 18u);
    EXPECT_EQ(std::size(kRoutine3), 58u);
}

}  // namespace
}  // namespace kelvoria::routines
