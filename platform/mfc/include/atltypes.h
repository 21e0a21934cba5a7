// CPoint, CSize and CRect: the platform's POINT, SIZE and RECT with
// arithmetic. A rectangle includes its left and top edges and excludes its
// right and bottom edges.
#pragma once

#include "afxver_.h"

class CPoint;
class CRect;

class CSize : public tagSIZE {
public:
    CSize() { cx = cy = 0; }
    CSize(int initCX, int initCY) {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE initSize) { *static_cast<SIZE*>(this) = initSize; }
    CSize(POINT initPt) {
        cx = initPt.x;
        cy = initPt.y;
    }

    void SetSize(int CX, int CY) {
        cx = CX;
        cy = CY;
    }

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size) {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size) {
        cx -= size.cx;
        cy -= size.cy;
    }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CPoint : public tagPOINT {
public:
    CPoint() { x = y = 0; }
    CPoint(int initX, int initY) {
        x = initX;
        y = initY;
    }
    CPoint(POINT initPt) { *static_cast<POINT*>(this) = initPt; }
    CPoint(SIZE initSize) {
        x = initSize.cx;
        y = initSize.cy;
    }

    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int X, int Y) {
        x = X;
        y = Y;
    }

    bool operator==(POINT point) const { return x == point.x && y == point.y; }
    bool operator!=(POINT point) const { return !(*this == point); }
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CRect : public tagRECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& srcRect) { CopyRect(&srcRect); }
    CRect(LPCRECT lpSrcRect) { CopyRect(lpSrcRect); }
    CRect(POINT point, SIZE size) {
        SetRect(point.x, point.y, point.x + size.cx, point.y + size.cy);
    }
    CRect(POINT topLeft, POINT bottomRight) {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    // Empty: no area (a width or height of zero or less). Null: all zero.
    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int x1, int y1, int x2, int y2) {
        left = x1;
        top = y1;
        right = x2;
        bottom = y2;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT lpSrcRect) {
        SetRect(lpSrcRect->left, lpSrcRect->top, lpSrcRect->right, lpSrcRect->bottom);
    }
    BOOL EqualRect(LPCRECT lpRect) const {
        return left == lpRect->left && top == lpRect->top && right == lpRect->right &&
               bottom == lpRect->bottom;
    }

    void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) {
        InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) {
        InflateRect(-lpRect->left, -lpRect->top, -lpRect->right, -lpRect->bottom);
    }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int x, int y) {
        left += x;
        top += y;
        right += x;
        bottom += y;
    }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }

    // Swaps the edges of a rectangle whose width or height is negative.
    void NormalizeRect() {
        if (left > right)
            SetRect(right, top, left, bottom);
        if (top > bottom)
            SetRect(left, bottom, right, top);
    }

    // The common area of two rectangles; FALSE and an all-zero rectangle
    // when they do not overlap.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
        CRect r(Max(lpRect1->left, lpRect2->left), Max(lpRect1->top, lpRect2->top),
                Min(lpRect1->right, lpRect2->right), Min(lpRect1->bottom, lpRect2->bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        CopyRect(&r);
        return TRUE;
    }
    // The smallest rectangle holding both; an empty rectangle counts for
    // nothing. FALSE and an all-zero rectangle when both are empty.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) {
        bool bEmpty1 = CRect(lpRect1).IsRectEmpty(), bEmpty2 = CRect(lpRect2).IsRectEmpty();
        if (bEmpty1 && bEmpty2) {
            SetRectEmpty();
            return FALSE;
        }
        if (bEmpty1 || bEmpty2) {
            CopyRect(bEmpty1 ? lpRect2 : lpRect1);
            return TRUE;
        }
        SetRect(Min(lpRect1->left, lpRect2->left), Min(lpRect1->top, lpRect2->top),
                Max(lpRect1->right, lpRect2->right), Max(lpRect1->bottom, lpRect2->bottom));
        return TRUE;
    }

    void operator=(const RECT& srcRect) { CopyRect(&srcRect); }
    bool operator==(const RECT& rect) const { return EqualRect(&rect) != FALSE; }
    bool operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const { return Moved(point.x, point.y); }
    CRect operator-(POINT point) const { return Moved(-point.x, -point.y); }
    CRect operator+(SIZE size) const { return Moved(size.cx, size.cy); }
    CRect operator-(SIZE size) const { return Moved(-size.cx, -size.cy); }
    CRect operator+(LPCRECT lpRect) const {
        CRect r(*this);
        r.InflateRect(lpRect);
        return r;
    }
    CRect operator-(LPCRECT lpRect) const {
        CRect r(*this);
        r.DeflateRect(lpRect);
        return r;
    }
    CRect operator&(const RECT& rect2) const {
        CRect r;
        r.IntersectRect(this, &rect2);
        return r;
    }
    CRect operator|(const RECT& rect2) const {
        CRect r;
        r.UnionRect(this, &rect2);
        return r;
    }

private:
    static LONG Min(LONG a, LONG b) { return a < b ? a : b; }
    static LONG Max(LONG a, LONG b) { return a > b ? a : b; }
    CRect Moved(int x, int y) const {
        CRect r(*this);
        r.OffsetRect(x, y);
        return r;
    }
};

inline CPoint CSize::operator+(POINT point) const {
    return CPoint(cx + point.x, cy + point.y);
}
inline CPoint CSize::operator-(POINT point) const {
    return CPoint(cx - point.x, cy - point.y);
}
inline CRect CSize::operator+(const RECT* lpRect) const {
    return CRect(lpRect) + *this;
}
inline CRect CSize::operator-(const RECT* lpRect) const {
    return CRect(lpRect) - *this;
}
inline CRect CPoint::operator+(const RECT* lpRect) const {
    return CRect(lpRect) + *this;
}
inline CRect CPoint::operator-(const RECT* lpRect) const {
    return CRect(lpRect) - *this;
}
