#pragma once

#include "device/emulated_process.h"
#include "device/emulated_thread.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <typeindex>
#include <vector>

namespace ce {

// How GetTickCount and timed waits advance. Virtual time moves only when
// every emulated thread is blocked, straight to the earliest deadline, so
// headless runs and tests are deterministic and never really sleep.
enum class ClockMode { Realtime, Virtual };

struct DeviceOptions {
    int screenWidth = 240;
    int screenHeight = 320;
    ClockMode clock = ClockMode::Virtual;
};

// A subsystem the device owns (window manager, kernel objects, screen...).
class DeviceComponent {
public:
    virtual ~DeviceComponent() = default;
};

// One emulated handheld. There is at most one per host process: the API
// functions reach it through Device::current(). It owns the threads and
// processes, the one lock that guards all emulated state, the clock, and the
// subsystems. Destroying it aborts every blocked emulated thread, joins them
// all, then destroys the subsystems in reverse order of creation.
class Device {
public:
    explicit Device(DeviceOptions options = {});
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // The active device; a default one (240 x 320, real-time clock) is
    // created on first use, so a plain program needs no set-up code.
    static Device& current();
    static Device* activeOrNull();

    const DeviceOptions& options() const { return options_; }
    std::mutex& mutex() { return mutex_; }

    // Subsystem of type T (a DeviceComponent with a Device& constructor),
    // created on first use. Safe to call with or without the device lock.
    template <class T>
    T& get() {
        std::lock_guard<std::recursive_mutex> guard(componentsMutex_);
        for (auto& entry : components_)
            if (entry.type == std::type_index(typeid(T))) return static_cast<T&>(*entry.component);
        components_.push_back({std::type_index(typeid(T)), std::make_unique<T>(*this)});
        return static_cast<T&>(*components_.back().component);
    }

    // --- threads and processes (lock held for the *Locked calls) ---
    EmulatedThread& currentThread();        // takes the lock itself
    EmulatedThread& currentThreadLocked();  // adopts an unknown host thread into the host process
    EmulatedThread* findThreadLocked(DWORD id);
    EmulatedProcess& hostProcessLocked();
    EmulatedProcess& createProcessLocked(std::u16string imagePath);
    EmulatedProcess* findProcessLocked(DWORD id);
    std::vector<EmulatedProcess*> processesLocked();
    std::vector<EmulatedThread*> threadsLocked();

    // Starts a real thread that runs body as an emulated thread of process.
    // The body's result is the thread's exit code; onExit runs on the thread,
    // lock held, after the thread is marked finished. Lock held.
    EmulatedThread& startThreadLocked(EmulatedProcess& process, std::function<DWORD()> body,
                                      std::function<void(EmulatedThread&)> onExit = {});

    // --- blocking: every wait inside the platform goes through here ---
    // Blocks the calling emulated thread until ready() holds (true) or the
    // timeout in platform milliseconds ran out (false). idle says whether
    // the thread has nothing to do while blocked here. Throws ThreadAbort
    // when the device shuts down (returns false instead while the thread is
    // already unwinding). Lock held through lock.
    bool block(std::unique_lock<std::mutex>& lock, bool idle, DWORD timeoutMs, const std::function<bool()>& ready,
               const char* reason);
    // Makes a blocked thread re-check its condition. Lock held.
    void wakeLocked(EmulatedThread& thread);
    void wakeAllLocked();

    // --- clock ---
    std::uint64_t nowLocked();
    DWORD tickCount();

    // --- idle detection for scenario runners and tests ---
    // Waits (as a host thread, or as an emulated thread that then counts as
    // idle) until every emulated thread is blocked with nothing to do,
    // advancing the virtual clock over timed waits. Returns false with a
    // reason when the threads are deadlocked or still busy after realLimit.
    bool waitForIdle(std::chrono::milliseconds realLimit = std::chrono::seconds(20), std::string* reason = nullptr);

    // The calling host thread stops being an emulated thread, as if it had
    // ended, so that idle detection no longer waits for it. A front end calls
    // this before it turns to work of its own (a desktop window's event
    // loop). A later platform call from it adopts it afresh.
    void releaseCurrentThread();

    // Called, lock held, on the ending thread when a process's last thread ends.
    std::function<void(EmulatedProcess&)> onProcessExit;

    bool shuttingDownLocked() const { return shuttingDown_; }

private:
    struct ComponentEntry {
        std::type_index type;
        std::unique_ptr<DeviceComponent> component;
    };

    void threadFinishedLocked(EmulatedThread& thread);
    bool allBlockedLocked(const EmulatedThread* except) const;
    bool idleLocked(const EmulatedThread* except) const;
    bool advanceClockLocked(const EmulatedThread* except);
    bool anyTimedWaitLocked() const;
    std::string busyReportLocked() const;
    void shutdown();

    DeviceOptions options_;
    std::uint64_t generation_;
    std::mutex mutex_;
    std::condition_variable stateChanged_;
    std::recursive_mutex componentsMutex_;
    std::vector<ComponentEntry> components_;

    std::vector<std::unique_ptr<EmulatedProcess>> processes_;
    std::vector<std::unique_ptr<EmulatedThread>> threads_;
    EmulatedProcess* hostProcess_ = nullptr;
    DWORD nextThreadId_ = 0x100;
    DWORD nextProcessId_ = 0x10;
    EmulatedThread* idleWaiter_ = nullptr;  // emulated thread inside waitForIdle

    std::uint64_t virtualNow_ = 0;
    std::chrono::steady_clock::time_point bootTime_;
    bool shuttingDown_ = false;

    friend struct AdoptedThreadExit;
};

}  // namespace ce
