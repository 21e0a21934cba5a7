// Where a trackbar's scroll notification takes its thumb, on a scale of
// positions 0 .. nLast: the one stepping rule of the library's trackbars.
#pragma once

#include <afxwin.h>

// The position that scroll code nSBCode (TB_LINEUP .. TB_BOTTOM) leads to
// from nBase. Line steps move by one and page steps by the trackbar's page
// size, read from pScrollBar (TBM_GETPAGESIZE); neither passes an end of the
// scale, a page step without a scroll bar stays, and a page size below zero
// counts as larger than the scale. A base of -1, a trackbar that reports no
// position, pages to the end. The thumb codes take nPos as it is, the ends
// 0 and nLast; any other code (TB_ENDTRACK) stays at nBase.
AFX_EXT_API int rvScrollTarget(UINT nSBCode, UINT nPos, int nBase, int nLast,
                               CScrollBar* pScrollBar);
