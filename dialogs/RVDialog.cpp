#include "RVDialog.h"

#include "LiveObjects.h"
#include "RVEdit.h"
#include "SliderDyna.h"
#include "rvMessages.h"

#include <cstring>

namespace {

// UpdateSetup looks at no more child windows than this.
const int kMaxSetupWindows = 201;

} // namespace

IMPLEMENT_DYNAMIC(CRVDialog, CDialog)

BEGIN_MESSAGE_MAP(CRVDialog, CDialog)
ON_MESSAGE(WM_RV_END_MODIFY, &CRVDialog::OnEndModify)
ON_WM_VSCROLL()
ON_MESSAGE(WM_RV_SET_FOCUS, &CRVDialog::OnRVSetFocus)
ON_MESSAGE(WM_RV_CHILD_MODIFIED, &CRVDialog::OnChildModifiedMgs)
END_MESSAGE_MAP()

CRVDialog::CRVDialog(UINT nTemplateId, CWnd* pParent)
    : CDialog(nTemplateId, pParent), m_nPlaceholderId(0), m_nTemplateId(nTemplateId),
      m_pOwnerWnd(pParent), m_children{NULL, 0, 0, 3}, m_pSliderMaster(NULL), m_pCurrentEdit(NULL),
      m_pEditorList(NULL), m_bModal(false), m_hOwnerWnd(NULL) {
    LiveObjects::Add(this);
}

CRVDialog::~CRVDialog() {
    LiveObjects::Remove(this);
    delete[] m_children.m_pData;
}

EIterResult CRVDialog::DoVerb(DWORD_PTR, DWORD) {
    return eIterContinue;
}

void CRVDialog::OnChildModified(CRVDialog*, UINT) {}

void CRVDialog::UpdatePage() {
    if (m_pSliderMaster != NULL)
        m_pSliderMaster->Update();
}

void CRVDialog::DoDataExchange(CDataExchange*) {}

// Windows

void CRVDialog::RecordOwner(CWnd* pOwner) {
    m_pOwnerWnd = pOwner;
    m_hOwnerWnd = pOwner != NULL ? pOwner->m_hWnd : NULL;
}

HWND CRVDialog::OwnerHandle() const {
    if (m_hOwnerWnd != NULL)
        return m_hOwnerWnd;
    return m_pOwnerWnd != NULL ? m_pOwnerWnd->m_hWnd : NULL;
}

bool CRVDialog::Edit(CWnd* pOwner) {
    RecordOwner(pOwner);
    if (m_hWnd == NULL)
        Create(m_nTemplateId, NULL);
    ShowWindow(SW_SHOW);
    return true;
}

int CRVDialog::CreateChild(CWnd* pParent) {
    if (pParent == NULL || !::IsWindow(pParent->m_hWnd))
        return 0;
    RecordOwner(pParent);
    if (m_hWnd != NULL)
        return 1;
    return Create(m_nTemplateId, pParent) ? 1 : 0;
}

int CRVDialog::CreateAsChild(CWnd* pParent, UINT nPlaceholderId) {
    if (pParent == NULL || !::IsWindow(pParent->m_hWnd))
        return 0;
    RecordOwner(pParent);
    if (m_hWnd != NULL)
        ShowWindow(SW_SHOW);
    else if (!Create(m_nTemplateId, pParent))
        return 0;
    CWnd* pPlaceholder = pParent->GetDlgItem(nPlaceholderId);
    if (pPlaceholder == NULL)
        return 0;
    CRect rect;
    pPlaceholder->GetWindowRect(rect);
    pParent->ScreenToClient(rect);
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    ShowWindow(SW_SHOW);
    return 1;
}

int CRVDialog::IsChild() const {
    return (GetStyle() & WS_CHILD) != 0 ? 1 : 0;
}

BOOL CRVDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // A slot left empty is skipped: the host registered fewer children than
    // it counted.
    for (int i = 0; i < m_children.m_nCount; ++i) {
        CRVDialog* pChild = m_children.m_pData[i];
        if (pChild == NULL)
            continue;
        pChild->CreateAsChild(this);
        pChild->AttachSliderMaster(m_pSliderMaster);
    }
    return TRUE;
}

void CRVDialog::OnOK() {
    if (IsChild() == 0)
        CDialog::OnOK();
}

void CRVDialog::OnCancel() {
    if (IsChild() == 0)
        CDialog::OnCancel();
}

// Children

void CRVDialog::SetChildCount(int n, bool bClear) {
    if (n > m_children.m_nCapacity) {
        CRVDialog** pData = new CRVDialog*[n]();
        if (m_children.m_nCapacity > 0)
            std::memcpy(pData, m_children.m_pData, m_children.m_nCapacity * sizeof(CRVDialog*));
        delete[] m_children.m_pData;
        m_children.m_pData = pData;
        m_children.m_nCapacity = n;
    }
    m_children.m_nCount = n < 0 ? 0 : n;
    if (bClear && n > 0)
        std::memset(m_children.m_pData, 0, n * sizeof(CRVDialog*));
}

void CRVDialog::SetChild(int nIndex, CRVDialog* pChild, UINT nPlaceholderId) {
    if (pChild == NULL || nIndex < 0 || nIndex >= m_children.m_nCapacity)
        return;
    pChild->m_nPlaceholderId = nPlaceholderId;
    m_children.m_pData[nIndex] = pChild;
}

CRVDialog* CRVDialog::GetChild(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_children.m_nCapacity)
        return NULL;
    return m_children.m_pData[nIndex];
}

// Editors and slider

void CRVDialog::SetCurrent(CRVEdit* pEdit) {
    m_pCurrentEdit = pEdit;
    if (m_pSliderMaster != NULL)
        m_pSliderMaster->SetClient(pEdit);
}

void CRVDialog::UndoLastChange() {
    if (m_pSliderMaster != NULL)
        m_pSliderMaster->ResorePrevPosn();
}

void CRVDialog::UpdateSetup() {
    if (m_hWnd == NULL)
        return;
    const HWND hFirst = ::GetWindow(m_hWnd, GW_CHILD);
    HWND hChild = hFirst;
    for (int nVisited = 0; hChild != NULL && nVisited < kMaxSetupWindows; ++nVisited) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hChild);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CRVEdit)))
            static_cast<CRVEdit*>(pWnd)->Init();
        hChild = ::GetWindow(hChild, GW_HWNDNEXT);
        if (hChild == hFirst)
            break;
    }
}

// Registration

void CRVDialog::Unregister() {
    if (m_pEditorList == NULL)
        return;
    if (POSITION pos = m_pEditorList->Find(this))
        m_pEditorList->RemoveAt(pos);
}

// Messages

LRESULT CRVDialog::OnEndModify(WPARAM wParam, LPARAM) {
    CObject* pSender;
    return LiveObjects::LookupSender(wParam, pSender) ? 1 : 0;
}

void CRVDialog::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const HWND hOwner = OwnerHandle();
    if (hOwner != NULL && ::IsWindow(hOwner))
        ::SendMessage(
            hOwner, WM_VSCROLL, MAKEWPARAM(nSBCode, nPos),
            reinterpret_cast<LPARAM>(pScrollBar != NULL ? pScrollBar->GetSafeHwnd() : NULL));
    CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

// A sender that names no live object is not even asked for its class.
LRESULT CRVDialog::OnRVSetFocus(WPARAM wParam, LPARAM) {
    CObject* pSender;
    if (!LiveObjects::LookupSender(wParam, pSender))
        return 0;
    if (pSender != NULL && pSender->IsKindOf(RUNTIME_CLASS(CRVEdit)))
        SetCurrent(static_cast<CRVEdit*>(pSender));
    return 1;
}

LRESULT CRVDialog::OnChildModifiedMgs(WPARAM wParam, LPARAM lParam) {
    CObject* pChild;
    if (!LiveObjects::LookupSender(wParam, pChild))
        return 0;
    if (pChild == NULL || pChild->IsKindOf(RUNTIME_CLASS(CRVDialog)))
        OnChildModified(static_cast<CRVDialog*>(pChild), static_cast<UINT>(lParam));
    return 1;
}
