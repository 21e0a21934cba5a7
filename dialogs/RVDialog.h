// CRVDialog: the dialog the library's dialogs and the hosts' derive from.
//
// It keeps a current numeric editor, the CRVEdit that last got the focus,
// and hands it to the dialog's slider master, so that one slider steers
// every numeric field in turn. It can hold child dialogs, each laid over a
// placeholder control and sharing the slider master; it forwards vertical
// scroll notifications to its owner, so that they climb from a child dialog
// to its parent and on to the host; and it offers two hooks, OnChildModified
// and DoVerb, for derived dialogs.
//
// Register children (SetChildCount, SetChild) and attach the slider master
// before the window is created: OnInitDialog creates the children. The
// dialog owns none of its children, its slider master, its editors or its
// editor list. Destroy a modeless dialog's window before the object: its
// controls may still notify the dialog while the window goes, and by then a
// derived dialog's members would be gone.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "EIterResult.h"

class CRVEdit;
class CSliderDyna;

class AFX_EXT_CLASS CRVDialog : public CDialog {
    DECLARE_DYNAMIC(CRVDialog)
public:
    CRVDialog(UINT nTemplateId, CWnd* pParent);
    virtual ~CRVDialog();

    // Performs verb on a tree item (its handle, pointer-sized); the base
    // goes on with every item.
    virtual EIterResult DoVerb(DWORD_PTR dwItem, DWORD dwVerb);
    // A child dialog changed; code is the host's.
    virtual void OnChildModified(CRVDialog* pChild, UINT nCode);
    // Refreshes the slider master's labels.
    virtual void UpdatePage();

    // Modeless, top level, shown; owner receives the scroll notifications.
    bool Edit(CWnd* pOwner);
    // A child window of pParent; 1 on success (also when the window exists).
    int CreateChild(CWnd* pParent);
    // A child window of pParent laid over its control nPlaceholderId; 1 on
    // success, 0 when the parent has no window, the dialog cannot be created
    // or the placeholder is missing.
    int CreateAsChild(CWnd* pParent, UINT nPlaceholderId);
    int CreateAsChild(CWnd* pParent) { return CreateAsChild(pParent, m_nPlaceholderId); }
    // 1 when the window has the child style.
    using CDialog::IsChild;
    int IsChild() const;
    void SetModal(bool bModal) { m_bModal = bModal; }

    // Grows the child table to n slots (new slots are empty) and sets the
    // count; clear empties slots 0 .. n-1. Never shrinks the storage.
    void SetChildCount(int n, bool bClear);
    // A null child, or an index outside the storage, does nothing.
    void SetChild(int nIndex, CRVDialog* pChild, UINT nPlaceholderId);
    CRVDialog* GetChild(int nIndex) const;
    int GetChildCount() const { return m_children.m_nCount; }
    int GetChildCapacity() const { return m_children.m_nCapacity; }
    void SetPlaceholderId(UINT nId) { m_nPlaceholderId = nId; }
    UINT GetPlaceholderId() const { return m_nPlaceholderId; }

    void AttachSliderMaster(CSliderDyna* pSlider) { m_pSliderMaster = pSlider; }
    CSliderDyna* GetSliderMaster() const { return m_pSliderMaster; }
    // The editor becomes current and, with a slider master, its client.
    void SetCurrent(CRVEdit* pEdit);
    bool IsCurrent(CRVEdit* pEdit) const { return pEdit == m_pCurrentEdit; }
    CRVEdit* GetCurrent() const { return m_pCurrentEdit; }
    // Moves the slider master, and with it its editor's value, back.
    void UndoLastChange();
    // Init on every numeric editor among the dialog's child windows.
    void UpdateSetup();

    void AttachEditorList(CObList* pList) { m_pEditorList = pList; }
    // Leaves the attached list (its first occurrence).
    void Unregister();

    // Creates every registered child over its placeholder and hands it the
    // slider master.
    BOOL OnInitDialog() override;

protected:
    // A child dialog ignores Enter and Escape.
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg LRESULT OnEndModify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnRVSetFocus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChildModifiedMgs(WPARAM wParam, LPARAM lParam);

    // The child table: storage, capacity, count, and a grow step kept for
    // compatibility (growth is always to the size asked for).
    struct ChildArray {
        CRVDialog** m_pData;
        int m_nCapacity;
        int m_nCount;
        int m_nGrowBy;
    };

    UINT m_nPlaceholderId;
    UINT m_nTemplateId;
    CWnd* m_pOwnerWnd;
    ChildArray m_children;
    CSliderDyna* m_pSliderMaster;
    CRVEdit* m_pCurrentEdit;
    CObList* m_pEditorList;
    bool m_bModal;

private:
    // The owner is kept by handle too once it has a window: a window object
    // given to Edit or CreateChild may be a temporary one, gone at the next
    // idle time. An owner given to the constructor is the host's own object.
    void RecordOwner(CWnd* pOwner);
    HWND OwnerHandle() const;
    HWND m_hOwnerWnd;

    DECLARE_MESSAGE_MAP()
};
