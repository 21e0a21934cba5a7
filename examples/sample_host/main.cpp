// The sample host of the library. Run with a working folder and a folder
// for screenshots, it plays the sample dialog and the other dialogs step by
// step and then works on real files, printing a transcript; with
// --interactive it opens the sample dialog for a person to use.
#include "SampleHost.h"

#include <dovuv32.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

// Prompts are printed in the transcript instead of waiting for a click,
// unless a person is at the screen.
class CSampleApp : public CWinApp {
public:
    CSampleApp() : CWinApp(_T("sample_host")) {}
    bool m_bInteractive = false;

    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        if (m_bInteractive)
            return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
        std::printf("  (prompt: \"%s\")\n", Out(lpszPrompt));
        return IDOK;
    }
};

CSampleApp theApp;

} // namespace

void Title(const char* text) {
    std::printf("\n== %s\n", text);
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--interactive") == 0) {
        theApp.m_bInteractive = true;
        CTestDlg dlg;
        return dlg.DoModal() == -1 ? 1 : 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: sample_host WORK-FOLDER SCREENSHOT-FOLDER\n"
                             "       sample_host --interactive\n");
        return 2;
    }
    std::filesystem::current_path(argv[1]);
    std::printf("working in %s\n", argv[1]);
    const int nShots = RunWalkthrough(CString(argv[2]));
    RunFileSteps();
    std::printf("\n%d screenshots in %s\n", nShots, argv[2]);
    return nShots > 0 ? 0 : 1;
}
