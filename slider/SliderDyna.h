// CSliderDyna: a trackbar that steers one numeric edit, its client.
//
// The trackbar has positions 0 .. m_nPosnCount (120). The inner zone,
// m_nFirstInnerPosn .. m_nLastInnerPosn (12 .. 108), maps linearly onto the
// display range m_valRange. The ten per cent at each end are floating
// zones: while the thumb rests in one and the client's permitted range has
// room on that side, a timer (event id 5) moves the value beyond the display
// range, faster the nearer the thumb is to the end; when floating ends, the
// display range moves, keeping its width, so that the value sits at its near
// end, yet never past the client's limits. An end of the display range that
// coincides with the client's limit is pinned: its floating zone then
// belongs to the linear scale.
//
// Everything but the window effects works without a window, so the mapping
// and the floating can be driven by a caller directly: SetClient,
// SetCurPosn, FloatTick, GetFloatDir, GetTimerPeriod, GetMinText and
// GetMaxText. Bound to a trackbar (DDX_Control), the slider sets up its
// range and ticks, creates or attaches its two range labels, and takes
// thumb movements through the notifications its parent reflects.
//
// The slider does not own its client.
#pragma once

#include <afxcmn.h>

#include <Range.h>

#include "SliderDynaBuddyHandler.h"

class CRVEdit;

class AFX_EXT_CLASS CSliderDyna : public CSliderCtrl {
    DECLARE_DYNAMIC(CSliderDyna)
public:
    // The float timer's event id on the slider's window.
    static const UINT_PTR kFloatTimerId = 5;
    // Control ids of the labels the slider creates itself.
    static const UINT kMinLabelId = 0xFF00;
    static const UINT kMaxLabelId = 0xFF01;

    CSliderDyna();
    virtual ~CSliderDyna();

    // The mappings. ValToPosn is linear over the inner zone and not clamped;
    // PosnToVal folds the floating zone of a pinned end into the scale. A
    // display range of zero width gives the first inner position and its low
    // end. Display ranges up to the largest double wide map without overflow.
    int ValToPosn(double v);
    double PosnToVal(int p);
    // No check and no label update.
    void SetValRange(double lo, double hi);
    void GetValRange(double& lo, double& hi) const;
    // Whether the client permits v (not the display range).
    bool InRange(double v) const { return m_editRange.In(v); }
    void SetDynamic(bool b) { m_bDynamicMin = m_bDynamicMax = b; }
    void SetDynamic(bool bMin, bool bMax);
    double GetVal() const { return m_val; }
    // Sets the value; a value outside the display range re-anchors it.
    void SetVal(double v);
    BOOL IsValidInit();
    BOOL IsValid();
    // The thumb is at p: starts or stops floating, or sets the value.
    void SetCurPosn(int p);
    // Back to the last handled position; undoes the last change.
    void ResorePrevPosn() { SetCurPosn(m_nLastPosn); }
    bool IsTheActiveElem(CRVEdit* pEdit) const { return pEdit == m_pClient; }

    // -1 while floating down, +1 while floating up, else 0.
    int GetFloatDir() const { return m_nFloatDir; }
    // The period in milliseconds of the running float timer; 0 when none.
    UINT GetTimerPeriod() const { return m_nTimerPeriod; }
    // The positions of the trackbar and the last one handled.
    int GetPosnCount() const { return m_nPosnCount; }
    int GetLastPosn() const { return m_nLastPosn; }
    CRVEdit* GetClient() const { return m_pClient; }
    // The range labels' texts.
    const CString& GetMinText() const { return m_strMinText; }
    const CString& GetMaxText() const { return m_strMaxText; }
    // One timer tick: the value floats one step on, or stops at the
    // client's limit (WM_RV_END_MODIFY to the client). The window's timer
    // calls it; so may a caller without a window.
    void FloatTick();

    // Window side.
    void Init();
    // Links the slider to pEdit, releasing the previous client; NULL (or an
    // edit that is not controlled) disables the slider.
    void SetClient(CRVEdit* pEdit);
    // Restarts the float timer for the thumb at p.
    void SetTimer(int p);
    // Floating ended at the client's limit; the argument is not used.
    void OnFloatStopped(bool b);
    // The thumb to the value's position; returns that position.
    int UpdatePosn();
    // true: the value from the thumb. false: the value into the client,
    // without the client updating the slider in return.
    void UpdateData(bool bSave);
    void Update();
    void CreateMinMaxDisplay();
    void UpdateMinMaxDisplay();
    // Statics of the parent to use as labels; call before the trackbar is
    // bound. An id that names no child gets a created label instead.
    void AttachMinMaxCtrl(UINT minId, UINT maxId);
    void Show(int nCmdShow);
    void Enable(BOOL bEnable);
    // Always 0: every notification takes the vertical path.
    BOOL IsHorizontal();
    // The control before the slider when the slider starts a group and that
    // control does not; else NULL.
    CWnd* GetBuddyControl();
    void AttachBuddy();

    // Reflected scroll notifications of the trackbar.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    void PreSubclassWindow() override;
    // Re-anchors the display range at the value: as its low end (bAtLow) or
    // its high end, keeping the width. For a value within the client's
    // limits, a range that would reach past one of them is moved back inside
    // (KeepInsideLimits); an infinite value leaves the range as it is.
    void UpdateFloatingRange(bool bAtLow);
    // Re-anchors only a value outside the display range.
    void UpdateFloatingRange();

    afx_msg LRESULT OnUpdateController(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRVEditSetupModified(WPARAM wParam, LPARAM lParam);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

    Range m_valRange;
    Range m_editRange;
    double m_val;
    BOOL m_bShowMinMax;
    short m_nPrecision;
    bool m_bStandalone;
    bool m_bDynamicMin;
    bool m_bDynamicMax;
    CStatic m_maxLabel;
    CStatic m_minLabel;
    int m_nLastPosn;
    double m_dFloatStep;
    int m_nFloatDir;
    int m_nPosnCount;
    int m_nFirstInnerPosn;
    int m_nLastInnerPosn;
    UINT_PTR m_nTimerId;
    int m_nTimerUnit;
    CRVEdit* m_pClient;
    CSliderDynaBuddyHandler m_buddyHandler;
    UINT m_nMaxLabelId;
    UINT m_nMinLabelId;
    UINT m_nTimerPeriod;
    CString m_strMinText;
    CString m_strMaxText;
    int m_nLabelWidth; // of the created labels

private:
    bool RoomBelow() const;
    bool RoomAbove() const;
    bool LowPinned() const;
    bool HighPinned() const;
    bool InLowZone(int p) const { return p < m_nFirstInnerPosn; }
    bool InHighZone(int p) const { return p > m_nLastInnerPosn; }
    // Moves lo .. hi inside the client's plain number range, keeping its
    // width where the range leaves room for it, so that no position of the
    // thumb stands for a value the client does not permit.
    void KeepInsideLimits(double& lo, double& hi) const;
    // Whether a message naming wParam as its sender is to be handled: it
    // names no one (the slider's own calls) or a live edit. Otherwise
    // lIgnored is the answer: 0 when wParam names no live object.
    static bool IsEditSender(WPARAM wParam, LRESULT& lIgnored);
    void PushToClient();
    CWnd* ClientParent() const;
    void SetLabelText(CStatic& label, CString& text, double end);
    void PlaceLabels(CRect& rcMin, CRect& rcMax);
    // Whether a created label may lie at rcLabel (parent's client
    // coordinates): inside the parent's client area, over no other visible
    // control but a group box it lies wholly within.
    bool IsClearPlace(const CRect& rcLabel) const;
    void MoveInsideParent(CRect& rc) const;
    // Created labels grow to show their whole text (a number cut short reads
    // as another number) and shrink back, never below 35 pixels; both keep
    // one width and are placed again when it changes.
    void FitLabels();
    // The width a created label needs for text; 0 for an attached one.
    static int CreatedLabelWidth(const CStatic& label, UINT nAttachId, const CString& text);
    void SetUpLabel(CStatic& label, UINT nAttachId, LPCTSTR lpszText, const CRect& rc, UINT nId);

    DECLARE_MESSAGE_MAP()
};
