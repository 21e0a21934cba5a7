// Numeric edits and dynamic sliders in a real dialog, driven with the
// messages the controls and the user would send.
#include <RVEditTransient.h>

#include "SliderChecks.h"
#include "SliderTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Event {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    double editVal; // the sending edit's value, for the edits' messages
};

struct Options {
    bool bStaticSlider = false; // both dynamic ends cleared before binding
    UINT nMaxLabelId = IDC_MAXLABEL;
};

// The dialog wires the loop as a host would: the focused edit becomes the
// slider's client.
class CControlsDlg : public CDialog {
public:
    explicit CControlsDlg(const Options& options) : CDialog(IDD_CONTROLS) {
        if (options.bStaticSlider)
            m_slider.SetDynamic(false);
        m_hslider.AttachMinMaxCtrl(IDC_MINLABEL, options.nMaxLabelId);
    }

    CRVEdit m_edit1, m_edit2, m_readOnly;
    CRVEditTransient m_transient;
    CSliderDyna m_slider, m_hslider;
    bool m_bLinkSlider = true; // the focused edit becomes the slider's client
    std::vector<Event> m_events;

    std::vector<UINT> Messages() const {
        std::vector<UINT> result;
        for (const Event& e : m_events)
            result.push_back(e.message);
        return result;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_EDIT1, m_edit1);
        DDX_Control(pDX, IDC_EDIT2, m_edit2);
        DDX_Control(pDX, IDC_TRANSIENT, m_transient);
        DDX_Control(pDX, IDC_READONLY, m_readOnly);
        DDX_Control(pDX, IDC_SLIDER, m_slider);
        DDX_Control(pDX, IDC_HSLIDER, m_hslider);
    }
    void Record(UINT msg, WPARAM w, LPARAM l) {
        const bool fromEdit = msg >= WM_RV_END_MODIFY && msg <= WM_RV_SET_FOCUS;
        m_events.push_back({msg, w, l, fromEdit ? reinterpret_cast<CRVEdit*>(w)->GetVal() : 0.0});
    }
    LRESULT OnRVSetFocus(WPARAM w, LPARAM l) {
        Record(WM_RV_SET_FOCUS, w, l);
        if (m_bLinkSlider)
            m_slider.SetClient(reinterpret_cast<CRVEdit*>(w));
        return 1;
    }
    LRESULT OnEditChanged(WPARAM w, LPARAM l) {
        Record(WM_RV_EDIT_CHANGED, w, l);
        return 1;
    }
    LRESULT OnEndModify(WPARAM w, LPARAM l) {
        Record(WM_RV_END_MODIFY, w, l);
        return 1;
    }
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
        if (pScrollBar == NULL)
            Record(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
        else
            CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
    }
    void OnTimer(UINT_PTR nIDEvent) { Record(WM_TIMER, nIDEvent, 0); }
    void OnEdit1KillFocus() { Record(EN_KILLFOCUS, IDC_EDIT1, 0); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CControlsDlg, CDialog)
ON_MESSAGE(WM_RV_SET_FOCUS, &CControlsDlg::OnRVSetFocus)
ON_MESSAGE(WM_RV_EDIT_CHANGED, &CControlsDlg::OnEditChanged)
ON_MESSAGE(WM_RV_END_MODIFY, &CControlsDlg::OnEndModify)
ON_WM_VSCROLL()
ON_WM_TIMER()
ON_EN_KILLFOCUS(IDC_EDIT1, &CControlsDlg::OnEdit1KillFocus)
END_MESSAGE_MAP()

class ControlsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { TestApp().prompts.clear(); }
    void TearDown() override {
        if (dlg != NULL)
            dlg->DestroyWindow();
        delete dlg;
        host.DestroyWindow();
    }
    // The dialog is a visible child of a hidden top-level window: its
    // controls behave as shown without a window on the screen.
    void Open(const Options& options = Options()) {
        ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 500, 400, NULL, NULL));
        dlg = new CControlsDlg(options);
        ASSERT_TRUE(dlg->Create(IDD_CONTROLS, &host));
        // The dialog gave its first edit the focus: start from a plain one.
        Leave();
        dlg->m_slider.SetClient(NULL);
        dlg->m_events.clear();
    }
    CString Text(CWnd& wnd) {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }
    void Type(CWnd& edit, LPCTSTR text) {
        edit.SetFocus();
        edit.SetWindowText(text);
    }
    // The focus to a plain edit.
    void Leave() { dlg->GetDlgItem(IDC_BUDDY)->SetFocus(); }
    // A scroll notification of a trackbar, as its parent receives it.
    void Scroll(CSliderDyna& slider, UINT msg, UINT code, UINT pos = 0) {
        dlg->SendMessage(msg, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(slider.m_hWnd));
    }
    // The background colour an edit paints with, and whether it left the
    // choice to the dialog (the system's window brush).
    COLORREF Background(CWnd& edit, bool* pSystem) {
        HDC hDC = ::GetDC(edit.m_hWnd);
        ::SetBkColor(hDC, RGB(1, 2, 3));
        HBRUSH hBrush = reinterpret_cast<HBRUSH>(dlg->SendMessage(
            WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(edit.m_hWnd)));
        const COLORREF colour = ::GetBkColor(hDC);
        ::ReleaseDC(edit.m_hWnd, hDC);
        *pSystem = hBrush == ::GetSysColorBrush(COLOR_WINDOW);
        return colour;
    }

    CWnd host;
    CControlsDlg* dlg = NULL;
};

const COLORREF kGreen = RGB(200, 255, 200);

// Focus an edit, drag into the low floating zone and let go, float to the
// edit's limit, then type a value outside the range and leave.
TEST_F(ControlsDialogTest, EditSliderLoopRunsEndToEnd) {
    Open();
    CRVEdit& edit = dlg->m_edit1;
    CSliderDyna& slider = dlg->m_slider;
    edit.SetRange(-1.1, 1000);
    edit.SetControllerRange(0, 20, true);
    edit.UpdateData(FALSE);
    bool bSystem;
    EXPECT_EQ(RGB(255, 255, 255), Background(edit, &bSystem));
    EXPECT_FALSE(bSystem);

    edit.SetFocus();
    ASSERT_EQ(WM_RV_SET_FOCUS, dlg->m_events.at(0).message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(&edit), dlg->m_events[0].wParam);
    EXPECT_EQ(&edit, slider.GetClient());
    EXPECT_EQ(kGreen, Background(edit, &bSystem));
    EXPECT_EQ(12, slider.GetPos());
    EXPECT_TRUE(slider.IsWindowEnabled());

    dlg->m_events.clear();
    Scroll(slider, WM_VSCROLL, TB_THUMBTRACK, 60);
    EXPECT_STREQ(_T("10.0000"), Text(edit));
    ASSERT_EQ(1u, dlg->m_events.size());
    EXPECT_EQ(WM_VSCROLL, dlg->m_events[0].message);
    EXPECT_EQ(MAKEWPARAM(TB_THUMBTRACK, 60), dlg->m_events[0].wParam);

    Scroll(slider, WM_VSCROLL, TB_THUMBTRACK, 5);
    EXPECT_EQ(-1, slider.GetFloatDir());
    EXPECT_EQ(60u, slider.GetTimerPeriod());
    EXPECT_STREQ(_T("10.0000"), Text(edit)); // the ticks move the value, not the thumb
    Scroll(slider, WM_VSCROLL, TB_ENDTRACK);
    // The real timer ticks on after the thumb is let go.
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (slider.GetVal() == 10.0 && ::GetTickCount() - start < 5000) {
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
        else
            ::Sleep(5);
    }
    ASSERT_LT(slider.GetVal(), 10.0);
    for (int i = 0; i < 100 && slider.GetTimerPeriod() != 0; ++i)
        slider.SendMessage(WM_TIMER, CSliderDyna::kFloatTimerId);
    EXPECT_EQ(0u, slider.GetTimerPeriod());
    EXPECT_DOUBLE_EQ(-1.1, edit.GetVal());
    EXPECT_STREQ(_T("-1.1000"), Text(edit));
    // Let go, the ticks (each forwarded), and the stop at the limit, which
    // the edit reports with its final value before the last tick goes on.
    std::vector<UINT> messages = dlg->Messages();
    ASSERT_GE(messages.size(), 7u);
    EXPECT_EQ(WM_RV_END_MODIFY, messages[2]);
    EXPECT_EQ(WM_VSCROLL, messages[3]);
    EXPECT_EQ(WM_TIMER, messages[4]);
    EXPECT_EQ(WM_RV_EDIT_CHANGED, messages[messages.size() - 2]);
    EXPECT_EQ(WM_TIMER, messages.back());
    EXPECT_DOUBLE_EQ(-1.1, dlg->m_events[messages.size() - 2].editVal);

    // Out of the zone, then a value outside the range, typed and left:
    // clamped, shown, and the slider re-anchors and follows.
    Scroll(slider, WM_VSCROLL, TB_THUMBTRACK, 60);
    Scroll(slider, WM_VSCROLL, TB_ENDTRACK);
    dlg->m_events.clear();
    Type(edit, _T("2000"));
    Leave();
    EXPECT_STREQ(_T("1000.0000"), Text(edit));
    EXPECT_DOUBLE_EQ(1000.0, slider.GetVal());
    EXPECT_EQ(slider.ValToPosn(1000.0), slider.GetPos());
    messages = dlg->Messages();
    // The parent still hears of the focus loss, after the edit's commit.
    EXPECT_EQ(std::vector<UINT>({WM_RV_EDIT_CHANGED, UINT(EN_KILLFOCUS)}), messages);

    // Another edit takes the slider; the first turns white again.
    dlg->m_edit2.SetFocus();
    EXPECT_EQ(&dlg->m_edit2, slider.GetClient());
    EXPECT_EQ(RGB(255, 255, 255), Background(edit, &bSystem));
}

// The edit's window is enabled by a range it can take a value from; the
// slider stays disabled for a controller range without width.
TEST_F(ControlsDialogTest, RangesEnableTheEditAndTheSlider) {
    Open();
    CRVEdit& edit = dlg->m_edit1;
    const struct {
        const char* name;
        double lo, hi;
        bool bTwoValues, bEnabled;
    } cases[] = {
        {"one value", 2, 2, true, false},          {"a positive length", 0, 1e-10, true, true},
        {"reversed, form A", 5, 1, false, false},  {"plain again", 0, 1, false, true},
        {"too narrow", 3, 3 + 1e-11, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bTwoValues)
            edit.SetRange(c.lo, c.hi);
        else
            edit.SetRange(c.lo, c.hi, false, true);
        EXPECT_EQ(c.bEnabled, edit.IsWindowEnabled() != FALSE);
    }

    CSliderDyna& slider = dlg->m_slider;
    CWnd* pMin = dlg->GetDlgItem(CSliderDyna::kMinLabelId);
    CRVEdit& flat = dlg->m_edit2;
    flat.SetControllerRange(5, 5, true);
    edit.SetRange(0, 10);
    slider.SetClient(&edit);
    ASSERT_TRUE(slider.IsWindowEnabled());
    slider.SetClient(&flat);
    EXPECT_FALSE(slider.IsWindowEnabled());
    slider.SetClient(NULL);
    slider.SetClient(&flat);
    EXPECT_FALSE(slider.IsWindowEnabled());
    EXPECT_FALSE(pMin->IsWindowEnabled()); // never enabled on the way
}

// What the edit tells a slider window about its setup arrives: the side of
// an external range a commit lands on, and SetDynamic of both ends.
TEST_F(ControlsDialogTest, SetupChangesReachTheSlider) {
    Open();
    CRVEdit& edit = dlg->m_edit1;
    CSliderDyna& slider = dlg->m_slider;
    edit.SetRange(-1, 1, true, true);
    edit.SetVal(1.5);
    Type(edit, _T("-1.5")); // the focus makes it the slider's client
    Leave();
    EXPECT_SPAN(-2.0, -1.0, ValRange(slider));
    EXPECT_DOUBLE_EQ(-1.5, slider.GetVal());
    EXPECT_EQ(60, slider.GetPos());
    EXPECT_STREQ(_T("-2.000"), slider.GetMinText());

    CRVEdit& plain = dlg->m_edit2;
    plain.SetFocus();
    plain.SetControllerRange(0, 50, true);
    plain.SetDynamic(false); // tells the slider, which reads the new span
    EXPECT_DOUBLE_EQ(50.0, ValRange(slider).hi);
    plain.SetControllerRange(0, 70, true);
    plain.SetDynamic(true, true); // the two-flag form tells no one
    EXPECT_DOUBLE_EQ(50.0, ValRange(slider).hi);
}

TEST_F(ControlsDialogTest, FocusLossCommitsUnlessDelayedOrHidden) {
    Open();
    dlg->m_bLinkSlider = false; // a slider would show the value it follows
    CRVEdit& edit = dlg->m_edit1;
    edit.SetRange(0, 10);
    Type(edit, _T("5"));
    Leave();
    EXPECT_STREQ(_T("5"), Text(edit)); // inside the range: left as typed
    EXPECT_DOUBLE_EQ(5.0, edit.GetVal());

    Type(edit, _T("abc"));
    Leave();
    ASSERT_EQ(1u, TestApp().prompts.size());
    EXPECT_EQ("Please enter a number.", TestApp().prompts[0].text);
    EXPECT_DOUBLE_EQ(0.0, edit.GetVal());
    EXPECT_STREQ(_T("abc"), Text(edit));

    edit.SetDelayValidation(true);
    Type(edit, _T("7"));
    dlg->m_events.clear();
    Leave();
    EXPECT_DOUBLE_EQ(0.0, edit.GetVal());
    EXPECT_EQ(std::vector<UINT>({UINT(EN_KILLFOCUS)}), dlg->Messages());
    Type(edit, _T("15"));
    edit.UpdateData(TRUE); // a host may commit itself
    EXPECT_STREQ(_T("10.0000"), Text(edit));

    // A hidden dialog hears of the change, but nothing is committed.
    edit.SetDelayValidation(false);
    Type(edit, _T("8"));
    dlg->ShowWindow(SW_HIDE);
    dlg->m_events.clear();
    Leave();
    EXPECT_DOUBLE_EQ(10.0, edit.GetVal());
    ASSERT_FALSE(dlg->m_events.empty());
    EXPECT_EQ(WM_RV_EDIT_CHANGED, dlg->m_events[0].message);
}

TEST_F(ControlsDialogTest, TransientEditCommitsThenReturnsToZero) {
    Open();
    CRVEditTransient& edit = dlg->m_transient;
    edit.SetRange(-100, 100);
    Type(edit, _T("5"));
    dlg->m_events.clear();
    dlg->m_edit2.SetFocus();
    ASSERT_GE(dlg->m_events.size(), 1u);
    EXPECT_EQ(WM_RV_EDIT_CHANGED, dlg->m_events[0].message);
    EXPECT_DOUBLE_EQ(5.0, dlg->m_events[0].editVal);
    EXPECT_DOUBLE_EQ(0.0, edit.GetVal());
    EXPECT_STREQ(_T("0.0000"), Text(edit));
}

TEST_F(ControlsDialogTest, UncontrolledAndReadOnlyEditsKeepTheSystemColours) {
    Open();
    bool bSystem = false;
    dlg->m_readOnly.SetFocus();
    EXPECT_EQ(&dlg->m_readOnly, dlg->m_slider.GetClient());
    Background(dlg->m_readOnly, &bSystem);
    EXPECT_TRUE(bSystem);
    dlg->m_edit2.SetControlled(false);
    dlg->m_edit2.SetFocus();
    EXPECT_EQ(nullptr, dlg->m_slider.GetClient());
    EXPECT_FALSE(dlg->m_slider.IsWindowEnabled());
    Background(dlg->m_edit2, &bSystem);
    EXPECT_TRUE(bSystem);
}

TEST_F(ControlsDialogTest, BindingSetsUpTrackLabelsAndTicks) {
    Open();
    CSliderDyna& vertical = dlg->m_slider;
    EXPECT_EQ(0, vertical.GetRangeMin());
    EXPECT_EQ(120, vertical.GetRangeMax());
    ASSERT_EQ(4u, vertical.GetNumTics());
    EXPECT_EQ(12, vertical.GetTic(0));
    EXPECT_EQ(108, vertical.GetTic(1));
    // Created labels (where they lie: SliderLabelsTest), of one width.
    CWnd* pMin = dlg->GetDlgItem(CSliderDyna::kMinLabelId);
    CWnd* pMax = dlg->GetDlgItem(CSliderDyna::kMaxLabelId);
    ASSERT_TRUE(pMin != NULL && pMax != NULL);
    CRect rcMin, rcMax;
    pMin->GetWindowRect(rcMin);
    pMax->GetWindowRect(rcMax);
    EXPECT_GE(rcMin.Width(), 35); // wider for a text that needs it
    EXPECT_EQ(rcMin.Width(), rcMax.Width());

    // The horizontal slider uses the dialog's statics and keeps no ticks.
    CSliderDyna& horizontal = dlg->m_hslider;
    EXPECT_EQ(0u, horizontal.GetNumTics());
    dlg->m_edit2.SetRange(-5, 5);
    horizontal.SetClient(&dlg->m_edit2);
    CString text;
    dlg->GetDlgItemText(IDC_MINLABEL, text);
    EXPECT_STREQ(_T("-5.000"), text);
    dlg->GetDlgItemText(IDC_MAXLABEL, text);
    EXPECT_STREQ(_T("5.000"), text);
    // Its reflected WM_HSCROLL takes the vertical path.
    Scroll(horizontal, WM_HSCROLL, TB_THUMBTRACK, 60);
    EXPECT_DOUBLE_EQ(0.0, dlg->m_edit2.GetVal());
    EXPECT_EQ(60, horizontal.GetLastPosn());
    Scroll(horizontal, WM_HSCROLL, TB_PAGEDOWN);
    EXPECT_EQ(60, horizontal.GetLastPosn());
    // Sent to the slider itself, a line up at the top stays at the top.
    horizontal.SetPos(0);
    horizontal.SendMessage(WM_HSCROLL, TB_LINEUP);
    EXPECT_EQ(0, horizontal.GetLastPosn());
    EXPECT_DOUBLE_EQ(-5.0, dlg->m_edit2.GetVal());
}

TEST_F(ControlsDialogTest, StaticSliderAndMissingLabelId) {
    Options options;
    options.bStaticSlider = true;
    options.nMaxLabelId = 4711; // names no control: a label is created
    Open(options);
    EXPECT_EQ(12, dlg->m_slider.GetRangeMin());
    EXPECT_EQ(108, dlg->m_slider.GetRangeMax());
    EXPECT_EQ(2u, dlg->m_slider.GetNumTics());
    CWnd* pCreated = dlg->GetDlgItem(CSliderDyna::kMaxLabelId);
    ASSERT_TRUE(pCreated != NULL);
    dlg->m_hslider.SetClient(&dlg->m_edit1);
    EXPECT_STREQ(_T("10.000"), Text(*pCreated));
}

TEST_F(ControlsDialogTest, BuddyIsTheUngroupedControlBeforeAGroupStartingSlider) {
    Open();
    CWnd* pBuddy = dlg->m_slider.GetBuddyControl();
    ASSERT_TRUE(pBuddy != NULL);
    const HWND hBuddy = pBuddy->m_hWnd;
    EXPECT_EQ(dlg->GetDlgItem(IDC_BUDDY)->m_hWnd, hBuddy);
    EXPECT_EQ(nullptr, dlg->m_hslider.GetBuddyControl());

    const LONG_PTR ownProc = ::GetWindowLongPtr(hBuddy, GWLP_WNDPROC);
    dlg->m_slider.AttachBuddy();
    EXPECT_NE(ownProc, ::GetWindowLongPtr(hBuddy, GWLP_WNDPROC));
    CWnd::DeleteTempMap(); // the buddy's window object was a temporary one
    ::SetWindowText(hBuddy, _T("still answers"));
    TCHAR text[32] = _T("");
    ::GetWindowText(hBuddy, text, 32);
    EXPECT_STREQ(_T("still answers"), text);
    // Attached again elsewhere, a handler gives the first window its own
    // procedure back.
    CSliderDynaBuddyHandler handler;
    const LONG_PTR edit2Proc = ::GetWindowLongPtr(dlg->m_edit2.m_hWnd, GWLP_WNDPROC);
    handler.Attach(&dlg->m_slider, &dlg->m_edit2);
    EXPECT_NE(edit2Proc, ::GetWindowLongPtr(dlg->m_edit2.m_hWnd, GWLP_WNDPROC));
    handler.Attach(&dlg->m_slider, &dlg->m_transient);
    EXPECT_EQ(edit2Proc, ::GetWindowLongPtr(dlg->m_edit2.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(&dlg->m_slider, handler.GetSlider());
}

// A parent that is no framework window: the edit reaches it by its handle,
// also after the temporary window object made for it is gone.
UINT g_nFocusNotes = 0;
LRESULT CALLBACK PlainParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_RV_SET_FOCUS)
        ++g_nFocusNotes;
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}

TEST(PlainParent, NotificationsReachAParentWithoutWindowObject) {
    WNDCLASS wc = {};
    wc.lpfnWndProc = PlainParentProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("PlainParent");
    ::RegisterClass(&wc);
    HWND hParent = ::CreateWindow(_T("PlainParent"), _T(""), WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                  wc.hInstance, NULL);
    CRVEdit edit;
    edit.CEdit::Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), CWnd::FromHandle(hParent), 1);
    CWnd::DeleteTempMap();
    edit.SetFocus();
    EXPECT_EQ(1u, g_nFocusNotes);
    edit.DestroyWindow();
    ::DestroyWindow(hParent);
}

} // namespace
