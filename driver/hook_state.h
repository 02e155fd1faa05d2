// The driver's one module-wide record of the shell windows it found and of
// their previous window procedures.
#pragma once

#include <windows.h>

#include <atomic>

// Written only by the worker, each field once per load; read on the shell's
// thread and on clients' threads without a lock. Each field is atomic so
// that a reader that sees a procedure also sees the handles stored before
// it: writers store with release, readers load with acquire.
struct HookStateRecord {
    std::atomic<WNDPROC> prevAnchorProc{nullptr};
    std::atomic<WNDPROC> prevDesktopProc{nullptr};
    std::atomic<HWND> fillPane{nullptr};
    std::atomic<HWND> menuBar{nullptr};
    std::atomic<HWND> hookedAnchor{nullptr};
    std::atomic<HWND> hookedDesktop{nullptr};
    std::atomic<HWND> anchorPane{nullptr};
};

// Zero at load (constant-initialised: the module has no static constructors).
extern HookStateRecord HookState;

// Called by InstallProcedures after each of its six steps, with the step's
// number, when set. Not exported from the library: only tests built from
// the driver's sources set it, to run a restore between two steps.
extern void (*InstallStepObserver)(int completedStep);
