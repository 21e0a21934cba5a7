// A second extension DLL loaded at run time: while it is loaded, its dialog
// template and string are found through the ordinary resource search; once
// unloaded, they are not.
#include "TestApp.h"

#include "extdll/ExtDllIds.h"

#include <gtest/gtest.h>

namespace {

// The string as AfxLoadString finds it; CString::LoadString walks the same
// chain and gives it in either width, or fails with an empty string.
CString LoadedText() {
    TCHAR szText[64];
    const BOOL bFound = AfxLoadString(IDS_EXT_TEXT, szText, 64) > 0;
    CStringA strA(_T("stale"));
    CStringW strW(_T("stale"));
    EXPECT_EQ(bFound, strA.LoadString(IDS_EXT_TEXT));
    EXPECT_EQ(bFound, strW.LoadString(IDS_EXT_TEXT));
    EXPECT_EQ(CStringA(szText), strA);
    EXPECT_EQ(CStringW(szText), strW);
    return szText;
}

bool TemplateFound() {
    const LPCTSTR lpszName = MAKEINTRESOURCE(IDD_EXT_DIALOG);
    return ::FindResource(AfxFindResourceHandle(lpszName, RT_DIALOG), lpszName, RT_DIALOG) != NULL;
}

TEST(ExtensionDll, ResourcesFoundOnlyWhileLoaded) {
    EXPECT_FALSE(TemplateFound());
    EXPECT_STREQ(_T(""), LoadedText());

    HMODULE hDll = ::LoadLibrary(_T("extdll.dll"));
    ASSERT_NE(hDll, nullptr);
    EXPECT_EQ(hDll, AfxFindResourceHandle(MAKEINTRESOURCE(IDD_EXT_DIALOG), RT_DIALOG));
    EXPECT_STREQ(_T("Hello from the extension."), LoadedText());
    {
        CDialog dlg(IDD_EXT_DIALOG);
        ASSERT_TRUE(dlg.Create(IDD_EXT_DIALOG));
        EXPECT_NE(nullptr, dlg.GetDlgItem(IDC_EXT_EDIT));
        EXPECT_STREQ(_T("Extension"), WindowText(dlg));
        dlg.DestroyWindow();
    }

    ASSERT_TRUE(::FreeLibrary(hDll));
    EXPECT_EQ(nullptr, ::GetModuleHandle(_T("extdll.dll")));
    EXPECT_FALSE(TemplateFound());
    CDialog gone(IDD_EXT_DIALOG);
    EXPECT_FALSE(gone.Create(IDD_EXT_DIALOG));
    EXPECT_STREQ(_T(""), LoadedText());
}

} // namespace
