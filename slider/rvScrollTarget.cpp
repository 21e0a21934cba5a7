#include "rvScrollTarget.h"

#include <commctrl.h>

namespace {

// A page step needs the page size, which only the trackbar knows; a page
// below zero ends the step at the end of the scale.
bool PageFits(CScrollBar* pScrollBar, int nRoom, int& nPage) {
    nPage = static_cast<int>(pScrollBar->SendMessage(TBM_GETPAGESIZE));
    return nPage >= 0 && nPage <= nRoom;
}

} // namespace

int rvScrollTarget(UINT nSBCode, UINT nPos, int nBase, int nLast, CScrollBar* pScrollBar) {
    int nPage = 0;
    switch (nSBCode) {
    case TB_LINEUP:
        return nBase > 0 ? nBase - 1 : nBase;
    case TB_LINEDOWN:
        return nBase < nLast ? nBase + 1 : nBase;
    case TB_PAGEUP:
        if (pScrollBar == NULL || !(nBase > 0 || nBase == -1))
            return nBase;
        return PageFits(pScrollBar, nBase, nPage) ? nBase - nPage : 0;
    case TB_PAGEDOWN:
        if (pScrollBar == NULL || !(nBase < nLast || nBase == -1))
            return nBase;
        return PageFits(pScrollBar, nLast - nBase, nPage) ? nBase + nPage : nLast;
    case TB_THUMBPOSITION:
    case TB_THUMBTRACK:
        return static_cast<int>(nPos);
    case TB_TOP:
        return 0;
    case TB_BOTTOM:
        return nLast;
    default:
        return nBase;
    }
}
