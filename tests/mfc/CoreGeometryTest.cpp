// CPoint, CSize and CRect arithmetic, with the platform's edge conventions.
#include <afxwin.h>

#include <gtest/gtest.h>

TEST(CoreGeometry, PointAndSizeArithmetic) {
    CPoint p(3, 4);
    p += CSize(1, 1);
    p -= CPoint(2, 0);
    EXPECT_EQ(CPoint(2, 5), p);
    EXPECT_EQ(CSize(1, 3), p - CPoint(1, 2));
    EXPECT_EQ(CPoint(1, 2), p - CSize(1, 3));
    EXPECT_EQ(CPoint(-2, -5), -p);
    EXPECT_EQ(CSize(5, 7), CSize(2, 3) + CSize(3, 4));
    EXPECT_EQ(CPoint(4, 6), CSize(2, 3) + CPoint(2, 3));
    EXPECT_TRUE(CPoint() == CPoint(0, 0));
    EXPECT_TRUE(CSize(1, 2) != CSize(2, 1));
}

TEST(CoreGeometry, RectMeasuresAndHitTestsHalfOpen) {
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(40, r.Width());
    EXPECT_EQ(60, r.Height());
    EXPECT_EQ(CSize(40, 60), r.Size());
    EXPECT_EQ(CPoint(30, 50), r.CenterPoint());
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(50, 50)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 80)));

    r.TopLeft() = CPoint(0, 0);
    r.BottomRight() += CSize(1, 1);
    EXPECT_EQ(CRect(0, 0, 51, 81), r);

    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), flipped);
}

TEST(CoreGeometry, RectMovesAndResizes) {
    CRect r(0, 0, 10, 10);
    r.InflateRect(1, 2);
    EXPECT_EQ(CRect(-1, -2, 11, 12), r);
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(0, 0, 8, 8), r);
    r.InflateRect(CRect(1, 1, 0, 0));
    EXPECT_EQ(CRect(-1, -1, 8, 8), r);
    r.OffsetRect(1, 1);
    EXPECT_EQ(CRect(0, 0, 9, 9), r);
    r += CPoint(10, 0);
    r -= CSize(0, 10);
    EXPECT_EQ(CRect(10, -10, 19, -1), r);
    EXPECT_EQ(CRect(0, 0, 5, 5), CRect(1, 1, 6, 6) - CPoint(1, 1));
    RECT border = {1, 1, 1, 1};
    EXPECT_EQ(CRect(2, 2, 3, 3), CRect(1, 1, 4, 4) - static_cast<LPCRECT>(&border));
    EXPECT_EQ(CRect(0, 0, 5, 5), CRect(1, 1, 4, 4) + static_cast<LPCRECT>(&border));

    const CRect& cr = r;
    LPCRECT pc = cr;
    LPRECT pm = r;
    EXPECT_EQ(&r.left, &pc->left);
    EXPECT_EQ(&r.bottom, &pm->bottom);
}

TEST(CoreGeometry, IntersectionAndUnion) {
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_EQ(CRect(5, 5, 10, 10), r);
    EXPECT_FALSE(r.IntersectRect(a, distant));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10))); // edges touch only

    EXPECT_TRUE(r.UnionRect(a, distant));
    EXPECT_EQ(CRect(0, 0, 40, 40), r);
    EXPECT_TRUE(r.UnionRect(CRect(3, 3, 3, 9), b));
    EXPECT_EQ(b, r);
    EXPECT_FALSE(r.UnionRect(CRect(), CRect(4, 4, 2, 2)));
    EXPECT_TRUE(r.IsRectNull());

    CRect c = a;
    c &= b;
    EXPECT_EQ(a & b, c);
    c |= distant;
    EXPECT_EQ(CRect(5, 5, 40, 40), c);
    EXPECT_EQ(CRect(0, 0, 20, 20), a | b);
}
