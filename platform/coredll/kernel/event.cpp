#include "kernel/event.h"

#include "kernel/named_objects.h"

#include <algorithm>

namespace ce {

bool Event::released(const EmulatedThread& waiter) const {
    return std::find(pulsed_.begin(), pulsed_.end(), &waiter) != pulsed_.end();
}

bool Event::waiting(const EmulatedThread& thread) const {
    const auto& waiters = waitersLocked();
    return std::find(waiters.begin(), waiters.end(), &thread) != waiters.end();
}

// A pulse counts only for the wait that was going on when it came: a thread
// that a multiple-object wait let through by another object must not find
// this event signalled on its next wait.
void Event::forgetStalePulses() {
    std::erase_if(pulsed_, [this](const EmulatedThread* thread) { return !waiting(*thread); });
}

bool Event::signaledLocked(EmulatedThread& waiter) const { return set_ || (released(waiter) && waiting(waiter)); }

void Event::acquireLocked(EmulatedThread& waiter) {
    std::erase(pulsed_, &waiter);
    // A set auto-reset event is taken even by a pulsed thread, which may count
    // as released by either; otherwise the set would let a second thread through.
    if (!manualReset_) set_ = false;
}

void Event::setLocked(Device& device) {
    forgetStalePulses();
    set_ = true;
    // An auto-reset event lets one waiter through; the woken threads race
    // for it under the lock and the losers wait again.
    for (EmulatedThread* waiter : waitersLocked()) device.wakeLocked(*waiter);
}

void Event::pulseLocked(Device& device) {
    forgetStalePulses();
    for (EmulatedThread* waiter : waitersLocked()) {
        if (released(*waiter)) continue;
        pulsed_.push_back(waiter);
        device.wakeLocked(*waiter);
        if (!manualReset_) break;
    }
    set_ = false;
}

namespace {

// Applies change(event, device) to the event behind handle under the device
// lock; FALSE with ERROR_INVALID_HANDLE when the handle is not an event.
template <typename Change>
BOOL changeEvent(HANDLE handle, Change change) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto event = device.get<HandleTable>().lookupAsLocked<Event>(handle);
    if (!event) {
        setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return FALSE;
    }
    change(*event, device);
    return TRUE;
}

}  // namespace

}  // namespace ce

using ce::Device;
using ce::Event;
using ce::HandleTable;

// CreateEventW: an existing name opens that event unchanged with ERROR_ALREADY_EXISTS.
extern "C" HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCWSTR lpName) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    return ce::createOrOpenNamedLocked<Event>(device, lpName, [&] {
        return std::make_shared<Event>(bManualReset != FALSE, bInitialState != FALSE);
    });
}

// OpenEventW: an unknown name gives NULL with ERROR_FILE_NOT_FOUND; access rights are not enforced.
extern "C" HANDLE WINAPI OpenEventW(DWORD, BOOL, LPCWSTR lpName) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    if (!lpName || !*lpName) {
        ce::setLastErrorLocked(device, ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& handles = device.get<HandleTable>();
    auto existing = handles.findNamedLocked(lpName);
    if (!existing) {
        ce::setLastErrorLocked(device, ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    auto event = std::dynamic_pointer_cast<Event>(existing);
    if (!event) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return handles.insertLocked(event);
}

// SetEvent: wakes the threads waiting on the event.
extern "C" BOOL WINAPI SetEvent(HANDLE hEvent) {
    return ce::changeEvent(hEvent, [](Event& event, Device& device) { event.setLocked(device); });
}

// ResetEvent: never wakes anyone.
extern "C" BOOL WINAPI ResetEvent(HANDLE hEvent) {
    return ce::changeEvent(hEvent, [](Event& event, Device&) { event.resetLocked(); });
}

// PulseEvent: releases the current waiters (one if auto-reset) and leaves the event reset.
extern "C" BOOL WINAPI PulseEvent(HANDLE hEvent) {
    return ce::changeEvent(hEvent, [](Event& event, Device& device) { event.pulseLocked(device); });
}
