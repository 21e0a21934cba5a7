// CSliderDynaBuddyHandler: the hook with which a dynamic slider watches its
// buddy window, the control just before it in its dialog. It lets every
// message of the buddy pass unchanged.
#pragma once

#include "AIMsgHook.h"

class CSliderDyna;

class AFX_EXT_CLASS CSliderDynaBuddyHandler : public CAIMsgHook {
public:
    CSliderDynaBuddyHandler();
    virtual ~CSliderDynaBuddyHandler();

    // Records the slider and moves the hook to pBuddy (from any buddy hooked
    // before).
    void Attach(CSliderDyna* pSlider, CWnd* pBuddy);

    CSliderDyna* GetSlider() const { return m_pSlider; }

protected:
    CSliderDyna* m_pSlider; // the slider whose member this is
};
