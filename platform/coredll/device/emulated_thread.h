#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace ce {

class EmulatedProcess;

// Unwinds an emulated thread's stack when its device shuts down while the
// thread is blocked inside the platform. Caught by the thread's entry.
struct ThreadAbort {};

// Per-subsystem data a thread carries (its message queue, say); created by
// the subsystem on first use and destroyed with the thread record.
class ThreadExtension {
public:
    virtual ~ThreadExtension() = default;
};

// One emulated thread: either spawned by the device (CreateThread, a
// process's main thread) or a host thread adopted on its first platform call.
// Fields are guarded by the device lock unless noted.
class EmulatedThread {
public:
    EmulatedThread(DWORD id, EmulatedProcess& process) : id_(id), process_(&process) {}

    DWORD id() const { return id_; }
    EmulatedProcess& process() const { return *process_; }

    // Per-thread last error; only the thread itself touches it.
    DWORD lastError = 0;

    // Scheduling state seen by the idle detector and the virtual clock.
    bool blocked = false;
    bool blockedIdle = false;                 // blocked with nothing to do (GetMessage on empty queue...)
    std::optional<std::uint64_t> wakeAt;      // virtual deadline of a timed block
    bool finished = false;
    DWORD exitCode = STILL_ACTIVE;
    std::string blockReason;                  // for "stuck" diagnostics

    std::condition_variable wake;             // waited on with the device lock
    std::thread host;                         // spawned threads only

    // Lazily created subsystem data, keyed by a tag the subsystem owns.
    template <class T>
    T& extension() {
        for (auto& entry : extensions_)
            if (auto* typed = dynamic_cast<T*>(entry.get())) return *typed;
        extensions_.push_back(std::make_unique<T>());
        return static_cast<T&>(*extensions_.back());
    }

private:
    DWORD id_;
    EmulatedProcess* process_;
    std::vector<std::unique_ptr<ThreadExtension>> extensions_;
};

}  // namespace ce
