// A minimal extension DLL: it joins the resource search chain of the process
// that loads it and leaves it when unloaded.
#include <afxwin.h>

static AFX_EXTENSION_MODULE extDLL = {};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(extDLL, hInstance))
            return FALSE;
        new CDynLinkLibrary(extDLL);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(extDLL);
    }
    return TRUE;
}
