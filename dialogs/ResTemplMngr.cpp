#include "ResTemplMngr.h"

#include "dovuv32Res.h"

namespace {

// A DLGTEMPLATEEX begins with the version 1 and the signature 0xFFFF where a
// DLGTEMPLATE has its style; no classic style has that bit pattern (it would
// be WS_POPUP and WS_CHILD at once).
const WORD wExVersion = 1;
const WORD wExSignature = 0xFFFF;

// Where x, y, cx and cy (four signed words) begin, and the header's length.
const size_t nClassicPosOffset = 10;
const size_t nExPosOffset = 18;
const size_t nClassicHeader = nClassicPosOffset + 4 * sizeof(WORD);
const size_t nExHeader = nExPosOffset + 4 * sizeof(WORD);

// Little-endian words, read byte by byte.
WORD ReadWord(const BYTE* p) {
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

short ReadShort(const BYTE* p) {
    return static_cast<short>(ReadWord(p));
}

bool IsExtended(const BYTE* pData) {
    return ReadWord(pData) == wExVersion && ReadWord(pData + 2) == wExSignature;
}

// The module that holds this code: its own measuring template is used, not a
// host's template that happens to have the same id.
HINSTANCE LibraryInstance() {
    HMODULE hModule = NULL;
    ::GetModuleHandleEx(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                            GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                        reinterpret_cast<LPCTSTR>(&LibraryInstance), &hModule);
    return hModule;
}

LPCDLGTEMPLATE FindTemplate(HINSTANCE hInst, LPCTSTR lpszName) {
    HRSRC hResource = ::FindResource(hInst, lpszName, RT_DIALOG);
    HGLOBAL hData = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    const BYTE* pData = hData != NULL ? static_cast<const BYTE*>(::LockResource(hData)) : NULL;
    if (pData == NULL)
        return NULL;
    const DWORD nSize = ::SizeofResource(hInst, hResource);
    if (nSize < nClassicHeader || (IsExtended(pData) && nSize < nExHeader))
        return NULL;
    return reinterpret_cast<LPCDLGTEMPLATE>(pData);
}

// The measuring window, destroyed however the measurement ends.
class CMeasureDlg : public CDialog {
public:
    ~CMeasureDlg() override {
        if (m_hWnd != NULL)
            DestroyWindow();
    }
};

bool ReadDialogFontMetrics(int& nAveWidth, int& nHeight) {
    HINSTANCE hInst = LibraryInstance();
    LPCDLGTEMPLATE lpTemplate =
        hInst != NULL ? FindTemplate(hInst, MAKEINTRESOURCE(IDD_MEASURE)) : NULL;
    CMeasureDlg dlg;
    if (lpTemplate == NULL || !dlg.CreateIndirect(lpTemplate, NULL, hInst))
        return false;
    CDC* pDC = dlg.GetDC();
    if (pDC == NULL)
        return false;
    TEXTMETRIC tm;
    const BOOL bMetrics = pDC->GetTextMetrics(&tm);
    dlg.ReleaseDC(pDC);
    if (!bMetrics)
        return false;
    nAveWidth = tm.tmAveCharWidth;
    nHeight = tm.tmHeight;
    return true;
}

} // namespace

DLGTEMPLATE* ResTemplMngr::LoadDlgTempl(LPCTSTR lpszModule, UINT nID) {
    HMODULE hModule = ::GetModuleHandle(lpszModule);
    if (hModule == NULL)
        return NULL;
    // Handed out as hosts declare it; the data itself is read-only.
    return const_cast<DLGTEMPLATE*>(FindTemplate(hModule, MAKEINTRESOURCE(LOWORD(nID))));
}

bool ResTemplMngr::GetDlgTemplRectLogical(LPCTSTR lpszModule, UINT nID, RECT& rect) {
    const BYTE* pData = reinterpret_cast<const BYTE*>(LoadDlgTempl(lpszModule, nID));
    if (pData == NULL)
        return false;
    const BYTE* pPos = pData + (IsExtended(pData) ? nExPosOffset : nClassicPosOffset);
    const int x = ReadShort(pPos), y = ReadShort(pPos + 2);
    const int cx = ReadShort(pPos + 4), cy = ReadShort(pPos + 6);
    ::SetRect(&rect, x, y, x + cx, y + cy);
    return true;
}

bool ResTemplMngr::GetDlgTemplRect(LPCTSTR lpszModule, UINT nID, RECT& rect) {
    RECT rc;
    int nAveWidth = 0, nHeight = 0;
    if (!GetDlgTemplRectLogical(lpszModule, nID, rc) || !ReadDialogFontMetrics(nAveWidth, nHeight))
        return false;
    rect.left = ::MulDiv(rc.left, nAveWidth, 4);
    rect.top = ::MulDiv(rc.top, nHeight, 8);
    rect.right = ::MulDiv(rc.right, nAveWidth, 4);
    rect.bottom = ::MulDiv(rc.bottom, nHeight, 8);
    return true;
}
