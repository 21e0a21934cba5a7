// Dialog templates read from the resources of the test program and of the
// library, in dialog units and in pixels.
#include <ResTemplMngr.h>

#include "Checks.h"
#include "HelpersTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

const CRect rcUntouched(-1, -2, -3, -4);

TEST(ResTemplMngrTest, MissingModulesAndTemplatesLeaveTheRectangle) {
    EXPECT_EQ(nullptr, ResTemplMngr::LoadDlgTempl(_T("nosuch.dll"), IDD_CLASSIC));
    EXPECT_EQ(nullptr, ResTemplMngr::LoadDlgTempl(NULL, 4242));
    // Of the dialog type, but shorter than a template's header.
    ASSERT_NE(nullptr, ::FindResource(NULL, MAKEINTRESOURCE(IDD_TRUNCATED), RT_DIALOG));
    EXPECT_EQ(nullptr, ResTemplMngr::LoadDlgTempl(NULL, IDD_TRUNCATED));
    for (UINT nID : {UINT(IDD_CLASSIC), 4242u, UINT(IDD_TRUNCATED)}) {
        LPCTSTR lpszModule = nID == IDD_CLASSIC ? _T("nosuch.dll") : NULL;
        CRect rect = rcUntouched;
        EXPECT_FALSE(ResTemplMngr::GetDlgTemplRectLogical(lpszModule, nID, rect)) << nID;
        EXPECT_FALSE(ResTemplMngr::GetDlgTemplRect(lpszModule, nID, rect)) << nID;
        EXPECT_EQ(rcUntouched, rect) << nID;
    }
}

TEST(ResTemplMngrTest, LoadsByTheLow16BitsOfTheId) {
    LPCDLGTEMPLATE lpClassic = ResTemplMngr::LoadDlgTempl(NULL, IDD_CLASSIC);
    ASSERT_NE(nullptr, lpClassic);
    EXPECT_EQ(DWORD(WS_POPUP | WS_CAPTION), lpClassic->style & (WS_POPUP | WS_CAPTION));
    // Only the low 16 bits of an id count.
    EXPECT_EQ(lpClassic, ResTemplMngr::LoadDlgTempl(NULL, 0x30000 + IDD_CLASSIC));

    // The rectangles of both layouts and of the library's own template:
    // HighAddressTest, an ordinary test on 32-bit Windows.
}

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// Count of this thread's top-level windows: the measuring window must go.
int ThreadWindowCount() {
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

// A new window's device context holds the system font, so the screen's tells
// the units; rounding is to the nearest pixel. The program's own template
// 1030 (not creatable without a parent) must not replace the library's
// measuring window.
TEST(ResTemplMngrTest, PixelsFromTheDefaultFontRounded) {
    HDC hScreen = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hScreen, ::GetStockObject(SYSTEM_FONT));
    TEXTMETRIC tm;
    ASSERT_TRUE(::GetTextMetrics(hScreen, &tm));
    ::SelectObject(hScreen, hOld);
    ::ReleaseDC(NULL, hScreen);
    const int w = tm.tmAveCharWidth, h = tm.tmHeight;
    const auto Round = [](double v) { return static_cast<int>(v + 0.5); };

    const int nWindows = ThreadWindowCount();
    CRect rect;
    ASSERT_TRUE(ResTemplMngr::GetDlgTemplRect(NULL, IDD_CLASSIC, rect));
    EXPECT_EQ(
        CRect(Round(10 * w / 4.0), Round(20 * h / 8.0), Round(110 * w / 4.0), Round(70 * h / 8.0)),
        rect)
        << w << "x" << h;
    ASSERT_TRUE(ResTemplMngr::GetDlgTemplRect(NULL, IDD_HOST_1030, rect));
    EXPECT_EQ(CRect(0, 0, Round(300 * w / 4.0), Round(200 * h / 8.0)), rect);
    EXPECT_EQ(nWindows, ThreadWindowCount());
}

} // namespace
