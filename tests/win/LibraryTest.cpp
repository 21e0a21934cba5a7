// The library as a host meets it: loaded, registered on the resource chain,
// and its dialog data exchange of numbers.
#include <dovuv32.h>

#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

// A window with one edit control (id 100) to exchange with.
class ExchangeWindow {
public:
    ExchangeWindow() {
        m_parent.Attach(::CreateWindowExA(0, "STATIC", "exchange", WS_POPUP, 0, 0, 200, 100, NULL,
                                          NULL, NULL, NULL));
        m_hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 20,
                                    m_parent.m_hWnd, reinterpret_cast<HMENU>(100), NULL, NULL);
    }
    ~ExchangeWindow() { ::DestroyWindow(m_parent.Detach()); }

    bool Ready() const { return m_parent.m_hWnd != NULL && m_hEdit != NULL; }
    void SetText(const char* text) { ::SetWindowTextA(m_hEdit, text); }
    CString Text() const {
        char text[128];
        ::GetWindowTextA(m_hEdit, text, sizeof text);
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
              ::GetModuleHandleA("dovuv32.dll"));
}

TEST(Library, ExchangesNumbersAtAPrecision) {
    ExchangeWindow w;
    ASSERT_TRUE(w.Ready());
    double d = 3.14159;
    ASSERT_TRUE(w.Exchange(FALSE, d, 2));
    EXPECT_EQ(w.Text(), "3.14");

    w.SetText("");
    ASSERT_TRUE(w.Exchange(TRUE, d, 4));
    EXPECT_EQ(d, 0.0);
    w.SetText(" -2.5 ");
    float f = 1.0f;
    ASSERT_TRUE(w.Exchange(TRUE, f, 4));
    EXPECT_EQ(f, -2.5f);
    // A long number is read whole, not cut after 31 characters.
    w.SetText("0.000000000000000000000000000000125");
    ASSERT_TRUE(w.Exchange(TRUE, d, 4));
    EXPECT_DOUBLE_EQ(d, 1.25e-31);

    // Bad text: the framework's real-number prompt, without a help id.
    TestApp().prompts.clear();
    w.SetText("1.5x");
    EXPECT_FALSE(w.Exchange(TRUE, d, 4));
    EXPECT_DOUBLE_EQ(d, 1.25e-31);
    ASSERT_EQ(TestApp().prompts.size(), 1u);
    EXPECT_EQ(TestApp().prompts[0].text, "Please enter a number.");
    EXPECT_EQ(TestApp().prompts[0].nIDPrompt, 0u);
    EXPECT_EQ(TestApp().prompts[0].nType & 0xF, UINT(MB_OK));
}

} // namespace
