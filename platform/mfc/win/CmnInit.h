// Registers the common-control window classes of dwICC for this process
// before a control of them is created.
#pragma once

#include <afxcmn.h>

inline BOOL AfxInitCommonControls(DWORD dwICC) {
    INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), dwICC};
    return ::InitCommonControlsEx(&init);
}
