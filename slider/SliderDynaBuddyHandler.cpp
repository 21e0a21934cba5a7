#include "SliderDynaBuddyHandler.h"

CSliderDynaBuddyHandler::CSliderDynaBuddyHandler() : m_pSlider(NULL), m_pBuddyWnd(NULL) {}

CSliderDynaBuddyHandler::~CSliderDynaBuddyHandler() {}

void CSliderDynaBuddyHandler::Attach(CSliderDyna* pSlider, CWnd* pBuddy) {
    m_pSlider = pSlider;
    if (IsHooked())
        HookWindow(NULL);
    HookWindow(pBuddy);
    m_pBuddyWnd = pBuddy;
}
