#include "Z_DDX_Text.h"

#include "rvNumeric.h"

#include <afxres.h>

namespace {

// The exchange both overloads share; on saving, value receives the number
// read, which the float overload then narrows.
void ExchangeReal(CDataExchange* pDX, int nIDC, double& value, int precision) {
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        TCHAR text[RV_VALUE_TEXT_SIZE];
        rvFormatValue(text, value, precision);
        ::SetWindowText(hWnd, text);
        return;
    }
    // The whole text: a number cut after 31 characters would read back as
    // another number without a word.
    CString text;
    const int nLength = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, text.GetBuffer(nLength + 1), nLength + 1);
    text.ReleaseBuffer();
    double parsed = 0.0;
    if (!rvParseRealLenient(text, parsed)) {
        AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, 0);
        pDX->Fail();
    }
    value = parsed;
}

} // namespace

void AFXAPI Z_DDX_Text(CDataExchange* pDX, int nIDC, float& value, int precision) {
    double wide = value;
    ExchangeReal(pDX, nIDC, wide, precision);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<float>(wide);
}

void AFXAPI Z_DDX_Text(CDataExchange* pDX, int nIDC, double& value, int precision) {
    ExchangeReal(pDX, nIDC, value, precision);
}
