// CSliderDyna: a trackbar that steers one numeric edit, its client.
//
// The trackbar has positions 0 .. kPosnCount (120). The inner zone,
// kFirstInnerPosn .. kLastInnerPosn (12 .. 108), maps linearly onto the
// display range. The ten per cent at each end are floating zones: while the
// thumb rests in one and the client's permitted range has room on that side,
// a timer (event id 5) moves the value beyond the display range, faster the
// nearer the thumb is to the end; when floating ends, the display range
// moves, keeping its width, so that the value sits at its near end, yet
// never past the client's limits. An end of the display range that coincides
// with the client's limit is pinned: its floating zone then belongs to the
// linear scale.
//
// The model's state (m_model) is kept apart from the window side, and
// everything but the window effects works without a window, so the mapping
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
    bool InRange(double v) const { return m_model.editRange.In(v); }
    void SetDynamic(bool b) { m_model.bDynamicMin = m_model.bDynamicMax = b; }
    void SetDynamic(bool bMin, bool bMax);
    double GetVal() const { return m_model.val; }
    // Sets the value; a value outside the display range re-anchors it.
    void SetVal(double v);
    BOOL IsValidInit();
    BOOL IsValid();
    // The thumb is at p: starts or stops floating, or sets the value.
    void SetCurPosn(int p);
    // Back to the last handled position; undoes the last change.
    void ResorePrevPosn() { SetCurPosn(m_model.nLastPosn); }
    bool IsTheActiveElem(CRVEdit* pEdit) const { return pEdit == m_model.pClient; }

    // -1 while floating down, +1 while floating up, else 0.
    int GetFloatDir() const { return m_model.nFloatDir; }
    // The period in milliseconds of the running float timer; 0 when none.
    UINT GetTimerPeriod() const { return m_model.nTimerPeriod; }
    // The positions of the trackbar and the last one handled.
    int GetPosnCount() const { return kPosnCount; }
    int GetLastPosn() const { return m_model.nLastPosn; }
    CRVEdit* GetClient() const { return m_model.pClient; }
    // The range labels' texts.
    const CString& GetMinText() const { return m_model.strMinText; }
    const CString& GetMaxText() const { return m_model.strMaxText; }
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

    // Fixed settings of the model: the track's positions 0 .. kPosnCount,
    // the inner zone kFirstInnerPosn .. kLastInnerPosn (the tenth at each end
    // floats), the float timer's period per position of distance from the
    // track's end, the value's change per tick (a hundredth of the default
    // display range 0 .. 20) and the range labels' decimals.
    static constexpr int kPosnCount = 120;
    static constexpr int kFirstInnerPosn = kPosnCount / 10;
    static constexpr int kLastInnerPosn = kPosnCount - kPosnCount / 10;
    static constexpr int kTimerUnit = 10;
    static constexpr double kFloatStep = 0.2;
    static constexpr int kLabelPrecision = 3;

    // The window-free model: what positions, ticks and the client make of
    // the value. The window side below only carries its outputs out.
    struct Model {
        Range valRange{0.0, 20.0}; // display range: the values of the inner zone
        Range editRange;           // the client's permitted values: floating stops there
        double val = 0.0;
        // The last position handled, or that of the last value set.
        int nLastPosn = 0;
        int nFloatDir = 0;     // -1 floating down, +1 floating up, else 0
        UINT nTimerPeriod = 0; // of the float timer in milliseconds; 0: none runs
        // The client's dynamic ends; they decide the track's reach at Init.
        bool bDynamicMin = true;
        bool bDynamicMax = true;
        CString strMinText{_T("0.0")};
        CString strMaxText{_T("20.0")};
        CRVEdit* pClient = NULL; // not owned
    };
    Model m_model;

    // The window side: the range labels, created (id 0) or attached, the
    // running float timer and the hook on the buddy.
    CStatic m_maxLabel;
    CStatic m_minLabel;
    UINT m_nMaxLabelId;
    UINT m_nMinLabelId;
    int m_nLabelWidth; // of the created labels
    UINT_PTR m_nTimerId;
    CSliderDynaBuddyHandler m_buddyHandler;

private:
    bool RoomBelow() const;
    bool RoomAbove() const;
    bool LowPinned() const;
    bool HighPinned() const;
    static bool InLowZone(int p) { return p < kFirstInnerPosn; }
    static bool InHighZone(int p) { return p > kLastInnerPosn; }
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
