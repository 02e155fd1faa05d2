#include "kernel/waitable_objects.h"

#include "kernel/handle_table.h"

namespace ce {

std::shared_ptr<KernelObject> resolveHandleLocked(Device& device, HANDLE handle) {
    if (handle == currentThreadPseudoHandle) return std::make_shared<ThreadObject>(device.currentThreadLocked());
    if (handle == currentProcessPseudoHandle)
        return std::make_shared<ProcessObject>(device.currentThreadLocked().process());
    return device.get<HandleTable>().lookupLocked(handle);
}

void wakeWaitersOnThreadEnd(Device& device) {
    // Thread and process objects are many per thread (one per handle), so a
    // broad wake is simpler than tracking them; waiters re-check their object.
    device.wakeAllLocked();
}

}  // namespace ce
