#pragma once

#include "device/device.h"
#include "resources/icon_image.h"
#include "resources/resource_module.h"

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <tuple>

namespace ce {

// Owns the device's resource state: each module file's resources (loaded
// once), the HRSRC handles given out, and the shared icons of LoadIcon.
// Resource data never changes once loaded and touches no other emulated
// state, so this has its own lock instead of holding the device lock while
// files are read; it never calls out while holding it.
class ResourceManager : public DeviceComponent {
public:
    explicit ResourceManager(Device& device);
    ~ResourceManager() override;

    struct Lookup {
        const ResourceModule* module = nullptr;
        const ResourceEntry* entry = nullptr;
        DWORD error = ERROR_SUCCESS;  // the last-error value when entry is null
        std::string report;           // a message for the debug output, first failure of a malformed file only
    };
    // Finds a resource in the module file at hostPath.
    Lookup find(const std::string& hostPath, const ResourceName& type, const ResourceName& name);

    // The resource an HRSRC stands for, or null for a handle never given out.
    const ResourceEntry* entryOf(HRSRC handle, const ResourceModule** module = nullptr);
    static HRSRC handleOf(const ResourceEntry& entry) {
        return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(&entry));
    }

    struct IconLoad {
        HICON icon = nullptr;
        DWORD error = ERROR_SUCCESS;
        std::string report;
    };
    // The shared icon of group `name` that best fits width x height; the
    // same handle for every load of the same icon at the same size.
    IconLoad loadIcon(const std::string& hostPath, const ResourceName& name, int width, int height);
    // A predefined icon of LoadIcon(NULL, ...); only IDI_APPLICATION exists.
    IconLoad loadPredefinedIcon(WORD id);
    // The decoded image of an icon handle; null for an unknown handle. Stays
    // valid while the device lives.
    const IconImage* iconImage(HICON icon);

private:
    ResourceModule& moduleLocked(const std::string& hostPath);
    Lookup findLocked(const std::string& hostPath, const ResourceName& type, const ResourceName& name);
    // A message that should reach the debug output once per module.
    HICON addSharedIconLocked(std::tuple<std::string, std::string, int, int> key, IconImage image);
    std::string reportOnceLocked(const ResourceModule& module, const std::string& message);

    std::mutex mutex_;
    std::map<std::string, std::unique_ptr<ResourceModule>> modules_;
    std::map<const ResourceModule*, std::set<std::string>> reported_;
    std::map<HRSRC, const ResourceModule*> moduleOfHandle_;
    std::map<std::tuple<std::string, std::string, int, int>, HICON> sharedIcons_;
    std::map<HICON, std::unique_ptr<IconImage>> icons_;
    std::uintptr_t nextIcon_ = 0x10000;
};

}  // namespace ce
