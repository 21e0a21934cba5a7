#include "RVDC.h"

namespace {

BYTE Blend(BYTE left, BYTE right, float t) {
    return static_cast<BYTE>(static_cast<float>(left) * (1.0f - t) + static_cast<float>(right) * t);
}

} // namespace

RVDC::RVDC(CDC* pDC) : m_pDC(pDC) {}

RVDC::~RVDC() {}

void RVDC::FillGradient(const RECT& rect, COLORREF clrLeft, COLORREF clrRight) {
    HDC hDC = m_pDC != NULL ? m_pDC->GetSafeHdc() : NULL;
    const int w = rect.right, h = rect.bottom;
    if (hDC == NULL || w <= 0 || h <= 0)
        return;
    for (int x = 0; x < w; ++x) {
        const float t = static_cast<float>(x) / static_cast<float>(w);
        const COLORREF clr = RGB(Blend(GetRValue(clrLeft), GetRValue(clrRight), t),
                                 Blend(GetGValue(clrLeft), GetGValue(clrRight), t),
                                 Blend(GetBValue(clrLeft), GetBValue(clrRight), t));
        for (int y = 0; y < h; ++y)
            ::SetPixel(hDC, x, y, clr);
    }
}
