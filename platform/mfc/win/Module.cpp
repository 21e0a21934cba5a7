#include "afxwin.h"

// The resource search chain: the host's resource module first, then the
// registered extension modules (the newest first), then the system ones and
// the framework's own module.
namespace {

HINSTANCE g_hResource = NULL;
CDynLinkLibrary* g_pFirstLibrary = NULL;

HMODULE FrameworkModule() {
    HMODULE hModule = NULL;
    ::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                            GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                        reinterpret_cast<LPCTSTR>(&FrameworkModule), &hModule);
    return hModule;
}

// Calls fn for each module in search order until it answers TRUE; gives the
// module that did, or NULL.
template <class Fn> HINSTANCE SearchChain(Fn fn) {
    HINSTANCE hHost = AfxGetResourceHandle();
    if (fn(hHost))
        return hHost;
    for (int nPass = 0; nPass < 2; ++nPass) {
        const BOOL bSystem = nPass == 1;
        for (CDynLinkLibrary* p = g_pFirstLibrary; p != NULL; p = p->m_pNextDLL) {
            if (p->m_bSystem == bSystem && p->m_hResource != NULL && fn(p->m_hResource))
                return p->m_hResource;
        }
    }
    HINSTANCE hFramework = FrameworkModule();
    return fn(hFramework) ? hFramework : NULL;
}

void Link(CDynLinkLibrary* pLibrary) {
    CDynLinkLibrary** ppLink = &g_pFirstLibrary;
    if (pLibrary->m_bSystem) {
        while (*ppLink != NULL)
            ppLink = &(*ppLink)->m_pNextDLL;
    }
    pLibrary->m_pNextDLL = *ppLink;
    *ppLink = pLibrary;
}

void Unlink(CDynLinkLibrary* pLibrary) {
    for (CDynLinkLibrary** ppLink = &g_pFirstLibrary; *ppLink != NULL;
         ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == pLibrary) {
            *ppLink = pLibrary->m_pNextDLL;
            return;
        }
    }
}

} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->m_hInstance != NULL ? pApp->m_hInstance : ::GetModuleHandle(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle() {
    return g_hResource != NULL ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    g_hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    HINSTANCE hInst =
        SearchChain([&](HINSTANCE h) { return ::FindResource(h, lpszName, lpszType) != NULL; });
    return hInst != NULL ? hInst : AfxGetResourceHandle();
}

namespace {

// String nID of the first module of the search chain that has it, in the
// resources' own UTF-16, and its length; NULL when none has it.
const WCHAR* FindString(UINT nID, int& nLength) {
    const WCHAR* pText = NULL;
    nLength = 0;
    SearchChain([&](HINSTANCE h) {
        // A buffer size of 0 asks for a pointer to the resource itself.
        nLength = ::LoadStringW(h, nID, reinterpret_cast<LPWSTR>(&pText), 0);
        return nLength > 0;
    });
    return nLength > 0 ? pText : NULL;
}

} // namespace

// For both character types, converted to the ANSI code page for 8-bit
// strings as the system's LoadStringA converts.
template <class BaseType> BOOL CStringT<BaseType>::LoadString(UINT nID) {
    int nLength = 0;
    const WCHAR* pText = FindString(nID, nLength);
    if (pText == NULL) {
        Empty();
        return FALSE;
    }
    *this = CStringW(pText, nLength);
    return TRUE;
}

template BOOL CStringT<char>::LoadString(UINT nID);
template BOOL CStringT<wchar_t>::LoadString(UINT nID);

int AFXAPI AfxLoadString(UINT nIDS, LPTSTR lpszBuf, UINT nMaxBuf) {
    int nLen = 0;
    lpszBuf[0] = '\0';
    SearchChain([&](HINSTANCE h) {
        nLen = ::LoadString(h, nIDS, lpszBuf, static_cast<int>(nMaxBuf));
        return nLen > 0;
    });
    return nLen;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!state.bInitialized) {
        state.hModule = hModule;
        state.hResource = hModule;
        state.bInitialized = TRUE;
    }
    return TRUE;
}

// Every thread shares the one chain, so bAll changes nothing here.
void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL /*bAll*/) {
    CDynLinkLibrary* p = g_pFirstLibrary;
    while (p != NULL) {
        CDynLinkLibrary* pNext = p->m_pNextDLL;
        if (p->m_hModule == state.hModule)
            delete p;
        p = pNext;
    }
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(NULL) {
    Link(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL) {
    Link(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    Unlink(this);
}
