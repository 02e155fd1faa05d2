#pragma once

#include "device/device.h"
#include "kernel/kernel_object.h"

#include <map>
#include <memory>
#include <string>

namespace ce {

// The kernel's HANDLE namespace: maps handle values to kernel objects and
// named objects to their one instance. Handle values are small non-null
// multiples of four, so they never equal INVALID_HANDLE_VALUE or the
// current-thread/current-process pseudo handles, and they are not reused.
// Every *Locked call needs the device lock.
class HandleTable : public DeviceComponent {
public:
    explicit HandleTable(Device& device);
    ~HandleTable() override;

    // Gives object a new handle. A non-empty name enters it into the shared
    // namespace (the caller has already checked that the name is free).
    HANDLE insertLocked(std::shared_ptr<KernelObject> object, std::u16string name = {});
    std::shared_ptr<KernelObject> lookupLocked(HANDLE handle) const;
    template <class T>
    std::shared_ptr<T> lookupAsLocked(HANDLE handle) const {
        return std::dynamic_pointer_cast<T>(lookupLocked(handle));
    }
    // The object of that name while any handle to it is open, else null.
    std::shared_ptr<KernelObject> findNamedLocked(const std::u16string& name) const;

    struct Removal {
        bool found = false;
        // Set when the removed handle was the object's last one: the caller
        // calls onLastHandleClosed on it after releasing the device lock.
        std::shared_ptr<KernelObject> lastHandleOf;
    };
    Removal removeLocked(HANDLE handle);
    // CloseHandle's work: takes the lock itself and notifies the object.
    bool close(HANDLE handle);

private:
    Device& device_;
    std::map<std::uintptr_t, std::shared_ptr<KernelObject>> handles_;
    std::map<std::u16string, std::weak_ptr<KernelObject>> names_;
    std::uintptr_t nextValue_ = 4;
};

}  // namespace ce
