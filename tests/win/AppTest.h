// The tests' application object: it records prompts instead of showing them.
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
    CTestApp() : CWinApp("win_tests") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        prompts.push_back({lpszPrompt, nType, nIDPrompt});
        return IDOK;
    }
    std::vector<RecordedPrompt> prompts;
};

CTestApp& TestApp();
