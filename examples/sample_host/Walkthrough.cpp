// The walkthrough: the sample dialog played step by step as a user would
// (focus, drag, float, type), then a property sheet, a property panel and a
// tag file in a tree view, each step printed and the key ones saved as
// screenshots.
#include "SampleHost.h"
#include "SampleHostIds.h"
#include "SampleNode.h"

#include <dovuv32.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// Runs the message loop for a while: timers tick, windows paint.
void Pump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    MSG msg;
    do {
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < ms);
}

class Shots {
public:
    explicit Shots(LPCTSTR lpszFolder) : m_folder(lpszFolder) {}
    void Take(CWnd& wnd, const char* name) {
        const CString path = m_folder + _T("\\") + name;
        if (SaveWindowPng(wnd.m_hWnd, path)) {
            std::printf("  [screenshot %s]\n", name);
            ++m_nSaved;
        } else {
            std::printf("  [screenshot %s could not be taken]\n", name);
        }
    }
    int Saved() const { return m_nSaved; }

private:
    CString m_folder;
    int m_nSaved = 0;
};

// The sample dialog as the library ships it, with a transcript of the
// notifications it receives.
class CWalkDlg : public CTestDlg {
public:
    CRVEdit& Edit1012() { return m_edit1012; }
    CRVEdit& Edit1013() { return m_edit1013; }
    CSliderDyna& Slider() { return m_slider; }

    // Moves the thumb as a drag does and sends what the trackbar sends.
    void Drag(int nPos, bool bRelease) {
        m_slider.SetPos(nPos);
        SendMessage(WM_VSCROLL, MAKEWPARAM(TB_THUMBTRACK, nPos),
                    reinterpret_cast<LPARAM>(m_slider.m_hWnd));
        if (bRelease)
            SendMessage(WM_VSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(m_slider.m_hWnd));
    }

    void PrintSlider() {
        double lo, hi;
        m_slider.GetValRange(lo, hi);
        std::printf("  slider: value %.4f, display range %.4f .. %.4f (labels \"%s\" \"%s\"), "
                    "thumb %d%s\n",
                    m_slider.GetVal(), lo, hi, Out(m_slider.GetMinText()),
                    Out(m_slider.GetMaxText()), m_slider.GetPos(),
                    m_slider.GetFloatDir() < 0   ? ", floating down"
                    : m_slider.GetFloatDir() > 0 ? ", floating up"
                                                 : "");
    }
    void PrintTexts() {
        CString text1012, text1013, text1015, text1000;
        GetDlgItemText(IDC_SAMPLE_EDIT, text1012);
        GetDlgItemText(IDC_SAMPLE_TRANSIENT, text1013);
        GetDlgItemText(IDC_SAMPLE_LAST_VALUE, text1015);
        GetDlgItemText(IDC_SAMPLE_FLOAT_EDIT, text1000);
        std::printf("  edit 1012 \"%s\", edit 1013 \"%s\", echo 1015 \"%s\", float edit 1000 "
                    "\"%s\"\n",
                    Out(text1012), Out(text1013), Out(text1015), Out(text1000));
    }
    // The notifications since the last call, in order; ticks and scroll
    // notifications counted.
    void PrintReceived() {
        if (m_received.empty() && m_nTicks == 0 && m_nScrolls == 0)
            std::printf("  the dialog received no notification\n");
        for (const std::string& line : m_received)
            std::printf("  the dialog received %s\n", line.c_str());
        if (m_nScrolls > 0)
            std::printf("  the dialog received %d WM_VSCROLL forwarded by the slider\n",
                        m_nScrolls);
        if (m_nTicks > 0)
            std::printf("  the dialog received %d WM_TIMER float ticks\n", m_nTicks);
        m_received.clear();
        m_nTicks = m_nScrolls = 0;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        static const std::map<UINT, const char*> names = {
            {WM_RV_SET_FOCUS, "WM_RV_SET_FOCUS"},
            {WM_RV_EDIT_CHANGED, "WM_RV_EDIT_CHANGED"},
            {WM_RV_END_MODIFY, "WM_RV_END_MODIFY"},
        };
        const auto name = names.find(message);
        if (name != names.end()) {
            const CRVEdit* pEdit = reinterpret_cast<const CRVEdit*>(wParam);
            char line[128];
            std::snprintf(line, sizeof line, "%s from edit %d (value %.4f)", name->second,
                          pEdit->GetDlgCtrlID(), pEdit->GetVal());
            m_received.push_back(line);
        } else if (message == WM_VSCROLL && lParam == 0) {
            ++m_nScrolls;
        } else if (message == WM_TIMER) {
            ++m_nTicks;
        }
        return CTestDlg::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<std::string> m_received;
    int m_nTicks = 0;
    int m_nScrolls = 0;
};

void PlaySampleDialog(Shots& shots) {
    Title("sample dialog: opened");
    CWalkDlg dlg;
    if (!dlg.Create(IDD_SAMPLE)) {
        std::printf("the sample dialog could not be created\n");
        return;
    }
    dlg.ShowWindow(SW_SHOW);
    Pump(200);
    dlg.PrintTexts();
    dlg.PrintSlider();
    dlg.PrintReceived();
    shots.Take(dlg, "01-sample-dialog.png");

    Title("focus edit 1012 and drag the slider");
    dlg.Edit1012().SetFocus();
    for (int pos : {40, 70, 90}) {
        dlg.Drag(pos, pos == 90);
        std::printf("  thumb to %d: edit 1012 shows %.4f\n", pos, dlg.Edit1012().GetVal());
    }
    dlg.PrintSlider();
    dlg.PrintTexts();
    dlg.PrintReceived();
    shots.Take(dlg, "02-dragged.png");

    Title("push the thumb to the top end: the value floats beyond the display range");
    dlg.Drag(120, true);
    std::printf("  float timer period %u ms\n", dlg.Slider().GetTimerPeriod());
    Pump(3000);
    dlg.PrintSlider();
    dlg.PrintTexts();
    dlg.PrintReceived();
    shots.Take(dlg, "03-floating.png");
    dlg.Drag(60, true);
    std::printf("  thumb back to 60: the display range moved with the value\n");
    dlg.PrintSlider();
    dlg.PrintReceived();

    Title("type into edit 1013 and leave it");
    dlg.Edit1013().SetFocus();
    dlg.Edit1013().SetWindowText(_T("35"));
    std::printf("  typed \"35\" (the range ends at 20)\n");
    dlg.Edit1012().SetFocus();
    dlg.PrintReceived();
    std::printf("  edit 1013 returns to zero after the commit, as a transient edit does\n");
    dlg.SetDlgItemText(IDC_SAMPLE_FLOAT_EDIT, _T("7.5"));
    const HWND hPopup = ::FindWindowEx(dlg.m_hWnd, NULL, _T("#32770"), NULL);
    std::printf(
        "  typed \"7.5\" into the float edit: its popup thumb is at %d of 100\n",
        static_cast<int>(::SendDlgItemMessage(hPopup, IDC_BUDDY_TRACKBAR, TBM_GETPOS, 0, 0)));
    dlg.PrintTexts();
    dlg.PrintSlider();
    shots.Take(dlg, "04-typed.png");
    dlg.DestroyWindow();
}

} // namespace

// Pages that tell their class names (run-time classes live outside an
// unnamed namespace).
class CGeneralPage : public CRVPropertyPage {
    DECLARE_DYNAMIC(CGeneralPage)
public:
    CGeneralPage() : CRVPropertyPage(IDD_PAGE_GENERAL, NULL) {}
};
IMPLEMENT_DYNAMIC(CGeneralPage, CRVPropertyPage)
class CUnitsPage : public CRVPropertyPage {
    DECLARE_DYNAMIC(CUnitsPage)
public:
    CUnitsPage() : CRVPropertyPage(IDD_PAGE_UNITS, NULL) {}
};
IMPLEMENT_DYNAMIC(CUnitsPage, CRVPropertyPage)
class CDisplayPage : public CRVPropertyPage {
    DECLARE_DYNAMIC(CDisplayPage)
public:
    CDisplayPage() : CRVPropertyPage(IDD_PAGE_DISPLAY, NULL) {}
};
IMPLEMENT_DYNAMIC(CDisplayPage, CRVPropertyPage)

namespace {

class CSheetHost : public CDialog {
public:
    CRVPropSheet m_sheet;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_SHEET_TABS, m_sheet); }
};

void PlaySheet(Shots& shots) {
    Title("a property sheet switching pages");
    CSheetHost host;
    CGeneralPage general;
    CUnitsPage units;
    CDisplayPage display;
    if (!host.Create(IDD_SHEET_HOST))
        return;
    host.m_sheet.SetParent(&host, IDC_SHEET_PLACE);
    host.m_sheet.AddPage(&general, IDD_PAGE_GENERAL, _T("General"));
    host.m_sheet.AddPage(&units, IDD_PAGE_UNITS, _T("Units"));
    host.m_sheet.AddPage(&display, IDD_PAGE_DISPLAY, _T("Display"));
    host.ShowWindow(SW_SHOW);
    auto print = [&]() {
        std::printf("  active page %s;", Out(host.m_sheet.GetActivePageClassName()));
        for (int i = 0; i < host.m_sheet.GetPageCount(); ++i) {
            CRVPropertyPage* pPage = host.m_sheet.GetPage(i);
            std::printf(" page %d %s%s", i, pPage->m_hWnd != NULL ? "created" : "not created",
                        pPage->IsActivePage() ? " and active" : "");
        }
        std::printf("\n");
    };
    print();
    host.m_sheet.SetCurSel(2);
    NMHDR nm = {host.m_sheet.m_hWnd, IDC_SHEET_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    host.SendMessage(WM_NOTIFY, IDC_SHEET_TABS, reinterpret_cast<LPARAM>(&nm));
    std::printf("  the third tab chosen\n");
    print();
    shots.Take(host, "05-property-sheet.png");
    host.DestroyWindow();
}

class CPanelView : public CFormView {
public:
    CPanelView() : CFormView(IDD_PANEL_VIEW) {}
};

void PlayPanel(Shots& shots) {
    Title("a property panel expanding and collapsing a pane");
    CWnd frame;
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!frame.CreateEx(0, lpszClass, _T("Property panel"), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        120, 120, 270, 300, NULL, NULL))
        return;
    CPanelView* pView = new CPanelView; // deleted with its window
    pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 262, 270), &frame, 1);
    {
        PropertyPanel panel; // owns its panes, and they their pages
        const struct {
            UINT nTemplate;
            LPCTSTR title;
        } panes[] = {{IDD_PANEL_SIZE, _T("Size")},
                     {IDD_PANEL_COLOUR, _T("Colour")},
                     {IDD_PANEL_NOTES, _T("Notes")}};
        for (const auto& p : panes)
            panel.AddPane(new CRVPropertyPage(p.nTemplate, NULL));
        panel.Create(pView, CPoint(10, 10));
        for (int i = 0; i < panel.GetPaneCount(); ++i)
            panel.GetPane(i)->SetTitle(panes[i].title);
        frame.ShowWindow(SW_SHOW);
        auto print = [&]() {
            for (int i = 0; i < panel.GetPaneCount(); ++i) {
                Pane* pPane = panel.GetPane(i);
                CRect rect;
                pPane->GetWindowRect(rect);
                pView->ScreenToClient(rect);
                std::printf("  pane \"%s\" at top %d, %s\n", Out(pPane->GetTitle()),
                            static_cast<int>(rect.top),
                            pPane->IsExpanded() ? "expanded" : "collapsed");
            }
        };
        print();
        Pane* pFirst = panel.GetPane(0);
        pFirst->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        std::printf("  clicked \"Size\": its page opens under it, the panes below move down\n");
        print();
        shots.Take(frame, "06-panel-expanded.png");
        pFirst->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        std::printf("  clicked \"Size\" again\n");
        print();
        shots.Take(frame, "07-panel-collapsed.png");
        frame.DestroyWindow();
    }
}

class CTreeHost : public CRVDialog {
public:
    CTreeHost() : CRVDialog(IDD_TREE_HOST, NULL) {}
    XMLTree m_tree;

    // The nodes are the host's: the tree only shows them.
    void DeleteNodes(HTREEITEM hItem) {
        for (HTREEITEM h = m_tree.GetChildItem(hItem); h != NULL;
             h = m_tree.GetNextSiblingItem(h)) {
            DeleteNodes(h);
            delete m_tree.GetNode(h);
        }
    }
    void PrintItems(HTREEITEM hItem) {
        for (HTREEITEM h = m_tree.GetChildItem(hItem); h != NULL;
             h = m_tree.GetNextSiblingItem(h)) {
            std::printf("  %s %s\n", m_tree.IsFolder(h) ? "folder" : "node  ",
                        Out(m_tree.GetItemPath(h)));
            PrintItems(h);
        }
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TREE, m_tree); }
};

void PrintFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const bool crlf = !line.empty() && line.back() == '\r';
        if (crlf)
            line.pop_back();
        for (size_t i = 0; (i = line.find('\t', i)) != std::string::npos;)
            line.replace(i, 1, "    ");
        std::printf("  | %s%s\n", line.c_str(), crlf ? "" : "   (no CR LF)");
    }
}

void PlayTree(Shots& shots) {
    Title("a tag file in a tree view: load, rename, save");
    const char* name = "tools.xml";
    {
        std::ofstream out(name, std::ios::binary);
        out << "<?xml version=\"1.0\"?>\r\n"
               "\t<Tools>\r\n"
               "\t\t<item>\r\n\t\t\t<name>Saw</name>\r\n\t\t\t<size>12</size>\r\n\t\t</item>\r\n"
               "\t\t<Old>\r\n"
               "\t\t\t<item>\r\n\t\t\t\t<name>File</name>\r\n\t\t\t\t<note>blunt</note>\r\n"
               "\t\t\t</item>\r\n"
               "\t\t</Old>\r\n"
               "\t</Tools>\r\n"
               "\t<Garden>\r\n"
               "\t\t<item>\r\n\t\t\t<name>Spade</name>\r\n\t\t\t<weight>2.5</weight>\r\n"
               "\t\t</item>\r\n"
               "\t</Garden>\r\n";
    }
    std::printf("the file %s:\n", name);
    PrintFile(name);

    CTreeHost host;
    SampleFile file;
    file.SetFileName(CString(name));
    if (!host.Create(IDD_TREE_HOST))
        return;
    host.m_tree.AttachFile(&file);
    const bool loaded = host.m_tree.Load();
    std::printf("loaded: %s; the tree holds\n", loaded ? "yes" : "no");
    host.m_tree.ExpandPath(_T("Tools\\Old"));
    host.m_tree.ExpandPath(_T("Garden"));
    host.PrintItems(TVI_ROOT);

    HTREEITEM hSaw = host.m_tree.GetItemHandle(_T("Tools\\Saw"));
    host.m_tree.SetItemText(hSaw, _T("Hand saw"));
    host.m_tree.SelectItem(host.m_tree.GetItemHandle(_T("Tools\\Hand saw")));
    std::printf("renamed Tools\\Saw: the selected item is now %s\n",
                Out(host.m_tree.GetSelectedPath()));
    host.ShowWindow(SW_SHOW);
    shots.Take(host, "08-tag-file-tree.png");
    std::printf("saved: %s; the file now reads\n", host.m_tree.Save() ? "yes" : "no");
    PrintFile(name);
    host.DeleteNodes(TVI_ROOT);
    host.DestroyWindow();
}

} // namespace

int RunWalkthrough(LPCTSTR lpszShots) {
    Shots shots(lpszShots);
    PlaySampleDialog(shots);
    PlaySheet(shots);
    PlayPanel(shots);
    PlayTree(shots);
    return shots.Saved();
}
