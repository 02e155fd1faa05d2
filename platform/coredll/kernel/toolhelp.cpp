#include <tlhelp32.h>

#include "device/device.h"
#include "kernel/handle_table.h"
#include "kernel/last_error.h"

#include <algorithm>
#include <vector>

namespace ce {

namespace {

// A snapshot of the processes alive when it was taken; never signalled.
class ProcessSnapshot : public KernelObject {
public:
    struct Entry {
        DWORD processId;
        DWORD threadCount;
        std::u16string imagePath;
    };
    bool signaledLocked(EmulatedThread&) const override { return false; }

    std::vector<Entry> entries;
    std::size_t next = 0;
};

// Fills one entry for Process32FirstW/NextW, or fails as the real calls do.
BOOL nextProcess(HANDLE snapshotHandle, LPPROCESSENTRY32W entry, bool fromStart) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto snapshot = device.get<HandleTable>().lookupAsLocked<ProcessSnapshot>(snapshotHandle);
    if (!snapshot) {
        setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!entry || entry->dwSize < sizeof(PROCESSENTRY32W)) {
        setLastErrorLocked(device, ERROR_BAD_LENGTH);
        return FALSE;
    }
    if (fromStart) snapshot->next = 0;
    if (snapshot->next >= snapshot->entries.size()) {
        setLastErrorLocked(device, ERROR_NO_MORE_FILES);
        return FALSE;
    }
    const auto& source = snapshot->entries[snapshot->next++];
    DWORD size = entry->dwSize;
    *entry = PROCESSENTRY32W{};
    entry->dwSize = size;
    entry->cntUsage = 1;
    entry->th32ProcessID = source.processId;
    entry->cntThreads = source.threadCount;
    std::size_t length = std::min<std::size_t>(source.imagePath.size(), MAX_PATH - 1);
    std::copy_n(source.imagePath.begin(), length, entry->szExeFile);
    entry->szExeFile[length] = 0;
    return TRUE;
}

}  // namespace

}  // namespace ce

using ce::Device;

// CreateToolhelp32Snapshot: processes only; failure gives INVALID_HANDLE_VALUE, not NULL.
extern "C" HANDLE WINAPI CreateToolhelp32Snapshot(DWORD dwFlags, DWORD) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    if (!(dwFlags & TH32CS_SNAPPROCESS)) {
        ce::setLastErrorLocked(device, ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto snapshot = std::make_shared<ce::ProcessSnapshot>();
    for (ce::EmulatedProcess* process : device.processesLocked()) {
        if (process->ended) continue;
        DWORD threads = static_cast<DWORD>(std::count_if(process->threads.begin(), process->threads.end(),
                                                         [](ce::EmulatedThread* t) { return !t->finished; }));
        snapshot->entries.push_back({process->id(), threads, process->imagePath()});
    }
    return device.get<ce::HandleTable>().insertLocked(snapshot);
}

// Process32FirstW: dwSize must be set to at least sizeof(PROCESSENTRY32W).
extern "C" BOOL WINAPI Process32FirstW(HANDLE hSnapshot, LPPROCESSENTRY32W lppe) {
    return ce::nextProcess(hSnapshot, lppe, true);
}

// Process32NextW: ERROR_NO_MORE_FILES after the last process.
extern "C" BOOL WINAPI Process32NextW(HANDLE hSnapshot, LPPROCESSENTRY32W lppe) {
    return ce::nextProcess(hSnapshot, lppe, false);
}

// CloseToolhelp32Snapshot: the same as CloseHandle on the snapshot.
extern "C" BOOL WINAPI CloseToolhelp32Snapshot(HANDLE hSnapshot) { return CloseHandle(hSnapshot); }
