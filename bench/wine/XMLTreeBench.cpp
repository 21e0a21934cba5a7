// Workload 5: a tag file of 50,000 node records in nested folders loaded
// into an XMLTree and saved back, against the tree view's own cost of
// inserting the same items from memory, and against the walk through the
// items that saving needs (the same tree-view messages, nothing written)
// followed by plain buffered writes of the same bytes, and those writes
// alone.
#include <afxcmn.h>
#include <afxwin.h>

#include <XMLTree.h>

#include "SampleNode.h"
#include "TagTree.h"
#include "WineBench.h"

#include <fstream>
#include <memory>

namespace {

using winbench::Contender;
using winbench::Outcome;
using winbench::TagTree;

CWinApp theApp(_T("XMLTreeBench"));

// The bench compares 8-bit texts; a Unicode build's items hold the same
// ASCII texts.
std::string Narrow(LPCTSTR p) {
#ifdef _UNICODE
    return std::string(CStringA(p));
#else
    return std::string(p);
#endif
}

const DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;

// Every item in pre-order, with its depth and whether it carries data.
void AddItems(const CTreeCtrl& tree, HTREEITEM hParent, int nLevel, Outcome& outcome) {
    for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h)) {
        const char chKind = tree.GetItemData(h) ? 'n' : 'f';
        outcome.Add(std::to_string(nLevel) + chKind + Narrow(tree.GetItemText(h)));
        AddItems(tree, h, nLevel + 1, outcome);
    }
}

Outcome TreeOutcome(const CTreeCtrl& tree) {
    Outcome outcome;
    AddItems(tree, NULL, 1, outcome);
    return outcome;
}

Outcome FileOutcome(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    Outcome outcome;
    std::string strLine;
    while (std::getline(in, strLine))
        outcome.Add(strLine);
    return outcome;
}

// The two tree views, children of a hidden top-level window: a shown one
// costs seconds under Wine and the items are the same either way.
class Bench {
public:
    // The items' texts in the build's characters are made before any run.
    explicit Bench(const TagTree& data) : m_data(data) {
        m_texts.reserve(data.items.size());
        for (const TagTree::Item& item : data.items)
            m_texts.emplace_back(item.strText.c_str());
    }
    ~Bench() {
        DeleteNodes();
        m_host.DestroyWindow();
    }

    bool Create() {
        return m_host.CreateEx(0, AfxRegisterWndClass(0), _T("bench"), WS_POPUP,
                               CRect(0, 0, 400, 600), NULL, 0) &&
               m_ours.Create(kTreeStyle, CRect(0, 0, 200, 600), &m_host, 1) &&
               m_anchor.Create(kTreeStyle, CRect(200, 0, 400, 600), &m_host, 2);
    }

    bool Load(winbench::Report& report, const std::string& strPath) {
        m_file.SetFileName(strPath.c_str());
        m_ours.AttachFile(&m_file);
        m_ours.SetImgId(false, 0, 1);
        m_ours.SetImgId(true, 2, 3);
        const Contender ours{"ours XMLTree Load", [this] { DeleteNodes(); },
                             [this] { return m_ours.Load(); },
                             [this] { return TreeOutcome(m_ours); }};
        const Contender anchor{"TVM-INSERTITEM from memory", [this] { m_anchor.DeleteAllItems(); },
                               [this] { return InsertFromMemory(); },
                               [this] { return TreeOutcome(m_anchor); }};
        return report.Workload("5_XMLTree_load", static_cast<double>(m_data.nBytes),
                               static_cast<double>(m_data.items.size()), {ours, anchor});
    }

    // The tree that the load left in the ours view is saved.
    bool Save(winbench::Report& report, const std::string& strOurs, const std::string& strAnchor) {
        m_file.SetFileName(strOurs.c_str());
        std::ofstream(strOurs, std::ios::binary) << "x\r\n"; // Save writes over a file only
        const Contender ours{"ours XMLTree Save", nullptr, [this] { return m_ours.Save(); },
                             [strOurs] { return FileOutcome(strOurs); }};
        const Contender limit{"limit bare walk + fwrite", nullptr,
                              [this, strAnchor] {
                                  return BareWalk() == WalkOutcome(m_data) &&
                                         WriteTagFile(m_data, strAnchor);
                              },
                              [strAnchor] { return FileOutcome(strAnchor); }};
        const Contender anchor{"fwrite 32 KiB buffer", nullptr,
                               [this, strAnchor] { return WriteTagFile(m_data, strAnchor); },
                               [strAnchor] { return FileOutcome(strAnchor); }};
        return report.Workload("5_XMLTree_save", static_cast<double>(m_data.nBytes),
                               static_cast<double>(m_data.items.size()), {ours, limit, anchor});
    }

private:
    // What the walk below meets: each folder's level and text, each node's
    // level (a save asks a node for its record, not for its item's text).
    static void AddWalked(Outcome& outcome, int nLevel, LPCTSTR pText) {
        outcome.Add(std::to_string(nLevel) + (pText ? "f" + Narrow(pText) : "n"));
    }
    static Outcome WalkOutcome(const TagTree& data) {
        Outcome outcome;
        for (const TagTree::Item& item : data.items)
            AddWalked(outcome, item.nLevel,
                      item.bNode ? NULL : static_cast<LPCTSTR>(CString(item.strText.c_str())));
        return outcome;
    }

    // The messages XMLTree::Save sends for each item: its data, for a folder
    // its text and its first child, then each child's next sibling.
    Outcome BareWalk() const {
        Outcome outcome;
        WalkChildren(NULL, 1, outcome);
        return outcome;
    }
    void WalkChildren(HTREEITEM hParent, int nLevel, Outcome& outcome) const {
        HTREEITEM hChild = reinterpret_cast<HTREEITEM>(::SendMessage(
            m_ours.m_hWnd, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(hParent)));
        while (hChild != NULL) {
            const HTREEITEM hNext = reinterpret_cast<HTREEITEM>(::SendMessage(
                m_ours.m_hWnd, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hChild)));
            WalkItem(hChild, nLevel, outcome);
            hChild = hNext;
        }
    }
    void WalkItem(HTREEITEM hItem, int nLevel, Outcome& outcome) const {
        TVITEM item = {};
        item.hItem = hItem;
        item.mask = TVIF_PARAM;
        ::SendMessage(m_ours.m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        if (item.lParam != 0) {
            AddWalked(outcome, nLevel, NULL);
            return;
        }
        TCHAR szText[256];
        szText[0] = '\0';
        item.mask = TVIF_TEXT;
        item.pszText = szText;
        item.cchTextMax = sizeof szText / sizeof szText[0];
        ::SendMessage(m_ours.m_hWnd, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        AddWalked(outcome, nLevel, item.pszText);
        WalkChildren(hItem, nLevel + 1, outcome);
    }

    // The parent of each level is the item inserted last one level up; node
    // items carry a data value, as the loaded ones do.
    bool InsertFromMemory() {
        std::vector<HTREEITEM> parents(8, TVI_ROOT);
        TVINSERTSTRUCT tvis = {};
        tvis.hInsertAfter = TVI_LAST;
        for (size_t i = 0; i < m_data.items.size(); ++i) {
            const TagTree::Item& item = m_data.items[i];
            const size_t nLevel = static_cast<size_t>(item.nLevel);
            if (nLevel >= parents.size())
                parents.resize(nLevel + 1, TVI_ROOT);
            tvis.hParent = parents[nLevel - 1];
            tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
            tvis.item.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(m_texts[i]));
            tvis.item.iImage = item.bNode ? 2 : 0;
            tvis.item.iSelectedImage = item.bNode ? 3 : 1;
            tvis.item.lParam = item.bNode ? reinterpret_cast<LPARAM>(&item) : 0;
            parents[nLevel] = reinterpret_cast<HTREEITEM>(
                ::SendMessage(m_anchor.m_hWnd, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&tvis)));
            if (parents[nLevel] == NULL)
                return false;
        }
        return true;
    }

    // The host's part before the items go: the tree never deletes nodes.
    void CollectNodes(HTREEITEM hParent, std::vector<XMLNode*>& nodes) {
        for (HTREEITEM h = m_ours.GetChildItem(hParent); h; h = m_ours.GetNextSiblingItem(h)) {
            if (XMLNode* pNode = m_ours.GetNode(h))
                nodes.push_back(pNode);
            CollectNodes(h, nodes);
        }
    }
    void DeleteNodes() {
        std::vector<XMLNode*> nodes;
        CollectNodes(NULL, nodes);
        m_ours.DeleteAllItems();
        for (XMLNode* pNode : nodes)
            delete pNode;
    }

    const TagTree& m_data;
    std::vector<CString> m_texts;
    CWnd m_host;
    XMLTree m_ours;
    CTreeCtrl m_anchor;
    SampleFile m_file;
};

bool Run(winbench::Report& report) {
    const TagTree data = winbench::MakeTagTree(winbench::Scaled(50000));
    const std::string strFolder = winbench::TempFolder();
    const std::string strInput = strFolder + "\\load.xml";
    if (!WriteTagFile(data, strInput)) {
        std::fprintf(stderr, "cannot write %s\n", strInput.c_str());
        return false;
    }
    Bench bench(data);
    if (!bench.Create()) {
        std::fprintf(stderr, "cannot create the tree views\n");
        return false;
    }
    const bool bLoaded = bench.Load(report, strInput);
    return bench.Save(report, strFolder + "\\ours.xml", strFolder + "\\anchor.xml") && bLoaded;
}

} // namespace

int main(int argc, char** argv) {
    return winbench::Main(argc, argv, Run);
}
