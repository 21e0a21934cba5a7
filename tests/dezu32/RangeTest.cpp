#include "Range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Range Degrees(double lo, double hi, bool external) {
    Range r(lo, hi, external);
    r.SetScalarType(Range::eScalarAngle);
    return r;
}

void ExpectEnds(const RangeR1& r, double lo, double hi, bool external) {
    EXPECT_EQ(r.m_min, lo);
    EXPECT_EQ(r.m_max, hi);
    EXPECT_EQ(r.IsExternal(), external);
}

} // namespace

TEST(Range, DefaultIsFullPlainInternal) {
    Range r;
    ExpectEnds(r, -1e307, 1e307, false);
    EXPECT_EQ(r.GetScalarType(), Range::eScalarNumber);
    EXPECT_TRUE(r.m_degrees);
    EXPECT_TRUE(r.IsFull());
    EXPECT_FALSE(r.IsEmpty());

    r.Set(-1e308, 9e306);
    EXPECT_TRUE(r.IsUnlimited(true));
    EXPECT_FALSE(r.IsUnlimited(false));
    EXPECT_FALSE(r.IsFull());
}

TEST(Range, InternalIsExactAndClampsToItsEnds) {
    Range r(0.0, 10.0);
    EXPECT_TRUE(r.In(10.0));
    EXPECT_FALSE(r.In(std::nextafter(10.0, 11.0)));
    EXPECT_TRUE(RangeR1::In(10.00000000001, 0.0, 10.0, 1e-10));
    EXPECT_EQ(r.GetBestMatch(15.0), 10.0);
    EXPECT_EQ(r.GetBestMatch(-3.0), 0.0);

    EXPECT_FALSE(r.Include(3.0));
    EXPECT_TRUE(r.Include(-2.0));
    ExpectEnds(r, -2.0, 10.0, false);

    r.Set(5.0, 3.0); // kept as given, so empty
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_TRUE(r.Include(4.0));
    ExpectEnds(r, 4.0, 4.0, false);
}

TEST(Range, ExternalKeepsItsEndsValid) {
    Range r(-1.0, 1.0, true);
    EXPECT_TRUE(r.In(-1.0) && r.In(1.0) && r.In(7.0));
    EXPECT_FALSE(r.In(0.5));
    EXPECT_EQ(r.GetBestMatch(0.4), 1.0);
    EXPECT_EQ(r.GetBestMatch(-0.4), -1.0);
    EXPECT_EQ(r.GetBestMatch(0.0), 1.0); // tie: the upper end
    EXPECT_TRUE(r.In(r.GetBestMatch(-0.9)));

    EXPECT_TRUE(r.Include(-0.25));
    ExpectEnds(r, -0.25, 1.0, true);
    EXPECT_FALSE(r.Include(3.0));

    r.Set(5.0, 3.0);
    EXPECT_FALSE(r.IsEmpty());
    EXPECT_TRUE(r.In(4.0));

    r.Set(-3.0, 1.0);
    EXPECT_TRUE(r.MakeSymmetric());
    ExpectEnds(r, -3.0, 3.0, true);
    EXPECT_FALSE(r.MakeSymmetric());
}

TEST(Range, NanIsNeverTakenIn) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (bool external : {false, true}) {
        Range plain(0.0, 1.0, external);
        Range angle = Degrees(-90.0, 90.0, external);
        for (Range* r : {&plain, &angle}) {
            EXPECT_FALSE(r->In(nan));
            EXPECT_FALSE(r->Include(nan));
            EXPECT_FALSE(std::isnan(r->GetBestMatch(nan)));
            EXPECT_FALSE(std::isnan(r->m_min) || std::isnan(r->m_max));
        }
    }
}

TEST(Range, AnglesWrapAtTheSeam) {
    const Range outside = Degrees(-90.0, 90.0, true);
    EXPECT_TRUE(outside.In(180.0) && outside.In(-180.0) && outside.In(135.0));
    EXPECT_TRUE(outside.In(540.0) && outside.In(-90.0));
    EXPECT_FALSE(outside.In(0.0));
    EXPECT_EQ(outside.GetBestMatch(10.0), 90.0);
    EXPECT_EQ(outside.GetBestMatch(-10.0), -90.0);

    const Range overSeam = Degrees(170.0, -170.0, false);
    EXPECT_FALSE(overSeam.IsEmpty());
    EXPECT_TRUE(overSeam.In(180.0) && overSeam.In(-175.0) && overSeam.In(190.0));
    EXPECT_FALSE(overSeam.In(0.0));
    EXPECT_EQ(overSeam.GetBestMatch(-160.0), -170.0);
    EXPECT_EQ(overSeam.GetBestMatch(160.0), 170.0);

    EXPECT_TRUE(Degrees(0.0, 180.0, false).In(-180.0));
    EXPECT_FALSE(Degrees(170.0, -170.0, true).In(180.0));
    EXPECT_TRUE(Degrees(-1e307, 1e307, false).In(-123.0));

    Range radians(-1.0, 1.0, true);
    radians.SetScalarType(Range::eScalarAngle);
    radians.m_degrees = false;
    EXPECT_TRUE(radians.In(3.14159265358979) && radians.In(-3.2));
    EXPECT_FALSE(radians.In(0.5));
}

TEST(Range, AngleIncludeTakesTheShorterWayRound) {
    Range r = Degrees(-170.0, 100.0, false);
    EXPECT_TRUE(r.Include(175.0)); // 15 from -170 over the seam, 75 from 100
    ExpectEnds(r, 175.0, 100.0, false);
    EXPECT_TRUE(r.In(180.0) && r.In(-175.0) && r.In(0.0));
    EXPECT_FALSE(r.In(150.0));
    EXPECT_TRUE(r.Include(490.0)); // 130 after wrapping
    ExpectEnds(r, 175.0, 130.0, false);
}

TEST(Range, AnswersAsAngleThroughTheBase) {
    const Range angle = Degrees(-90.0, 90.0, true);
    const RangeR1& base = angle;
    EXPECT_TRUE(base.In(180.0));
    EXPECT_EQ(base.GetBestMatch(-350.0), 90.0); // -350 is 10

    Range copy;
    copy.Copy(base);
    EXPECT_EQ(copy.GetScalarType(), Range::eScalarAngle);
    EXPECT_TRUE(copy.In(180.0));
    EXPECT_EQ(copy.GetBestMatch(-350.0), 90.0);

    copy.Copy(RangeR1(-90.0, 90.0, true));
    EXPECT_EQ(copy.GetScalarType(), Range::eScalarNumber);
    EXPECT_TRUE(copy.In(-350.0));
}

TEST(Range, UniteHoldsBothValidSets) {
    Range r(0.0, 1.0);
    EXPECT_FALSE(r.Unite(Range(0.2, 0.8)));
    EXPECT_FALSE(r.Unite(Range(5.0, 4.0))); // empty
    EXPECT_TRUE(r.Unite(Range(3.0, 4.0)));
    ExpectEnds(r, 0.0, 4.0, false);

    r = Range(5.0, 4.0);
    r.Unite(Range(1.0, 2.0));
    ExpectEnds(r, 1.0, 2.0, false);

    r = Range(-5.0, 5.0, true);
    r.Unite(Range(0.0, 10.0, true));
    ExpectEnds(r, 0.0, 5.0, true);
    r.Unite(Range(6.0, 8.0, true));
    ExpectEnds(r, -1e307, 1e307, false);

    r = Range(-10.0, 10.0, true);
    r.Unite(Range(-2.0, 4.0)); // gaps -10..-2 and 4..10: the larger stays
    ExpectEnds(r, -10.0, -2.0, true);
    r.Unite(Range(-12.0, 0.0));
    ExpectEnds(r, -1e307, 1e307, false);

    r = Range(0.0, 1.0);
    r.Unite(Range(-5.0, 5.0, true));
    ExpectEnds(r, -5.0, 0.0, true);

    r = Range(0.0, 10.0);
    r.Unite(Degrees(170.0, -170.0, false)); // as numbers: all but -170..170
    ExpectEnds(r, -170.0, 0.0, true);
    EXPECT_TRUE(r.In(175.0) && r.In(5.0));

    Range arc = Degrees(170.0, -170.0, false);
    EXPECT_FALSE(arc.Unite(Range(175.0, 178.0)));
    ExpectEnds(arc, 170.0, -170.0, false);
}
