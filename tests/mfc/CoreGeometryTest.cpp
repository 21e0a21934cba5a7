// CRect's edge conventions, and the operations that take the rectangle
// itself as an operand.
#include <afxwin.h>

#include <gtest/gtest.h>

TEST(CoreGeometry, EdgesEmptinessIntersectionAndUnion) {
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), r(1, 2, 3, 4);
    EXPECT_TRUE(a.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 5))); // right and bottom edges are outside
    EXPECT_FALSE(a.PtInRect(CPoint(5, 10)));
    // Empty means no area; null means all zero.
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(a, flipped);

    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_EQ(CRect(5, 5, 10, 10), r);
    EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10))); // edges touch only
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(CRect(3, 3, 3, 9), b)); // an empty one adds nothing
    EXPECT_EQ(b, r);
    EXPECT_FALSE(r.UnionRect(CRect(), CRect(4, 4, 2, 2)));
    EXPECT_TRUE(r.IsRectNull());
}

TEST(CoreGeometry, TheRectangleItselfAsOperand) {
    CRect a(0, 0, 10, 10);
    a &= CRect(5, 5, 20, 20);
    EXPECT_EQ(CRect(5, 5, 10, 10), a);
    a |= CRect(30, 30, 40, 40);
    EXPECT_EQ(CRect(5, 5, 40, 40), a);
    // A RECT* inflates or deflates rather than moves.
    RECT border = {1, 2, 3, 4};
    a -= &border;
    EXPECT_EQ(CRect(6, 7, 37, 36), a);
    // The corners are the rectangle's own fields, not copies.
    a.TopLeft() = CPoint(0, 0);
    a.BottomRight() += CSize(1, 1);
    EXPECT_EQ(CRect(0, 0, 38, 37), a);
}
