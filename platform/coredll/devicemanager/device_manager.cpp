#include "devicemanager/device_manager.h"

#include "devicemanager/registry.h"
#include "devicemanager/registry_file.h"
#include "kernel/last_error.h"
#include "kernel/text_conversion.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace ce {

namespace {

const std::u16string builtInKey = u"HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn";
const std::u16string activeRoot = u"HKEY_LOCAL_MACHINE\\Drivers\\Active";

std::u16string folded(std::u16string text) {
    for (auto& character : text)
        if (character >= u'a' && character <= u'z') character = static_cast<char16_t>(character - u'a' + u'A');
    return text;
}

// Driver keys are given relative to HKEY_LOCAL_MACHINE, as ActivateDeviceEx
// takes them; a path that names the root works too.
std::u16string fullKeyPath(const std::u16string& keyPath) {
    std::u16string normalized = Registry::normalizePath(keyPath);
    if (folded(normalized).rfind(u"HKEY_LOCAL_MACHINE", 0) == 0) return normalized;
    return u"HKEY_LOCAL_MACHINE\\" + normalized;
}

template <class Function>
void findEntry(HMODULE module, const std::u16string& prefix, const char16_t* suffix, Function& target) {
    std::u16string name = prefix + u"_" + suffix;
    // Through void(*)(): the generic function pointer type, so the cast says
    // plainly that the entry's real type comes from the stream contract.
    target = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddressW(module, name.c_str())));
}

void fail(Device& device, DWORD lastError, std::string* error, const std::string& message) {
    {
        std::lock_guard<std::mutex> lock(device.mutex());
        setLastErrorLocked(device, lastError);
    }
    if (error) *error = message;
}

}  // namespace

DeviceManager::DeviceManager(Device& device) : device_(device) {}

// Drivers still active when the device goes away are left loaded: their
// threads are gone and calling them during teardown would reach subsystems
// that no longer exist.
DeviceManager::~DeviceManager() = default;

bool DeviceManager::loadRegistry(const std::string& path, std::string* error) {
    return loadRegistryFile(device_.get<Registry>(), path, error);
}

bool DeviceManager::runOnManagerThread(const std::function<bool(std::string*)>& work, std::string* error) {
    bool succeeded = false;
    std::string message;
    std::unique_lock<std::mutex> lock(device_.mutex());
    EmulatedThread& thread = device_.startThreadLocked(
        device_.hostProcessLocked(),
        [&] {
            succeeded = work(&message);
            return DWORD{0};
        },
        [this](EmulatedThread&) { device_.wakeAllLocked(); });
    device_.block(lock, true, INFINITE, [&] { return thread.finished; }, "device manager");
    if (!succeeded && error) *error = message;
    return succeeded;
}

bool DeviceManager::bootBuiltInDrivers(std::string* error) {
    Registry& registry = device_.get<Registry>();
    std::vector<std::pair<DWORD, std::u16string>> keys;
    for (auto& key : registry.subKeys(builtInKey)) keys.emplace_back(registry.dwordValue(key, u"Order").value_or(UINT_MAX), key);
    std::stable_sort(keys.begin(), keys.end(), [](auto& left, auto& right) { return left.first < right.first; });
    return runOnManagerThread(
        [&](std::string* failures) {
            bool all = true;
            for (auto& [order, key] : keys) {
                std::string message;
                if (activateHere(key, nullptr, &message)) continue;
                all = false;
                *failures += (failures->empty() ? "" : "\n") + message;
            }
            return all;
        },
        error);
}

bool DeviceManager::activate(const std::u16string& keyPath, std::string* error) {
    return runOnManagerThread([&](std::string* message) { return activateHere(keyPath, nullptr, message) != nullptr; },
                              error);
}

bool DeviceManager::deactivate(const std::u16string& deviceName, std::string* error) {
    auto target = find(deviceName);
    if (!target) {
        if (error) *error = "no active device named " + toUtf8(deviceName);
        return false;
    }
    return runOnManagerThread([&](std::string*) { return deactivateHere(target); }, error);
}

std::vector<std::u16string> DeviceManager::deviceNames() const {
    std::lock_guard<std::mutex> lock(device_.mutex());
    std::vector<std::u16string> names;
    for (auto& entry : devices_) names.push_back(entry->name);
    return names;
}

std::shared_ptr<ActiveDevice> DeviceManager::find(const std::u16string& deviceName) const {
    std::u16string wanted = folded(deviceName);
    std::lock_guard<std::mutex> lock(device_.mutex());
    for (auto& entry : devices_)
        if (folded(entry->name) == wanted) return entry;
    return nullptr;
}

std::u16string DeviceManager::nextActiveKeyLocked() {
    std::u16string number = toUtf16(std::to_string(nextActiveNumber_++));
    if (number.size() < 2) number = u"0" + number;
    return activeRoot + u"\\" + number;
}

std::shared_ptr<ActiveDevice> DeviceManager::activateHere(const std::u16string& keyPath, LPCVOID busContext,
                                                          std::string* error) {
    Registry& registry = device_.get<Registry>();
    std::u16string key = fullKeyPath(keyPath);
    std::string keyText = toUtf8(key);
    if (!registry.hasKey(key)) {
        fail(device_, ERROR_FILE_NOT_FOUND, error, keyText + ": no such registry key");
        return nullptr;
    }
    auto dll = registry.stringValue(key, u"Dll");
    auto prefix = registry.stringValue(key, u"Prefix");
    if (!dll || dll->empty() || !prefix || prefix->size() != 3) {
        fail(device_, ERROR_INVALID_PARAMETER, error,
             keyText + ": a driver key needs a string \"Dll\" and a three-letter string \"Prefix\"");
        return nullptr;
    }
    auto index = registry.dwordValue(key, u"Index");
    if (index && *index > 9) {
        fail(device_, ERROR_INVALID_PARAMETER, error, keyText + ": \"Index\" must be 0 to 9");
        return nullptr;
    }

    auto created = std::make_shared<ActiveDevice>();
    created->keyPath = keyPath;
    {
        // The name is taken now, so that two activations cannot share it.
        std::lock_guard<std::mutex> lock(device_.mutex());
        auto taken = [&](DWORD candidate) {
            std::u16string name = folded(*prefix) + static_cast<char16_t>(u'0' + candidate) + u':';
            return std::any_of(devices_.begin(), devices_.end(),
                               [&](auto& entry) { return folded(entry->name) == name; });
        };
        std::optional<DWORD> chosen = index;
        if (!chosen)
            for (DWORD candidate : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 0u})
                if (!taken(candidate)) {
                    chosen = candidate;
                    break;
                }
        if (!chosen || taken(*chosen)) {
            setLastErrorLocked(device_, ERROR_ALREADY_EXISTS);
            if (error) *error = keyText + ": the device " + toUtf8(*prefix) + std::to_string(chosen.value_or(1)) + ": is already active";
            return nullptr;
        }
        created->name = *prefix + static_cast<char16_t>(u'0' + *chosen) + u':';
        created->activeKeyPath = nextActiveKeyLocked();
        created->active = false;  // not callable until Init has returned
        devices_.push_back(created);
    }
    auto forget = [&] {
        std::lock_guard<std::mutex> lock(device_.mutex());
        devices_.erase(std::find(devices_.begin(), devices_.end(), created));
    };

    created->module = LoadLibraryW(dll->c_str());
    if (!created->module) {
        DWORD reason = GetLastError();
        forget();
        fail(device_, reason, error, keyText + ": cannot load " + toUtf8(*dll) + " (error " + std::to_string(reason) + ")");
        return nullptr;
    }
    StreamEntryPoints& entry = created->entry;
    findEntry(created->module, *prefix, u"Init", entry.init);
    findEntry(created->module, *prefix, u"Deinit", entry.deinit);
    findEntry(created->module, *prefix, u"Open", entry.open);
    findEntry(created->module, *prefix, u"Close", entry.close);
    findEntry(created->module, *prefix, u"Read", entry.read);
    findEntry(created->module, *prefix, u"Write", entry.write);
    findEntry(created->module, *prefix, u"Seek", entry.seek);
    findEntry(created->module, *prefix, u"IOControl", entry.ioControl);
    if (!entry.init || !entry.deinit) {
        FreeLibrary(created->module);
        forget();
        fail(device_, ERROR_PROC_NOT_FOUND, error,
             keyText + ": " + toUtf8(*dll) + " exports no " + toUtf8(*prefix) + "_Init or " + toUtf8(*prefix) + "_Deinit");
        return nullptr;
    }

    registry.setValue(created->activeKeyPath, u"Key", keyPath);
    registry.setValue(created->activeKeyPath, u"Name", created->name);
    created->deviceContext = entry.init(created->activeKeyPath.c_str(), busContext);
    if (created->deviceContext == 0) {
        registry.deleteKey(created->activeKeyPath);
        FreeLibrary(created->module);
        forget();
        fail(device_, ERROR_DEV_NOT_EXIST, error, keyText + ": " + toUtf8(*prefix) + "_Init failed");
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(device_.mutex());
    created->active = true;
    return created;
}

bool DeviceManager::deactivateHere(const std::shared_ptr<ActiveDevice>& target) {
    {
        std::unique_lock<std::mutex> lock(device_.mutex());
        auto found = std::find(devices_.begin(), devices_.end(), target);
        if (found == devices_.end() || !target->active) {
            setLastErrorLocked(device_, ERROR_INVALID_HANDLE);
            return false;
        }
        // New calls now fail; the ones already in the driver finish first.
        target->active = false;
        device_.block(lock, true, INFINITE, [&] { return target->callsInProgress == 0; }, "DeactivateDevice");
        devices_.erase(std::find(devices_.begin(), devices_.end(), target));
    }
    target->entry.deinit(target->deviceContext);
    device_.get<Registry>().deleteKey(target->activeKeyPath);
    FreeLibrary(target->module);
    return true;
}

}  // namespace ce
