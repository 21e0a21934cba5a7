#include "afxext.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar() : m_dwStyle(0), m_rcBorders(0, 0, 0, 0) {}

CControlBar::~CControlBar() {}
