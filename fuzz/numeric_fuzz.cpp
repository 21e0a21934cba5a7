// The two parses, truncation and the value text: a text and a value from the
// input, the value shown at every precision and read back.
#include "FuzzSupport.h"

#include <rvNumeric.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// Precisions tried for every value: negative ones count as 0, large ones are
// capped by the room in the text.
const int kLowestPrecision = -3;
const int kHighestPrecision = 36;

void CheckParses(const std::string& text) {
    double strict = -1.0;
    double lenient = -2.0;
    const bool bStrict = rvParseReal(text.c_str(), strict);
    const bool bLenient = rvParseRealLenient(text.c_str(), lenient);
    FUZZ_CHECK(!std::isnan(strict) && !std::isnan(lenient));
    // Both keep the same number; the strict one only adds the rule on zero.
    FUZZ_CHECK(std::memcmp(&strict, &lenient, sizeof strict) == 0);
    FUZZ_CHECK(!bStrict || bLenient);
    FUZZ_CHECK(bStrict || !bLenient || strict == 0.0);
}

// Digits after the point in the mantissa (or the whole text) up to an 'e'.
int DecimalsShown(const char* text) {
    const char* point = std::strchr(text, '.');
    if (point == nullptr)
        return 0;
    return static_cast<int>(std::strcspn(point + 1, "e"));
}

void CheckValueText(double value, int precision) {
    char text[RV_VALUE_TEXT_SIZE];
    const int length = rvFormatValue(text, value, precision);
    FUZZ_CHECK(length > 0 && length < RV_VALUE_TEXT_SIZE);
    FUZZ_CHECK(std::strlen(text) == static_cast<size_t>(length));
    FUZZ_CHECK(rvFormatValue(value, precision) == text);

    double back = 0.0;
    const bool bRead = rvParseReal(text, back);
    if (std::isnan(value)) {
        FUZZ_CHECK(!bRead);
        return;
    }
    // Every number shown reads back through the strict parse, zero included.
    FUZZ_CHECK(bRead);
    if (std::isinf(value)) {
        FUZZ_CHECK(back == value);
        return;
    }
    const bool bExponent = std::strchr(text, 'e') != nullptr;
    const int decimals = DecimalsShown(text);
    if (!bExponent) {
        FUZZ_CHECK(decimals == std::clamp(precision, 0, RV_VALUE_TEXT_SIZE));
    }
    // Half a step of the last digit shown, with room for the binary rounding
    // of the text and the value.
    const double step = std::pow(10.0, -decimals);
    const double tolerance = bExponent ? std::fabs(value) * step : 0.5 * step * (1 + 1e-9);
    FUZZ_CHECK(std::fabs(back - value) <= tolerance + std::fabs(value) * 4 * DBL_EPSILON);
}

void CheckTruncate(double value, int digits) {
    const double cut = rvTruncate(value, digits);
    if (std::isnan(value)) {
        FUZZ_CHECK(std::isnan(cut));
        return;
    }
    // The scale as the truncation forms it: a reciprocal for negative digits.
    const double scale = digits < 0 ? 1.0 / std::pow(10.0, -digits) : std::pow(10.0, digits);
    const double scaled = value * scale;
    // Nothing to cut, or a product that underflowed to zero: the value
    // comes back unchanged or as that zero.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0 ||
        (scaled == 0.0 && value != 0.0))
        return;
    // Toward minus infinity by less than one step, the sign kept.
    const double slack = std::fabs(value) * 4 * DBL_EPSILON + DBL_MIN;
    FUZZ_CHECK(cut <= value + slack);
    FUZZ_CHECK(value - cut <= std::pow(10.0, -digits) * (1 + 1e-9) + slack);
    FUZZ_CHECK(value >= 0 ? cut >= 0 : cut < 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    double value = 0.0;
    const std::vector<uint8_t> bits = input.ConsumeBytes<uint8_t>(sizeof value);
    if (!bits.empty())
        std::memcpy(&value, bits.data(), bits.size());
    const int digits = input.ConsumeIntegralInRange(-330, 330);
    const int precision = input.ConsumeIntegral<int>();
    const std::string text = fuzzsupport::Text(input, 64);

    CheckParses(text);
    CheckTruncate(value, digits);
    for (int p = kLowestPrecision; p <= kHighestPrecision; ++p)
        CheckValueText(value, p);
    CheckValueText(value, precision);

    // A number the input writes as text, shown and read back as well.
    double parsed = 0.0;
    if (rvParseRealLenient(text.c_str(), parsed)) {
        CheckTruncate(parsed, digits);
        for (int p = kLowestPrecision; p <= kHighestPrecision; ++p)
            CheckValueText(parsed, p);
    }
    return 0;
}
