// Compiles and links only while every window class offers its operations
// with the parameter and result types a host relies on: a class per window
// class overriding each virtual operation (with `override`, so that a
// changed signature is an error, not a new function), and calls of every
// public operation with arguments and results of the documented types.
#include <dovuv32.h>

#include <ZEdit.h>

#include <afxpriv.h>

#include <type_traits>

namespace {

// Numeric edits

class CHostEdit : public CRVEdit {
public:
    void OnEndModify() override { CRVEdit::OnEndModify(); }
    void Init() override { CRVEdit::Init(); }

protected:
    void PreSubclassWindow() override { CRVEdit::PreSubclassWindow(); }
};

class CHostTransient : public CRVEditTransient {
public:
    void Init() override { CRVEditTransient::Init(); }
    void OnEndModify() override { CRVEditTransient::OnEndModify(); }
};

void UseEdit(CRVEdit& e) {
    double v = e.GetVal();
    e.SetVal(v);
    double lo = 0, hi = 0;
    e.GetRange(lo, hi);
    Range r;
    e.GetRange(r);
    e.GetControllerRange(lo, hi);
    e.SetRange(lo, hi, true, false);
    e.SetRange(lo, hi);
    const Range& cr = r;
    e.SetRange(cr);
    e.SetFullRange();
    e.SetRangeType(CRVEdit::eRangeExtend);
    bool b = e.HasTwoControllerRanges();
    e.SetControllerRange(lo, hi, true);
    e.SetControllerRange(r, false);
    e.MakeValidControllerRange();
    b = e.UpdateControllerRange();
    e.UpdateControllerRangeNotify();
    e.UpdateController();
    CWnd* pController = NULL;
    e.SetController(pController);
    e.SetControlled(b);
    b = e.IsControlled();
    e.SetDynamic(true, false);
    e.SetDynamic(true);
    e.SetPrecision(3);
    e.SetSencetivity(0.5);
    e.SetDelayValidation(false);
    e.UpdateData(TRUE, false);
    e.UpdateData(FALSE);
    int n = e.Create();
    e.UpdateDataEx(static_cast<BOOL>(n));
    e.OnEndModify();
    e.Init();
    // The operations a const edit offers.
    const CRVEdit& c = e;
    v = c.GetVal();
    c.GetRange(r);
    b = c.InRange(v) && c.InControllerRange(v) && c.IsControllerOK() && c.IsDynamicMin() &&
        c.IsDynamicMax();
    v = c.GetSencetivity();
    b = e.IsKindOf(RUNTIME_CLASS(CRVEdit)) || e.IsKindOf(RUNTIME_CLASS(CRVEditTransient));
}

// The float edit is the library's own: a host cannot make one, but its
// declarations are checked all the same (nothing here is ever emitted).
class CHostZEdit : public CZEdit {
protected:
    void PreSubclassWindow() override { CZEdit::PreSubclassWindow(); }
};

inline void UseZEdit(CZEdit& z, CScrollBar* pScrollBar) {
    BOOL ok = z.AttachToParent();
    ok = z.CreateSliderPopup();
    z.SetVal(2.5);
    z.UpdateData(ok != FALSE);
    z.UpdateSliderPos();
    z.OnSliderScroll(TB_THUMBTRACK, 50u, pScrollBar);
}

// The dynamic slider

class CHostSlider : public CSliderDyna {
public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        return CSliderDyna::OnChildNotify(message, wParam, lParam, pResult);
    }
    ~CHostSlider() override {}

protected:
    void PreSubclassWindow() override { CSliderDyna::PreSubclassWindow(); }
};

void UseSlider(CSliderDyna& s, CRVEdit* pEdit) {
    int p = s.ValToPosn(1.0);
    double v = s.PosnToVal(p);
    s.SetValRange(0.0, v);
    const CSliderDyna& c = s;
    bool b = c.InRange(v);
    s.SetDynamic(b);
    s.SetDynamic(true, false);
    v = s.GetVal();
    s.SetVal(v);
    BOOL ok = s.IsValidInit();
    ok = s.IsValid();
    s.SetCurPosn(p);
    s.ResorePrevPosn();
    b = s.IsTheActiveElem(pEdit);
    s.Init();
    s.SetClient(pEdit);
    s.SetTimer(p);
    s.OnFloatStopped(b);
    p = s.UpdatePosn();
    s.UpdateData(b);
    s.Update();
    s.CreateMinMaxDisplay();
    s.UpdateMinMaxDisplay();
    s.AttachMinMaxCtrl(1019u, 1020u);
    s.Show(SW_SHOW);
    s.Enable(ok);
    ok = s.IsHorizontal();
    CWnd* pBuddy = s.GetBuddyControl();
    s.AttachBuddy();
    (void)pBuddy;
}

// The buddy popup and the buddy hook

class CHostBuddyDlg : public CBuddySliderDlg {
public:
    CHostBuddyDlg() : CBuddySliderDlg(static_cast<CWnd*>(NULL)) {}

protected:
    void OnOK() override { CBuddySliderDlg::OnOK(); }
    void OnCancel() override { CBuddySliderDlg::OnCancel(); }
};

class CHostBuddyHandler : public CSliderDynaBuddyHandler {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        return CSliderDynaBuddyHandler::WindowProc(msg, wParam, lParam);
    }
    ~CHostBuddyHandler() override {}
};

void UseBuddies(CBuddySliderDlg& dlg, CSliderDynaBuddyHandler& handler, CSliderDyna* pSlider,
                CZEdit* pOwner) {
    dlg.SetOwnerEdit(pOwner);
    dlg.SetRangeLabels(-2.26, 1e3);
    CWnd* pTrackbar = dlg.GetSlider();
    dlg.SetSliderPos(12);
    handler.Attach(pSlider, pTrackbar);
}

// The window message hook

class CHostHook : public CAIMsgHook {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        return CAIMsgHook::WindowProc(msg, wParam, lParam);
    }
    BOOL HookWindow(CWnd* pWnd) override { return CAIMsgHook::HookWindow(pWnd); }
    ~CHostHook() override {}
};

void UseHook(CAIMsgHook& hook, CWnd* pWnd) {
    BOOL ok = hook.HookWindow(pWnd);
    ok = hook.IsHooked();
    LRESULT l = hook.Default();
    l += hook.WindowProc(WM_NULL, 0, 0);
    ok = hook.EnableHandlers(l != 0 && ok);
    hook.EnableHandlers(ok && hook.IsKindOf(RUNTIME_CLASS(CAIMsgHook)));
}

// Dialogs and pages

// The item is pointer-sized; on 32-bit Windows that is DWORD itself, so a
// host's override written with DWORD stays an override there.
static_assert(sizeof(void*) != 4 || std::is_same<DWORD_PTR, DWORD>::value,
              "DoVerb's item is a DWORD on 32-bit Windows");

class CHostDialog : public CRVDialog {
public:
    CHostDialog() : CRVDialog(1001u, static_cast<CWnd*>(NULL)) {}
    EIterResult DoVerb(DWORD_PTR dwItem, DWORD dwVerb) override {
        return CRVDialog::DoVerb(dwItem, dwVerb);
    }
    void OnChildModified(CRVDialog* pChild, UINT nCode) override {
        CRVDialog::OnChildModified(pChild, nCode);
    }
    void UpdatePage() override { CRVDialog::UpdatePage(); }
    BOOL OnInitDialog() override { return CRVDialog::OnInitDialog(); }
    ~CHostDialog() override {}

protected:
    void OnOK() override { CRVDialog::OnOK(); }
    void OnCancel() override { CRVDialog::OnCancel(); }
    void DoDataExchange(CDataExchange* pDX) override { CRVDialog::DoDataExchange(pDX); }
};

void UseDialog(CRVDialog& d, CWnd* pParent, CSliderDyna* pSlider, CRVEdit* pEdit, CObList* pList) {
    bool b = d.Edit(pParent);
    int n = d.CreateChild(pParent);
    n = d.CreateAsChild(pParent, 1010u);
    n = d.CreateAsChild(pParent);
    n = d.IsChild();
    d.SetModal(b);
    d.SetChildCount(n, true);
    d.SetChild(0, &d, 1010u);
    d.SetPlaceholderId(1010u);
    d.AttachSliderMaster(pSlider);
    d.SetCurrent(pEdit);
    b = d.IsCurrent(pEdit);
    d.UndoLastChange();
    d.UpdatePage();
    d.UpdateSetup();
    d.AttachEditorList(pList);
    d.Unregister();
    d.OnChildModified(&d, 7u);
    EIterResult result = d.DoVerb(0x1234u, 7u);
    (void)result;
    b = d.IsKindOf(RUNTIME_CLASS(CRVDialog));
}

class CHostPage : public CRVPropertyPage {
public:
    CHostPage() : CRVPropertyPage(1001u, static_cast<CWnd*>(NULL)) {}
    bool CanExpand() override { return CRVPropertyPage::CanExpand(); }
    int OnKillActive() override { return CRVPropertyPage::OnKillActive(); }
    int OnSetActive() override { return CRVPropertyPage::OnSetActive(); }
    void UpdatePage() override { CRVPropertyPage::UpdatePage(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override { CRVPropertyPage::DoDataExchange(pDX); }
};

class CHostSheet : public CRVPropSheet {
public:
    int CreatePage(int nIndex) override { return CRVPropSheet::CreatePage(nIndex); }
    ~CHostSheet() override {}
};

void UsePages(CRVPropSheet& sheet, CRVPropertyPage* pPage, CWnd* pHost) {
    CRVPropertyPage plain;
    int n = plain.IsActivePage() + pPage->OnSetActive() + pPage->OnKillActive();
    bool b = pPage->CanExpand();
    sheet.SetParent(pHost, 1010u);
    sheet.AddPage(pPage, 1001u, "Page");
    n = sheet.CreatePage(n);
    sheet.ShowCurPageContents(n);
    sheet.RemovePage(n);
    n = sheet.RemovePage(pPage);
    sheet.RemoveAll();
    n = sheet.FindPage(pPage);
    n = sheet.GetPageCount();
    sheet.Show(n);
    CString name = sheet.GetActivePageClassName();
    b = b && name.IsEmpty();
    sheet.Show(b && (sheet.IsKindOf(RUNTIME_CLASS(CRVPropSheet)) ||
                     pPage->IsKindOf(RUNTIME_CLASS(CRVPropertyPage))));
}

// The property panel

class CHostPane : public Pane {
public:
    bool CanExpand() override { return Pane::CanExpand(); }
    ~CHostPane() override {}
};

class CHostPanel : public PropertyPanel {
public:
    ~CHostPanel() override {}
};

void UsePanel(PropertyPanel& panel, CFormView* pView, CRVPropertyPage* pPage) {
    panel.SetPaneSize(227, 25);
    Pane* pPane = panel.AddPane(pPage);
    panel.Create(pView, CPoint(10, 20));
    panel.OnExpand(0, 100);
    panel.Show(TRUE);
    panel.ExpandAll();
    int n = panel.IsInitExOK();

    Pane* pOther = Pane::Construct(pPage);
    CRect rect(0, 0, 227, 25);
    UINT nHeight = pOther->Create(&panel, pView, rect, n);
    CRVPropertyPage* pItsPage = pPane->GetPage();
    pPane->SetTitle("Title");
    pPane->DisplayTitle();
    bool b = pPane->IsExpanded() && pPane->IsVisible() && pPane->CanExpand();
    pPane->Show(b);
    pPane->Shift(static_cast<int>(nHeight));
    pPane->ChangeExpansionState();
    pPane->Expand();
    Pane standalone(static_cast<CWnd*>(NULL));
    (void)pItsPage;
}

// Dialog templates

class CHostTemplates : public ResTemplMngr {
public:
    ~CHostTemplates() override {}
};

void UseTemplates() {
    ResTemplMngr manager;
    ResTemplMngr copy(manager);
    copy = manager;
    DLGTEMPLATE* pTemplate = ResTemplMngr::LoadDlgTempl("dovuv32.dll", 1030u);
    RECT rect;
    bool b = ResTemplMngr::GetDlgTemplRectLogical(NULL, 1030u, rect);
    b = b && ResTemplMngr::GetDlgTemplRect(NULL, 1030u, rect);
    (void)pTemplate;
    (void)b;
}

// Small window helpers

class CHostToolBar : public CDlgToolBar {
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostToolBar, CDlgToolBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CHostToolBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class CHostStatusBox : public StatusBox {
public:
    ~CHostStatusBox() override {}
};

class CHostDC : public RVDC {
public:
    explicit CHostDC(CDC* pDC) : RVDC(pDC) {}
    ~CHostDC() override {}
};

void UseHelpers(StatusBox& box, CDC* pDC, CWnd* pWnd, CMenu* pMenu) {
    CDlgToolBar toolBar;
    box.SetMessageID(1u);
    CHostDC dc(pDC);
    dc.FillGradient(CRect(0, 0, 4, 1), RGB(0, 190, 0), RGB(0, 255, 0));
    rvMoveWindow(pWnd, pWnd->GetParent(), 0, 10);
    int n = rvFindMenuItem(pMenu, "&File");
    (void)n;
}

} // namespace

// One exported entry, so that the DLL keeps all of the above.
extern "C" __declspec(dllexport) void HostSignatures() {
    CHostEdit edit;
    CHostTransient transient;
    CHostSlider slider;
    CHostBuddyDlg buddyDlg;
    CHostBuddyHandler handler;
    CHostHook hook;
    CHostDialog dialog;
    CHostPage page;
    CHostSheet sheet;
    CHostPane pane;
    CHostPanel panel;
    CHostTemplates templates;
    CHostToolBar toolBar;
    CHostStatusBox box;
    CMenu menu;
    UseEdit(edit);
    UseEdit(transient);
    UseSlider(slider, &edit);
    UseBuddies(buddyDlg, handler, &slider, NULL);
    UseHook(hook, &edit);
    UseDialog(dialog, &dialog, &slider, &edit, NULL);
    UsePages(sheet, &page, &dialog);
    UsePanel(panel, NULL, &page);
    UseTemplates();
    UseHelpers(box, NULL, &edit, &menu);
}
