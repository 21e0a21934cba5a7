// The library's own messages between objects above 4 GiB: each carries its
// sender whole, the handlers that use the sender find it among the live
// objects and reach the right one, and the same sender cut to its lower half
// names nothing.
#include <AIMsgHook.h>
#include <SliderDyna.h>
#include <TestDlg.h>
#include <dovuv32Res.h>
#include <rvMessages.h>

#include "HighMemory.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>
#include <vector>

namespace {

// One message as a window received it: the message, the window, wParam.
typedef std::tuple<UINT, HWND, WPARAM> Arrival;

// Notes every library message that reaches its window and passes it on.
class Recorder : public CAIMsgHook {
public:
    explicit Recorder(std::set<Arrival>* pSeen) : m_pSeen(pSeen) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg >= WM_RV_UPDATE_CONTROLLER && msg <= WM_RV_CHILD_MODIFIED)
            m_pSeen->insert(Arrival(msg, m_pHookedWnd->m_hWnd, wParam));
        return CAIMsgHook::WindowProc(msg, wParam, lParam);
    }

private:
    std::set<Arrival>* m_pSeen;
};

// The sample dialog, its controls within reach, and the child dialogs it
// is told about.
class CSampleDlg : public CTestDlg {
public:
    void OnChildModified(CRVDialog* pChild, UINT nCode) override {
        children.emplace_back(pChild, nCode);
    }
    using CTestDlg::m_edit1012;
    using CTestDlg::m_edit1013;
    using CTestDlg::m_slider;
    std::vector<std::pair<CRVDialog*, UINT>> children;
};

WPARAM Sender(const void* p) {
    return reinterpret_cast<WPARAM>(p);
}

TEST(HighAddressTest, EveryMessageCarriesItsSenderWhole) {
    std::unique_ptr<CSampleDlg> dlg(new High<CSampleDlg>);
    std::unique_ptr<CRVDialog> child(new High<CRVDialog>(IDD_SAMPLE, nullptr));
    ASSERT_TRUE(sizeof(void*) == 4 || (AboveFourGiB(dlg.get()) && AboveFourGiB(child.get())));
    ASSERT_TRUE(dlg->Create(IDD_SAMPLE));
    CRVEdit& edit12 = dlg->m_edit1012;
    CRVEdit& edit13 = dlg->m_edit1013;
    CSliderDyna& slider = dlg->m_slider;

    std::set<Arrival> seen;
    std::vector<std::unique_ptr<Recorder>> recorders;
    for (CWnd* pWnd : {static_cast<CWnd*>(dlg.get()), static_cast<CWnd*>(&slider),
                       static_cast<CWnd*>(&edit12)}) {
        recorders.emplace_back(new High<Recorder>(&seen));
        recorders.back()->HookWindow(pWnd);
    }

    edit13.SetFocus();            // set focus
    edit13.CommitText(_T("3"), true); // update controller
    edit12.SetFocus();            // edit changed (edit 1013 left), set focus
    edit12.SetDynamic(true);      // setup modified
    slider.OnFloatStopped(true);  // end modify to the edit, edit changed
    edit12.OnEndModify();         // end modify to the dialog
    EXPECT_TRUE(dlg->IsCurrent(&edit12));
    EXPECT_EQ(&edit12, slider.GetClient());
    edit12.SetVal(6.5);
    EXPECT_EQ(1, dlg->SendMessage(WM_RV_EDIT_BOX_CHANGED, Sender(&edit12)));
    CString echo;
    dlg->GetDlgItemText(IDC_SAMPLE_LAST_VALUE, echo);
    EXPECT_STREQ(_T("   6.5000"), echo);
    EXPECT_EQ(1, dlg->SendMessage(WM_RV_CHILD_MODIFIED, Sender(child.get()), 77));
    EXPECT_EQ(dlg->children, (std::vector<std::pair<CRVDialog*, UINT>>{{child.get(), 77u}}));

    const HWND hDlg = dlg->m_hWnd;
    const std::set<Arrival> expected = {
        {WM_RV_SET_FOCUS, hDlg, Sender(&edit13)},
        {WM_RV_UPDATE_CONTROLLER, slider.m_hWnd, Sender(&edit13)},
        {WM_RV_EDIT_CHANGED, hDlg, Sender(&edit13)},
        {WM_RV_SET_FOCUS, hDlg, Sender(&edit12)},
        {WM_RV_EDIT_SETUP_MODIFIED, slider.m_hWnd, Sender(&edit12)},
        {WM_RV_END_MODIFY, edit12.m_hWnd, Sender(&slider)},
        {WM_RV_EDIT_CHANGED, hDlg, Sender(&edit12)},
        {WM_RV_END_MODIFY, hDlg, Sender(&edit12)},
        {WM_RV_EDIT_BOX_CHANGED, hDlg, Sender(&edit12)},
        {WM_RV_CHILD_MODIFIED, hDlg, Sender(child.get())},
    };
    for (const Arrival& arrival : expected) {
        SCOPED_TRACE(::testing::Message() << "message 0x" << std::hex << std::get<0>(arrival));
        EXPECT_EQ(1u, seen.count(arrival));
    }

    // Were the live objects told apart by their lower halves, a sender cut on
    // its way would still be taken for the object, and acted on.
    const struct {
        HWND hTarget;
        UINT message;
        const void* pSender;
    } cut[] = {
        {hDlg, WM_RV_SET_FOCUS, &edit13},
        {hDlg, WM_RV_END_MODIFY, &edit12},
        {hDlg, WM_RV_EDIT_BOX_CHANGED, &edit13},
        {hDlg, WM_RV_CHILD_MODIFIED, child.get()},
        {edit12.m_hWnd, WM_RV_END_MODIFY, &slider},
        {slider.m_hWnd, WM_RV_UPDATE_CONTROLLER, &edit13},
        {slider.m_hWnd, WM_RV_EDIT_SETUP_MODIFIED, &edit12},
    };
    for (const auto& c : cut) {
        if (!AboveFourGiB(c.pSender))
            continue; // 32-bit: nothing to cut
        SCOPED_TRACE(::testing::Message() << "cut, message 0x" << std::hex << c.message);
        const WPARAM lower = Sender(c.pSender) & 0xFFFFFFFFu;
        EXPECT_EQ(0, ::SendMessage(c.hTarget, c.message, lower, 0));
    }
    EXPECT_TRUE(dlg->IsCurrent(&edit12));
    EXPECT_EQ(1u, dlg->children.size());
    dlg->DestroyWindow();
}

} // namespace
