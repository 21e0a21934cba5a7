// The hook on a window whose own procedure lies above 4 GiB: the chain keeps
// that procedure whole, passes messages to it and gives it back.
#include <gtest/gtest.h>

#include <dovuv32.h>

#include "HighMemory.h"

#include <memory>

namespace {

class SavingHook : public CAIMsgHook {
public:
    WNDPROC Saved() const { return m_pfnOldWndProc; }
};

WNDPROC WindowProcOf(HWND hWnd) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
}

TEST(HookHighTest, TheSavedProcedureAboveFourGiBStaysWhole) {
    // The system's edit procedure: Wine's user32 lies above 4 GiB on x64.
    const HWND hEdit = ::CreateWindowEx(0, _T("EDIT"), _T(""), WS_POPUP, 0, 0, 50, 20, NULL, NULL,
                                        ::GetModuleHandle(NULL), NULL);
    ASSERT_NE(hEdit, HWND(NULL));
    CWnd wnd;
    wnd.Attach(hEdit);
    const WNDPROC own = WindowProcOf(hEdit);
    if (sizeof(void*) == 8 && !AboveFourGiB(reinterpret_cast<const void*>(own))) {
        wnd.Detach();
        ::DestroyWindow(hEdit);
        GTEST_SKIP() << "this Wine gives the edit a procedure below 4 GiB";
    }

    std::unique_ptr<SavingHook> first(new High<SavingHook>), second(new High<SavingHook>);
    first->HookWindow(&wnd);
    second->HookWindow(&wnd);
    EXPECT_EQ(own, first->Saved());
    EXPECT_EQ(own, second->Saved());
    // The text is kept by the edit's own procedure, behind both hooks.
    ::SetWindowText(hEdit, _T("through"));
    TCHAR text[16] = _T("");
    ::GetWindowText(hEdit, text, 16);
    EXPECT_STREQ(_T("through"), text);

    first->HookWindow(NULL);
    second->HookWindow(NULL);
    EXPECT_EQ(own, WindowProcOf(hEdit));
    wnd.Detach();
    ::DestroyWindow(hEdit);
}

} // namespace
