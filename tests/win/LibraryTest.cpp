// The library as a host meets it: loaded, registered on the resource chain,
// and its dialog data exchange of numbers.
#include <dovuv32.h>

#include "Checks.h"
#include "ExchangeWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Z_DDX_Text at a precision through the window's one edit control.
template <class T> bool Exchange(ExchangeWindow& w, BOOL bSave, T& value, int precision) {
    return w.Exchange(
        bSave, [&](CDataExchange* pDX) { Z_DDX_Text(pDX, ExchangeWindow::nID, value, precision); });
}

TEST(Library, StartsRegisteredWithItsPrecision) {
    EXPECT_EQ(aibaseState.GetPrecision(), 4);
    // The test program has no version resource: the search finds the
    // library's own, because loading it put it on the chain.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION),
              ::GetModuleHandle(DOVUV32_DLL));
}

TEST(Library, ExchangesNumbersAtAPrecision) {
    ExchangeWindow w;
    ASSERT_TRUE(w.Ready());
    double d = 3.14159;
    ASSERT_TRUE(Exchange(w, FALSE, d, 2));
    EXPECT_EQ(w.Text(), _T("3.14"));

    w.SetText(_T(""));
    ASSERT_TRUE(Exchange(w, TRUE, d, 4));
    EXPECT_EQ(d, 0.0);
    w.SetText(_T(" -2.5 "));
    float f = 1.0f;
    ASSERT_TRUE(Exchange(w, TRUE, f, 4));
    EXPECT_EQ(f, -2.5f);
    // A long number is read whole, not cut after 31 characters.
    w.SetText(_T("0.000000000000000000000000000000125"));
    ASSERT_TRUE(Exchange(w, TRUE, d, 4));
    EXPECT_DOUBLE_EQ(d, 1.25e-31);

    // Bad text: the framework's real-number prompt, without a help id.
    std::vector<CString> bad = {_T("1.5x")};
#ifdef _UNICODE
    bad.push_back(L"\xFF11\xFF12"); // fullwidth "１２": another script's digits
#endif
    for (const CString& text : bad) {
        SCOPED_TRACE(Str(text));
        TestApp().prompts.clear();
        w.SetText(text);
        EXPECT_FALSE(Exchange(w, TRUE, d, 4));
        EXPECT_DOUBLE_EQ(d, 1.25e-31);
        ASSERT_EQ(TestApp().prompts.size(), 1u);
        EXPECT_EQ(TestApp().prompts[0].text, "Please enter a number.");
        EXPECT_EQ(TestApp().prompts[0].nIDPrompt, 0u);
        EXPECT_EQ(TestApp().prompts[0].nType & 0xF, UINT(MB_OK));
    }
}

} // namespace
