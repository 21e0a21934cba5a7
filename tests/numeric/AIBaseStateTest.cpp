#include "AIBaseState.h"

#include <gtest/gtest.h>

TEST(AIBaseState, GlobalStartsAtPrecisionFour) {
    EXPECT_EQ(aibaseState.GetPrecision(), 4);
    EXPECT_EQ(aibaseState.GetSencetivity(), 0.0001);
}

TEST(AIBaseState, SetPrecisionTakesOneToTenOnly) {
    AIBaseState state;
    for (short rejected : {0, 11, -3})
        state.SetPrecision(rejected);
    EXPECT_EQ(state.GetPrecision(), 4);

    state.SetPrecision(10);
    EXPECT_EQ(state.GetSencetivity(), 1e-10);
    AIBaseState copy(state);
    state.SetPrecision(1);
    EXPECT_EQ(state.GetSencetivity(), 0.1);
    EXPECT_EQ(copy.GetPrecision(), 10);
    copy = state;
    EXPECT_EQ(copy.GetPrecision(), 1);
}
