#include "RVTreeCtrl.h"

#include "Path.h"
#include "RVDialog.h"

IMPLEMENT_DYNAMIC(RVTreeCtrl, CTreeCtrl)

RVTreeCtrl::RVTreeCtrl() : m_pParent(NULL) {}

RVTreeCtrl::~RVTreeCtrl() {}

EIterResult RVTreeCtrl::DoVerb(HTREEITEM hItem, DWORD dwVerb) {
    if (m_pParent != NULL)
        m_pParent->DoVerb(reinterpret_cast<DWORD_PTR>(hItem), dwVerb);
    return eIterContinue;
}

// TVI_ROOT is no item the control can give a text or a parent for; it is
// the place of the empty path, so its path is empty too.
CString RVTreeCtrl::GetItemPath(HTREEITEM hItem) const {
    if (hItem == NULL || hItem == TVI_ROOT)
        return CString();
    CString strPath = GetItemText(hItem);
    for (HTREEITEM hParent = GetParentItem(hItem); hParent != NULL;
         hParent = GetParentItem(hParent))
        strPath = GetItemText(hParent) + _T("\\") + strPath;
    return strPath;
}

CString RVTreeCtrl::GetSelectedPath() const {
    return GetItemPath(GetSelectedItem());
}

HTREEITEM RVTreeCtrl::FindItem(const CString& strText, HTREEITEM hFirst) const {
    if (hFirst == TVI_ROOT)
        return NULL;
    for (HTREEITEM hItem = hFirst; hItem != NULL; hItem = GetNextSiblingItem(hItem)) {
        if (GetItemText(hItem) == strText)
            return hItem;
    }
    return NULL;
}

HTREEITEM RVTreeCtrl::FollowPath(const CString& strPath, bool bExpand) const {
    HTREEITEM hCurrent = TVI_ROOT;
    CString strRest = strPath;
    CString strFirst;
    while (!strRest.IsEmpty()) {
        Path::SplitFirstFolder(strRest, strFirst, strRest);
        hCurrent = FindItem(strFirst, FirstChild(hCurrent));
        if (hCurrent == NULL)
            return NULL;
        if (bExpand)
            ::SendMessage(m_hWnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hCurrent));
    }
    return hCurrent;
}

HTREEITEM RVTreeCtrl::GetItemHandle(const CString& strPath) const {
    return FollowPath(strPath, false);
}

void RVTreeCtrl::ExpandPath(const CString& strPath) {
    FollowPath(strPath, true);
}

void RVTreeCtrl::InitExpand() {
    for (HTREEITEM hItem = FirstChild(NULL); hItem != NULL; hItem = GetChildItem(hItem))
        Expand(hItem, TVE_EXPAND);
}

// The invisible root gets no verb: the walk of the whole tree calls the verb
// once per item, whichever of the two handles names the root.
EIterResult RVTreeCtrl::DoForSubTree(HTREEITEM hItem, int nLevel, DWORD dwVerb) {
    if (hItem == TVI_ROOT)
        hItem = NULL;
    if (hItem != NULL)
        DoVerb(hItem, dwVerb);
    HTREEITEM hChild = FirstChild(hItem);
    while (hChild != NULL) {
        const HTREEITEM hNext = GetNextSiblingItem(hChild);
        DoForSubTree(hChild, nLevel + 1, dwVerb);
        hChild = hNext;
    }
    return eIterContinue;
}

void RVTreeCtrl::DoForAll(DWORD dwVerb) {
    DoForSubTree(NULL, 0, dwVerb);
}

// The control answers TVGN_CHILD for the null handle with the first
// top-level item; TVI_ROOT is mapped to it rather than relying on every
// version of the control accepting the special handle there.
HTREEITEM RVTreeCtrl::FirstChild(HTREEITEM hItem) const {
    return GetChildItem(hItem == TVI_ROOT ? NULL : hItem);
}
