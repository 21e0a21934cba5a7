// Numbers as the numeric editors show and read them: truncation, the step of
// a display precision, the text of a value and the two parses. The edit, the
// float edit and dialog data exchange all go through these, so that a value
// looks and reads the same everywhere.
#pragma once

#include <afx.h>

// Room for the text of a value, terminator included: at most 31 characters.
constexpr int RV_VALUE_TEXT_SIZE = 32;

// floor(value * 10^digits) * 10^-digits: the value cut down to the given
// number of decimals (tens, hundreds, ... for a negative digits). The floor
// goes toward minus infinity, so -1.234 to 2 digits is -1.24. Powers of ten
// are built by square-and-multiply (exact up to 10^22), a negative power as
// the reciprocal of the positive one, and the product is a double before the
// floor. A product that is not finite or is 2^52 or more has nothing left to
// cut: the value comes back unchanged rather than with rounding noise, or as
// an infinity or a NaN where 10^digits overflows.
AFX_EXT_API double rvTruncate(double value, int digits);

// 10^-precision: the smallest step a value shown with the precision can
// express. Precision 4 gives 1.0 / 10000.0, 0 gives 1.0, -2 gives 100.0.
AFX_EXT_API double rvSensitivity(int precision);

// Reads a number written alone, blanks and tabs around it allowed. The
// number strtod makes of the text is stored in value also when the parse
// fails ("12abc" leaves 12.0 and fails). A text whose number is zero must
// start with the digit '0': "", "abc", ".0", "-0" and "+0" fail; "0" and
// " 0.000 " pass. "nan" is not a number here: it leaves 0.0 and fails. A
// null text reads as the empty text.
AFX_EXT_API bool rvParseReal(const char* text, double& value);

// As rvParseReal without the rule on zero: "", blanks only, ".0" and "-0"
// read as 0.0 and pass; "abc" still fails.
AFX_EXT_API bool rvParseRealLenient(const char* text, double& value);

// The same parses of a wide text, by the same 8-bit rules: a character
// beyond ASCII is no part of a number (fullwidth "１２" is not 12), so the
// parse fails there, with value what the text before it makes.
AFX_EXT_API bool rvParseReal(const wchar_t* text, double& value);
AFX_EXT_API bool rvParseRealLenient(const wchar_t* text, double& value);

// The 8-bit text those parses read: a wide text's ASCII characters as they
// are and every other character as '?', which no number holds; an 8-bit text
// unchanged. A null text gives the empty text.
AFX_EXT_API CStringA rvNumberText(const char* text);
AFX_EXT_API CStringA rvNumberText(const wchar_t* text);

// The text of a value: "%.*f" with precision decimals (2.5 at precision 4 is
// "2.5000"), a negative precision counting as 0. A value that shows as zero
// has no sign ("0.0000" for -0.00004), since "-0.0000" would not pass the
// strict parse. A number never loses digits silently: when the fixed-point
// text would exceed 31 characters (1e300 at precision 4) the value is shown
// in exponent form with the same number of decimals ("1.0000e+300"), and
// with fewer decimals if even that would not fit, so that the text always
// reads back as (nearly) the value. Returns the length of the text.
AFX_EXT_API int rvFormatValue(char (&text)[RV_VALUE_TEXT_SIZE], double value, int precision);
AFX_EXT_API int rvFormatValue(wchar_t (&text)[RV_VALUE_TEXT_SIZE], double value, int precision);
AFX_EXT_API CString rvFormatValue(double value, int precision);
