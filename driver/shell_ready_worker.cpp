#include "shell_ready_worker.h"

#include "hook_state.h"
#include "layout.h"
#include "subclass_procedures.h"

#include <aygshell.h>

#include <atomic>

namespace {

// One worker per load: a second DKF_Init must not start another, which
// would install the procedures over themselves.
constinit std::atomic<bool> workerStarted{false};
constinit std::atomic<HANDLE> workerThread{nullptr};
// Set when the module is about to go away; the worker waits on it as well
// as on the shell, and installs nothing once it is set.
constinit std::atomic<HANDLE> stopEvent{nullptr};

bool StopRequested() {
    return WaitForSingleObject(stopEvent.load(std::memory_order_acquire), 0) == WAIT_OBJECT_0;
}

// Waits for the shell's ready event or the stop event. Whatever ends the
// wait other than the stop (also a missing shell event) lets the worker go on.
bool WaitForShell(HANDLE shellReady) {
    HANDLE events[2] = {shellReady, stopEvent.load(std::memory_order_acquire)};
    DWORD result = WaitForMultipleObjects(2, events, FALSE, INFINITE);
    return result != WAIT_OBJECT_0 + 1;
}

}  // namespace

DWORD WINAPI ShellReadyWorker(LPVOID parameter) {
    (void)parameter;
    HANDLE shellReady = OpenEvent(EVENT_ALL_ACCESS, FALSE, u"SYSTEM/ShellInit");
    bool shellIsReady = WaitForShell(shellReady);
    // The wait is over: the handle has no further use.
    if (shellReady) CloseHandle(shellReady);
    if (!shellIsReady) return 0;

    HWND desktop = GetDesktopWindow();
    SendMessage(desktop, WM_SETTINGCHANGE, SETTINGCHANGE_RESET, 0);
    HookState.menuBar.store(SHFindMenuBar(desktop), std::memory_order_release);
    MoveBarOffScreen();
    FitDesktopToScreen(desktop);
    HookState.anchorPane.store(GetWindow(GetWindow(desktop, GW_CHILD), GW_CHILD), std::memory_order_release);
    HookState.fillPane.store(GetWindow(HookState.anchorPane.load(std::memory_order_acquire), GW_HWNDNEXT),
                             std::memory_order_release);
    LayoutFillPane();

    RECT desktopRect{};
    GetWindowRect(desktop, &desktopRect);
    InvalidateRect(desktop, &desktopRect, TRUE);
    SendMessage(desktop, WM_PAINT, 0, 0);

    // An unload that began while the desktop was being adjusted must not
    // find procedures installed after it restored them.
    if (!StopRequested()) InstallProcedures();
    return 0;
}

void StartShellReadyWorker() {
    if (workerStarted.exchange(true, std::memory_order_acq_rel)) return;
    stopEvent.store(CreateEvent(NULL, TRUE, FALSE, NULL), std::memory_order_release);
    // The handle is kept only so that an unload can wait for the thread.
    workerThread.store(CreateThread(NULL, 0, ShellReadyWorker, NULL, 0, NULL), std::memory_order_release);
}

void StopShellReadyWorker() {
    HANDLE thread = workerThread.exchange(nullptr, std::memory_order_acq_rel);
    HANDLE stop = stopEvent.load(std::memory_order_acquire);
    if (stop) SetEvent(stop);
    if (thread) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    if (stop) CloseHandle(stopEvent.exchange(nullptr, std::memory_order_acq_rel));
}
