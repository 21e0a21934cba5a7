// DDX_Text of numbers: what each type takes, its prompt, and its text; the
// same in both character sets.
#include "ExchangeWindow.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

template <class T> struct SaveCase {
    LPCWSTR lpszText;
    bool bNumber;
    T value;
};

// Each text is a number of that value, or brings up prompt nIDPrompt once
// and leaves the member alone.
template <class T>
void CheckSaves(ExchangeWindow& w, UINT nIDPrompt, std::initializer_list<SaveCase<T>> cases) {
    for (const SaveCase<T>& c : cases) {
        SCOPED_TRACE(Str(CString(c.lpszText)));
        TestApp().prompts.clear();
        T value = T(99);
        w.SetText(CString(c.lpszText));
        EXPECT_EQ(c.bNumber, w.Exchange(TRUE, [&](CDataExchange* pDX) {
            DDX_Text(pDX, ExchangeWindow::nID, value);
        }));
        EXPECT_EQ(c.bNumber ? c.value : T(99), value);
        ASSERT_EQ(c.bNumber ? 0u : 1u, TestApp().prompts.size());
        if (!c.bNumber) {
            EXPECT_EQ(nIDPrompt, TestApp().prompts[0].nIDPrompt);
        }
    }
}

TEST(DataExchange, NumbersOfEveryTypeParseByTheCRules) {
    ExchangeWindow w;
    CheckSaves<int>(
        w, AFX_IDP_PARSE_INT,
        {{L" -7 ", true, -7}, {L"+12", true, 12}, {L"2147483648", false, 0}, {L"12abc", false, 0}});
    CheckSaves<long>(
        w, AFX_IDP_PARSE_INT,
        {{L"-2147483648", true, -2147483647L - 1}, {L"\t5\t", true, 5}, {L"", false, 0}});
    CheckSaves<UINT>(w, AFX_IDP_PARSE_UINT,
                     {{L"4294967295", true, 4294967295u},
                      {L" +3 ", true, 3},
                      {L"-1", false, 0},
                      {L"4294967296", false, 0}});
    CheckSaves<DWORD>(w, AFX_IDP_PARSE_UINT, {{L"7", true, 7}, {L"-0", false, 0}});
    CheckSaves<float>(w, AFX_IDP_PARSE_REAL,
                      {{L"1.5e2", true, 150.0f}, {L"0", true, 0.0f}, {L"1e39", false, 0}});
    CheckSaves<double>(w, AFX_IDP_PARSE_REAL,
                       {{L"1e39", true, 1e39}, {L".5", true, 0.5}, {L"1,5", false, 0}});

    // The text of the one prompt no other test shows.
    TestApp().prompts.clear();
    UINT n = 0;
    w.SetText(_T("-1"));
    w.Exchange(TRUE, [&](CDataExchange* pDX) { DDX_Text(pDX, ExchangeWindow::nID, n); });
    ASSERT_EQ(1u, TestApp().prompts.size());
    EXPECT_EQ("Please enter a whole number of zero or more.", TestApp().prompts[0].text);
}

#ifdef _UNICODE
// Other scripts' digits are digits to the wide C runtime (wcstol reads the
// fullwidth U+FF11 U+FF12 as 12) and the system's conversion to 8-bit text
// makes ASCII digits of them, but a text with any character beyond ASCII is
// no number here.
TEST(DataExchange, TextBeyondAsciiIsNoNumber) {
    ExchangeWindow w;
    CheckSaves<int>(w, AFX_IDP_PARSE_INT,
                    {{L"\uFF11\uFF12", false, 0}, {L"\u0661", false, 0}, {L"1\u00A0", false, 0}});
    CheckSaves<UINT>(w, AFX_IDP_PARSE_UINT, {{L"\uFF17", false, 0}});
    CheckSaves<double>(w, AFX_IDP_PARSE_REAL, {{L"\uFF11.5", false, 0}, {L"1\uFF0E5", false, 0}});
}
#endif

template <class T> CString Load(ExchangeWindow& w, T value) {
    w.Exchange(FALSE, [&](CDataExchange* pDX) { DDX_Text(pDX, ExchangeWindow::nID, value); });
    return w.Text();
}

TEST(DataExchange, NumbersOfEveryTypeShowAsInTheCLocale) {
    ExchangeWindow w;
    EXPECT_EQ(Load(w, -7), _T("-7"));
    EXPECT_EQ(Load(w, -2147483647L - 1), _T("-2147483648"));
    EXPECT_EQ(Load(w, 4294967295u), _T("4294967295"));
    EXPECT_EQ(Load(w, DWORD(7)), _T("7"));
    EXPECT_EQ(Load(w, 0.1f), _T("0.1"));
    EXPECT_EQ(Load(w, 1e20), _T("1e+20"));
    EXPECT_EQ(Load(w, -0.000125), _T("-0.000125"));
}

} // namespace
