#include "kernel/module_registry.h"

#include "kernel/last_error.h"
#include "kernel/text_conversion.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace ce {

namespace {

using DllEntry = BOOL(WINAPI*)(HANDLE, DWORD, LPVOID);

std::u16string lowercase(std::u16string text) {
    for (auto& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    return text;
}

// The file name of a device path, with ".dll" added when it has no extension.
std::u16string deviceFileName(const std::u16string& path) {
    auto slash = path.find_last_of(u"\\/");
    std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    if (name.find(u'.') == std::u16string::npos) name += u".dll";
    return name;
}

std::string hostExecutablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("/proc/self/exe") : path.string();
}

}  // namespace

ModuleRegistry::ModuleRegistry(Device& device) : device_(device) {}

// Libraries still loaded at teardown are closed without DllMain: their
// threads are gone and the device no longer runs code for them.
ModuleRegistry::~ModuleRegistry() {
    for (auto& module : modules_)
        if (module->library && !module->processImage && module.get() != hostExecutable_) dlclose(module->library);
}

void ModuleRegistry::addSearchDirectory(std::string directory) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    searchDirectories_.push_back(std::move(directory));
}

std::vector<std::string> ModuleRegistry::searchDirectories() const {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return searchDirectories_;
}

std::string ModuleRegistry::lastLoadFailure() const {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return lastLoadFailure_;
}

std::string ModuleRegistry::resolveHostPathLocked(const std::u16string& path) const {
    std::string utf8 = toUtf8(path);
    if (!utf8.empty() && utf8[0] == '/') return std::filesystem::exists(utf8) ? utf8 : std::string();
    std::u16string name = deviceFileName(path);
    std::string stem = toUtf8(name.substr(0, name.rfind(u'.')));
    for (const auto& directory : searchDirectories_)
        for (const std::string& candidate : {"lib" + stem + ".so", stem + ".so", toUtf8(name)}) {
            std::filesystem::path file = std::filesystem::path(directory) / candidate;
            if (std::filesystem::is_regular_file(file)) return file.string();
        }
    return {};
}

HMODULE ModuleRegistry::load(const std::u16string& path) {
    std::lock_guard<std::recursive_mutex> loader(loaderMutex_);
    std::string hostPath;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        hostPath = path.empty() ? std::string() : resolveHostPathLocked(path);
        if (hostPath.empty()) {
            lastLoadFailure_ = "no host library for " + toUtf8(path);
            setLastErrorLocked(device_, ERROR_MOD_NOT_FOUND);
            return nullptr;
        }
        std::error_code error;
        auto canonical = std::filesystem::canonical(hostPath, error);
        if (!error) hostPath = canonical.string();
        for (auto& module : modules_)
            if (!module->processImage && module->hostPath == hostPath && module->references > 0) {
                ++module->references;
                return reinterpret_cast<HMODULE>(module.get());
            }
    }
    void* library = dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    Module* module = nullptr;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        if (!library) {
            const char* reason = dlerror();
            lastLoadFailure_ = reason ? reason : "cannot load " + hostPath;
            setLastErrorLocked(device_, ERROR_MOD_NOT_FOUND);
            return nullptr;
        }
        auto record = std::make_unique<Module>();
        bool hasFolder = path.find_first_of(u"\\/") != std::u16string::npos;
        record->devicePath = hasFolder ? path : u"\\Windows\\" + deviceFileName(path);
        record->hostPath = hostPath;
        record->library = library;
        record->references = 1;
        module = record.get();
        modules_.push_back(std::move(record));
    }
    // DllMain runs on the loading thread without the device lock, so it may
    // call the platform.
    auto entry = reinterpret_cast<DllEntry>(dlsym(library, "DllMain"));
    if (entry && !entry(reinterpret_cast<HANDLE>(module), DLL_PROCESS_ATTACH, nullptr)) {
        {
            std::lock_guard<std::mutex> lock(device_.mutex());
            module->references = 0;
            modules_.erase(std::find_if(modules_.begin(), modules_.end(),
                                        [module](const auto& record) { return record.get() == module; }));
            lastLoadFailure_ = "DllMain of " + hostPath + " refused the load";
        }
        dlclose(library);
        std::lock_guard<std::mutex> lock(device_.mutex());
        setLastErrorLocked(device_, ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(module);
}

bool ModuleRegistry::free(HMODULE handle) {
    std::lock_guard<std::recursive_mutex> loader(loaderMutex_);
    Module* module = nullptr;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        module = findLocked(handle);
        if (!module || module->processImage || module == hostExecutable_) {
            setLastErrorLocked(device_, ERROR_INVALID_HANDLE);
            return false;
        }
        if (--module->references > 0) return true;
    }
    if (auto entry = reinterpret_cast<DllEntry>(dlsym(module->library, "DllMain")))
        entry(reinterpret_cast<HANDLE>(module), DLL_PROCESS_DETACH, nullptr);
    void* library = module->library;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        modules_.erase(std::find_if(modules_.begin(), modules_.end(),
                                    [module](const auto& record) { return record.get() == module; }));
    }
    dlclose(library);
    return true;
}

HMODULE ModuleRegistry::registerImageLocked(std::u16string devicePath, std::string hostPath, void* library) {
    auto record = std::make_unique<Module>();
    record->devicePath = std::move(devicePath);
    record->hostPath = std::move(hostPath);
    record->library = library;
    record->processImage = true;
    modules_.push_back(std::move(record));
    return reinterpret_cast<HMODULE>(modules_.back().get());
}

void ModuleRegistry::unregisterImageLocked(HMODULE handle) {
    Module* module = findLocked(handle);
    if (!module || !module->processImage) return;
    modules_.erase(std::find_if(modules_.begin(), modules_.end(),
                                [module](const auto& record) { return record.get() == module; }));
}

Module* ModuleRegistry::findLocked(HMODULE handle) const {
    for (auto& module : modules_)
        if (reinterpret_cast<HMODULE>(module.get()) == handle) return module.get();
    return nullptr;
}

Module* ModuleRegistry::findByNameLocked(const std::u16string& name) const {
    std::u16string wanted = lowercase(deviceFileName(name));
    for (auto& module : modules_)
        if (lowercase(deviceFileName(module->devicePath)) == wanted) return module.get();
    return nullptr;
}

HMODULE ModuleRegistry::hostExecutableLocked() {
    if (!hostExecutable_) {
        auto record = std::make_unique<Module>();
        record->devicePath = device_.hostProcessLocked().imagePath();
        record->hostPath = hostExecutablePath();
        record->library = dlopen(nullptr, RTLD_NOW);
        hostExecutable_ = record.get();
        modules_.push_back(std::move(record));
    }
    return reinterpret_cast<HMODULE>(hostExecutable_);
}

Module* ModuleRegistry::findOrProcessImageLocked(HMODULE handle) {
    if (!handle) {
        HMODULE image = device_.currentThreadLocked().process().image;
        handle = image ? image : hostExecutableLocked();
    }
    return findLocked(handle);
}

std::string moduleHostPath(HMODULE handle) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    Module* module = device.get<ModuleRegistry>().findOrProcessImageLocked(handle);
    return module ? module->hostPath : std::string();
}

std::u16string moduleDevicePath(HMODULE handle) {
    Device& device = Device::current();
    std::lock_guard<std::mutex> lock(device.mutex());
    Module* module = device.get<ModuleRegistry>().findOrProcessImageLocked(handle);
    return module ? module->devicePath : std::u16string();
}

}  // namespace ce
