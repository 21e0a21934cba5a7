// A window test program's application object: it records prompts instead of
// showing them. Each program defines one (CTestApp theApp) and TestApp().
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

struct RecordedPrompt {
    std::string text;
    UINT nType;
    UINT nIDPrompt;
};

class CTestApp : public CWinApp {
public:
    explicit CTestApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        prompts.push_back({lpszPrompt, nType, nIDPrompt});
        return IDOK;
    }
    std::vector<RecordedPrompt> prompts;
};

CTestApp& TestApp();
