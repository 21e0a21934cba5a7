// The number an edit box commits from the text typed into it.
#pragma once

#include <afxwin.h>

// Reads the text with the strict parse (rvParseReal). Text that is not a
// number brings up the framework's prompt for a real number, and the number
// read so far is used: a commit never fails. Give it the window's whole
// text: a number cut after 31 characters would be taken for another number
// without a word.
AFX_EXT_API double rvCommitReal(LPCTSTR lpszText);
