#include "device/device.h"
#include "kernel/last_error.h"
#include "kernel/module_registry.h"
#include "kernel/text_conversion.h"

#include <dlfcn.h>

#include <algorithm>

using ce::Device;
using ce::ModuleRegistry;

// LoadLibraryW: a repeated load only counts a reference; DllMain's FALSE gives ERROR_DLL_INIT_FAILED.
extern "C" HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName) {
    return Device::current().get<ModuleRegistry>().load(ce::wideOrEmpty(lpLibFileName));
}

// FreeLibrary: the last reference calls DllMain(DLL_PROCESS_DETACH) and unloads.
extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    return Device::current().get<ModuleRegistry>().free(hLibModule) ? TRUE : FALSE;
}

// GetProcAddressW: a wide name, as on Windows CE; ordinals are not supported.
extern "C" FARPROC WINAPI GetProcAddressW(HMODULE hModule, LPCWSTR lpProcName) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    ce::Module* module = device.get<ModuleRegistry>().findOrProcessImageLocked(hModule);
    if (!module) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return nullptr;
    }
    bool byOrdinal = reinterpret_cast<std::uintptr_t>(lpProcName) <= 0xFFFF;
    void* symbol = byOrdinal || !module->library ? nullptr : dlsym(module->library, ce::toUtf8(lpProcName).c_str());
    if (!symbol) {
        ce::setLastErrorLocked(device, ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

// GetModuleHandleW: NULL is the caller's process image; takes no reference.
extern "C" HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    auto& registry = device.get<ModuleRegistry>();
    ce::Module* module =
        lpModuleName ? registry.findByNameLocked(lpModuleName) : registry.findOrProcessImageLocked(nullptr);
    if (!module) {
        ce::setLastErrorLocked(device, ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(module);
}

// GetModuleFileNameW: the device path, cut and terminated with ERROR_INSUFFICIENT_BUFFER when too long.
extern "C" DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    ce::Module* module = device.get<ModuleRegistry>().findOrProcessImageLocked(hModule);
    if (!module) {
        ce::setLastErrorLocked(device, ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!lpFilename || nSize == 0) {
        ce::setLastErrorLocked(device, ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const std::u16string& path = module->devicePath;
    DWORD copied = static_cast<DWORD>(std::min<std::size_t>(path.size(), nSize - 1));
    std::copy_n(path.begin(), copied, lpFilename);
    lpFilename[copied] = 0;
    if (copied < path.size()) ce::setLastErrorLocked(device, ERROR_INSUFFICIENT_BUFFER);
    return copied;
}

// DisableThreadLibraryCalls: only recorded; thread attach/detach never reach DllMain here anyway.
extern "C" BOOL WINAPI DisableThreadLibraryCalls(HMODULE hLibModule) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    ce::Module* module = device.get<ModuleRegistry>().findLocked(hLibModule);
    if (!module) {
        ce::setLastErrorLocked(device, ERROR_INVALID_HANDLE);
        return FALSE;
    }
    module->threadCallsDisabled = true;
    return TRUE;
}
