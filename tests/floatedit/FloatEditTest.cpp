// The float edit and its trackbar popup in a dialog of the test program,
// driven by the messages the controls would send.
#include "TestApp.h"

#include "BuddySliderDlg.h"
#include "FloatEditIds.h"
#include "ZEdit.h"
#include "dovuv32Res.h"

#include <commctrl.h>
#include <gtest/gtest.h>

DOVUV32_TEST_APP("floatedit_tests")

namespace {

class CFloatEditDlg : public CDialog {
public:
    CZEdit m_edit;
    std::vector<UINT> commands;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_FLOAT, m_edit); }
    void OnOK() override { commands.push_back(IDOK); }
    void OnCancel() override { commands.push_back(IDCANCEL); }
};

// Records what reaches the popup's default processing.
class CRecordingPopup : public CBuddySliderDlg {
public:
    std::vector<UINT> keys;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN)
            keys.push_back(static_cast<UINT>(wParam));
        return CBuddySliderDlg::DefWindowProc(message, wParam, lParam);
    }
};

class FloatEdit : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.prompts.clear();
        ASSERT_TRUE(dlg.Create(IDD_FLOAT_EDIT));
        popup = ::GetWindow(dlg.m_edit.m_hWnd, GW_HWNDNEXT);
        trackbar = ::GetDlgItem(popup, IDC_BUDDY_TRACKBAR);
        ASSERT_NE(HWND(NULL), trackbar);
    }
    void TearDown() override { dlg.DestroyWindow(); }

    CString Text(HWND hWnd, int nID = 0) {
        TCHAR text[64] = _T("");
        ::GetWindowText(nID != 0 ? ::GetDlgItem(hWnd, nID) : hWnd, text, 64);
        return text;
    }
    LRESULT Thumb() { return ::SendMessage(trackbar, TBM_GETPOS, 0, 0); }
    void Type(const char* text) { dlg.m_edit.SetWindowText(CString(text)); }
    // The edit's EN_KILLFOCUS, as it sends it to its dialog.
    void Leave() {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FLOAT, EN_KILLFOCUS),
                        reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd));
    }
    void Scroll(UINT nCode, UINT nPos = 0) {
        ::SendMessage(popup, WM_HSCROLL, MAKEWPARAM(nCode, nPos),
                      reinterpret_cast<LPARAM>(trackbar));
    }

    CFloatEditDlg dlg;
    HWND popup = NULL;
    HWND trackbar = NULL;
};

TEST_F(FloatEdit, BindingLaysThePopupFromTheLibraryOverThePlaceholder) {
    // Directly after the edit, on the placeholder's rectangle, shown.
    ASSERT_TRUE(dynamic_cast<CBuddySliderDlg*>(CWnd::FromHandlePermanent(popup)) != NULL);
    EXPECT_EQ(dlg.m_hWnd, ::GetParent(popup));
    CRect placeholder, placed;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_PLACEHOLDER), &placeholder);
    ::GetWindowRect(popup, &placed);
    EXPECT_EQ(placeholder, placed);
    EXPECT_TRUE(::GetWindowLong(popup, GWL_STYLE) & WS_VISIBLE); // shown by the edit
    EXPECT_STREQ(_T("0.0"), Text(popup, IDC_BUDDY_MIN));
    EXPECT_STREQ(_T("20.0"), Text(popup, IDC_BUDDY_MAX));
    // The trackbar keeps the control's range, the edit's scale.
    EXPECT_EQ(0, ::SendMessage(trackbar, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(100, ::SendMessage(trackbar, TBM_GETRANGEMAX, 0, 0));

    // Bound again, the edit gets one new popup.
    dlg.DestroyWindow();
    ASSERT_TRUE(dlg.Create(IDD_FLOAT_EDIT));
    EXPECT_NE(HWND(NULL),
              ::GetDlgItem(::GetWindow(dlg.m_edit.m_hWnd, GW_HWNDNEXT), IDC_BUDDY_TRACKBAR));
    EXPECT_EQ(1, dlg.m_edit.CreateSliderPopup());
    EXPECT_EQ(HWND(NULL),
              ::FindWindowEx(dlg.m_hWnd, ::FindWindowEx(dlg.m_hWnd, NULL, WC_DIALOG, NULL),
                             WC_DIALOG, NULL));
}

TEST_F(FloatEdit, TypingMovesTheThumbAndLeavingCommitsWithinTheSpan) {
    const struct {
        const char* typed;
        LRESULT thumb;
        const char* committed;
        double value;
        bool prompt;
    } cases[] = {
        {"25", 100, "20.0000", 20.0, false},
        {"-1", 0, "0.0000", 0.0, false},
        {"7", 35, "7", 7.0, false},
        {"12abc", 60, "12abc", 12.0, true},
        {"1e300", 100, "20.0000", 20.0, false},
        {"-1e999", 0, "0.0000", 0.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        theApp.prompts.clear();
        Type("3");
        Type(c.typed);
        EXPECT_EQ(c.thumb, Thumb());
        Leave();
        EXPECT_STREQ(CString(c.committed), Text(dlg.m_edit.m_hWnd));
        EXPECT_EQ(c.value, dlg.m_edit.GetVal());
        EXPECT_EQ(c.thumb, Thumb());
        ASSERT_EQ(c.prompt ? 1u : 0u, theApp.prompts.size());
        if (c.prompt) {
            EXPECT_EQ("Please enter a number.", theApp.prompts[0].text);
            EXPECT_EQ(UINT(MB_OK), theApp.prompts[0].nType);
        }
    }
    // Text that does not start with a number leaves the thumb alone while
    // typing, and reads as 0 when committed.
    Type("5");
    Type("x1");
    EXPECT_EQ(25, Thumb());
    Leave();
    EXPECT_STREQ(_T("x1"), Text(dlg.m_edit.m_hWnd));
    EXPECT_EQ(0, Thumb());
}

TEST_F(FloatEdit, ValuesAndTheThumbFollowEachOther) {
    // The first step starts where the thumb is.
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(20, Thumb());
    EXPECT_STREQ(_T("4.0000"), Text(dlg.m_edit.m_hWnd));

    dlg.m_edit.SetVal(2.5);
    EXPECT_STREQ(_T("2.5000"), Text(dlg.m_edit.m_hWnd));
    EXPECT_EQ(12, Thumb());
    dlg.m_edit.SetVal(1e300);
    EXPECT_STREQ(_T("1.0000e+300"), Text(dlg.m_edit.m_hWnd));
    EXPECT_EQ(100, Thumb());

    // Every position shows a value that keeps the thumb where it is, also
    // those whose value reads back a hair below them (10.2 as 50.99999...).
    for (UINT nPos : {0u, 23u, 51u, 97u, 100u}) {
        SCOPED_TRACE(nPos);
        Scroll(SB_THUMBTRACK, nPos);
        EXPECT_EQ(LRESULT(nPos), Thumb());
    }
    Scroll(SB_THUMBTRACK, 50);
    EXPECT_STREQ(_T("10.0000"), Text(dlg.m_edit.m_hWnd));
    EXPECT_EQ(10.0, dlg.m_edit.GetVal());
    // The trackbar's own steps: it moves before it tells, and the value
    // follows by one step, not two.
    ::SendMessage(trackbar, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(51, Thumb());
    EXPECT_STREQ(_T("10.2000"), Text(dlg.m_edit.m_hWnd));
    ::SendMessage(trackbar, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(71, Thumb());
    EXPECT_STREQ(_T("14.2000"), Text(dlg.m_edit.m_hWnd));
    Scroll(SB_THUMBPOSITION, 300);
    EXPECT_STREQ(_T("20.0000"), Text(dlg.m_edit.m_hWnd));
    Scroll(SB_TOP);
    EXPECT_EQ(0, Thumb());
    // A step starts from where the thumb is, typing included.
    Type("12abc");
    Scroll(SB_LINEDOWN);
    EXPECT_STREQ(_T("12.2000"), Text(dlg.m_edit.m_hWnd));
}

TEST_F(FloatEdit, PopupForwardsOkAndCancelAndKeepsEscape) {
    ::SendMessage(popup, WM_COMMAND, IDOK, 0);
    ::SendMessage(popup, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ((std::vector<UINT>{IDOK, IDCANCEL}), dlg.commands);
    EXPECT_TRUE(::IsWindow(popup));

    CRecordingPopup own;
    own.SetSliderPos(40); // no window yet: nothing happens
    EXPECT_EQ(NULL, own.GetSlider());
    ASSERT_TRUE(own.Create(IDD_BUDDY_SLIDER, &dlg));
    own.SetRangeLabels(-2.26, 1e3);
    EXPECT_STREQ(_T("-2.3"), Text(own.m_hWnd, IDC_BUDDY_MIN));
    EXPECT_STREQ(_T("1000.0"), Text(own.m_hWnd, IDC_BUDDY_MAX));
    own.SendMessage(WM_KEYDOWN, VK_ESCAPE);
    own.SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(std::vector<UINT>{VK_LEFT}, own.keys);
    // Without an owner, scrolling and commands go nowhere.
    own.SendMessage(WM_COMMAND, IDOK);
    own.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50),
                    reinterpret_cast<LPARAM>(own.GetSlider()->m_hWnd));
    EXPECT_EQ(2u, dlg.commands.size());
    EXPECT_STREQ(_T(""), Text(dlg.m_edit.m_hWnd));
    own.DestroyWindow();
}

TEST(FloatEditAlone, WithoutPlaceholderOrWindowTheEditStillWorks) {
    // Without a window, the value stands for the thumb.
    CZEdit alone;
    alone.OnSliderScroll(SB_LINEDOWN, 0, NULL);
    EXPECT_DOUBLE_EQ(0.2, alone.GetVal());

    CFloatEditDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_FLOAT_EDIT_ALONE));
    HWND popup = ::FindWindowEx(dlg.m_hWnd, NULL, WC_DIALOG, NULL);
    ASSERT_NE(HWND(NULL), popup);
    EXPECT_FALSE(::GetWindowLong(popup, GWL_STYLE) & WS_VISIBLE);
    dlg.m_edit.SetWindowText(_T("30"));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FLOAT, EN_KILLFOCUS),
                    reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd));
    EXPECT_EQ(20.0, dlg.m_edit.GetVal());
    EXPECT_EQ(100, ::SendDlgItemMessage(popup, IDC_BUDDY_TRACKBAR, TBM_GETPOS, 0, 0));
    dlg.DestroyWindow();
}

// A parent that is no framework window has only a temporary window object,
// gone at the next idle time, whose memory the next one may take: the popup
// made later still goes into the edit's own parent.
TEST(FloatEditAlone, PopupMadeLaterGoesIntoAParentWithoutWindowObject) {
    HWND hParent =
        ::CreateWindow(WC_STATIC, _T(""), WS_POPUP, 0, 0, 300, 100, NULL, NULL, NULL, NULL);
    HWND hOther =
        ::CreateWindow(WC_STATIC, _T(""), WS_POPUP, 0, 0, 300, 100, NULL, NULL, NULL, NULL);
    ::CreateWindow(WC_STATIC, _T(""), WS_CHILD, 60, 0, 200, 30, hParent,
                   reinterpret_cast<HMENU>(IDC_BUDDY_PLACEHOLDER), NULL, NULL);
    CZEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), CWnd::FromHandle(hParent), 1);
    CWnd::DeleteTempMap();
    CWnd::FromHandle(hOther);
    EXPECT_TRUE(edit.CreateSliderPopup());
    EXPECT_EQ(hParent, ::GetParent(::GetWindow(edit.m_hWnd, GW_HWNDNEXT)));
    EXPECT_EQ(HWND(NULL), ::GetWindow(hOther, GW_CHILD));
    edit.DestroyWindow();
    ::DestroyWindow(hOther);
    ::DestroyWindow(hParent);
}

} // namespace
