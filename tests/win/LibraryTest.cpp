// The library as a host meets it: loaded, registered on the resource chain,
// and its dialog data exchange of numbers.
#include <dovuv32.h>

#include "Checks.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window with one edit control (id 100) to exchange with.
class ExchangeWindow {
public:
    ExchangeWindow() {
        m_parent.Attach(::CreateWindowEx(0, _T("STATIC"), _T("exchange"), WS_POPUP, 0, 0, 200, 100,
                                         NULL, NULL, NULL, NULL));
        m_hEdit = ::CreateWindowEx(0, _T("EDIT"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 150, 20,
                                   m_parent.m_hWnd, reinterpret_cast<HMENU>(100), NULL, NULL);
    }
    ~ExchangeWindow() { ::DestroyWindow(m_parent.Detach()); }

    bool Ready() const { return m_parent.m_hWnd != NULL && m_hEdit != NULL; }
    void SetText(LPCTSTR text) { ::SetWindowText(m_hEdit, text); }
    CString Text() const {
        TCHAR text[128];
        ::GetWindowText(m_hEdit, text, 128);
        return text;
    }
    template <class T> bool Exchange(BOOL bSave, T& value, int precision) {
        CDataExchange dx(&m_parent, bSave);
        try {
            Z_DDX_Text(&dx, 100, value, precision);
            return true;
        } catch (CUserException* e) {
            e->Delete();
            return false;
        }
    }

private:
    CWnd m_parent;
    HWND m_hEdit;
};

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
    ASSERT_TRUE(w.Exchange(FALSE, d, 2));
    EXPECT_EQ(w.Text(), _T("3.14"));

    w.SetText(_T(""));
    ASSERT_TRUE(w.Exchange(TRUE, d, 4));
    EXPECT_EQ(d, 0.0);
    w.SetText(_T(" -2.5 "));
    float f = 1.0f;
    ASSERT_TRUE(w.Exchange(TRUE, f, 4));
    EXPECT_EQ(f, -2.5f);
    // A long number is read whole, not cut after 31 characters.
    w.SetText(_T("0.000000000000000000000000000000125"));
    ASSERT_TRUE(w.Exchange(TRUE, d, 4));
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
        EXPECT_FALSE(w.Exchange(TRUE, d, 4));
        EXPECT_DOUBLE_EQ(d, 1.25e-31);
        ASSERT_EQ(TestApp().prompts.size(), 1u);
        EXPECT_EQ(TestApp().prompts[0].text, "Please enter a number.");
        EXPECT_EQ(TestApp().prompts[0].nIDPrompt, 0u);
        EXPECT_EQ(TestApp().prompts[0].nType & 0xF, UINT(MB_OK));
    }
}

} // namespace
