#include "kernel/handle_table.h"

namespace ce {

KernelObject::~KernelObject() = default;

HandleTable::HandleTable(Device& device) : device_(device) {}

// Objects still open at teardown are dropped without notification: their
// owners (drivers, threads) are already gone or being torn down.
HandleTable::~HandleTable() = default;

HANDLE HandleTable::insertLocked(std::shared_ptr<KernelObject> object, std::u16string name) {
    if (!object) return nullptr;
    if (!name.empty() && object->name_.empty()) {
        object->name_ = name;
        names_[name] = object;
    }
    ++object->openHandles_;
    std::uintptr_t value = nextValue_;
    nextValue_ += 4;
    handles_.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> HandleTable::lookupLocked(HANDLE handle) const {
    auto found = handles_.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == handles_.end() ? nullptr : found->second;
}

std::shared_ptr<KernelObject> HandleTable::findNamedLocked(const std::u16string& name) const {
    auto found = names_.find(name);
    if (found == names_.end()) return nullptr;
    auto object = found->second.lock();
    if (!object || object->openHandles_ == 0) return nullptr;
    return object;
}

HandleTable::Removal HandleTable::removeLocked(HANDLE handle) {
    Removal removal;
    auto found = handles_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == handles_.end()) return removal;
    removal.found = true;
    std::shared_ptr<KernelObject> object = std::move(found->second);
    handles_.erase(found);
    if (--object->openHandles_ == 0) {
        // A named object leaves the namespace with its last handle, so a
        // later create of that name makes a fresh object.
        if (!object->name_.empty()) {
            auto named = names_.find(object->name_);
            if (named != names_.end() && named->second.lock() == object) names_.erase(named);
        }
        removal.lastHandleOf = std::move(object);
    }
    return removal;
}

bool HandleTable::close(HANDLE handle) {
    Removal removal;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        removal = removeLocked(handle);
    }
    if (removal.lastHandleOf) removal.lastHandleOf->onLastHandleClosed();
    return removal.found;
}

}  // namespace ce
