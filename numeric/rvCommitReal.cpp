#include "rvCommitReal.h"

#include "rvNumeric.h"

#include <afxres.h>

double rvCommitReal(LPCTSTR lpszText) {
    double x = 0.0;
    if (!rvParseReal(lpszText, x))
        AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, 0); // and go on with what was read
    return x;
}
