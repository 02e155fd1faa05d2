#pragma once

#include "device/device.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ce {

// One loaded module; an HMODULE is the address of its record.
struct Module {
    std::u16string devicePath;  // e.g. \Windows\Dockfade.dll
    std::string hostPath;       // the host file holding the code and the .rsrc section
    void* library = nullptr;    // dlopen handle
    int references = 0;         // LoadLibrary count; process images and the host executable are not counted
    bool threadCallsDisabled = false;
    bool processImage = false;
};

// The loaded DLLs and program images of the device.
//
// Host convention for LoadLibrary: a device path's file name "Foo.dll" (any
// folder, such as \Windows\Foo.dll; ".dll" is assumed without an extension)
// is looked up as "libFoo.so", then "Foo.so", then "Foo.dll" in each search
// directory in the order they were added. A name that is an absolute host
// path ("/...") is loaded as it stands. Record fields are guarded by the
// device lock; loading and unloading are also serialised by a loader lock
// that is held (without the device lock) while DllMain runs, as on Windows.
class ModuleRegistry : public DeviceComponent {
public:
    explicit ModuleRegistry(Device& device);
    ~ModuleRegistry() override;

    void addSearchDirectory(std::string directory);
    std::vector<std::string> searchDirectories() const;

    // LoadLibrary and FreeLibrary; they set the caller's last error.
    HMODULE load(const std::u16string& path);
    bool free(HMODULE module);
    // Why the last failed load failed (the host loader's message), for front ends.
    std::string lastLoadFailure() const;

    // Registers a program image that a process runs; not reference counted.
    HMODULE registerImageLocked(std::u16string devicePath, std::string hostPath, void* library);
    void unregisterImageLocked(HMODULE module);

    Module* findLocked(HMODULE module) const;
    // As findLocked, NULL meaning the calling process's image.
    Module* findOrProcessImageLocked(HMODULE module);
    // A loaded module whose device file name matches (case ignored).
    Module* findByNameLocked(const std::u16string& name) const;
    // The record standing for the host executable (/proc/self/exe).
    HMODULE hostExecutableLocked();

private:
    std::string resolveHostPathLocked(const std::u16string& path) const;

    Device& device_;
    std::recursive_mutex loaderMutex_;
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::string> searchDirectories_;
    std::string lastLoadFailure_;
    Module* hostExecutable_ = nullptr;
};

// The host file holding a module's .rsrc section (for the host executable,
// /proc/self/exe); empty for an unknown handle. NULL means the caller's
// process image.
std::string moduleHostPath(HMODULE module);
// The module's device path, e.g. \Windows\Hueprobe.exe; empty if unknown.
std::u16string moduleDevicePath(HMODULE module);

}  // namespace ce
