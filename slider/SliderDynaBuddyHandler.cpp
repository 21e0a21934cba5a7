#include "SliderDynaBuddyHandler.h"

CSliderDynaBuddyHandler::CSliderDynaBuddyHandler() : m_pSlider(NULL) {}

CSliderDynaBuddyHandler::~CSliderDynaBuddyHandler() {}

void CSliderDynaBuddyHandler::Attach(CSliderDyna* pSlider, CWnd* pBuddy) {
    m_pSlider = pSlider;
    if (IsHooked())
        HookWindow(NULL);
    HookWindow(pBuddy);
}
