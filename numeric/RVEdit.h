// CRVEdit: an edit box for one double value.
//
// Besides the value it keeps a value range (the valid values; an external
// range makes the values outside [m_min, m_max] valid), a range type that
// decides what a committed value outside the range does, a display precision
// and up to two controller ranges: the stretch of values a linked slider
// (CSliderDyna) spans. An external plain range has two valid stretches, so
// it gets two controller ranges, one above the excluded zone and one below,
// and the slider follows the one on the value's side.
//
// The edit works without a window too: ranges, values and commits
// (CommitText) are plain state; every window effect is skipped until an edit
// control is attached. Subclassing a dialog's edit control (DDX_Control)
// makes the dialog its notify window, which then receives WM_RV_SET_FOCUS,
// WM_RV_EDIT_CHANGED and WM_RV_END_MODIFY (rvMessages.h). The edit owns its
// ranges and brushes; it owns neither its controller nor its notify window.
#pragma once

#include <afxwin.h>

#include <Range.h>

#include "rvMessages.h"

class AFX_EXT_CLASS CRVEdit : public CEdit {
    DECLARE_DYNAMIC(CRVEdit)
public:
    // What a committed value outside the value range does. Any value other
    // than eRangeClamp and eRangeExtend behaves as eRangeFree.
    enum ERangeType {
        eRangeClamp = 0,  // replaced by the range's best match
        eRangeFree = 1,   // kept as typed
        eRangeExtend = 2, // the range grows to include it
    };

    // Range ends closer than this are one; a range narrower than this has
    // no width to span: the edit's window, and its slider's, are disabled.
    static constexpr double kTolerance = 1e-10;

    CRVEdit();
    virtual ~CRVEdit();

    // A modification ended (the slider was let go): WM_RV_END_MODIFY to the
    // notify window.
    virtual void OnEndModify();
    // Takes the process-wide precision; called when the window is attached
    // and when a dialog refreshes its setup.
    virtual void Init();

    // The parent window becomes the notify window, then Init. Creates no
    // window; always TRUE.
    using CEdit::Create;
    int Create();

    double GetVal() const { return m_val; }
    // No range test, no display, no message.
    void SetVal(double v) { m_val = v; }

    void GetRange(double& lo, double& hi) const;
    void GetRange(Range& r) const;
    void GetControllerRange(double& lo, double& hi) const;
    // Sets the value range as given (no reordering) and, with
    // updateController on a controlled edit, chooses the controller
    // range(s) for it. The window is disabled while the range is empty.
    void SetRange(double lo, double hi, bool external, bool updateController);
    // As above, keeping the external flag; the window is also disabled while
    // hi - lo < 1e-10.
    void SetRange(double lo, double hi);
    // Takes r (its kind, ends and external flag); an internal r also sets
    // the dynamic ends from its unlimited ends.
    void SetRange(const Range& r);
    void SetFullRange();
    void SetRangeType(ERangeType t) { m_rangeType = t; }
    bool InRange(double v) const { return m_range.In(v); }

    bool HasTwoControllerRanges() const;
    // For an external value range: whether v lies on the side of the
    // excluded zone that the current controller range covers.
    bool InControllerRange(double v) const;
    // No test, no message.
    void SetControllerRange(double lo, double hi, bool first);
    void SetControllerRange(Range r, bool first);
    // Gives every unlimited end of the controller range(s) a finite value
    // around the value, so that a slider can span it.
    void MakeValidControllerRange();
    // Picks the controller range on the value's side; TRUE when the slider
    // must re-read the edit's setup.
    bool UpdateControllerRange();
    void UpdateControllerRangeNotify();
    // Tells the controller to re-read the setup if needed and to follow the
    // value.
    void UpdateController();
    // Links (or with NULL unlinks) the controller slider; not owned.
    void SetController(CWnd* pController);
    bool IsControllerOK() const { return m_bControlled && m_pController != NULL; }
    void SetControlled(bool b) { m_bControlled = b; }
    bool IsControlled() const { return m_bControlled; }

    // Whether the slider may float beyond the lower (upper) end of the
    // controller range. No message.
    void SetDynamic(bool lo, bool hi);
    // Both ends; tells a live controller to re-read the setup.
    void SetDynamic(bool b);
    bool IsDynamicMin() const;
    bool IsDynamicMax() const;

    // p is taken as a 16-bit number without bounds; the sensitivity follows
    // unless it was set explicitly.
    void SetPrecision(int p);
    short GetPrecision() const { return m_precision; }
    void SetSencetivity(double s);
    double GetSencetivity() const { return m_sensitivity; }
    // Losing the focus then commits nothing.
    void SetDelayValidation(bool b) { m_bDelayValidation = b; }

    // bSave: commit the window text (CommitText); an edit without a window
    // has no text and commits nothing. Otherwise show the value.
    void UpdateData(BOOL bSave, bool bUpdateController);
    void UpdateData(BOOL bSave) { UpdateData(bSave, true); }
    // UpdateData only while the notify window is shown.
    void UpdateDataEx(BOOL bSave);
    // Commits text as if it had been typed: parse (a text that is not a
    // number brings up the real-number prompt and the number read so far is
    // used), then the range type decides. Text inside the range stays as
    // typed; otherwise the value is shown.
    void CommitText(LPCTSTR lpszText, bool bUpdateController);
    // The text that shows the value at the edit's precision.
    CString GetValueText() const;

protected:
    void PreSubclassWindow() override;

    afx_msg BOOL OnKillfocus();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnRVEndModify(WPARAM wParam, LPARAM lParam);

    // Sends msg to the notify window, if there is one with a window.
    void Notify(UINT msg);
    // Sends msg to the controller if the edit is controlled and the
    // controller's window exists.
    void NotifyController(UINT msg);
    void Display(bool bUpdateController);
    bool HasWindow() const { return m_hWnd != NULL; }
    // The angle seam of the value range: 180 degrees or pi radians.
    double AngleSeam() const;

    ERangeType m_rangeType;
    CWnd* m_pNotifyWnd; // kept for hosts; notifications go to m_hNotifyWnd
    CBrush m_brushController;
    CBrush m_brushPlain;
    double m_val;
    bool m_bControlled;
    bool m_bDelayValidation;
    bool m_bControllerRangeSet;
    bool m_bDynamicMin;
    bool m_bDynamicMax;
    CWnd* m_pController;
    Range m_range;
    Range m_ctrlRange1;
    Range m_ctrlRange2;
    Range* m_pCurCtrlRange;
    short m_precision;
    double m_sensitivity;
    bool m_bSensitivitySet;

private:
    // The notify window's handle: its window object may be a temporary one,
    // gone at the next idle time, when the parent is no framework window.
    HWND m_hNotifyWnd;

    DECLARE_MESSAGE_MAP()
};
