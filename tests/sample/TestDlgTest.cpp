// The sample dialog as a host shows it. What its messages echo is in
// ForgedSenderTest, beside the forged senders of the same messages.
#include <SliderDyna.h>
#include <TestDlg.h>
#include <dovuv32Res.h>

#include <gtest/gtest.h>

namespace {

class TestDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_SAMPLE)); }
    void TearDown() override { dlg.DestroyWindow(); }
    CString Text(int nID) {
        CString text;
        dlg.GetDlgItemText(nID, text);
        return text;
    }
    template <class T> T* Control(int nID) {
        return static_cast<T*>(CWnd::FromHandlePermanent(dlg.GetDlgItem(nID)->m_hWnd));
    }

    CTestDlg dlg;
};

TEST_F(TestDlgTest, StartsWithTheSliderOnTheFirstEdit) {
    CSliderDyna* pSlider = Control<CSliderDyna>(IDC_SAMPLE_SLIDER);
    CRVEdit* pEdit = Control<CRVEdit>(IDC_SAMPLE_EDIT);
    ASSERT_TRUE(pSlider != NULL && pSlider->IsKindOf(RUNTIME_CLASS(CSliderDyna)));
    EXPECT_EQ(pEdit, pSlider->GetClient());
    EXPECT_TRUE(dlg.IsCurrent(pEdit));
    double lo, hi;
    pSlider->GetValRange(lo, hi);
    EXPECT_DOUBLE_EQ(0.0, lo);
    EXPECT_DOUBLE_EQ(10.0, hi);
    EXPECT_DOUBLE_EQ(2.0, pSlider->GetVal());
    EXPECT_EQ(pSlider->ValToPosn(2.0), pSlider->GetPos());
    EXPECT_STREQ(_T("2.0000"), Text(IDC_SAMPLE_EDIT));
    EXPECT_STREQ(_T("10.000"), Text(CSliderDyna::kMaxLabelId));
}

} // namespace
