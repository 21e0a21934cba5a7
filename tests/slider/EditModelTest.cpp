// The numeric edit's value and range rules, on edits that have no window.
#include <RVEditTransient.h>

#include "SliderChecks.h"
#include "TestApp.h"

namespace {

TEST(EditModel, AttachingAControllerGivesUnlimitedEndsASpanAroundTheValue) {
    const struct {
        double val, lo, hi;
    } cases[] = {{0.0, -10.0, 10.0}, {4.0, 0.0, 6.0}, {-2.0, -3.0, 0.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.val);
        CRVEdit edit;
        CSliderDyna slider;
        edit.SetVal(c.val);
        slider.SetClient(&edit);
        EXPECT_SPAN(c.lo, c.hi, ControllerRange(edit));
        EXPECT_TRUE(edit.IsControllerOK());
        // The slider spans what the edit chose.
        EXPECT_SPAN(c.lo, c.hi, ValRange(slider));
    }
}

TEST(EditModel, ValueRangeChoosesTheControllerRange) {
    const struct {
        double lo, hi, ctrlLo, ctrlHi;
    } cases[] = {{0, 100, 0, 100},
                 {5, 1e308, 5, 10},
                 {100, 1e308, 100, 200},
                 {-1e308, 3, -10, 3},
                 {-1e307, 1e307, 0, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lo << " .. " << c.hi);
        CRVEdit edit;
        edit.SetRange(c.lo, c.hi);
        EXPECT_SPAN(c.ctrlLo, c.ctrlHi, ControllerRange(edit));
    }
    CRVEdit full;
    full.SetRange(0, 1);
    full.SetFullRange();
    EXPECT_SPAN(0.0, 10.0, ControllerRange(full));
}

// An external range has a controller range on each side of its excluded zone;
// the current one follows the value.
TEST(EditModel, ExternalRangesGetTwoControllerRanges) {
    CRVEdit edit;
    edit.SetRange(-1, 1, true, true);
    EXPECT_TRUE(edit.HasTwoControllerRanges());
    EXPECT_SPAN(1.0, 2.0, ControllerRange(edit));
    EXPECT_TRUE(edit.IsDynamicMax());
    EXPECT_FALSE(edit.IsDynamicMin());
    edit.SetVal(-1.5);
    EXPECT_TRUE(edit.UpdateControllerRange());
    EXPECT_SPAN(-2.0, -1.0, ControllerRange(edit));
    EXPECT_TRUE(edit.IsDynamicMin());
    EXPECT_FALSE(edit.IsDynamicMax());

    CRVEdit negative;
    negative.SetRange(-3, -1, true, true);
    EXPECT_SPAN(-1.0, 10.0, ControllerRange(negative));

    Range arc(-90, 90, true);
    arc.SetScalarType(Range::eScalarAngle);
    arc.m_degrees = true;
    CRVEdit angle;
    angle.SetRange(arc);
    ASSERT_TRUE(angle.HasTwoControllerRanges());
    EXPECT_SPAN(90.0, 180.0, ControllerRange(angle));
    angle.SetVal(-135);
    angle.UpdateControllerRange();
    EXPECT_SPAN(-179.99999998854085, -90.0, ControllerRange(angle));
}

// A range given whole sets the dynamic ends from its unlimited ends; an
// external one leaves them.
TEST(EditModel, RangeObjectSetsTheDynamicEnds) {
    const struct {
        double lo, hi;
        bool bExternal, bDynamicMin, bDynamicMax;
    } cases[] = {
        {0, 1e308, false, false, true},
        {-1e308, 3, false, true, false},
        {1, 2, false, false, false},
        {-1e308, 1e308, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lo << " .. " << c.hi);
        CRVEdit edit;
        edit.SetDynamic(!c.bDynamicMin, !c.bDynamicMax);
        edit.SetRange(Range(c.lo, c.hi, c.bExternal));
        EXPECT_EQ(c.bDynamicMin, edit.IsDynamicMin());
        EXPECT_EQ(c.bDynamicMax, edit.IsDynamicMax());
    }
    CRVEdit external;
    external.SetDynamic(false, false);
    external.SetRange(Range(-1, 1, true));
    external.SetRange(Range(-1, 1e308)); // plain again: the flags follow
    EXPECT_FALSE(external.IsDynamicMin());
    EXPECT_TRUE(external.IsDynamicMax());
}

TEST(EditModel, ControllerRangesOfAnExternalRangeStayOutOfTheExcludedZone) {
    // No controller ranges chosen yet: their ends are unlimited.
    CRVEdit above, below;
    above.SetRange(-2, 4, true, false);
    above.SetVal(10);
    above.MakeValidControllerRange();
    EXPECT_SPAN(4.0, 13.0, ControllerRange(above)); // the value two thirds up
    below.SetRange(-2, 4, true, false);
    below.SetVal(-20);
    below.MakeValidControllerRange();
    below.UpdateControllerRange();
    EXPECT_SPAN(-29.0, -2.0, ControllerRange(below));
}

TEST(EditModel, ControllerRangeSetupIsReportedOnceItExists) {
    CRVEdit edit;
    EXPECT_FALSE(edit.UpdateControllerRange());
    EXPECT_TRUE(edit.UpdateControllerRange());

    CRVEdit free;
    free.SetControlled(false);
    free.SetRange(0, 100);
    EXPECT_FALSE(free.UpdateControllerRange());
    CSliderDyna slider;
    slider.SetClient(&free); // stored, nothing computed, the slider refuses it
    EXPECT_FALSE(free.IsControllerOK());
    EXPECT_EQ(nullptr, slider.GetClient());
    EXPECT_TRUE(ControllerRange(free).hi > 1e306);
}

TEST(EditModel, CommitAppliesTheRangeType) {
    const struct {
        const char* text;
        CRVEdit::ERangeType type;
        double val;
        const char* shown;
    } cases[] = {
        {"15", CRVEdit::eRangeClamp, 10.0, "10.0000"},
        {"-3", CRVEdit::eRangeClamp, 0.0, "0.0000"},
        {"15", CRVEdit::eRangeFree, 15.0, "15.0000"},
        {"15", CRVEdit::eRangeExtend, 15.0, "15.0000"},
        {"5", CRVEdit::eRangeClamp, 5.0, "5.0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << ", range type " << c.type);
        CRVEdit edit;
        edit.SetRange(0, 10);
        edit.SetRangeType(c.type);
        edit.CommitText(CString(c.text), true);
        EXPECT_DOUBLE_EQ(c.val, edit.GetVal());
        EXPECT_STREQ(CString(c.shown), edit.GetValueText());
        EXPECT_EQ(c.type == CRVEdit::eRangeExtend, edit.InRange(15.0));
    }
}

TEST(EditModel, TextThatIsNoNumberPromptsAndGoesOnWithWhatWasRead) {
    TestApp().prompts.clear();
    CRVEdit edit;
    edit.SetRange(1, 10);
    edit.SetVal(7);
    edit.CommitText(_T("abc"), true);
    EXPECT_DOUBLE_EQ(1.0, edit.GetVal()); // 0.0, clamped
    edit.CommitText(_T("12abc"), true);
    EXPECT_DOUBLE_EQ(10.0, edit.GetVal());
    ASSERT_EQ(2u, TestApp().prompts.size());
    EXPECT_EQ("Please enter a number.", TestApp().prompts[0].text);
    EXPECT_EQ(0u, TestApp().prompts[1].nIDPrompt);
#ifdef _UNICODE
    // Another script's digits are no digits: fullwidth "１２" reads nothing,
    // "3１２" only the 3.
    edit.CommitText(L"\xFF11\xFF12", true);
    EXPECT_DOUBLE_EQ(1.0, edit.GetVal());
    edit.CommitText(L"3\xFF11\xFF12", true);
    EXPECT_DOUBLE_EQ(3.0, edit.GetVal());
    EXPECT_EQ(4u, TestApp().prompts.size());
#endif
}

TEST(EditModel, ValueTextHasNoNegativeZeroAndNeverTruncatesDigits) {
    CRVEdit edit;
    for (double v : {-0.00004, 0.00009}) {
        SCOPED_TRACE(v);
        edit.SetVal(v);
        EXPECT_STREQ(_T("0.0000"), edit.GetValueText());
    }
    edit.SetVal(1e300);
    EXPECT_STREQ(_T("1.0000e+300"), edit.GetValueText());
    edit.SetPrecision(2);
    edit.SetVal(-2.5);
    EXPECT_STREQ(_T("-2.50"), edit.GetValueText());
    EXPECT_DOUBLE_EQ(0.01, edit.GetSencetivity());
    edit.SetSencetivity(0.5);
    edit.SetPrecision(3);
    EXPECT_DOUBLE_EQ(0.5, edit.GetSencetivity());
}

TEST(EditModel, ExtendingATransientEditMakesItsRangeSymmetric) {
    CRVEditTransient edit;
    CSliderDyna slider;
    edit.SetRange(-10, 20);
    edit.SetRangeType(CRVEdit::eRangeExtend);
    slider.SetClient(&edit);
    edit.CommitText(_T("-30"), true);
    double lo, hi;
    edit.GetRange(lo, hi);
    EXPECT_DOUBLE_EQ(-30.0, lo);
    EXPECT_DOUBLE_EQ(30.0, hi);
    EXPECT_SPAN(-30.0, 30.0, ControllerRange(edit)); // united with the range
    edit.OnEndModify();
    EXPECT_DOUBLE_EQ(0.0, edit.GetVal());
}

} // namespace
