// A hidden popup with one edit control to exchange data with.
#pragma once

#include "TestApp.h"

class ExchangeWindow {
public:
    static const int nID = 100;

    ExchangeWindow() {
        CreatePopup(m_parent, CRect(0, 0, 200, 100));
        m_edit.Create(WS_CHILD, CRect(0, 0, 150, 20), &m_parent, nID);
    }
    ~ExchangeWindow() { m_parent.DestroyWindow(); }

    bool Ready() const { return m_edit.m_hWnd != NULL; }
    void SetText(const CString& text) { m_edit.SetWindowText(text); }
    CString Text() const { return WindowText(m_edit); }

    // One exchange in the given direction; false when it failed the way bad
    // text fails it.
    template <class F> bool Exchange(BOOL bSave, F ddx) {
        CDataExchange dx(&m_parent, bSave);
        try {
            ddx(&dx);
            return true;
        } catch (CUserException* e) {
            e->Delete();
            return false;
        }
    }

private:
    CWnd m_parent;
    CEdit m_edit;
};
