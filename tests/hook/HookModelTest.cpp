// Random sequences of hooking, unhooking, destroying windows and hooks,
// subclassing by other code and probing, checked after every step against a
// model: per window, the ordered list of its hooks, newest first, and the
// stack of procedures its messages pass through.
#include <gtest/gtest.h>

#include <dovuv32.h>

#include "HookWindows.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

const UINT WM_PROBE = WM_APP + 7;
const int kWindows = 3;
const int kHooks = 6;
const int kForeign = 2; // other subclassers per window, at most

// What reached whom, in order: "a" hook a saw the probe, "a." WM_DESTROY,
// "a!" WM_NCDESTROY, "-a" a was asked to unhook; "W1" and so on for the own
// procedure of window 1; "X" and "Y" for the other subclassers.
std::string g_log;

std::string Token(UINT msg, const std::string& who) {
    if (msg == WM_PROBE)
        return who;
    if (msg == WM_DESTROY)
        return who + '.';
    return msg == WM_NCDESTROY ? who + '!' : "";
}

void Note(UINT msg, const std::string& who) {
    g_log += Token(msg, who);
}

std::string WindowName(HWND hWnd) {
    return std::string("W") + char(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
}

LRESULT ProbeAnswer(WPARAM wParam, LPARAM lParam) {
    return LRESULT(wParam * 7 + lParam);
}

LRESULT CALLBACK OwnProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Note(msg, WindowName(hWnd));
    if (msg == WM_PROBE)
        return ProbeAnswer(wParam, lParam);
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}

// Other code subclassing a window plainly: installed on top, it passes every
// message on to what it found, and leaves only while it is on top.
std::map<HWND, WNDPROC> g_found[kForeign];

std::string ForeignName(int k) {
    return std::string(1, char('X' + k));
}

template <int K> LRESULT CALLBACK ForeignProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Note(msg, ForeignName(K));
    return ::CallWindowProc(g_found[K][hWnd], hWnd, msg, wParam, lParam);
}

const WNDPROC kForeignProcs[kForeign] = {ForeignProc<0>, ForeignProc<1>};

// A window of our own class in slot `slot`.
struct Window : OwnWindow {
    explicit Window(int slot) : OwnWindow(_T("HookModelWindow"), OwnProc) {
        ::SetWindowLongPtr(m_hWnd, GWLP_USERDATA, '0' + slot);
    }
};

// How a hook passes messages on: with Default() or the base WindowProc. An
// answering hook keeps the probe to itself; a leaving one unhooks itself while
// handling a probe with an odd lParam, then passes it on with Default().
enum Kind { kDefault, kBase, kAnswer, kLeave };

char HookName(int slot) {
    return char('a' + slot);
}
Kind HookKind(int slot) {
    const Kind kinds[kHooks] = {kDefault, kBase, kAnswer, kLeave, kDefault, kBase};
    return kinds[slot];
}
bool Leaves(UINT msg, LPARAM lParam) {
    return msg == WM_PROBE && lParam % 2 != 0;
}
LRESULT HookAnswer(int slot) {
    return 900 + slot;
}

class ModelHook : public CAIMsgHook {
public:
    explicit ModelHook(int slot) : m_slot(slot) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        Note(msg, std::string(1, HookName(m_slot)));
        const Kind kind = HookKind(m_slot);
        if (kind == kAnswer && msg == WM_PROBE)
            return HookAnswer(m_slot);
        if (kind == kLeave && Leaves(msg, lParam))
            HookWindow(NULL);
        return kind == kBase ? CAIMsgHook::WindowProc(msg, wParam, lParam) : Default();
    }
    BOOL HookWindow(CWnd* pWnd) override {
        if (pWnd == NULL)
            g_log += std::string("-") + HookName(m_slot);
        return CAIMsgHook::HookWindow(pWnd);
    }

private:
    int m_slot;
};

// A window's procedures, top first: a foreign subclasser's number, or the
// hooks' shared procedure.
const int kShared = -1;

class HookModelRun {
public:
    // withForeign: other subclassers come and go among the steps.
    HookModelRun(unsigned seed, bool withForeign)
        : m_rng(seed), m_ops(withForeign ? 24 : 20), m_chains(kWindows), m_layers(kWindows),
          m_where(kHooks, -1) {
        for (std::map<HWND, WNDPROC>& found : g_found)
            found.clear();
        for (int w = 0; w < kWindows; ++w)
            m_windows.push_back(std::make_unique<Window>(w));
        for (int h = 0; h < kHooks; ++h)
            m_hooks.push_back(std::make_unique<ModelHook>(h));
        m_hooks[0]->HookWindow(&m_windows[0]->m_wnd);
        m_shared = m_windows[0]->Proc();
        m_hooks[0]->HookWindow(NULL);
    }

    // One random step and the checks after it: what diverged from the model,
    // or "" when nothing did.
    std::string Step(int n) {
        const int w = Pick(kWindows), h = Pick(kHooks), op = Pick(m_ops);
        const std::string hook(1, HookName(h)), window = "W" + std::to_string(w);
        std::string what, expected, problem;
        g_log.clear();
        if (op < 7) {
            what = "hook " + hook + " to " + window;
            m_hooks[h]->HookWindow(&m_windows[w]->m_wnd);
            if (m_where[h] < 0)
                Hook(h, w);
        } else if (op < 11) {
            what = "unhook " + hook;
            m_hooks[h]->HookWindow(NULL);
            Forget(h);
            expected = "-" + hook;
        } else if (op < 13) {
            what = "destroy " + window;
            // Hooks see WM_DESTROY, are unhooked newest first at
            // WM_NCDESTROY, which only the other procedures see.
            expected = Route(w, WM_DESTROY, 0, 0).first;
            expected += Route(w, WM_NCDESTROY, 0, 0).first;
            const HWND hWnd = m_windows[w]->m_hWnd;
            ::DestroyWindow(hWnd);
            for (std::map<HWND, WNDPROC>& found : g_found)
                found.erase(hWnd);
            m_layers[w].clear();
            m_windows[w].reset();
            m_windows[w] = std::make_unique<Window>(w);
        } else if (op < 16) {
            what = "destroy hook " + hook;
            m_hooks[h].reset();
            Forget(h);
            m_hooks[h] = std::make_unique<ModelHook>(h);
        } else if (op >= 20 && op < 22) {
            what = "subclass " + window;
            Subclass(w);
        } else if (op >= 22) {
            what = "unsubclass " + window;
            Unsubclass(w);
        } else {
            const WPARAM wParam = Pick(1000);
            const LPARAM lParam = Pick(1000);
            what = "probe " + window + " " + std::to_string(wParam) + "," + std::to_string(lParam);
            problem = Probe(w, wParam, lParam);
            expected = g_log; // the probe checked its route itself
        }
        m_recent.push_back(std::to_string(n) + ": " + what);
        if (m_recent.size() > 12)
            m_recent.pop_front();
        if (problem.empty() && g_log != expected)
            problem = "messages '" + g_log + "', expected '" + expected + "'";
        return problem.empty() ? CheckAll() : problem;
    }

    std::string Recent() const {
        std::string text;
        for (const std::string& step : m_recent)
            text += "\n  " + step;
        return text;
    }

private:
    int Pick(int n) { return int(m_rng() % unsigned(n)); }

    // The first hook of a window installs the shared procedure on top, or
    // takes the place where it was left under another subclasser.
    void Hook(int h, int w) {
        std::vector<int>& layers = m_layers[w];
        if (std::find(layers.begin(), layers.end(), kShared) == layers.end())
            layers.insert(layers.begin(), kShared);
        m_chains[w].push_front(h);
        m_where[h] = w;
    }

    // The last hook to leave restores the window's procedure only while the
    // shared one is on top.
    void Forget(int h) {
        const int w = m_where[h];
        if (w < 0)
            return;
        std::deque<int>& chain = m_chains[w];
        chain.erase(std::find(chain.begin(), chain.end(), h));
        m_where[h] = -1;
        if (chain.empty())
            RestoreIfOnTop(w);
    }

    void RestoreIfOnTop(int w) {
        std::vector<int>& layers = m_layers[w];
        if (!layers.empty() && layers.front() == kShared)
            layers.erase(layers.begin());
    }

    void Subclass(int w) {
        std::vector<int>& layers = m_layers[w];
        for (int k = 0; k < kForeign; ++k) {
            if (std::find(layers.begin(), layers.end(), k) != layers.end())
                continue;
            const HWND hWnd = m_windows[w]->m_hWnd;
            g_found[k][hWnd] = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
                hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kForeignProcs[k])));
            layers.insert(layers.begin(), k);
            return;
        }
    }

    void Unsubclass(int w) {
        std::vector<int>& layers = m_layers[w];
        if (layers.empty() || layers.front() == kShared)
            return;
        const HWND hWnd = m_windows[w]->m_hWnd;
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC,
                           reinterpret_cast<LONG_PTR>(g_found[layers.front()][hWnd]));
        layers.erase(layers.begin());
    }

    // The model's route of a message to window w, through its procedures from
    // the top: what it leaves in the log and, for a probe, the answer.
    std::pair<std::string, LRESULT> Route(int w, UINT msg, WPARAM wParam, LPARAM lParam) {
        const std::vector<int> layers = m_layers[w]; // this message's way down
        std::string log;
        for (int layer : layers) {
            if (layer != kShared) {
                log += Token(msg, ForeignName(layer));
            } else if (m_chains[w].empty()) {
                RestoreIfOnTop(w); // reached without hooks: the restore put off
            } else if (msg == WM_NCDESTROY) {
                for (int h : m_chains[w]) {
                    log += std::string("-") + HookName(h);
                    m_where[h] = -1;
                }
                m_chains[w].clear();
            } else {
                LRESULT answer = 0;
                if (HookRoute(w, msg, lParam, log, answer))
                    return {log, answer};
            }
        }
        return {log + Token(msg, "W" + std::to_string(w)), ProbeAnswer(wParam, lParam)};
    }

    // A message through window w's hooks, newest first; true when one
    // answered it. Leaving hooks leave the model's chain too; the message
    // still goes on past them.
    bool HookRoute(int w, UINT msg, LPARAM lParam, std::string& log, LRESULT& answer) {
        const std::deque<int> chain = m_chains[w];
        for (int h : chain) {
            const std::string hook(1, HookName(h));
            log += Token(msg, hook);
            if (msg == WM_PROBE && HookKind(h) == kAnswer) {
                answer = HookAnswer(h);
                return true;
            }
            if (HookKind(h) == kLeave && Leaves(msg, lParam)) {
                log += "-" + hook;
                Forget(h);
            }
        }
        return false;
    }

    std::string Probe(int w, WPARAM wParam, LPARAM lParam) {
        const std::pair<std::string, LRESULT> expected = Route(w, WM_PROBE, wParam, lParam);
        const MSG& cur = AfxGetThreadState()->m_lastSentMsg;
        const MSG before = cur;
        g_log.clear();
        const LRESULT result = ::SendMessage(m_windows[w]->m_hWnd, WM_PROBE, wParam, lParam);
        std::ostringstream out;
        if (g_log != expected.first || result != expected.second)
            out << "probe W" << w << " went '" << g_log << "' answering " << result
                << ", expected '" << expected.first << "' answering " << expected.second;
        else if (std::memcmp(&before, &cur, sizeof cur) != 0)
            out << "probe W" << w << " left the current-message record changed";
        return out.str();
    }

    // Every hook's IsHooked, every window's procedure and probe route.
    std::string CheckAll() {
        for (int h = 0; h < kHooks; ++h)
            if (bool(m_hooks[h]->IsHooked()) != (m_where[h] >= 0))
                return std::string("IsHooked() of ") + HookName(h) + " is wrong";
        for (int w = 0; w < kWindows; ++w) {
            const std::vector<int>& layers = m_layers[w];
            const WNDPROC top = layers.empty()              ? OwnProc
                                : layers.front() == kShared ? m_shared
                                                            : kForeignProcs[layers.front()];
            if (m_windows[w]->Proc() != top)
                return "W" + std::to_string(w) + " has the wrong procedure on top";
            std::string problem = Probe(w, w + 1, 2);
            if (!problem.empty())
                return problem;
        }
        return "";
    }

    std::minstd_rand m_rng;
    const int m_ops;
    std::vector<std::unique_ptr<Window>> m_windows; // outlive the hooks
    std::vector<std::unique_ptr<ModelHook>> m_hooks;
    std::vector<std::deque<int>> m_chains;  // per window, newest first
    std::vector<std::vector<int>> m_layers; // per window, its procedures, top first
    std::vector<int> m_where;               // per hook, its window or -1
    WNDPROC m_shared;
    std::deque<std::string> m_recent;
};

// Runs up to `steps` steps of one seed and returns how many were taken; the
// first divergence ends the run and is added to `report` with what led to it.
int RunSeed(unsigned seed, bool withForeign, int steps, int& divergences, std::string& report) {
    HookModelRun run(seed, withForeign);
    for (int n = 1; n <= steps; ++n) {
        const std::string problem = run.Step(n);
        if (!problem.empty()) {
            ++divergences;
            report += "seed " + std::to_string(seed) + ", step " + std::to_string(n) + ": " +
                      problem + "\nrecent steps:" + run.Recent() + "\n";
            return n;
        }
    }
    return steps;
}

TEST(HookModelTest, RandomSequencesFollowTheChainModel) {
    const unsigned seeds[] = {1, 2, 3, 4};
    int steps = 0, divergences = 0;
    std::string report;
    for (unsigned seed : seeds)
        steps += RunSeed(seed, true, 1000, divergences, report);
    std::cout << "hook model: " << steps << " steps, " << std::size(seeds) << " seeds, "
              << divergences << " divergences" << std::endl;
    EXPECT_EQ(0, divergences) << report;
}

// Seed 4 once lost the probe of step 93: the oldest hook of a window left
// while handling it, and the window's own procedure never saw it. (A run
// without other subclassers, as the chains were modelled then.)
TEST(HookModelTest, OldestHookLeavingMidMessageStillPassesItOn) {
    int divergences = 0;
    std::string report;
    RunSeed(4, false, 93, divergences, report);
    EXPECT_EQ(0, divergences) << report;
}

} // namespace
