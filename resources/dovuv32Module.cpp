// The library's start and stop. Loaded into a host, dovuv32.dll joins the
// host's resource search chain as an extension module, so that the host finds
// its dialog templates, strings and run-time classes; unloaded, it leaves the
// chain again. Its globals (the process-wide precision, the hook map) are
// built before and destroyed after this, by the C++ runtime of the DLL.
#include <afxwin.h>

static AFX_EXTENSION_MODULE dovuv32DLL = {};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(dovuv32DLL, hInstance))
            return FALSE;
        // The chain owns the object and deletes it at termination.
        new CDynLinkLibrary(dovuv32DLL);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(dovuv32DLL);
    }
    return TRUE;
}
