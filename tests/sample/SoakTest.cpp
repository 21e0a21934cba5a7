// The sample dialog under a long stream of random user events: focus moves,
// typed text, trackbar keys and drags, float timer ticks and range changes
// by the host, with the dialog's invariants checked after every event.
//
// DOVUV32_SOAK_EVENTS and DOVUV32_SOAK_SEED choose the length and the seed;
// every failure names the seed and the event, so that it can be replayed,
// with DOVUV32_SOAK_TRACE=n printing every event from the n-th on.
#include <SliderDyna.h>
#include <TestDlg.h>
#include <dovuv32Res.h>
#include <rvNumeric.h>

#include "Checks.h"
#include "GuiCounts.h"
#include "TestApp.h"

#include <afxres.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const COLORREF kGreen = RGB(200, 255, 200);
// Caches of the system (device contexts, fonts of a first paint) may still
// fill up after the warm-up; a leak of one object per few hundred events
// does not hide below this.
const int kGdiSlack = 16;
const int kWarmUpEvents = 200;
const int kCountEvery = 500;
const int kMaxReported = 20;
// Invariants that can stay broken (Soak::Expect); each edit has its own.
enum { kClientKey = 0, kValueKey = 1, kColourKey = 3, kBrushKey = 5 };

int EnvInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != NULL && *text != '\0' ? std::atoi(text) : fallback;
}

// 0 .. n-1, the same on every platform for a seed.
int PickFrom(std::mt19937& rng, int n) {
    return static_cast<int>(rng() % static_cast<unsigned>(n));
}

std::string RealNumberPrompt() {
    TCHAR text[512] = _T("");
    AfxLoadString(AFX_IDP_PARSE_REAL, text, 512);
    return Str(CString(text));
}

// The sample dialog with its controls in reach.
class CSoakDlg : public CTestDlg {
public:
    CRVEdit& Edit(int i) { return i == 0 ? static_cast<CRVEdit&>(m_edit1012) : m_edit1013; }
    CSliderDyna& Slider() { return m_slider; }
};

// Text a user might type: numbers of every size, garbage, nothing, a lot.
class TextSource {
public:
    explicit TextSource(std::mt19937& rng) : m_rng(rng) {}
    std::string Next() {
        static const char* const kFixed[] = {
            "1e300",    "1e308", "-1e308", "1e999",  "-1e999", "1e-300", "-1e-300",
            "4.9e-324", "",      "  ",     "abc",    "12abc",  "nan",    "inf",
            "-inf",     "-0",    "+0",     "0",      ".5",     "0x1A",   "1e",
            "--1",      "+3",    " 7 ",    "\t-2.5", "1,5",    "0.0000"};
        switch (Pick(6)) {
        case 0:
            return kFixed[Pick(sizeof kFixed / sizeof kFixed[0])];
        case 1:
            return Number("%.4f", 1e3);
        case 2:
            return Number("%g", std::pow(10.0, Pick(40) - 20.0));
        case 3:
            return Garbage(1 + Pick(12));
        case 4:
            return std::string(20 + Pick(300), "0123456789"[Pick(10)]);
        default:
            return Number("%.12f", 30.0);
        }
    }

private:
    int Pick(int n) { return PickFrom(m_rng, n); }
    double Unit() { return (m_rng() & 0xFFFFFF) / double(0x1000000); }
    std::string Number(const char* format, double scale) {
        char text[64];
        std::snprintf(text, sizeof text, format, (2.0 * Unit() - 1.0) * scale);
        return text;
    }
    std::string Garbage(int length) {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += static_cast<char>(' ' + Pick(95));
        return text;
    }
    std::mt19937& m_rng;
};

class Soak {
public:
    Soak(CSoakDlg& dlg, unsigned seed) : m_dlg(dlg), m_seed(seed), m_rng(seed), m_texts(m_rng) {
        m_pClient = &dlg.Edit(0); // the dialog makes edit 1012 current
        for (int i = 0; i < 2; ++i)
            m_brushes[i][0] = m_brushes[i][1] = NULL;
    }

    void Run(int nEvents) {
        for (m_nEvent = 0; m_nEvent < nEvents; ++m_nEvent) {
            if (m_nEvent == kWarmUpEvents)
                TakeBaseline();
            Step();
            if (m_nEvent >= m_nTraceFrom)
                Trace();
            Check(m_nEvent % 4 == 0);
            if (m_nEvent > kWarmUpEvents && m_nEvent % kCountEvery == 0)
                CheckCounts();
        }
        if (nEvents <= kWarmUpEvents)
            TakeBaseline();
        CheckCounts();
        std::printf("soak: %d events, seed %u, %d invariant breaks, window handles %d -> %d, GDI "
                    "objects %d -> %d\n",
                    nEvents, m_seed, m_nBreaks, m_nWindows0, m_nWindows, m_nGdi0, m_nGdi);
    }
    int Breaks() const { return m_nBreaks; }

private:
    int Pick(int n) { return PickFrom(m_rng, n); }
    HWND Item(int nID) { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    HWND SliderWnd() { return m_dlg.Slider().m_hWnd; }

    // A state that stays broken over several events is one break.
    void Expect(bool bHolds, int nKey, const std::string& what) {
        const unsigned bit = 1u << nKey;
        if (!bHolds && (m_nBroken & bit) == 0)
            Break(what);
        m_nBroken = bHolds ? m_nBroken & ~bit : m_nBroken | bit;
    }

    void Break(const std::string& what) {
        if (++m_nBreaks <= kMaxReported)
            ADD_FAILURE() << "seed " << m_seed << ", event " << m_nEvent << " (" << m_event
                          << "): " << what;
    }

    // One line per event for a replay: the event, the slider and edit 1012.
    void Trace() {
        CSliderDyna& slider = m_dlg.Slider();
        double lo, hi, clo, chi;
        slider.GetValRange(lo, hi);
        m_dlg.Edit(0).GetControllerRange(clo, chi);
        std::printf("%d %s: slider %g in %g .. %g, thumb %d, float %d; edit 1012 %g, slider span "
                    "%g .. %g\n",
                    m_nEvent, m_event.c_str(), slider.GetVal(), lo, hi, slider.GetLastPosn(),
                    slider.GetFloatDir(), m_dlg.Edit(0).GetVal(), clo, chi);
    }

    void Step() {
        m_nPrompts = TestApp().prompts.size();
        m_nPromptsDue = 0;
        const int kind = Pick(20);
        if (kind < 4)
            MoveFocus();
        else if (kind < 8)
            Type();
        else if (kind < 11)
            Keys();
        else if (kind < 15)
            Scroll();
        else if (kind < 18)
            Ticks();
        else
            ChangeRange();
    }

    // Focus

    int NumericIndex(HWND hWnd) {
        for (int i = 0; i < 2; ++i)
            if (hWnd != NULL && hWnd == m_dlg.Edit(i).m_hWnd)
                return i;
        return -1;
    }

    // The focus to hTarget. Leaving a numeric edit commits its text: the
    // prompt is due exactly when that text is not a number.
    void Focus(HWND hTarget) {
        const HWND hFrom = ::GetFocus();
        const int from = NumericIndex(hFrom);
        CString text;
        if (from >= 0)
            m_dlg.Edit(from).GetWindowText(text);
        ::SetFocus(hTarget);
        const HWND hNow = ::GetFocus();
        if (from >= 0 && hNow != hFrom) {
            double x;
            m_nPromptsDue += rvParseReal(text, x) ? 0 : 1;
        }
        const int now = NumericIndex(hNow);
        if (now >= 0)
            m_pClient = &m_dlg.Edit(now);
    }

    void MoveFocus() {
        static const int kTargets[] = {IDC_SAMPLE_EDIT,      IDC_SAMPLE_TRANSIENT,
                                       IDC_SAMPLE_FREE_EDIT, IDC_SAMPLE_FLOAT_EDIT,
                                       IDC_SAMPLE_SLIDER,    IDOK};
        const int nID = kTargets[Pick(6)];
        m_event = "focus to " + std::to_string(nID);
        Focus(Item(nID));
    }

    void Type() {
        const int i = Pick(2);
        const std::string text = m_texts.Next();
        m_event = "type \"" + text.substr(0, 40) + "\" into edit " + std::to_string(1012 + i) +
                  (text.size() > 40 ? " (" + std::to_string(text.size()) + " chars)" : "");
        CRVEdit& edit = m_dlg.Edit(i);
        Focus(edit.m_hWnd);
        if (text.size() <= 12 && Pick(2) == 0) {
            // Key by key over the selected text.
            edit.SendMessage(EM_SETSEL, 0, -1);
            for (char c : text)
                edit.SendMessage(WM_CHAR, static_cast<unsigned char>(c), 1);
        } else {
            edit.SetWindowText(CString(text.c_str()));
        }
        if (Pick(2) == 0) {
            m_event += ", leave";
            Focus(Item(Pick(2) == 0 ? IDC_SAMPLE_FREE_EDIT : IDC_SAMPLE_EDIT + 1 - i));
        }
    }

    // The trackbar

    void Keys() {
        static const UINT kKeys[] = {VK_UP,    VK_DOWN, VK_LEFT, VK_RIGHT,
                                     VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
        const UINT vk = kKeys[Pick(8)];
        const int n = 1 + Pick(4);
        m_event = "key " + std::to_string(vk) + " x" + std::to_string(n) + " on the slider";
        Focus(SliderWnd());
        for (int k = 0; k < n; ++k)
            ::SendMessage(SliderWnd(), WM_KEYDOWN, vk, 1);
        ::SendMessage(SliderWnd(), WM_KEYUP, vk, 0xC0000001);
    }

    int DragTarget() {
        switch (Pick(3)) {
        case 0:
            return Pick(12); // the low floating zone
        case 1:
            return 109 + Pick(12); // the high one
        default:
            return Pick(121);
        }
    }

    void SendScroll(UINT code, int pos) {
        m_dlg.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(SliderWnd()));
    }

    void Scroll() {
        if (Pick(3) == 0) {
            static const UINT kCodes[] = {TB_LINEUP,   TB_LINEDOWN, TB_PAGEUP,
                                          TB_PAGEDOWN, TB_TOP,      TB_BOTTOM};
            const UINT code = kCodes[Pick(6)];
            m_event = "scroll code " + std::to_string(code);
            SendScroll(code, 0);
            SendScroll(TB_ENDTRACK, 0);
            return;
        }
        m_event = "drag";
        if (Pick(2) == 0)
            Focus(SliderWnd());
        for (int k = 1 + Pick(4); k > 0; --k) {
            const int pos = DragTarget();
            m_event += " " + std::to_string(pos);
            m_dlg.Slider().SetPos(pos);
            SendScroll(TB_THUMBTRACK, pos);
        }
        if (Pick(4) != 0) {
            m_event += ", let go";
            SendScroll(TB_ENDTRACK, 0);
        }
    }

    void Ticks() {
        const int n = 1 + Pick(6);
        m_event = std::to_string(n) + " float ticks";
        for (int k = 0; k < n; ++k)
            m_dlg.Slider().SendMessage(WM_TIMER, CSliderDyna::kFloatTimerId);
    }

    // The host

    double End() {
        static const double kEnds[] = {0.5, 1.0, 3.0, 10.0, 20.0, 1e3, 1e6, 1e300};
        return kEnds[Pick(8)];
    }

    // A new range, and the value validated again under it. The transient
    // edit returns to zero after every commit, so its ranges hold zero.
    void ChangeRange() {
        const int i = Pick(2);
        CRVEdit& edit = m_dlg.Edit(i);
        const double lo = -End();
        const double hi = i == 1 || Pick(2) == 0 ? End() : lo + End();
        m_event = "host range of edit " + std::to_string(1012 + i) + ":";
        Range current;
        edit.GetRange(current);
        int op = Pick(6);
        if (current.IsExternal() && (op == 0 || op == 2))
            op = 3; // the full range and a narrower span are for plain ranges
        switch (op) {
        case 0:
            m_event += " full";
            edit.SetFullRange();
            break;
        case 1: {
            const bool bDynamic = Pick(2) == 0;
            m_event += bDynamic ? " dynamic" : " static";
            edit.SetDynamic(bDynamic);
            break;
        }
        case 2: {
            // A narrower span for the slider, so that the value can float.
            const double width = hi - lo;
            edit.SetRange(lo, hi);
            edit.SetControllerRange(lo + 0.25 * width, hi - 0.25 * width, true);
            m_event += " " + std::to_string(lo) + " .. " + std::to_string(hi) + ", slider mid";
            break;
        }
        default: {
            // Edit 1012 may also take the range as the zone it excludes.
            const bool bExternal = i == 0 && Pick(3) == 0;
            edit.SetRange(lo, hi, bExternal, true);
            m_event +=
                (bExternal ? " outside " : " ") + std::to_string(lo) + " .. " + std::to_string(hi);
            break;
        }
        }
        edit.CommitText(edit.GetValueText(), true);
    }

    // Invariants

    // The colour the edit's background is painted with, asked of the
    // dialog on a real device context; records the brush.
    COLORREF Background(int i, HBRUSH* phBrush) {
        const HWND hEdit = m_dlg.Edit(i).m_hWnd;
        HDC hDC = ::GetDC(hEdit);
        ::SetBkColor(hDC, RGB(1, 2, 3));
        *phBrush = reinterpret_cast<HBRUSH>(m_dlg.SendMessage(
            WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hEdit)));
        const COLORREF colour = ::GetBkColor(hDC);
        ::ReleaseDC(hEdit, hDC);
        return colour;
    }

    // Green on exactly the client, each edit with the same two brushes all
    // along.
    void CheckColour(int i) {
        HBRUSH hBrush;
        const bool bClient = &m_dlg.Edit(i) == m_pClient;
        const COLORREF colour = Background(i, &hBrush);
        Expect((colour == kGreen) == bClient, kColourKey + i,
               "edit " + std::to_string(1012 + i) + (bClient ? " is not" : " is") + " green");
        HBRUSH& hKnown = m_brushes[i][bClient ? 1 : 0];
        if (hKnown == NULL)
            hKnown = hBrush;
        Expect(hBrush == hKnown && ::GetObjectType(hBrush) == OBJ_BRUSH, kBrushKey + i,
               "edit " + std::to_string(1012 + i) + " painted with another brush");
    }

    void CheckValue(int i) {
        CRVEdit& edit = m_dlg.Edit(i);
        Range range;
        edit.GetRange(range);
        char text[160];
        std::snprintf(text, sizeof text, "edit %d holds %.17g outside %.17g .. %.17g", 1012 + i,
                      edit.GetVal(), range.m_min, range.m_max);
        Expect(range.In(edit.GetVal()), kValueKey + i, text);
    }

    void CheckPrompts() {
        static const std::string kRealPrompt = RealNumberPrompt();
        const std::vector<RecordedPrompt>& prompts = TestApp().prompts;
        if (prompts.size() != m_nPrompts + m_nPromptsDue)
            Break(std::to_string(prompts.size() - m_nPrompts) + " prompts, " +
                  std::to_string(m_nPromptsDue) + " due");
        for (size_t k = m_nPrompts; k < prompts.size(); ++k)
            if (prompts[k].text != kRealPrompt)
                Break("prompt \"" + prompts[k].text + "\"");
    }

    void Check(bool bColours) {
        CSliderDyna& slider = m_dlg.Slider();
        Expect(slider.GetClient() == m_pClient && m_dlg.IsCurrent(m_pClient), kClientKey,
               "the slider's client is not the edit that last got the focus");
        for (int i = 0; i < 2; ++i) {
            CheckValue(i); // both edits clamp
            if (bColours)
                CheckColour(i);
        }
        CheckPrompts();
    }

    void TakeBaseline() {
        m_nWindows0 = m_nWindows = gui_counts::WindowHandles();
        m_nGdi0 = m_nGdi = gui_counts::GdiObjects();
    }

    void CheckCounts() {
        m_nWindows = gui_counts::WindowHandles();
        m_nGdi = gui_counts::GdiObjects();
        if (m_nWindows != m_nWindows0)
            Break("window handles " + std::to_string(m_nWindows0) + " -> " +
                  std::to_string(m_nWindows));
        if (m_nGdi > m_nGdi0 + kGdiSlack)
            Break("GDI objects " + std::to_string(m_nGdi0) + " -> " + std::to_string(m_nGdi));
    }

    CSoakDlg& m_dlg;
    const unsigned m_seed;
    std::mt19937 m_rng;
    TextSource m_texts;
    CRVEdit* m_pClient;
    HBRUSH m_brushes[2][2]; // per edit: plain, green
    int m_nEvent = 0;
    const int m_nTraceFrom = EnvInt("DOVUV32_SOAK_TRACE", INT_MAX);
    std::string m_event;
    size_t m_nPrompts = 0;
    size_t m_nPromptsDue = 0; // commits of text that is not a number
    int m_nBreaks = 0;
    unsigned m_nBroken = 0; // the invariants broken at the last check, by key
    int m_nWindows0 = 0, m_nWindows = 0, m_nGdi0 = 0, m_nGdi = 0;
};

TEST(SampleDialogSoak, RandomUserEventsKeepTheInvariants) {
    TestApp().prompts.clear();
    CSoakDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    dlg.ShowWindow(SW_SHOW); // a hidden dialog's edits commit nothing
    Soak soak(dlg, static_cast<unsigned>(EnvInt("DOVUV32_SOAK_SEED", 1)));
    // 40 to 90 events a second under Wine on qemu: the default stays well
    // inside a test's time; longer runs go through the variable.
    soak.Run(EnvInt("DOVUV32_SOAK_EVENTS", 20000));
    EXPECT_EQ(0, soak.Breaks());
    dlg.DestroyWindow();
}

} // namespace
