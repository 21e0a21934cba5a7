#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

// What a plain window procedure last received from WM_APP on: Default()
// must reach it with the message being handled.
using Received = std::tuple<HWND, UINT, WPARAM, LPARAM>;
std::vector<Received> g_received;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP)
        g_received.emplace_back(hWnd, message, wParam, lParam);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

HWND CreateRecordingWindow() {
    static const ATOM atom = [] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = _T("RecordingWnd");
        return ::RegisterClass(&wc);
    }();
    (void)atom;
    return ::CreateWindowEx(0, _T("RecordingWnd"), _T(""), WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                            ::GetModuleHandle(NULL), NULL);
}

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> calls;
    HWND hWndAtCreate = NULL;
    BOOL bFailCreate = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        hWndAtCreate = m_hWnd;
        calls.push_back("base create");
        return bFailCreate ? -1 : CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnApp(WPARAM, LPARAM) {
        calls.push_back("base app");
        return 1;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) {
        calls.push_back("base timer " + std::to_string(nIDEvent));
    }
    void PostNcDestroy() override { calls.push_back("post nc destroy"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP, &CBaseWnd::OnApp)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
protected:
    afx_msg LRESULT OnAppDerived(WPARAM wParam, LPARAM) {
        calls.push_back("derived app");
        return static_cast<LRESULT>(wParam) * 2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
ON_MESSAGE(WM_APP, &CDerivedWnd::OnAppDerived)
END_MESSAGE_MAP()

TEST(WndMessageMapTest, DerivedEntriesWinAndBaseEntriesAreInherited) {
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, _T("map"), WS_POPUP, 0, 0, 100, 100, NULL, NULL));
    HWND hWnd = wnd.m_hWnd;
    // The object was attached before WM_CREATE arrived.
    EXPECT_EQ(hWnd, wnd.hWndAtCreate);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

    EXPECT_EQ(42, wnd.SendMessage(WM_APP, 21));
    wnd.SendMessage(WM_TIMER, 5);
    // Unhandled messages reach the window's own procedure.
    wnd.SetWindowText(_T("title"));
    EXPECT_STREQ(_T("title"), WindowText(wnd));

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(
        (std::vector<std::string>{"base create", "derived app", "base timer 5", "post nc destroy"}),
        wnd.calls);

    // A failed creation leaves the object detached.
    wnd.bFailCreate = TRUE;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, _T("fail"), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_FALSE(::IsWindow(wnd.hWndAtCreate));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(wnd.hWndAtCreate));
}

TEST(WndHandleMapTest, TemporaryObjectsLiveUntilTheMapIsEmptied) {
    HWND hWnd = CreateRecordingWindow();
    ASSERT_NE(nullptr, hWnd);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hWnd, pTemp->m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(NULL, CWnd::FromHandle(NULL));

    // A temporary object never destroys its window; idle time releases it.
    TestApp().OnIdle(0);
    EXPECT_TRUE(::IsWindow(hWnd));

    // An attached object takes precedence, and Detach gives the handle back.
    {
        CWnd permanent;
        ASSERT_TRUE(permanent.Attach(hWnd));
        EXPECT_FALSE(CWnd().Attach(hWnd));
        EXPECT_EQ(&permanent, CWnd::FromHandle(hWnd));
        EXPECT_EQ(hWnd, permanent.Detach());
        EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
    }
    EXPECT_TRUE(::IsWindow(hWnd));

    // An object still attached when it dies takes its window with it.
    {
        CWnd owner;
        owner.Attach(hWnd);
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    CWnd::DeleteTempMap();
}

class CSubclassedWnd : public CWnd {
public:
    int nPreSubclass = 0;
    int nSeen = 0;

protected:
    void PreSubclassWindow() override { ++nPreSubclass; }
    afx_msg LRESULT OnApp(WPARAM, LPARAM) {
        ++nSeen;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassedWnd, CWnd)
ON_MESSAGE(WM_APP, &CSubclassedWnd::OnApp)
END_MESSAGE_MAP()

TEST(WndSubclassTest, MessagesReachTheObjectThenTheOwnProcedure) {
    HWND hWnd = CreateRecordingWindow();
    const LONG_PTR pfnOwn = ::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
    CSubclassedWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));
    EXPECT_EQ(1, wnd.nPreSubclass);
    EXPECT_FALSE(CSubclassedWnd().SubclassWindow(hWnd));

    g_received.clear();
    ::SendMessage(hWnd, WM_APP, 3, 4);
    EXPECT_EQ(1, wnd.nSeen);
    EXPECT_EQ(g_received, (std::vector<Received>{{hWnd, WM_APP, 3, 4}}));

    EXPECT_EQ(hWnd, wnd.UnsubclassWindow());
    EXPECT_EQ(pfnOwn, ::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    ::SendMessage(hWnd, WM_APP, 3, 4);
    EXPECT_EQ(1, wnd.nSeen);
    ::DestroyWindow(hWnd);
}

// Handling WM_APP sends WM_APP + 1 to another framework window, whose
// handler passes it on with Default(); the outer handler's Default() must
// still pass on its own message.
class CNestingWnd : public CWnd {
public:
    HWND hWndInner = NULL;
    MSG lastSentAfterNested = {};

protected:
    afx_msg LRESULT OnOuter(WPARAM, LPARAM) {
        ::SendMessage(hWndInner, WM_APP + 1, 5, 6);
        lastSentAfterNested = AfxGetThreadState()->m_lastSentMsg;
        return Default();
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM) { return Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
ON_MESSAGE(WM_APP, &CNestingWnd::OnOuter)
ON_MESSAGE(WM_APP + 1, &CNestingWnd::OnInner)
END_MESSAGE_MAP()

TEST(WndDefaultTest, NestedSendsKeepEachHandlersMessage) {
    CNestingWnd outer, inner;
    ASSERT_TRUE(outer.SubclassWindow(CreateRecordingWindow()));
    ASSERT_TRUE(inner.SubclassWindow(CreateRecordingWindow()));
    outer.hWndInner = inner.m_hWnd;
    const MSG before = AfxGetThreadState()->m_lastSentMsg;

    g_received.clear();
    outer.SendMessage(WM_APP, 1, 2);

    EXPECT_EQ(outer.m_hWnd, outer.lastSentAfterNested.hwnd);
    EXPECT_EQ(g_received, (std::vector<Received>{{inner.m_hWnd, WM_APP + 1, 5, 6},
                                                 {outer.m_hWnd, WM_APP, 1, 2}}));
    // The outermost procedure restores the record it found.
    EXPECT_EQ(0, memcmp(&before, &AfxGetThreadState()->m_lastSentMsg, sizeof before));
    outer.DestroyWindow();
    inner.DestroyWindow();
}

// The wrappers that do more than forward one call.
TEST(WndWrapperTest, ChildrenTextAndStyle) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, NULL, _T("parent"), WS_POPUP, 50, 60, 300, 200, NULL, NULL));
    CWnd child;
    ASSERT_TRUE(
        child.Create(_T("EDIT"), _T("child"), WS_VISIBLE, CRect(10, 20, 110, 70), &parent, 77));

    EXPECT_TRUE(child.ModifyStyle(0, WS_DISABLED));
    EXPECT_FALSE(child.ModifyStyle(0, WS_DISABLED));

    parent.SetDlgItemText(77, _T("text"));
    CString text;
    EXPECT_EQ(4, parent.GetDlgItemText(77, text));
    EXPECT_STREQ(_T("text"), text);
    EXPECT_EQ(0, parent.GetDlgItemText(78, text));
    EXPECT_STREQ(_T(""), text);

    // Children are detached when their parent takes them down.
    parent.DestroyWindow();
    EXPECT_EQ(NULL, child.m_hWnd);
}

// Text beyond ASCII within the ANSI code page reaches a window as the same
// characters from both builds and comes back whole through CString.
TEST(WndWrapperTest, TextBeyondAsciiRoundTrips) {
    if (!CodePageIs1252OrLatin1())
        GTEST_SKIP() << "the ANSI code page is not 1252";
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    const CString text(L"Caf\u00E9 \u20AC5 \u00C5");
    wnd.SetWindowText(text);
    WCHAR szStored[32] = L"";
    ::GetWindowTextW(wnd.m_hWnd, szStored, 32);
    EXPECT_STREQ(L"Caf\u00E9 \u20AC5 \u00C5", szStored);
    EXPECT_EQ(text, WindowText(wnd));
    EXPECT_EQ(text.GetLength(), wnd.GetWindowTextLength());
    wnd.DestroyWindow();
}

class CThrowingWnd : public CWnd {
public:
    BOOL bUserException = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) {
        if (bUserException)
            AfxThrowUserException();
        AfxThrowNotSupportedException();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

// An exception must not unwind through the system's frames: the window
// procedure reports it (a user exception is already reported) and a failed
// WM_CREATE fails the creation.
TEST(WndExceptionTest, HandlerExceptionsEndInTheWindowProcedure) {
    TestApp().prompts.clear();
    CThrowingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(1u, TestApp().prompts.size());
    wnd.bUserException = TRUE;
    EXPECT_FALSE(wnd.CreateEx(0, NULL, _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(1u, TestApp().prompts.size());
    EXPECT_EQ(NULL, wnd.m_hWnd);
}

} // namespace
