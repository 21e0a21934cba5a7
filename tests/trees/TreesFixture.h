// The trees' test dialog: a CRVDialog that records the verbs its tree
// passes on, shown as a child of a hidden top-level window.
#pragma once

#include <RVDialog.h>
#include <RVTreeCtrl.h>
#include <XMLTree.h>

#include "TreesTestIds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

class CTreesDlg : public CRVDialog {
public:
    CTreesDlg() : CRVDialog(IDD_TREES, NULL) {}

    EIterResult DoVerb(DWORD_PTR dwItem, DWORD dwVerb) override {
        verbs.emplace_back(reinterpret_cast<HTREEITEM>(dwItem), dwVerb);
        return eIterStop; // the walks go on whatever the dialog answers
    }

    RVTreeCtrl pathTree;
    XMLTree xmlTree;
    std::vector<std::pair<HTREEITEM, DWORD>> verbs;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CRVDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_PATHTREE, pathTree);
        DDX_Control(pDX, IDC_XMLTREE, xmlTree);
    }
};

class TreesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 640, 400, NULL, NULL));
        dlg = new CTreesDlg;
        ASSERT_TRUE(dlg->Create(IDD_TREES, &host));
    }
    void TearDown() override {
        if (dlg != NULL)
            dlg->DestroyWindow();
        delete dlg;
        host.DestroyWindow();
    }

    CWnd host;
    CTreesDlg* dlg = NULL;
};
