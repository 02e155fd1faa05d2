// LoadIcon, DestroyIcon and DrawIcon for resource and predefined icons.
#include "gdi/device_context.h"
#include "kernel/module_registry.h"
#include "resources/icons.h"
#include "resources/resource_manager.h"
#include "resources/resource_report.h"

#include <windows.h>

namespace ce {

const IconImage* iconImage(HICON icon) { return Device::current().get<ResourceManager>().iconImage(icon); }

}  // namespace ce

extern "C" {

// LoadIconW: the icon group's image closest to 32 x 32, decoded once and
// shared: every load of the same icon gives the same handle. With no
// instance, the predefined icons (IDI_APPLICATION).
HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    auto name = ce::ResourceName::fromArgument(lpIconName);
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& resources = ce::Device::current().get<ce::ResourceManager>();
    ce::ResourceManager::IconLoad load;
    if (!hInstance) {
        load = name->isOrdinal ? resources.loadPredefinedIcon(name->ordinal)
                               : ce::ResourceManager::IconLoad{nullptr, ERROR_RESOURCE_NAME_NOT_FOUND, {}};
    } else {
        std::string hostPath = ce::moduleHostPath(hInstance);
        if (hostPath.empty()) {
            load.error = ERROR_INVALID_HANDLE;
        } else {
            load = resources.loadIcon(hostPath, *name, ce::standardIconSize, ce::standardIconSize);
            ce::reportResourceProblem(load.report);
        }
    }
    if (!load.icon) SetLastError(load.error);
    return load.icon;
}

// DestroyIcon: icons from LoadIcon are shared and stay alive (as on
// Windows), so this succeeds without destroying them.
BOOL WINAPI DestroyIcon(HICON hIcon) {
    if (!ce::iconImage(hIcon)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

// DrawIcon: the icon at its own size with its top-left corner at (X, Y);
// transparent pixels leave the surface as it was.
BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    const ce::IconImage* image = ce::iconImage(hIcon);
    if (!image || !hDC) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    ce::gdi::blitArgb(hDC, X, Y, image->argb.data(), image->width, image->height);
    return TRUE;
}

}  // extern "C"
