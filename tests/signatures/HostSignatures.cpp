// Compiles and links only while every window class offers its operations
// with the parameter and result types a host relies on: a class per window
// class overriding each virtual operation (with `override`, so that a
// changed signature is an error, not a new function), and calls of every
// public operation with arguments and results of the documented types.
// Results are passed on as arguments, so that each one's type is used.
#include <dovuv32.h>

#include <ZEdit.h>

#include <afxpriv.h>

#include <type_traits>

namespace {

// Numeric edits

class CHostEdit : public CRVEdit {
public:
    void OnEndModify() override {}
    void Init() override {}

protected:
    void PreSubclassWindow() override {}
};

class CHostTransient : public CRVEditTransient {
public:
    void Init() override {}
    void OnEndModify() override {}
};

void UseEdit(CRVEdit& e) {
    double lo = 0, hi = 0;
    Range r;
    e.GetRange(lo, hi);
    e.GetRange(r);
    e.GetControllerRange(lo, hi);
    e.SetRange(lo, hi, e.HasTwoControllerRanges(), false);
    e.SetRange(lo, hi);
    e.SetRange(static_cast<const Range&>(r));
    e.SetFullRange();
    e.SetRangeType(CRVEdit::eRangeExtend);
    e.SetControllerRange(lo, hi, e.UpdateControllerRange());
    e.SetControllerRange(r, false);
    e.MakeValidControllerRange();
    e.UpdateControllerRangeNotify();
    e.UpdateController();
    e.SetController(static_cast<CWnd*>(NULL));
    e.SetControlled(e.IsControlled());
    e.SetDynamic(true, false);
    e.SetDynamic(true);
    e.SetPrecision(3);
    e.SetSencetivity(0.5);
    e.SetDelayValidation(false);
    e.UpdateData(TRUE, false);
    e.UpdateData(FALSE);
    e.UpdateDataEx(static_cast<BOOL>(e.Create()));
    e.OnEndModify();
    e.Init();
    // The operations a const edit offers.
    const CRVEdit& c = e;
    c.GetRange(r);
    e.SetVal(c.GetVal() + c.GetSencetivity());
    e.SetControlled(c.InRange(1.0) && c.InControllerRange(1.0) && c.IsControllerOK() &&
                    c.IsDynamicMin() && c.IsDynamicMax() && e.IsKindOf(RUNTIME_CLASS(CRVEdit)) &&
                    e.IsKindOf(RUNTIME_CLASS(CRVEditTransient)));
}

// The float edit is the library's own: a host cannot make one, but its
// declarations are checked all the same (nothing here is ever emitted).
class CHostZEdit : public CZEdit {
protected:
    void PreSubclassWindow() override {}
};

inline void UseZEdit(CZEdit& z, CScrollBar* pScrollBar) {
    z.UpdateData(z.AttachToParent() && z.CreateSliderPopup());
    z.SetVal(2.5);
    z.UpdateSliderPos();
    z.OnSliderScroll(TB_THUMBTRACK, 50u, pScrollBar);
}

// The dynamic slider

class CHostSlider : public CSliderDyna {
public:
    BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) override { return FALSE; }
    ~CHostSlider() override {}

protected:
    void PreSubclassWindow() override {}
};

void UseSlider(CSliderDyna& s, CRVEdit* pEdit) {
    const int p = s.ValToPosn(1.0);
    s.SetValRange(0.0, s.PosnToVal(p));
    s.SetDynamic(static_cast<const CSliderDyna&>(s).InRange(1.0));
    s.SetDynamic(true, false);
    s.SetVal(s.GetVal());
    s.Enable(s.IsValidInit() && s.IsValid() && s.IsHorizontal());
    s.SetCurPosn(p);
    s.ResorePrevPosn();
    s.OnFloatStopped(s.IsTheActiveElem(pEdit));
    s.Init();
    s.SetClient(pEdit);
    s.SetTimer(s.UpdatePosn());
    s.UpdateData(true);
    s.Update();
    s.CreateMinMaxDisplay();
    s.UpdateMinMaxDisplay();
    s.AttachMinMaxCtrl(1019u, 1020u);
    s.Show(SW_SHOW);
    s.GetBuddyControl()->SetFocus();
    s.AttachBuddy();
}

// The buddy popup and the buddy hook

class CHostBuddyDlg : public CBuddySliderDlg {
public:
    CHostBuddyDlg() : CBuddySliderDlg(static_cast<CWnd*>(NULL)) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

class CHostBuddyHandler : public CSliderDynaBuddyHandler {
public:
    LRESULT WindowProc(UINT, WPARAM, LPARAM) override { return 0; }
    ~CHostBuddyHandler() override {}
};

void UseBuddies(CBuddySliderDlg& dlg, CSliderDynaBuddyHandler& handler, CSliderDyna* pSlider,
                CZEdit* pOwner) {
    dlg.SetOwnerEdit(pOwner);
    dlg.SetRangeLabels(-2.26, 1e3);
    dlg.SetSliderPos(12);
    handler.Attach(pSlider, dlg.GetSlider());
}

// The window message hook

class CHostHook : public CAIMsgHook {
public:
    LRESULT WindowProc(UINT, WPARAM, LPARAM) override { return 0; }
    BOOL HookWindow(CWnd*) override { return FALSE; }
    ~CHostHook() override {}
};

void UseHook(CAIMsgHook& hook, CWnd* pWnd) {
    const LRESULT l = hook.Default() + hook.WindowProc(WM_NULL, 0, 0);
    hook.EnableHandlers(hook.EnableHandlers(l != 0 && hook.HookWindow(pWnd) && hook.IsHooked()) &&
                        hook.IsKindOf(RUNTIME_CLASS(CAIMsgHook)));
}

// Dialogs and pages

// The item is pointer-sized; on 32-bit Windows that is DWORD itself, so a
// host's override written with DWORD stays an override there.
static_assert(sizeof(void*) != 4 || std::is_same<DWORD_PTR, DWORD>::value,
              "DoVerb's item is a DWORD on 32-bit Windows");

class CHostDialog : public CRVDialog {
public:
    CHostDialog() : CRVDialog(1001u, static_cast<CWnd*>(NULL)) {}
    EIterResult DoVerb(DWORD_PTR, DWORD) override { return eIterContinue; }
    void OnChildModified(CRVDialog*, UINT) override {}
    void UpdatePage() override {}
    BOOL OnInitDialog() override { return TRUE; }
    ~CHostDialog() override {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(CDataExchange*) override {}
};

void UseDialog(CRVDialog& d, CWnd* pParent, CSliderDyna* pSlider, CRVEdit* pEdit, CObList* pList) {
    d.SetModal(d.Edit(pParent));
    d.SetChildCount(d.CreateChild(pParent) + d.CreateAsChild(pParent, 1010u) +
                        d.CreateAsChild(pParent) + d.IsChild(),
                    true);
    d.SetChild(0, &d, 1010u);
    d.SetPlaceholderId(1010u);
    d.AttachSliderMaster(pSlider);
    d.SetCurrent(pEdit);
    d.SetModal(d.IsCurrent(pEdit) && d.IsKindOf(RUNTIME_CLASS(CRVDialog)));
    d.UndoLastChange();
    d.UpdatePage();
    d.UpdateSetup();
    d.AttachEditorList(pList);
    d.Unregister();
    d.OnChildModified(&d, 7u);
    d.SetChild(d.DoVerb(0x1234u, 7u) == eIterStop, &d, 1010u);
}

class CHostPage : public CRVPropertyPage {
public:
    CHostPage() : CRVPropertyPage(1001u, static_cast<CWnd*>(NULL)) {}
    bool CanExpand() override { return false; }
    int OnKillActive() override { return 1; }
    int OnSetActive() override { return 1; }
    void UpdatePage() override {}

protected:
    void DoDataExchange(CDataExchange*) override {}
};

class CHostSheet : public CRVPropSheet {
public:
    int CreatePage(int) override { return 0; }
    ~CHostSheet() override {}
};

void UsePages(CRVPropSheet& sheet, CRVPropertyPage* pPage, CWnd* pHost) {
    CRVPropertyPage plain;
    sheet.SetParent(pHost, 1010u);
    sheet.AddPage(pPage, 1001u, _T("Page"));
    sheet.ShowCurPageContents(
        sheet.CreatePage(plain.IsActivePage() + pPage->OnSetActive() + pPage->OnKillActive()));
    sheet.RemovePage(sheet.RemovePage(pPage));
    sheet.RemoveAll();
    sheet.Show(sheet.FindPage(pPage) + sheet.GetPageCount());
    sheet.Show(pPage->CanExpand() && sheet.GetActivePageClassName().IsEmpty() &&
               sheet.IsKindOf(RUNTIME_CLASS(CRVPropSheet)) &&
               pPage->IsKindOf(RUNTIME_CLASS(CRVPropertyPage)));
}

// The property panel

class CHostPane : public Pane {
public:
    bool CanExpand() override { return false; }
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
    CRect rect(0, 0, 227, 25);
    const UINT nHeight = Pane::Construct(pPage)->Create(&panel, pView, rect, panel.IsInitExOK());
    pPane->GetPage()->UpdatePage();
    pPane->SetTitle(_T("Title"));
    pPane->DisplayTitle();
    pPane->Show(pPane->IsExpanded() && pPane->IsVisible() && pPane->CanExpand());
    pPane->Shift(static_cast<int>(nHeight));
    pPane->ChangeExpansionState();
    pPane->Expand();
    Pane standalone(static_cast<CWnd*>(NULL));
}

// Dialog templates

class CHostTemplates : public ResTemplMngr {
public:
    ~CHostTemplates() override {}
};

// The library's DLL, named for the character set.
#ifdef _UNICODE
const TCHAR kLibrary[] = _T("dovuv32u.dll");
#else
const TCHAR kLibrary[] = _T("dovuv32.dll");
#endif

bool UseTemplates() {
    ResTemplMngr manager;
    ResTemplMngr copy(manager);
    copy = manager;
    RECT rect;
    DLGTEMPLATE* pTemplate = ResTemplMngr::LoadDlgTempl(kLibrary, 1030u);
    return pTemplate != NULL && ResTemplMngr::GetDlgTemplRectLogical(NULL, 1030u, rect) &&
           ResTemplMngr::GetDlgTemplRect(NULL, 1030u, rect);
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
    CHostDC(pDC).FillGradient(CRect(0, 0, 4, 1), RGB(0, 190, 0), RGB(0, 255, 0));
    rvMoveWindow(pWnd, pWnd->GetParent(), rvFindMenuItem(pMenu, _T("&File")), 10);
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
