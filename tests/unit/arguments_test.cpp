#include <gtest/gtest.h>

#include "app/arguments.h"

using ludowell::argument;
using ludowell::hasFlag;

TEST(Arguments, FirstOccurrenceVerbatimValuesAndWholeCaseSensitiveElements) {
    const std::vector<std::string> args = {"/app/ludowell", "--game", "--hud", "--game", "aoe4", "--command"};
    EXPECT_EQ(argument(args, "--game"), "--hud");  // even when it looks like an option
    EXPECT_TRUE(hasFlag(args, "--hud"));           // and it still counts as the flag
    EXPECT_EQ(argument(args, "--command"), std::nullopt);  // last, so no value
    EXPECT_EQ(argument(args, "--data-root"), std::nullopt);
    EXPECT_EQ(argument({"/app/ludowell", "--command", ""}, "--command"), "");

    const std::vector<std::string> near = {"/app/ludowell", "--game=aoe4", "--HUD", "--gam", "x"};
    EXPECT_EQ(argument(near, "--game"), std::nullopt);
    EXPECT_FALSE(hasFlag(near, "--hud"));
    EXPECT_FALSE(hasFlag({"/app/ludowell", "--hud=1"}, "--hud"));
}
