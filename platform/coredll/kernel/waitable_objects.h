#pragma once

#include "device/device.h"
#include "kernel/kernel_object.h"

#include <memory>

namespace ce {

// A thread seen through a HANDLE: signalled once the thread has ended.
class ThreadObject : public KernelObject {
public:
    explicit ThreadObject(EmulatedThread& thread) : thread_(&thread) {}
    bool signaledLocked(EmulatedThread&) const override { return thread_->finished; }
    EmulatedThread& thread() const { return *thread_; }

private:
    EmulatedThread* thread_;  // thread records live as long as the device
};

// A process seen through a HANDLE: signalled once its last thread has ended.
class ProcessObject : public KernelObject {
public:
    explicit ProcessObject(EmulatedProcess& process) : process_(&process) {}
    bool signaledLocked(EmulatedThread&) const override { return process_->ended; }
    EmulatedProcess& process() const { return *process_; }

private:
    EmulatedProcess* process_;  // process records live as long as the device
};

// The pseudo handles of GetCurrentThread and GetCurrentProcess. They are
// not in the handle table; they always mean the caller's own thread/process.
inline HANDLE const currentThreadPseudoHandle = reinterpret_cast<HANDLE>(0x41);
inline HANDLE const currentProcessPseudoHandle = reinterpret_cast<HANDLE>(0x42);

// The object a HANDLE stands for, pseudo handles included; null if none. Lock held.
std::shared_ptr<KernelObject> resolveHandleLocked(Device& device, HANDLE handle);

// Wakes every blocked thread so that waits on threads and processes see an
// ending; used as the onExit of the threads the kernel starts. Lock held.
void wakeWaitersOnThreadEnd(Device& device);

}  // namespace ce
