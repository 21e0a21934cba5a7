// RVDC: painting helpers over a device context it does not own.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS RVDC {
public:
    explicit RVDC(CDC* pDC);
    virtual ~RVDC();

    // A horizontal gradient over the client rectangle (0, 0) to
    // (rect.right, rect.bottom), pixel by pixel: column x gets
    // clrLeft * (1 - t) + clrRight * t per channel with t = x / rect.right in
    // single precision, truncated; so the last column stops one step short of
    // clrRight. Nothing is painted when either extent is not positive.
    // Meant for small areas such as title bars.
    void FillGradient(const RECT& rect, COLORREF clrLeft, COLORREF clrRight);

    CDC* m_pDC;
};
