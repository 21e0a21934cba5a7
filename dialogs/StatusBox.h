// StatusBox: an edit box that shows string resources, e.g. a status line in a
// dialog. Attach it to an edit control (DDX_Control) or create it.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS StatusBox : public CEdit {
public:
    StatusBox();
    virtual ~StatusBox();

    // Shows string nID, found along the resource search chain, and repaints
    // at once. Without a window, or without such a string, nothing changes.
    void SetMessageID(UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};
