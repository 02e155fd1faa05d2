#include "subclass_procedures.h"

#include "hook_state.h"
#include "layout.h"

#include <atomic>

namespace {

// Calls of the two procedures still running, on any thread; the module's
// code must not go away while one is on a stack.
constinit std::atomic<int> activeCalls{0};

struct ActiveCall {
    ActiveCall() { activeCalls.fetch_add(1, std::memory_order_acq_rel); }
    ~ActiveCall() { activeCalls.fetch_sub(1, std::memory_order_release); }
    ActiveCall(const ActiveCall&) = delete;
    ActiveCall& operator=(const ActiveCall&) = delete;
};

void ReportStep(int completedStep) {
    if (InstallStepObserver) InstallStepObserver(completedStep);
}

// Writes a saved procedure back, unless it was not saved yet: a restore that
// overlaps installation must never leave a window without a procedure.
void PutBack(HWND window, WNDPROC savedProcedure) {
    if (savedProcedure) SetWindowLong(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedProcedure));
}

}  // namespace

LRESULT CALLBACK DesktopSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ActiveCall call;
    LRESULT result =
        CallWindowProc(HookState.prevDesktopProc.load(std::memory_order_acquire), hwnd, message, wParam, lParam);
    // The whole wParam must be WA_ACTIVE: a click activation or a value with
    // a high word (minimised state) does not count.
    bool relayout = message == WM_SETTINGCHANGE || (message == WM_ACTIVATE && wParam == WA_ACTIVE);
    if (relayout) {
        MoveBarOffScreen();
        FitDesktopToScreen(hwnd);
        LayoutFillPane();
    }
    return result;
}

LRESULT CALLBACK AnchorSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ActiveCall call;
    // The anchor's new rectangle is already in effect, so the fill pane is
    // laid out against it before the shell's own procedure runs.
    if (message == WM_WINDOWPOSCHANGED) LayoutFillPane();
    return CallWindowProc(HookState.prevAnchorProc.load(std::memory_order_acquire), hwnd, message, wParam, lParam);
}

void InstallProcedures() {
    HookState.hookedDesktop.store(GetDesktopWindow(), std::memory_order_release);
    ReportStep(1);
    HWND desktop = HookState.hookedDesktop.load(std::memory_order_acquire);
    HookState.prevDesktopProc.store(reinterpret_cast<WNDPROC>(GetWindowLong(desktop, GWL_WNDPROC)),
                                    std::memory_order_release);
    ReportStep(2);
    SetWindowLong(desktop, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&DesktopSubclassProc));
    ReportStep(3);

    HookState.hookedAnchor.store(HookState.anchorPane.load(std::memory_order_acquire), std::memory_order_release);
    ReportStep(4);
    HWND anchor = HookState.hookedAnchor.load(std::memory_order_acquire);
    HookState.prevAnchorProc.store(reinterpret_cast<WNDPROC>(GetWindowLong(anchor, GWL_WNDPROC)),
                                   std::memory_order_release);
    ReportStep(5);
    SetWindowLong(anchor, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&AnchorSubclassProc));
    ReportStep(6);
}

void RestoreProcedures() {
    // The procedure is read first: once it is saved, the handle stored
    // before it is visible too.
    WNDPROC prevDesktop = HookState.prevDesktopProc.load(std::memory_order_acquire);
    PutBack(HookState.hookedDesktop.load(std::memory_order_acquire), prevDesktop);
    WNDPROC prevAnchor = HookState.prevAnchorProc.load(std::memory_order_acquire);
    PutBack(HookState.hookedAnchor.load(std::memory_order_acquire), prevAnchor);
}

void RetireProcedures() {
    RestoreProcedures();
    // A message already inside one of the procedures finishes with the
    // values it read; wait for it so that its code is still there.
    while (activeCalls.load(std::memory_order_acquire) > 0) Sleep(1);
}
