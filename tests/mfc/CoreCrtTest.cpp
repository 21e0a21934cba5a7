// sprintf_s and sscanf_s as <afx.h> makes them available.
#include <afx.h>

#include <gtest/gtest.h>

#include <string>

TEST(CoreCrt, SprintfWritesWithinTheBuffer) {
    char sz[8];
    EXPECT_EQ(6, sprintf_s(sz, sizeof sz, "%6.*f", 2, 3.14159));
    EXPECT_STREQ("  3.14", sz);
    EXPECT_EQ(7, sprintf_s(sz, "%7d", -42));
    EXPECT_STREQ("    -42", sz);
}

// On Win32 these go to the C runtime's invalid-parameter handler; this is the
// behaviour our own implementation gives when that handler returns.
#ifndef _WIN32
TEST(CoreCrt, OverflowLeavesAnEmptyStringAndNothingPastTheBuffer) {
    char sz[16];
    memset(sz, 'x', sizeof sz);
    EXPECT_EQ(-1, sprintf_s(sz, 8, "%s", "12345678"));
    EXPECT_STREQ("", sz);
    EXPECT_EQ(std::string(8, 'x'), std::string(sz + 8, 8));
    EXPECT_EQ(-1, sprintf_s(NULL, 4, "x"));

    // sscanf_s stops at a field longer than its buffer.
    char field[4] = "xyz";
    int n = 0;
    EXPECT_EQ(1, sscanf_s("7 toolong", "%d %s", &n, field, 4u));
    EXPECT_EQ(7, n);
    EXPECT_STREQ("", field);
    EXPECT_EQ(0, sscanf_s("abcd", "%[a-z]", field, 4u));
    EXPECT_EQ(0, sscanf_s("ab", "%3c", field, 2u));
}
#endif

TEST(CoreCrt, SscanfConvertsWithSizes) {
    int i = 0;
    double d = 0;
    float f = 0;
    char word[8], ch[2], set[8];
    EXPECT_EQ(7, sscanf_s("  -12 2.5e1 0.5 word xy 42abc", "%d %lf %f %s %c %*c %2d%[a-z]", &i, &d,
                          &f, word, 8u, ch, 2u, &i, set, 8u));
    EXPECT_EQ(42, i);
    EXPECT_DOUBLE_EQ(25.0, d);
    EXPECT_FLOAT_EQ(0.5f, f);
    EXPECT_STREQ("word", word);
    EXPECT_EQ('x', ch[0]);
    EXPECT_STREQ("abc", set);

    // A width within the buffer reads a field in parts.
    int nUsed = 0;
    EXPECT_EQ(1, sscanf_s("abcdef", "%3s%n", word, 8u, &nUsed));
    EXPECT_STREQ("abc", word);
    EXPECT_EQ(3, nUsed);
    EXPECT_EQ(1, sscanf_s("abc", "%s", word, 4u)); // exactly fits

    EXPECT_EQ(0, sscanf_s("x1", "%d", &i));
#ifndef _WIN32
    // Input that ends before the first conversion is EOF; Wine's msvcrt
    // answers 0 instead, so this holds for our own implementation only.
    EXPECT_EQ(EOF, sscanf_s("   ", "%d", &i));
#endif
    EXPECT_EQ(1, sscanf_s("5%", "%d%%", &i));
}
