// Workload 6: messages sent to a window watched by three CAIMsgHook hooks
// that each pass the message on, against the same kind of window with three
// plain subclass procedures (SetWindowLongPtr, passing on with
// CallWindowProc: the limit, as nothing does less), 200,000 messages; and
// against three common-control subclass procedures (SetWindowSubclass),
// 20,000 messages, as Wine's take tens to hundreds of microseconds per
// message, against under 1 us for the other two (see CountingSubclass).
// Counts are times DOVUV32_BENCH_SCALE; the table shows them as items.
#include <afxwin.h>

#include <AIMsgHook.h>

#include "WineBench.h"

#include <commctrl.h>

namespace {

using winbench::Contender;
using winbench::Outcome;

CWinApp theApp(_T("HookBench"));

const UINT WM_BENCH = WM_APP + 7;
const int kLayers = 3;

// Messages that reached the window's own procedure.
long g_nOwn = 0;

LRESULT CALLBACK OwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_BENCH) {
        ++g_nOwn;
        return static_cast<LRESULT>(wParam & 0xff);
    }
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}

HWND CreateBenchWindow() {
    static const ATOM atom = [] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = OwnProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.lpszClassName = _T("HookBenchWindow");
        return ::RegisterClass(&wc);
    }();
    return atom ? ::CreateWindowEx(0, _T("HookBenchWindow"), _T(""), WS_POPUP, 0, 0, 100, 100, NULL,
                                   NULL, ::GetModuleHandle(NULL), NULL)
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

// Wine keeps a window's common-control subclass data in a window property,
// and every message looks it up: a property lookup is a round trip to the
// Wine server (15 us, against 0.1 us for GetWindowLongPtr, under Wine 8.0 on
// a 2-core AMD EPYC), while the other two chains find their procedures in
// the process's own memory.
LRESULT CALLBACK CountingSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR dwRef) {
    if (msg == WM_BENCH)
        ++*reinterpret_cast<long*>(dwRef);
    return ::DefSubclassProc(hWnd, msg, wParam, lParam);
}

// The plain chain: layer N's procedure counts and hands the message to the
// procedure it replaced.
WNDPROC g_plainNext[kLayers] = {};
long* g_plainSeen = nullptr;

template <int N> LRESULT CALLBACK PlainSubclass(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_BENCH)
        ++g_plainSeen[N];
    return ::CallWindowProc(g_plainNext[N], hWnd, msg, wParam, lParam);
}

const WNDPROC kPlainProcs[kLayers] = {PlainSubclass<0>, PlainSubclass<1>, PlainSubclass<2>};

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
            nAnswers += static_cast<long>(::SendMessage(hWnd, WM_BENCH, static_cast<WPARAM>(i), 0));
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
    const long nMessages = winbench::Scaled(200000);
    const long nCommonControlMessages = winbench::Scaled(20000);
    Target ours, plain, anchor;
    ours.hWnd = CreateBenchWindow();
    plain.hWnd = CreateBenchWindow();
    anchor.hWnd = CreateBenchWindow();
    if (!ours.hWnd || !plain.hWnd || !anchor.hWnd)
        return false;
    CWnd wnd;
    wnd.Attach(ours.hWnd);
    CountingHook hooks[kLayers];
    for (CountingHook& hook : hooks)
        hook.HookWindow(&wnd);
    g_plainSeen = plain.nSeen;
    for (int i = 0; i < kLayers; ++i)
        g_plainNext[i] = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
            plain.hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kPlainProcs[i])));
    for (int i = 0; i < kLayers; ++i)
        ::SetWindowSubclass(anchor.hWnd, CountingSubclass, static_cast<UINT_PTR>(i),
                            reinterpret_cast<DWORD_PTR>(&anchor.nSeen[i]));

    const auto hooked = [&](long nCount) {
        return Contender{"ours three CAIMsgHook",
                         [&] {
                             ours.Reset();
                             for (CountingHook& hook : hooks)
                                 hook.nSeen = 0;
                         },
                         [&ours, nCount] { return ours.Send(nCount); },
                         [&] {
                             for (int i = 0; i < kLayers; ++i)
                                 ours.nSeen[i] = hooks[i].nSeen;
                             return ours.Result();
                         }};
    };
    const Contender chained{"limit three SetWindowLongPtr", [&] { plain.Reset(); },
                            [&] { return plain.Send(nMessages); }, [&] { return plain.Result(); }};
    const Contender subclassed{"three SetWindowSubclass", [&] { anchor.Reset(); },
                               [&] { return anchor.Send(nCommonControlMessages); },
                               [&] { return anchor.Result(); }};
    const bool bChained = report.Workload("6_hook_dispatch", 0, static_cast<double>(nMessages),
                                          {hooked(nMessages), chained});
    const bool bSubclassed = report.Workload("6b_hook_dispatch_common_controls", 0,
                                             static_cast<double>(nCommonControlMessages),
                                             {hooked(nCommonControlMessages), subclassed});
    for (CountingHook& hook : hooks)
        hook.HookWindow(NULL);
    wnd.Detach();
    ::DestroyWindow(ours.hWnd);
    ::DestroyWindow(plain.hWnd);
    ::DestroyWindow(anchor.hWnd);
    return bChained && bSubclassed;
}

} // namespace

int main(int argc, char** argv) {
    return winbench::Main(argc, argv, Run);
}
