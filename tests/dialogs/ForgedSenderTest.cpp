// The library's messages name their sender by an object pointer, and any
// program may send them: a pointer that names no live object is ignored
// (answer 0) without being touched, a live object of another class changes
// nothing (answer 1), and the genuine message still does its work.
#include <RVDialog.h>
#include <RVEdit.h>
#include <SliderDyna.h>
#include <TestDlg.h>
#include <dovuv32Res.h>
#include <rvMessages.h>

#include "DialogsTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {

// A host's dialog with an edit steered by a slider, recording what reaches it.
class CWiredDlg : public CRVDialog {
public:
    CWiredDlg() : CRVDialog(IDD_PARENT, NULL) {}
    CRVEdit m_edit;
    CSliderDyna m_slider;
    int m_nEditChanged = 0;
    std::vector<std::pair<CRVDialog*, UINT>> m_childChanges;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PARENT_EDIT, m_edit);
        DDX_Control(pDX, IDC_PARENT_SLIDER, m_slider);
    }
    void OnChildModified(CRVDialog* pChild, UINT nCode) override {
        m_childChanges.push_back({pChild, nCode});
    }
    LRESULT OnEditChanged(WPARAM, LPARAM) {
        ++m_nEditChanged;
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWiredDlg, CRVDialog)
ON_MESSAGE(WM_RV_EDIT_CHANGED, &CWiredDlg::OnEditChanged)
END_MESSAGE_MAP()

class CHostChildDlg : public CRVDialog {
public:
    CHostChildDlg() : CRVDialog(IDD_CHILD, NULL) {}
};

// The address an object had before it was destroyed.
template <class T> WPARAM Gone() {
    T* p = new T;
    delete p;
    return reinterpret_cast<WPARAM>(p);
}

TEST(ForgedSender, IsIgnoredWithoutBeingTouched) {
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 700, 500, NULL, NULL));
    CWiredDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PARENT, &host));
    CTestDlg sample;
    ASSERT_TRUE(sample.Create(IDD_SAMPLE));
    CHostChildDlg child;
    CSliderDyna otherSlider;
    auto sampleEdit = [&](int nID) {
        return static_cast<CRVEdit*>(CWnd::FromHandlePermanent(sample.GetDlgItem(nID)->m_hWnd));
    };
    CRVEdit* pSampleEdit = sampleEdit(IDC_SAMPLE_EDIT);
    CRVEdit* pTransient = sampleEdit(IDC_SAMPLE_TRANSIENT);
    ASSERT_TRUE(pSampleEdit != NULL && pTransient != NULL);

    dlg.m_edit.SetRange(0, 100);
    dlg.m_edit.SetControllerRange(0, 20, true);
    dlg.m_slider.SetClient(&dlg.m_edit);
    // Changes the slider has not been told of: the genuine messages show them.
    dlg.m_edit.SetVal(15);
    dlg.m_edit.SetControllerRange(0, 50, true);
    pSampleEdit->SetVal(-7.5);
    pTransient->SetVal(3.25);
    auto echo = [&] { return WindowText(*sample.GetDlgItem(IDC_SAMPLE_LAST_VALUE)); };

    // Bytes no object ever had: a vtable read from them would crash.
    static unsigned char junk[64];
    std::memset(junk, 0xFF, sizeof junk);
    const WPARAM garbage = reinterpret_cast<WPARAM>(junk);
    const WPARAM goneEdit = Gone<CRVEdit>();
    const WPARAM goneSlider = Gone<CSliderDyna>();
    const WPARAM goneDialog = Gone<CHostChildDlg>();

    // The edit had the focus until the sample dialog came up.
    dlg.SetCurrent(NULL);
    dlg.m_nEditChanged = 0;
    auto sender = [](const void* p) { return reinterpret_cast<WPARAM>(p); };
    double lo, hi;
    const struct {
        const char* name;
        HWND hTarget;
        UINT message;
        LPARAM lParam;
        WPARAM genuine, stale, other;
        std::function<bool()> done;
    } rows[] = {
        {"set focus", dlg.m_hWnd, WM_RV_SET_FOCUS, 0, sender(&dlg.m_edit), goneEdit,
         sender(&dlg.m_slider), [&] { return dlg.GetCurrent() == &dlg.m_edit; }},
        {"child modified", dlg.m_hWnd, WM_RV_CHILD_MODIFIED, 7, sender(&child), goneDialog,
         sender(&dlg.m_edit),
         [&] {
             return dlg.m_childChanges == std::vector<std::pair<CRVDialog*, UINT>>{{&child, 7u}};
         }},
        {"end modify to a dialog", dlg.m_hWnd, WM_RV_END_MODIFY, 0, sender(&dlg.m_edit), goneEdit,
         sender(&dlg.m_slider), nullptr}, // nothing to do: only the answer tells
        {"end modify to an edit", dlg.m_edit.m_hWnd, WM_RV_END_MODIFY, 0, sender(&dlg.m_slider),
         goneSlider, sender(&otherSlider), [&] { return dlg.m_nEditChanged == 1; }},
        {"update controller", dlg.m_slider.m_hWnd, WM_RV_UPDATE_CONTROLLER, 0, sender(&dlg.m_edit),
         goneEdit, sender(&dlg), [&] { return dlg.m_slider.GetVal() == 15; }},
        {"setup modified", dlg.m_slider.m_hWnd, WM_RV_EDIT_SETUP_MODIFIED, 0, sender(&dlg.m_edit),
         goneEdit, sender(&dlg), [&] { return dlg.m_slider.GetValRange(lo, hi), hi == 50; }},
        {"sample: end modify", sample.m_hWnd, WM_RV_END_MODIFY, 0, sender(pSampleEdit), goneEdit,
         sender(&otherSlider), [&] { return echo() == "  -7.5000"; }},
        {"sample: edit box changed", sample.m_hWnd, WM_RV_EDIT_BOX_CHANGED, 0, sender(pTransient),
         goneEdit, sender(&sample), [&] { return echo() == "   3.2500"; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const struct {
            const char* kind;
            WPARAM wParam;
            LRESULT answer;
        } forged[] = {
            {"garbage", garbage, 0}, {"destroyed", row.stale, 0}, {"other class", row.other, 1}};
        for (const auto& f : forged) {
            SCOPED_TRACE(f.kind);
            EXPECT_EQ(f.answer, ::SendMessage(row.hTarget, row.message, f.wParam, row.lParam));
            if (row.done) {
                EXPECT_FALSE(row.done());
            }
        }
        EXPECT_EQ(1, ::SendMessage(row.hTarget, row.message, row.genuine, row.lParam));
        if (row.done) {
            EXPECT_TRUE(row.done());
        }
    }
    sample.DestroyWindow();
    dlg.DestroyWindow();
    host.DestroyWindow();
}

} // namespace
