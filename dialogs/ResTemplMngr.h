// ResTemplMngr: dialog templates read straight from a module's resources,
// without creating the dialog, so that a host can size and place windows
// (reserve room for a page, say) before the dialog exists.
//
// Both template layouts are understood: the classic DLGTEMPLATE and the
// extended DLGTEMPLATEEX that DIALOGEX statements produce.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS ResTemplMngr {
public:
    virtual ~ResTemplMngr() {}

    // The template with the dialog id LOWORD(nID) of the loaded module named
    // lpszModule (NULL: the host program), or NULL. The data stays valid while
    // the module is loaded; it lies in the module's read-only resources (do
    // not write to it) and nobody frees it. A resource too short to hold a
    // template's header is not taken for one.
    static DLGTEMPLATE* LoadDlgTempl(LPCTSTR lpszModule, UINT nID);
    // The dialog's rectangle in dialog units as the template states it.
    // rect is written only when the template is found.
    static bool GetDlgTemplRectLogical(LPCTSTR lpszModule, UINT nID, RECT& rect);
    // The same rectangle in pixels: horizontal units are a quarter of the
    // average character width, vertical ones an eighth of the character
    // height, of the font a new window's device context holds. rect is
    // written only on success.
    static bool GetDlgTemplRect(LPCTSTR lpszModule, UINT nID, RECT& rect);
};
