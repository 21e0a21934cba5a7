#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() {}

CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, NULL}};
    static const AFX_MSGMAP messageMap = {NULL, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    UINT nMsg = HIWORD(nCode);
    const UINT nCodeWord = LOWORD(nCode);
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    // The most derived class's entry wins.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nMessage != nMsg || e->nCode != nCodeWord || nID < e->nID || nID > e->nLastID)
                continue;
            if (pHandlerInfo != NULL) {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            if (e->nSig == AfxSig_notify || e->nSig == AfxSig_notify_b) {
                const AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
                return e->pfn(this, nID, reinterpret_cast<LPARAM>(pNotify->pNMHDR),
                              pNotify->pResult);
            }
            LRESULT lIgnored = 0;
            return e->pfn(this, nID, 0, &lIgnored);
        }
    }
    return FALSE;
}
