#pragma once

#include "device/device.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"
#include "kernel/text_conversion.h"

#include <memory>

namespace ce {

// The create half of CreateEvent and CreateMutex. A name that is taken by an
// object of the same kind opens that object unchanged, with
// ERROR_ALREADY_EXISTS; by another kind, fails with ERROR_INVALID_HANDLE.
// Otherwise makeObject() builds the object, which gets the name (if any),
// with ERROR_SUCCESS. Lock held.
template <typename Object, typename MakeObject>
HANDLE createOrOpenNamedLocked(Device& device, LPCWSTR name, MakeObject makeObject) {
    auto& handles = device.get<HandleTable>();
    std::u16string key = wideOrEmpty(name);
    if (!key.empty()) {
        if (auto existing = handles.findNamedLocked(key)) {
            auto object = std::dynamic_pointer_cast<Object>(existing);
            if (!object) {
                setLastErrorLocked(device, ERROR_INVALID_HANDLE);
                return nullptr;
            }
            setLastErrorLocked(device, ERROR_ALREADY_EXISTS);
            return handles.insertLocked(object);
        }
    }
    std::shared_ptr<Object> object = makeObject();
    setLastErrorLocked(device, ERROR_SUCCESS);
    return handles.insertLocked(object, key);
}

}  // namespace ce
