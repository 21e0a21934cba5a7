// Dialog data exchange of a float or double with an edit control, shown at a
// given precision.
#pragma once

#include <afxwin.h>

// Loading shows the value as value text at the precision; saving reads the
// whole text leniently (an empty text is 0). Text that is not a number brings
// up the standard real-number prompt and fails the exchange, leaving the
// variable as it was.
AFX_EXT_API void AFXAPI Z_DDX_Text(CDataExchange* pDX, int nIDC, float& value, int precision);
AFX_EXT_API void AFXAPI Z_DDX_Text(CDataExchange* pDX, int nIDC, double& value, int precision);
