#include "device/device.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/thread_exit.h"
#include "kernel/waitable_objects.h"

#include <cstdio>
#include <cstdlib>

namespace ce {

namespace {
thread_local bool tExitable = false;
}

DWORD runExitableThreadBody(const std::function<DWORD()>& body) {
    tExitable = true;
    DWORD exitCode = 0;
    try {
        exitCode = body();
    } catch (const ThreadExitUnwind& exit) {
        exitCode = exit.exitCode;
    } catch (...) {
        tExitable = false;
        throw;
    }
    tExitable = false;
    return exitCode;
}

bool insideExitableThreadBody() { return tExitable; }

}  // namespace ce

using ce::Device;

// CreateThread: a host thread in the caller's process; CREATE_SUSPENDED gives ERROR_NOT_SUPPORTED.
extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, DWORD, LPTHREAD_START_ROUTINE lpStartAddr,
                                      LPVOID lpvThreadParam, DWORD fdwCreate, LPDWORD lpIDThread) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    if (!lpStartAddr) {
        ce::setLastErrorLocked(device, ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (fdwCreate & CREATE_SUSPENDED) {
        ce::setLastErrorLocked(device, ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    ce::EmulatedProcess& process = device.currentThreadLocked().process();
    ce::EmulatedThread& thread = device.startThreadLocked(
        process,
        [lpStartAddr, lpvThreadParam] {
            return ce::runExitableThreadBody([&] { return lpStartAddr(lpvThreadParam); });
        },
        [&device](ce::EmulatedThread&) { ce::wakeWaitersOnThreadEnd(device); });
    if (lpIDThread) *lpIDThread = thread.id();
    return device.get<ce::HandleTable>().insertLocked(std::make_shared<ce::ThreadObject>(thread));
}

// ExitThread: unwinds to the thread's entry, running destructors; fatal on a host thread we did not start.
extern "C" void WINAPI ExitThread(DWORD dwExitCode) {
    if (!ce::insideExitableThreadBody()) {
        std::fprintf(stderr, "ExitThread called on a host thread that the emulated platform did not start\n");
        std::abort();
    }
    throw ce::ThreadExitUnwind{dwExitCode};
}

// GetExitCodeThread: STILL_ACTIVE while the thread runs.
extern "C" BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto thread = std::dynamic_pointer_cast<ce::ThreadObject>(ce::resolveHandleLocked(device, hThread));
    if (!thread || !lpExitCode) {
        ce::setLastErrorLocked(device, thread ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *lpExitCode = thread->thread().finished ? thread->thread().exitCode : STILL_ACTIVE;
    return TRUE;
}

// GetCurrentThreadId: adopts an unknown host thread on first use.
extern "C" DWORD WINAPI GetCurrentThreadId() { return Device::current().currentThread().id(); }

// GetCurrentThread: a pseudo handle that always means the calling thread.
extern "C" HANDLE WINAPI GetCurrentThread() { return ce::currentThreadPseudoHandle; }

// Sleep: Sleep(0) only yields; under the virtual clock time jumps instead of passing.
extern "C" void WINAPI Sleep(DWORD dwMilliseconds) {
    Device& device = Device::current();
    std::unique_lock<std::mutex> lock(device.mutex());
    if (dwMilliseconds == 0) {
        lock.unlock();
        std::this_thread::yield();
        return;
    }
    device.block(lock, true, dwMilliseconds, [] { return false; }, "Sleep");
}

// GetTickCount: milliseconds since the device booted; wraps after 49.7 days.
extern "C" DWORD WINAPI GetTickCount() { return Device::current().tickCount(); }
