// The dialog base: child dialogs over placeholders, current-editor tracking,
// scroll notifications climbing to the owner, and the setup refresh.
#include <AIBaseState.h>
#include <RVDialog.h>
#include <RVEdit.h>
#include <SliderDyna.h>
#include <rvMessages.h>

#include "DialogsTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A dialog of the test program with one edit and one slider.
template <UINT nIDD, UINT nEditId, UINT nSliderId> class CEditSliderDlg : public CRVDialog {
public:
    explicit CEditSliderDlg(CWnd* pOwner = NULL) : CRVDialog(nIDD, pOwner) {}
    CRVEdit m_edit;
    CSliderDyna m_slider;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, nEditId, m_edit);
        DDX_Control(pDX, nSliderId, m_slider);
    }
};

typedef CEditSliderDlg<IDD_CHILD, IDC_CHILD_EDIT, IDC_CHILD_SLIDER> CChildDlg;
typedef CEditSliderDlg<IDD_PARENT, IDC_PARENT_EDIT, IDC_PARENT_SLIDER> CParentDlg;

// The host: a hidden top-level window that records the scroll notifications
// that reach it.
class CHostWnd : public CWnd {
public:
    std::vector<WPARAM> scrolls;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_VSCROLL)
            scrolls.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class RVDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 700, 500, NULL, NULL));
    }
    // The window goes before the object: a dialog's windows must not
    // outlive the members that answer for them.
    void TearDown() override {
        if (parent != nullptr)
            parent->DestroyWindow();
        parent.reset();
        host.DestroyWindow();
    }
    // The parent with two registered children and its slider as master.
    void OpenFamily() {
        parent.reset(new CParentDlg(&host));
        parent->SetChildCount(2, true);
        parent->SetChild(0, &child1, IDC_PLACE1);
        parent->SetChild(1, &child2, IDC_PLACE2);
        parent->AttachSliderMaster(&parent->m_slider);
        ASSERT_TRUE(parent->Create(IDD_PARENT, &host));
    }
    CRect RectIn(CWnd& wnd, CWnd& in) {
        CRect rect;
        wnd.GetWindowRect(rect);
        in.ScreenToClient(rect);
        return rect;
    }

    CHostWnd host;
    CChildDlg child1, child2;
    std::unique_ptr<CParentDlg> parent;
};

TEST_F(RVDialogTest, ChildTableGrowsExactlyAndNeverWritesOutside) {
    CRVDialog dlg(IDD_CHILD, NULL);
    CChildDlg a, b;
    dlg.SetChildCount(3, true);
    EXPECT_EQ(3, dlg.GetChildCapacity());
    dlg.SetChild(0, &a, 7);
    dlg.SetChild(2, &b, 9);
    dlg.SetChild(1, NULL, 8);
    EXPECT_EQ(nullptr, dlg.GetChild(1));
    EXPECT_EQ(7u, a.GetPlaceholderId());
    dlg.SetChildCount(2, false);
    EXPECT_EQ(3, dlg.GetChildCapacity());
    EXPECT_EQ(2, dlg.GetChildCount());
    dlg.SetChildCount(5, false);
    EXPECT_EQ(5, dlg.GetChildCapacity());
    EXPECT_EQ(&a, dlg.GetChild(0));
    EXPECT_EQ(&b, dlg.GetChild(2));
    EXPECT_EQ(nullptr, dlg.GetChild(4)); // new slots start empty
    dlg.SetChild(5, &a, 1);              // beyond the storage: ignored
    dlg.SetChild(-1, &a, 1);
    EXPECT_EQ(7u, a.GetPlaceholderId());
}

TEST_F(RVDialogTest, ChildrenLieOverTheirPlaceholdersAndShareTheSliderMaster) {
    OpenFamily();
    EXPECT_EQ(RectIn(*parent->GetDlgItem(IDC_PLACE1), *parent), RectIn(child1, *parent));
    EXPECT_EQ(RectIn(*parent->GetDlgItem(IDC_PLACE2), *parent), RectIn(child2, *parent));
    EXPECT_TRUE(child1.IsWindowVisible() || (child1.GetStyle() & WS_VISIBLE));
    EXPECT_EQ(&parent->m_slider, child2.GetSliderMaster());
    EXPECT_EQ(1, child1.IsChild());
    EXPECT_EQ(0, CRVDialog(IDD_TOP, NULL).IsChild());

    // Moved away and placed again; a missing placeholder leaves it alone.
    child1.MoveWindow(0, 0, 10, 10);
    EXPECT_EQ(1, child1.CreateAsChild(parent.get(), IDC_PLACE1));
    EXPECT_EQ(RectIn(*parent->GetDlgItem(IDC_PLACE1), *parent), RectIn(child1, *parent));
    EXPECT_EQ(0, child1.CreateAsChild(parent.get(), 4711));
    CWnd noWindow;
    EXPECT_EQ(0, child1.CreateAsChild(&noWindow, IDC_PLACE1));
    EXPECT_EQ(0, child1.CreateChild(&noWindow));
    EXPECT_EQ(1, child1.CreateChild(parent.get()));

    // A slot left empty is skipped when the window is created.
    CParentDlg sparse(&host);
    sparse.SetChildCount(2, false);
    CChildDlg only;
    sparse.SetChild(1, &only, IDC_PLACE2);
    ASSERT_TRUE(sparse.Create(IDD_PARENT, &host));
    EXPECT_TRUE(only.m_hWnd != NULL);
    sparse.DestroyWindow();
}

TEST_F(RVDialogTest, FocusedEditorsBecomeCurrentAndSteerTheSlider) {
    OpenFamily();
    child1.m_edit.SetFocus(); // the child notifies itself: its own editor
    EXPECT_TRUE(child1.IsCurrent(&child1.m_edit));
    EXPECT_EQ(&child1.m_edit, parent->m_slider.GetClient());
    parent->m_edit.SetFocus();
    EXPECT_TRUE(parent->IsCurrent(&parent->m_edit));
    EXPECT_FALSE(parent->IsCurrent(&child1.m_edit));
    EXPECT_EQ(&parent->m_edit, parent->m_slider.GetClient());

    // Senders that are no editors change nothing.
    EXPECT_EQ(1, parent->SendMessage(WM_RV_SET_FOCUS, reinterpret_cast<WPARAM>(&child1)));
    EXPECT_EQ(1, parent->SendMessage(WM_RV_SET_FOCUS, 0));
    EXPECT_TRUE(parent->IsCurrent(&parent->m_edit));

    // Undo gives the editor back the value of the slider's last position.
    parent->m_edit.SetRange(0, 120);
    parent->m_slider.SetClient(&parent->m_edit);
    parent->m_slider.SetCurPosn(60);
    parent->m_edit.SetVal(77);
    parent->UndoLastChange();
    EXPECT_DOUBLE_EQ(60.0, parent->m_edit.GetVal());
}

TEST_F(RVDialogTest, ScrollNotificationsClimbToTheHost) {
    OpenFamily();
    child1.m_edit.SetRange(0, 10);
    child1.m_slider.SetClient(&child1.m_edit);
    // The child's slider notifies the child, which reflects it to the
    // slider; the slider forwards it to its client's dialog (the child),
    // and from there it climbs to the parent and on to the host.
    child1.SendMessage(WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40),
                       reinterpret_cast<LPARAM>(child1.m_slider.m_hWnd));
    EXPECT_EQ(40, child1.m_slider.GetLastPosn());
    ASSERT_FALSE(host.scrolls.empty());
    for (WPARAM w : host.scrolls)
        EXPECT_EQ(MAKEWPARAM(TB_THUMBTRACK, 40), w);
    // The slider acts once on each notification, however far it climbs.
    child1.SendMessage(WM_VSCROLL, TB_LINEDOWN, reinterpret_cast<LPARAM>(child1.m_slider.m_hWnd));
    EXPECT_EQ(41, child1.m_slider.GetLastPosn());

    // A refused CreateChild keeps the owner.
    CRVDialog adopted(IDD_CHILD, NULL);
    ASSERT_TRUE(adopted.CreateChild(&host));
    CWnd gone;
    adopted.CreateChild(&gone);
    host.scrolls.clear();
    adopted.SendMessage(WM_VSCROLL, MAKEWPARAM(TB_LINEDOWN, 0), 0);
    EXPECT_EQ(1u, host.scrolls.size());
    adopted.DestroyWindow();
}

// Without an owner window, or with an owner that has none, a dialog only
// runs its own handling: the notification still reaches the control.
TEST_F(RVDialogTest, WithoutAnOwnerWindowScrollingStaysInTheDialog) {
    CWnd gone;
    for (CWnd* pOwner : {static_cast<CWnd*>(NULL), &gone}) {
        SCOPED_TRACE(pOwner == NULL ? "no owner" : "an owner without a window");
        CChildDlg orphan(pOwner);
        ASSERT_TRUE(orphan.Create(IDD_CHILD, &host)); // records no owner
        orphan.m_edit.SetRange(0, 10);
        orphan.m_slider.SetClient(&orphan.m_edit);
        host.scrolls.clear();
        orphan.SendMessage(WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40),
                           reinterpret_cast<LPARAM>(orphan.m_slider.m_hWnd));
        EXPECT_EQ(40, orphan.m_slider.GetLastPosn());
        EXPECT_TRUE(host.scrolls.empty());
        orphan.DestroyWindow();
    }
}

// Edit shows the dialog modeless and top level, with no parent window, and
// records the owner that hears its scroll notifications.
TEST_F(RVDialogTest, EditShowsAModelessTopLevelDialogForItsOwner) {
    CRVDialog dlg(IDD_TOP, NULL);
    EXPECT_TRUE(dlg.Edit(&host));
    ASSERT_TRUE(::IsWindow(dlg.m_hWnd));
    EXPECT_EQ(0, dlg.IsChild());
    EXPECT_EQ(NULL, ::GetWindow(dlg.m_hWnd, GW_OWNER));
    EXPECT_TRUE((dlg.GetStyle() & WS_VISIBLE) != 0);
    host.scrolls.clear();
    dlg.SendMessage(WM_VSCROLL, MAKEWPARAM(TB_LINEDOWN, 0), 0);
    EXPECT_EQ(1u, host.scrolls.size());
    // Again: the same window, shown.
    const HWND hWnd = dlg.m_hWnd;
    dlg.ShowWindow(SW_HIDE);
    EXPECT_TRUE(dlg.Edit(&host));
    EXPECT_EQ(hWnd, dlg.m_hWnd);
    EXPECT_TRUE((dlg.GetStyle() & WS_VISIBLE) != 0);
    dlg.DestroyWindow();
}

TEST_F(RVDialogTest, ChildIgnoresOkAndCancelTopLevelEnds) {
    OpenFamily();
    child1.SendMessage(WM_COMMAND, IDOK);
    child1.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindow(child1.m_hWnd));
    EXPECT_TRUE((child1.GetStyle() & WS_VISIBLE) != 0);

    class CClosingDlg : public CRVDialog {
    public:
        CClosingDlg() : CRVDialog(IDD_TOP, NULL) {}
        BOOL OnInitDialog() override {
            CRVDialog::OnInitDialog();
            PostMessage(WM_COMMAND, IDCANCEL);
            return TRUE;
        }
    } top;
    EXPECT_EQ(IDCANCEL, top.DoModal());
}

TEST_F(RVDialogTest, SetupRefreshReachesEditorsWithinItsBound) {
    OpenFamily();
    const short old = aibaseState.GetPrecision();
    aibaseState.SetPrecision(2);
    parent->UpdateSetup();
    EXPECT_EQ(2, parent->m_edit.GetPrecision());
    EXPECT_EQ(4, child1.m_edit.GetPrecision()); // in a child dialog: not a child window

    // The walk visits 201 child windows: an editor as the 202nd is not
    // reached, as the 201st it is.
    CRVDialog crowded(IDD_CHILD, NULL);
    ASSERT_TRUE(crowded.CreateChild(&host));
    std::vector<std::unique_ptr<CWnd>> statics;
    for (int i = 0; i < 199; ++i) {
        statics.emplace_back(new CWnd);
        statics.back()->CreateEx(0, _T("STATIC"), _T(""), WS_CHILD, 0, 0, 1, 1, crowded.m_hWnd,
                                 NULL);
    }
    CRVEdit last;
    last.CEdit::Create(WS_CHILD, CRect(0, 0, 10, 10), &crowded, 99);
    std::vector<HWND> order;
    for (HWND h = ::GetWindow(crowded.m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        order.push_back(h);
    ASSERT_EQ(202u, order.size());
    ASSERT_EQ(last.m_hWnd, order.back());
    aibaseState.SetPrecision(3);
    crowded.UpdateSetup();
    EXPECT_EQ(2, last.GetPrecision());
    ::SetWindowPos(last.m_hWnd, order[199], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(last.m_hWnd, ::GetWindow(order[199], GW_HWNDNEXT)); // now the 201st
    crowded.UpdateSetup();
    EXPECT_EQ(3, last.GetPrecision());
    aibaseState.SetPrecision(old);
    last.DestroyWindow();
    crowded.DestroyWindow();
}

TEST_F(RVDialogTest, UnregisterRemovesTheFirstOccurrenceOnly) {
    CRVDialog dlg(IDD_CHILD, NULL);
    dlg.Unregister(); // no list: nothing
    CObList list;
    list.AddTail(&dlg);
    list.AddTail(&dlg);
    dlg.AttachEditorList(&list);
    dlg.Unregister();
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ(eIterContinue, dlg.DoVerb(0x1234, 7));
}

} // namespace
