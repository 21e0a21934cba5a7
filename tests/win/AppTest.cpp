#include "TestApp.h"

#include "WinTestIds.h"

#include <gtest/gtest.h>

DOVUV32_TEST_APP("win_tests")

namespace {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { theApp.prompts.clear(); }
};

TEST_F(AppTest, PromptsGoThroughTheApplicationObject) {
    ASSERT_EQ(&theApp, AfxGetApp());

    EXPECT_EQ(IDOK, AfxMessageBox(_T("Plain text"), MB_YESNO, 7));
    // By id: the host's own string, and the framework's prompt from its own
    // module at the end of the search; help id -1 stands for the prompt id.
    AfxMessageBox(IDS_GREETING);
    AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, 0);

    ASSERT_EQ(3u, theApp.prompts.size());
    EXPECT_EQ("Plain text", theApp.prompts[0].text);
    EXPECT_EQ(UINT(MB_YESNO), theApp.prompts[0].nType);
    EXPECT_EQ(7u, theApp.prompts[0].nIDPrompt);
    EXPECT_EQ("Hello from the host.", theApp.prompts[1].text);
    EXPECT_EQ(UINT(IDS_GREETING), theApp.prompts[1].nIDPrompt);
    EXPECT_EQ("Please enter a number.", theApp.prompts[2].text);
    EXPECT_EQ(0u, theApp.prompts[2].nIDPrompt);
}

TEST_F(AppTest, ResourceSearchWalksTheExtensionChain) {
    HINSTANCE hHost = AfxGetInstanceHandle();
    HMODULE hFramework = NULL;
    ::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                            GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                        reinterpret_cast<LPCTSTR>(&AfxFindResourceHandle), &hFramework);
    ASSERT_NE(hHost, hFramework);
    EXPECT_EQ(hHost, AfxFindResourceHandle(MAKEINTRESOURCE(IDD_EXCHANGE), RT_DIALOG));

    // With the framework as the resource module, the host's template is found
    // only through an extension record, and no longer once it is gone.
    HINSTANCE hOldResource = AfxGetResourceHandle();
    AfxSetResourceHandle(hFramework);
    const LPCTSTR lpszTemplate = MAKEINTRESOURCE(IDD_EXCHANGE);
    EXPECT_EQ(NULL, ::FindResource(AfxFindResourceHandle(lpszTemplate, RT_DIALOG), lpszTemplate,
                                   RT_DIALOG));
    AFX_EXTENSION_MODULE module = {FALSE, NULL, NULL};
    ASSERT_TRUE(AfxInitExtensionModule(module, hHost));
    new CDynLinkLibrary(module);
    EXPECT_EQ(hHost, AfxFindResourceHandle(lpszTemplate, RT_DIALOG));
    // Templates and strings found this way, and not once the module is
    // gone: ExtensionDllTest.
    AfxTermExtensionModule(module);
    EXPECT_NE(hHost, AfxFindResourceHandle(lpszTemplate, RT_DIALOG));
    AfxSetResourceHandle(hOldResource);
}

} // namespace
