// Where a vertical dynamic slider puts the range labels it creates: inside
// its dialog, clear of the other controls where there is room for that.
#include <RVEdit.h>
#include <SliderDyna.h>
#include <TestDlg.h>
#include <dovuv32Res.h>

#include "SliderTestIds.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

// A slider that touches the dialog's top, bottom and right edges.
class CEdgeDlg : public CDialog {
public:
    CEdgeDlg() : CDialog(IDD_EDGE) {}
    CRVEdit m_edit;
    CSliderDyna m_slider;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_EDGE_EDIT, m_edit);
        DDX_Control(pDX, IDC_EDGE_SLIDER, m_slider);
    }
};

CRect RectIn(HWND hWnd, HWND hParent) {
    CRect rect;
    ::GetWindowRect(hWnd, rect);
    ::MapWindowPoints(NULL, hParent, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

bool Contains(const CRect& outer, const CRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool IsGroupBox(HWND hWnd) {
    TCHAR szClass[16] = _T("");
    ::GetClassName(hWnd, szClass, 16);
    return ::lstrcmpi(szClass, _T("Button")) == 0 &&
           (::GetWindowLong(hWnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

int TextWidth(CWnd& label) {
    CString text;
    label.GetWindowText(text);
    HDC hDC = ::GetDC(label.m_hWnd);
    ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(label.SendMessage(WM_GETFONT)));
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(hDC, text, text.GetLength(), &size);
    ::ReleaseDC(label.m_hWnd, hDC);
    return size.cx;
}

// Wide enough for its text, inside the dialog's client area; over no visible
// control, except inside a group box and below the top line of its frame.
void ExpectClearInside(CWnd& dlg) {
    const CRect client = [&] {
        CRect rect;
        dlg.GetClientRect(rect);
        return rect;
    }();
    for (UINT nLabel : {CSliderDyna::kMinLabelId, CSliderDyna::kMaxLabelId}) {
        SCOPED_TRACE(nLabel == CSliderDyna::kMinLabelId ? "min label" : "max label");
        CWnd* pLabel = dlg.GetDlgItem(nLabel);
        ASSERT_TRUE(pLabel != NULL);
        const CRect label = RectIn(pLabel->m_hWnd, dlg.m_hWnd);
        EXPECT_GE(label.Width(), TextWidth(*pLabel));
        EXPECT_TRUE(Contains(client, label));
        for (HWND h = ::GetWindow(dlg.m_hWnd, GW_CHILD); h != NULL;
             h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (h == pLabel->m_hWnd || (::GetWindowLong(h, GWL_STYLE) & WS_VISIBLE) == 0)
                continue;
            CRect other = RectIn(h, dlg.m_hWnd), common;
            if (IsGroupBox(h)) {
                other.top += 8; // the caption's middle, where the frame runs
                EXPECT_TRUE(Contains(other, label) || !common.IntersectRect(other, label))
                    << "across the frame of group box " << ::GetDlgCtrlID(h);
            } else {
                EXPECT_FALSE(common.IntersectRect(other, label))
                    << "over control " << ::GetDlgCtrlID(h);
            }
        }
    }
}

TEST(SliderLabels, LieInsideTheDialogClearOfTheOtherControls) {
    {
        SCOPED_TRACE("the sample dialog");
        CTestDlg sample;
        ASSERT_TRUE(sample.Create(IDD_SAMPLE));
        ExpectClearInside(sample);
        sample.DestroyWindow();
    }
    {
        SCOPED_TRACE("a slider at the right edge");
        CWnd host;
        ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 400, 300, NULL, NULL));
        CEdgeDlg edge;
        ASSERT_TRUE(edge.Create(IDD_EDGE, &host));
        ExpectClearInside(edge);
        // Longer texts: the labels grow, and are placed again.
        edge.m_edit.SetControllerRange(-12345.678, 99999.5, true);
        edge.m_slider.SetClient(&edge.m_edit);
        EXPECT_STREQ(_T("-12345.678"), WindowText(*edge.GetDlgItem(CSliderDyna::kMinLabelId)));
        ExpectClearInside(edge);
        edge.DestroyWindow();
        host.DestroyWindow();
    }
}

} // namespace
