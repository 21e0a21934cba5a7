// The window message hook on real windows: chain order, unhooking in any
// order, WM_NCDESTROY, other subclassers above and below the hooks, and the
// current-message record across nested sends.
#include <gtest/gtest.h>

#include <dovuv32.h>

#include "HookWindows.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <tuple>

namespace {

// What reached whom: a hook appends its name, the window's own procedure 'W'.
std::string g_log;

const UINT WM_PROBE = WM_APP + 1;

LRESULT CALLBACK OwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PROBE) {
        g_log += 'W';
        return 1000 + static_cast<LRESULT>(wParam);
    }
    if (msg == WM_NCDESTROY)
        g_log += "W!";
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}

class HookedWindow : public OwnWindow {
public:
    HookedWindow() : OwnWindow(_T("HookTestWindow"), OwnProc) {}
    LRESULT Probe(WPARAM wParam = 0) { return ::SendMessage(m_hWnd, WM_PROBE, wParam, 0); }
};

// Logs its name for every message and unhooking; passes WM_PROBE on unless
// told to answer it itself, after unhooking itself if told to leave.
class LogHook : public CAIMsgHook {
public:
    explicit LogHook(char name) : m_name(name) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_NCDESTROY)
            g_log += '!';
        if (msg != WM_PROBE)
            return CAIMsgHook::WindowProc(msg, wParam, lParam);
        g_log += m_name;
        if (m_leave)
            HookWindow(NULL);
        return m_answer ? m_answer : Default();
    }
    BOOL HookWindow(CWnd* pWnd) override {
        if (pWnd == NULL)
            g_log += std::string("-") + m_name;
        return CAIMsgHook::HookWindow(pWnd);
    }

    char m_name;
    LRESULT m_answer = 0;
    bool m_leave = false;
};

class HookTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.clear(); }
    // The probe's result and route, log cleared for the next one.
    std::string Route(HookedWindow& w, WPARAM wParam = 7) {
        g_log.clear();
        EXPECT_EQ(w.Probe(wParam), LRESULT(1000 + wParam));
        std::string route = g_log;
        g_log.clear();
        return route;
    }
};

// Stands between the window and its class procedure.
WNDPROC g_underneath;
LRESULT CALLBACK OtherSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PROBE)
        g_log += 'P';
    return ::CallWindowProc(g_underneath, hWnd, msg, wParam, lParam);
}

// Other code that subclasses the window: plainly with SetWindowLongPtr
// (OtherSubclass, 'P'), leaving by restoring what it found whether it is on
// top or not, as most such code does; or through the common controls ('S').
LRESULT CALLBACK CommonSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
    if (msg == WM_PROBE)
        g_log += 'S';
    return ::DefSubclassProc(hWnd, msg, wParam, lParam);
}

struct Subclasser {
    char name;
    void Install(HWND hWnd) const {
        if (name == 'S')
            EXPECT_TRUE(::SetWindowSubclass(hWnd, CommonSubclass, 1, 0));
        else
            g_underneath = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherSubclass)));
    }
    void Remove(HWND hWnd) const {
        if (name == 'S')
            EXPECT_TRUE(::RemoveWindowSubclass(hWnd, CommonSubclass, 1));
        else
            ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_underneath));
    }
};

TEST_F(HookTest, OtherSubclassersAboveAndBelowKeepTheirPlaceAndTheWindowItsMessages) {
    const struct {
        const char* name;
        Subclasser other;
        bool above;        // subclassed after the hook, else before it
        bool removedFirst; // removed before the hook leaves, else after
    } rows[] = {
        // The other plain cases, where the subclasser leaves only while on
        // top, are among the chain model's random steps; this one used to
        // cut the window off and then recurse when hooked again.
        {"plain above, hook leaves first", {'P'}, true, false},
        {"plain below, removed first", {'P'}, false, true},
        {"common below, hook leaves first", {'S'}, false, false},
        {"common below, removed first", {'S'}, false, true},
        {"common above, hook leaves first", {'S'}, true, false},
        {"common above, removed first", {'S'}, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HookedWindow w;
        const WNDPROC own = w.Proc();
        const std::string other(1, row.other.name);
        LogHook a('A');
        if (!row.above)
            row.other.Install(w.m_hWnd);
        a.HookWindow(&w.m_wnd);
        if (row.above)
            row.other.Install(w.m_hWnd);
        EXPECT_EQ(Route(w), row.above ? other + "AW" : "A" + other + "W");

        if (row.removedFirst) {
            row.other.Remove(w.m_hWnd);
            // One below that restores what it found cuts the hook out; so
            // does Wine's comctl32, where Windows' leaves its procedure in
            // place until the procedure above it is gone.
            const bool cutOut = !row.above && w.Proc() == own;
            EXPECT_TRUE(cutOut || row.above || row.other.name == 'S');
            EXPECT_EQ(Route(w), cutOut ? "W" : "AW");
            a.HookWindow(NULL);
        } else {
            a.HookWindow(NULL);
            EXPECT_NE(w.Proc(), own); // the other one is still there
            EXPECT_EQ(Route(w), other + "W");
            row.other.Remove(w.m_hWnd);
        }
        // Every message and its result still reach the window's own
        // procedure, and hooking again never loops back into the hook.
        EXPECT_EQ(Route(w), "W");
        EXPECT_EQ(w.Proc(), own);
        a.HookWindow(&w.m_wnd);
        EXPECT_EQ(Route(w), "AW");
        a.HookWindow(NULL);
        EXPECT_EQ(w.Proc(), own);
    }
}

// A window procedure and a subclasser of the other character set than the
// build's (8-bit ones in a Unicode build, wide ones in an 8-bit build): the
// system converts the messages between them and the hooks, and each side
// gets a text in its own characters.
#ifdef _UNICODE
#define OTHER_SET(name) name##A
typedef char OtherChar;
#define OTHER_TEXT(text) text
#else
#define OTHER_SET(name) name##W
typedef wchar_t OtherChar;
#define OTHER_TEXT(text) L##text
#endif

std::basic_string<OtherChar> g_otherText;
WNDPROC g_otherUnderneath;

LRESULT CALLBACK OtherSetOwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PROBE) {
        g_log += 'W';
        return 1000 + static_cast<LRESULT>(wParam);
    }
    if (msg == WM_SETTEXT)
        g_otherText = reinterpret_cast<const OtherChar*>(lParam);
    return ::OTHER_SET(DefWindowProc)(hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK OtherSetSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PROBE)
        g_log += 'P';
    return ::OTHER_SET(CallWindowProc)(g_otherUnderneath, hWnd, msg, wParam, lParam);
}

class TextHook : public LogHook {
public:
    TextHook() : LogHook('A') {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_SETTEXT)
            m_strText = reinterpret_cast<LPCTSTR>(lParam);
        return LogHook::WindowProc(msg, wParam, lParam);
    }
    CString m_strText;
};

TEST_F(HookTest, ProceduresOfTheOtherCharacterSetMeetTheHooks) {
    OTHER_SET(WNDCLASS) wc = {};
    wc.lpfnWndProc = OtherSetOwnProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = OTHER_TEXT("HookOtherSetWindow");
    ::OTHER_SET(RegisterClass)(&wc);
    for (bool bAbove : {false, true}) {
        SCOPED_TRACE(bAbove ? "subclasser above the hook" : "subclasser below the hook");
        const HWND hWnd =
            ::OTHER_SET(CreateWindowEx)(0, wc.lpszClassName, OTHER_TEXT(""), WS_POPUP, 0, 0, 100,
                                        100, NULL, NULL, wc.hInstance, NULL);
        ASSERT_NE(hWnd, HWND(NULL));
        CWnd wnd;
        wnd.Attach(hWnd);
        auto route = [hWnd]() {
            g_log.clear();
            EXPECT_EQ(::SendMessage(hWnd, WM_PROBE, 7, 0), 1007);
            return g_log;
        };
        auto subclass = [hWnd]() {
            g_otherUnderneath = reinterpret_cast<WNDPROC>(::OTHER_SET(SetWindowLongPtr)(
                hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OtherSetSubclass)));
        };
        TextHook hook;
        if (!bAbove)
            subclass();
        hook.HookWindow(&wnd);
        if (bAbove)
            subclass();
        EXPECT_EQ(route(), bAbove ? "PAW" : "APW");
        ::SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("meet \xE9")));
        EXPECT_EQ(hook.m_strText, CString(_T("meet \xE9")));
        EXPECT_TRUE(g_otherText == OTHER_TEXT("meet \xE9"));

        // The subclasser leaves by restoring what it found, on top or not;
        // the window's own procedure still gets every message.
        ::OTHER_SET(SetWindowLongPtr)(hWnd, GWLP_WNDPROC,
                                      reinterpret_cast<LONG_PTR>(g_otherUnderneath));
        hook.HookWindow(NULL);
        EXPECT_EQ(route(), "W");
        hook.HookWindow(&wnd);
        EXPECT_EQ(route(), "AW");
        hook.HookWindow(NULL);
        wnd.Detach();
        ::DestroyWindow(hWnd);
    }
}

// Answers the probe itself while its handlers are enabled, else passes it on.
class SwitchableHook : public CAIMsgHook {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_PROBE || !m_bEnableHandlers)
            return CAIMsgHook::WindowProc(msg, wParam, lParam);
        g_log += 'H';
        return 1000 + static_cast<LRESULT>(wParam);
    }
};

TEST_F(HookTest, EnableHandlersSwitchesWhatDerivedHooksReadAndNoRouting) {
    HookedWindow w;
    LogHook a('A');
    SwitchableHook h;
    a.HookWindow(&w.m_wnd);
    EXPECT_EQ(a.EnableHandlers(FALSE), TRUE);
    EXPECT_EQ(a.EnableHandlers(FALSE), FALSE);
    EXPECT_EQ(Route(w), "AW"); // the base class does not read the flag

    h.HookWindow(&w.m_wnd);
    EXPECT_EQ(Route(w), "H");
    EXPECT_EQ(h.EnableHandlers(FALSE), TRUE);
    EXPECT_EQ(Route(w), "AW");
    EXPECT_EQ(h.EnableHandlers(TRUE), FALSE);
    EXPECT_EQ(Route(w), "H");
}

// Refuses to be unhooked by anyone but itself.
class StubbornHook : public CAIMsgHook {
public:
    BOOL HookWindow(CWnd* pWnd) override { return pWnd ? CAIMsgHook::HookWindow(pWnd) : TRUE; }
};

// The order of unhooking at WM_NCDESTROY is the model's business
// (HookModelTest); a hook that refuses to leave is taken out all the same.
TEST_F(HookTest, NcDestroyTakesOutEvenAHookThatRefusesToLeave) {
    HookedWindow w;
    StubbornHook stubborn;
    stubborn.HookWindow(&w.m_wnd);
    g_log.clear();
    ::DestroyWindow(w.m_hWnd);
    EXPECT_FALSE(stubborn.IsHooked());
    EXPECT_EQ(g_log, "W!");
}

// Destroying hooked hooks, hooking hooked ones and unhooking unhooked ones
// are among the model's random steps (HookModelTest).
TEST_F(HookTest, AStaleCopyOfTheSharedProcedureBreaksNothing) {
    HookedWindow w;
    LogHook a('A');
    a.HookWindow(&w.m_wnd);

    // Called after the window's procedure was restored, the copy passes the
    // message to the default procedure, not to the window's own one.
    WNDPROC shared = w.Proc();
    a.HookWindow(NULL);
    g_log.clear();
    EXPECT_EQ(::CallWindowProc(shared, w.m_hWnd, WM_SETTEXT, 0, LPARAM(_T("late"))), TRUE);
    EXPECT_EQ(::CallWindowProc(shared, w.m_hWnd, WM_PROBE, 0, 0), 0);
    TCHAR text[8] = _T("");
    ::GetWindowText(w.m_hWnd, text, 8);
    EXPECT_STREQ(text, _T("late"));
    EXPECT_EQ(g_log, "");
}

// A framework window under the hooks: its handler passes the probe on with
// CWnd::Default, which reads the record the framework's procedure keeps.
class MapWnd : public CWnd {
public:
    LRESULT OnProbe(WPARAM, LPARAM) {
        g_log += 'M';
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MapWnd, CWnd)
ON_MESSAGE(WM_PROBE, &MapWnd::OnProbe)
END_MESSAGE_MAP()

TEST_F(HookTest, HooksSitAboveAFrameworkWindow) {
    HookedWindow w;
    w.m_wnd.Detach();
    MapWnd framework;
    ASSERT_TRUE(framework.SubclassWindow(w.m_hWnd));
    LogHook a('A'), b('B');
    a.HookWindow(&framework);
    b.HookWindow(&framework);
    EXPECT_EQ(Route(w), "BAMW");
    a.HookWindow(NULL);
    b.HookWindow(NULL);
    EXPECT_EQ(Route(w), "MW");
    framework.UnsubclassWindow();
    w.m_wnd.Attach(w.m_hWnd);
}

// Handling WM_PROBE, sends another message to a hooked window, then checks
// that Default() still passes on its own message.
class NestingHook : public CAIMsgHook {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        const MSG& cur = AfxGetThreadState()->m_lastSentMsg;
        if (msg == WM_PROBE + 1) {
            m_seen = cur;
            return 5;
        }
        if (msg != WM_PROBE)
            return CAIMsgHook::WindowProc(msg, wParam, lParam);
        EXPECT_EQ(::SendMessage(m_target, WM_PROBE + 1, 3, 4), 5);
        return Default();
    }
    HWND m_target = NULL;
    MSG m_seen = {};
};

TEST_F(HookTest, CurrentMessageSurvivesNestedSends) {
    HookedWindow w1, w2;
    NestingHook h1, h2;
    h1.HookWindow(&w1.m_wnd);
    h2.HookWindow(&w2.m_wnd);

    MSG& cur = AfxGetThreadState()->m_lastSentMsg;
    const MSG before = {HWND(0x1234), 0x4321, 0, 0, 99, {12, 0}};
    cur = before;

    for (HookedWindow* target : {&w2, &w1}) {
        NestingHook& receiver = target == &w2 ? h2 : h1;
        h1.m_target = target->m_hWnd;
        EXPECT_EQ(w1.Probe(9), 1009);
        const MSG& seen = receiver.m_seen;
        EXPECT_EQ(std::make_tuple(seen.hwnd, seen.message, seen.wParam, seen.lParam),
                  std::make_tuple(target->m_hWnd, UINT(WM_PROBE + 1), WPARAM(3), LPARAM(4)));
        EXPECT_EQ(0, memcmp(&cur, &before, sizeof cur)); // restored in full
    }
}

} // namespace
