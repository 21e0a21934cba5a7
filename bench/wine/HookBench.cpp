// Workload 6: messages sent to a window watched by three CAIMsgHook hooks
// that each pass the message on, against the same kind of window with three
// common-control subclass procedures doing the same. 20,000 messages times
// DOVUV32_BENCH_SCALE (the table shows the count as items): under Wine
// through qemu the subclass procedures take 0.3 to 0.7 ms per message, so a
// million would take the anchor minutes per repetition.
#include <afxwin.h>

#include <AIMsgHook.h>

#include "WineBench.h"

#include <commctrl.h>

namespace {

using winbench::Contender;
using winbench::Outcome;

CWinApp theApp("HookBench");

const UINT WM_BENCH = WM_APP + 7;
const int kLayers = 3;

// Messages that reached the window's own procedure.
long g_nOwn = 0;

LRESULT CALLBACK OwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_BENCH) {
        ++g_nOwn;
        return static_cast<LRESULT>(wParam & 0xff);
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

HWND CreateBenchWindow() {
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.lpszClassName = "HookBenchWindow";
        return ::RegisterClassA(&wc);
    }();
    return atom ? ::CreateWindowExA(0, "HookBenchWindow", "", WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                    ::GetModuleHandleA(NULL), NULL)
                : NULL;
}

class CountingHook : public CAIMsgHook {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_BENCH)
            ++nSeen;
        return CAIMsgHook::WindowProc(msg, wParam, lParam);
    }
    long nSeen = 0;
};

LRESULT CALLBACK CountingSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR dwRef) {
    if (msg == WM_BENCH)
        ++*reinterpret_cast<long*>(dwRef);
    return ::DefSubclassProc(hWnd, msg, wParam, lParam);
}

// One window and the counts of its three layers.
struct Target {
    HWND hWnd = NULL;
    long nSeen[kLayers] = {};
    long nAnswers = 0;

    void Reset() {
        g_nOwn = 0;
        nAnswers = 0;
        for (long& n : nSeen)
            n = 0;
    }
    bool Send(long nMessages) {
        for (long i = 0; i < nMessages; ++i)
            nAnswers +=
                static_cast<long>(::SendMessageA(hWnd, WM_BENCH, static_cast<WPARAM>(i), 0));
        return true;
    }
    Outcome Result() const {
        Outcome outcome;
        outcome.Add(std::to_string(g_nOwn));
        outcome.Add(std::to_string(nAnswers));
        for (long n : nSeen)
            outcome.Add(std::to_string(n));
        return outcome;
    }
};

bool Run(winbench::Report& report) {
    const long nMessages = winbench::Scaled(20000);
    Target ours, anchor;
    ours.hWnd = CreateBenchWindow();
    anchor.hWnd = CreateBenchWindow();
    if (!ours.hWnd || !anchor.hWnd)
        return false;
    CWnd wnd;
    wnd.Attach(ours.hWnd);
    CountingHook hooks[kLayers];
    for (CountingHook& hook : hooks)
        hook.HookWindow(&wnd);
    for (int i = 0; i < kLayers; ++i)
        ::SetWindowSubclass(anchor.hWnd, CountingSubclass, static_cast<UINT_PTR>(i),
                            reinterpret_cast<DWORD_PTR>(&anchor.nSeen[i]));

    const Contender hooked{"ours three CAIMsgHook",
                           [&] {
                               ours.Reset();
                               for (CountingHook& hook : hooks)
                                   hook.nSeen = 0;
                           },
                           [&] { return ours.Send(nMessages); },
                           [&] {
                               for (int i = 0; i < kLayers; ++i)
                                   ours.nSeen[i] = hooks[i].nSeen;
                               return ours.Result();
                           }};
    const Contender subclassed{"three SetWindowSubclass", [&] { anchor.Reset(); },
                               [&] { return anchor.Send(nMessages); },
                               [&] { return anchor.Result(); }};
    const bool bOk =
        report.Workload("6_hook_dispatch", 0, static_cast<double>(nMessages), {hooked, subclassed});
    for (CountingHook& hook : hooks)
        hook.HookWindow(NULL);
    wnd.Detach();
    ::DestroyWindow(ours.hWnd);
    ::DestroyWindow(anchor.hWnd);
    return bOk;
}

} // namespace

int main(int argc, char** argv) {
    return winbench::Main(argc, argv, Run);
}
