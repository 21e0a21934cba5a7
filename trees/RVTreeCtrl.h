// RVTreeCtrl: a tree control whose items are addressed by paths.
//
// The path of an item is the text of its top-level ancestor, then the text
// of each item on the way down, then its own text, joined by single
// back-slashes: "Tools\Old\Saw". There is no leading or trailing separator.
// Texts compare exactly (case-sensitive, whole text, no trimming); of two
// siblings with the same text the first is found. An item whose own text
// holds a back-slash is part of the paths built from it but cannot be found
// by one.
//
// The empty path names the invisible root above the top-level items
// (TVI_ROOT). Walks visit items in pre-order (an item before its children,
// siblings in their order) and pass each item with the host's verb to the
// attached dialog's DoVerb.
//
// The control owns neither the attached dialog nor anything the items' data
// values point at; it never creates or deletes items by itself.
#pragma once

#include <afxcmn.h>

#include "EIterResult.h"

class CRVDialog;

class AFX_EXT_CLASS RVTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(RVTreeCtrl)

public:
    RVTreeCtrl();
    ~RVTreeCtrl() override;

    // The dialog that receives every verb; null detaches. Not owned.
    void AttachParent(CRVDialog* pParent) { m_pParent = pParent; }
    CRVDialog* GetAttachedParent() const { return m_pParent; }

    // Hands the item (as a number) and the verb to the attached dialog's
    // DoVerb, whose result is not looked at; without a dialog nothing
    // happens. Always eIterContinue.
    virtual EIterResult DoVerb(HTREEITEM hItem, DWORD dwVerb);

    // The item's path; empty for the null handle and for TVI_ROOT.
    CString GetItemPath(HTREEITEM hItem) const;
    // The selected item's path; empty when nothing is selected.
    CString GetSelectedPath() const;
    // The first of hFirst and its following siblings whose text is strText;
    // null when hFirst is null (or TVI_ROOT, which has no siblings) or none
    // matches.
    HTREEITEM FindItem(const CString& strText, HTREEITEM hFirst) const;
    // The item at the path: TVI_ROOT for the empty path, null as soon as a
    // component is not found. A trailing back-slash is ignored; a leading
    // one asks for a top-level item with an empty text.
    HTREEITEM GetItemHandle(const CString& strPath) const;
    // Expands every item along the path that exists, the last one too; the
    // walk ends quietly at the first component not found.
    void ExpandPath(const CString& strPath);
    // Expands the first top-level item and, below it, the first child of
    // each expanded item, down to an item without children.
    void InitExpand();

    // Applies the verb to the item and to every item below it, in
    // pre-order; the null handle (or TVI_ROOT) stands for the whole tree,
    // whose invisible root gets no verb. An item's next sibling is fetched
    // before the item is visited. nLevel counts the depth only (top-level
    // items get 1 when the walk starts at the null handle with 0); it is not
    // passed to the verb. Always eIterContinue.
    EIterResult DoForSubTree(HTREEITEM hItem, int nLevel, DWORD dwVerb);
    // The verb for every item of the tree.
    void DoForAll(DWORD dwVerb);

protected:
    // The first child of an item; for the null handle and for TVI_ROOT the
    // first top-level item.
    HTREEITEM FirstChild(HTREEITEM hItem) const;
    // The item at the path, or null; with bExpand every item found on the
    // way is expanded.
    HTREEITEM FollowPath(const CString& strPath, bool bExpand) const;

    CRVDialog* m_pParent;
};
