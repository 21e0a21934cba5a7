#include "NPair.h"

#include <gtest/gtest.h>

#include <memory>

TEST(NPair, CopiesAndDestroysThroughTheLibrary) {
    auto pair = std::make_unique<NPair>(0, -1);
    NPair copy(*pair);
    pair.reset();
    NPair other(7, 8);
    other = copy;
    EXPECT_EQ(other.m_first, 0);
    EXPECT_EQ(other.m_second, -1);
}
