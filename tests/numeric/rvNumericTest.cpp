#include "rvNumeric.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(rvNumeric, SensitivityIsTheReciprocalPowerOfTen) {
    EXPECT_EQ(rvSensitivity(4), 1.0 / 10000.0);
    EXPECT_EQ(rvSensitivity(4), 0.0001);
    EXPECT_EQ(rvSensitivity(0), 1.0);
    EXPECT_EQ(rvSensitivity(-2), 100.0);
}

TEST(rvNumeric, TruncateFloorsAtTheDigit) {
    EXPECT_EQ(rvTruncate(1.239, 2), 1.23);
    EXPECT_EQ(rvTruncate(1.23, 2), 1.23); // 1.23 * 100 is just below 123
    EXPECT_EQ(rvTruncate(-1.234, 2), -1.24);
    EXPECT_EQ(rvTruncate(-0.0001, 2), -0.01);
    EXPECT_EQ(rvTruncate(2.0, 3), 2.0);
    EXPECT_EQ(rvTruncate(5.55, 0), 5.0);
    EXPECT_EQ(rvTruncate(1234.0, -2), 1200.0);
}

TEST(rvNumeric, TruncateKeepsValuesWithNothingToCut) {
    EXPECT_EQ(rvTruncate(1e300, 10), 1e300); // the product overflows
    EXPECT_EQ(rvTruncate(1.5, 400), 1.5);    // so does 10^400
    EXPECT_EQ(rvTruncate(123456789.123, 9), 123456789.123);
    EXPECT_EQ(rvTruncate(0.5, -400), 0.0);
}

TEST(rvNumeric, StrictParseWantsADigitForZero) {
    double v = -1.0;
    const char* const bad[] = {"", "  \t", "abc", ".0", "-0", "+0", "nan", nullptr};
    for (const char* text : bad) {
        SCOPED_TRACE(text ? text : "null");
        EXPECT_FALSE(rvParseReal(text, v));
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_FALSE(rvParseReal("12abc", v));
    EXPECT_EQ(v, 12.0);
    EXPECT_TRUE(rvParseReal(" 0.000 \t", v));
    EXPECT_EQ(v, 0.0);
    EXPECT_TRUE(rvParseReal("00", v));
    EXPECT_TRUE(rvParseReal("\t-2.5e3 ", v));
    EXPECT_EQ(v, -2500.0);
}

TEST(rvNumeric, LenientParseTakesEmptyAsZero) {
    double v = -1.0;
    for (const char* zero : {"", "   ", ".0", "-0"}) {
        SCOPED_TRACE(zero);
        v = -1.0;
        EXPECT_TRUE(rvParseRealLenient(zero, v));
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_FALSE(rvParseRealLenient("abc", v));
    EXPECT_FALSE(rvParseRealLenient("1.5x", v));
    EXPECT_EQ(v, 1.5);
    EXPECT_FALSE(rvParseRealLenient("nan", v));
}

TEST(rvNumeric, FormatShowsFixedDecimals) {
    EXPECT_STREQ(rvFormatValue(2.5, 4), _T("2.5000"));
    EXPECT_STREQ(rvFormatValue(-0.25, 4), _T("-0.2500"));
    EXPECT_STREQ(rvFormatValue(3.14159, 2), _T("3.14"));
    EXPECT_STREQ(rvFormatValue(3.14159, 0), _T("3"));
    EXPECT_STREQ(rvFormatValue(3.14159, -3), _T("3"));
    EXPECT_STREQ(rvFormatValue(-0.00004, 4), _T("0.0000"));
    EXPECT_STREQ(rvFormatValue(-0.4, 0), _T("0"));
    EXPECT_STREQ(rvFormatValue(1e25, 4), _T("10000000000000000905969664.0000")); // 31 characters
}

TEST(rvNumeric, FormatShowsZeroWithoutSignAtEveryPrecision) {
    for (int precision : {0, 4, 29, 32, 1000}) {
        SCOPED_TRACE(precision);
        const CString text = rvFormatValue(-0.0, precision);
        double back = 1.0;
        EXPECT_NE(text[0], '-');
        EXPECT_TRUE(rvParseReal(text, back));
        EXPECT_EQ(back, 0.0);
    }
}

TEST(rvNumeric, FormatNeverCutsANumber) {
    EXPECT_STREQ(rvFormatValue(1e300, 4), _T("1.0000e+300"));
    const double values[] = {-1e300,
                             -1e25,
                             2.5,
                             -1.2345678901234567e-200,
                             1.7976931348623157e308,
                             -9.5338663105289089e-100};
    for (double value : values) {
        for (int precision : {4, 12, 25, 40, 1000}) {
            SCOPED_TRACE(testing::Message() << value << " at precision " << precision);
            char text[RV_VALUE_TEXT_SIZE];
            const int length = rvFormatValue(text, value, precision);
            EXPECT_EQ(length, static_cast<int>(std::strlen(text)));
            EXPECT_LE(length, 31);
            double back = 0.0;
            ASSERT_TRUE(rvParseReal(text, back)) << text;
            if (std::strchr(text, 'e') != nullptr) {
                EXPECT_NEAR(back / value, 1.0, 1e-4) << text;
            }
        }
    }
}

// A wide text is read by the 8-bit rules: a character beyond ASCII is no part
// of a number, though the wide runtime would take other scripts' digits
// (fullwidth "１２" as 12). The value texts are the 8-bit ones.
TEST(rvNumeric, WideTextReadsAsItsEightBitText) {
    const struct {
        const wchar_t* text;
        bool bStrict, bLenient;
        double value;
    } rows[] = {
        {L" -2.5e3 ", true, true, -2500.0},
        {L"\xFF11\xFF12", false, false, 0.0},
        {L"12\xFF13", false, false, 12.0},
        {L"\x0661", false, false, 0.0},
        {L"", false, true, 0.0},
        {nullptr, false, true, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text ? rvNumberText(row.text).GetString() : "null");
        double strict = -1.0, lenient = -1.0;
        EXPECT_EQ(row.bStrict, rvParseReal(row.text, strict));
        EXPECT_EQ(row.bLenient, rvParseRealLenient(row.text, lenient));
        EXPECT_EQ(row.value, strict);
        EXPECT_EQ(row.value, lenient);
    }
    wchar_t wide[RV_VALUE_TEXT_SIZE];
    char narrow[RV_VALUE_TEXT_SIZE];
    for (double v : {-0.00004, 2.5, 1e300}) {
        const int nLength = rvFormatValue(wide, v, 4);
        EXPECT_EQ(rvFormatValue(narrow, v, 4), nLength);
        EXPECT_EQ(std::wstring(narrow, narrow + nLength), std::wstring(wide)) << v;
    }
}
