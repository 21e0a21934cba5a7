#include "rvNumeric.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// From 2^52 on every double is a whole number.
constexpr double kWholeFrom = 4503599627370496.0;

double PowerOfTen(int exponent) {
    unsigned int n = exponent < 0 ? 0u - static_cast<unsigned int>(exponent)
                                  : static_cast<unsigned int>(exponent);
    double power = 1.0;
    for (double square = 10.0; n != 0; n >>= 1, square *= square) {
        if (n & 1u)
            power *= square;
    }
    return exponent < 0 ? 1.0 / power : power;
}

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

bool ParseReal(const char* text, double& value, bool zeroNeedsDigit) {
    const char* start = SkipBlanks(text != nullptr ? text : "");
    const char first = *start;
    char* end = nullptr;
    value = std::strtod(start, &end);
    if (std::isnan(value)) {
        value = 0.0;
        return false;
    }
    if (zeroNeedsDigit && value == 0.0 && first != '0')
        return false;
    return *SkipBlanks(end) == '\0';
}

bool Fits(int length) {
    return length >= 0 && length < RV_VALUE_TEXT_SIZE;
}

// "-0.00" becomes "0.00": a zero shown with a sign would not read back.
int DropSignOfZero(char* text, int length) {
    if (text[0] != '-' || std::strspn(text + 1, "0.") != static_cast<size_t>(length - 1))
        return length;
    std::memmove(text, text + 1, static_cast<size_t>(length));
    return length - 1;
}

} // namespace

double rvTruncate(double value, int digits) {
    const double scaled = value * PowerOfTen(digits);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kWholeFrom)
        return value;
    const double whole = std::floor(scaled);
    // A zero stays zero even where 10^-digits overflows.
    return whole == 0.0 ? whole : whole * PowerOfTen(-digits);
}

double rvSensitivity(int precision) {
    return PowerOfTen(-precision);
}

bool rvParseReal(const char* text, double& value) {
    return ParseReal(text, value, true);
}

bool rvParseRealLenient(const char* text, double& value) {
    return ParseReal(text, value, false);
}

bool rvParseReal(const wchar_t* text, double& value) {
    return ParseReal(rvNumberText(text), value, true);
}

bool rvParseRealLenient(const wchar_t* text, double& value) {
    return ParseReal(rvNumberText(text), value, false);
}

CStringA rvNumberText(const char* text) {
    return CStringA(text != nullptr ? text : "");
}

CStringA rvNumberText(const wchar_t* text) {
    CStringA strNarrow;
    const int nLength = text != nullptr ? static_cast<int>(std::wcslen(text)) : 0;
    char* p = strNarrow.GetBuffer(nLength);
    for (int i = 0; i < nLength; ++i)
        p[i] = static_cast<unsigned long>(text[i]) <= 0x7F ? static_cast<char>(text[i]) : '?';
    strNarrow.ReleaseBuffer(nLength);
    return strNarrow;
}

int rvFormatValue(char (&text)[RV_VALUE_TEXT_SIZE], double value, int precision) {
    // A negative zero has no sign to show in the exponent form either.
    if (value == 0.0)
        value = 0.0;
    // More decimals than the text has room for could never be shown.
    const int decimals = std::clamp(precision, 0, RV_VALUE_TEXT_SIZE);
    const int fixed = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (Fits(fixed))
        return DropSignOfZero(text, fixed);
    // Each decimal of the exponent form adds one character to the shortest
    // one, and the first adds the point too.
    const int room = std::max(RV_VALUE_TEXT_SIZE - 2 - std::snprintf(nullptr, 0, "%.0e", value), 0);
    int digits = std::min(decimals, room);
    int length = std::snprintf(text, sizeof text, "%.*e", digits, value);
    // The room was measured without decimals, where the mantissa may round up
    // into a shorter exponent (-9.5e-100 shows as "-1e-99"); with decimals the
    // exponent is long again.
    while (!Fits(length) && digits > 0)
        length = std::snprintf(text, sizeof text, "%.*e", --digits, value);
    // Next to the largest double, rounding up would read back as infinity.
    if (std::isinf(std::strtod(text, nullptr)) && std::isfinite(value))
        return std::snprintf(text, sizeof text, "%.*e", room, value);
    return length;
}

int rvFormatValue(wchar_t (&text)[RV_VALUE_TEXT_SIZE], double value, int precision) {
    char narrow[RV_VALUE_TEXT_SIZE];
    const int length = rvFormatValue(narrow, value, precision);
    std::copy(narrow, narrow + length + 1, text);
    return length;
}

CString rvFormatValue(double value, int precision) {
    char text[RV_VALUE_TEXT_SIZE];
    rvFormatValue(text, value, precision);
    return CString(text);
}
