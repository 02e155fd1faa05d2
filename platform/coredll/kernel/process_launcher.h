#pragma once

#include "device/device.h"

#include <string>
#include <vector>

namespace ce {

struct StartReport;

// Starts program images as emulated processes. A program image is a host
// shared object exporting `int WinMain(HINSTANCE, HINSTANCE, LPWSTR, int)`.
// Each process loads its own private copy of the image file, so each has
// its own statics. On the process's main thread the copy is loaded (static
// initialisers run), WinMain runs with SW_SHOW, and once it returns the copy
// is unloaded (static destructors run) and deleted; the process's exit code
// is WinMain's result. If other threads of the process still run then, or
// the device shuts down meanwhile, unloading waits for device teardown.
class ProcessLauncher : public DeviceComponent {
public:
    explicit ProcessLauncher(Device& device);
    ~ProcessLauncher() override;

    // Returns the new process's id once its image is loaded, or 0 when the
    // image cannot be loaded (see lastFailure). Call without the device lock.
    DWORD start(const std::string& hostImage, std::u16string devicePath, std::u16string commandLine);
    std::string lastFailure() const;

    // Lets the device run until the process has ended. False (see
    // lastFailure) for an unknown id, or when the device became idle,
    // deadlocked or stayed busy for 20 s with the process still alive, so a
    // stuck program stops the caller with a reason instead of hanging it.
    bool waitForExit(DWORD processId, DWORD* exitCode);
    // A new HANDLE to the process for WaitForSingleObject and
    // GetExitCodeProcess; NULL for an unknown id. Close with CloseHandle.
    HANDLE openProcessHandle(DWORD processId);

private:
    struct LoadedCopy {
        void* library = nullptr;
        std::string copyPath;
    };
    static void unload(const LoadedCopy& copy);
    DWORD runMainThread(EmulatedProcess& process, std::string hostImage, std::string copyPath,
                        std::u16string commandLine, StartReport& report);

    Device& device_;
    std::vector<LoadedCopy> deferred_;  // device lock
    std::string lastFailure_;           // device lock
};

}  // namespace ce
