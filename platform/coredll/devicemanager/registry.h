#pragma once

#include "device/device.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ce {

// A registry value: a string (REG_SZ) or a 32-bit number (REG_DWORD).
using RegistryValue = std::variant<std::u16string, DWORD>;

// The device's registry, kept in memory: keys by path, each with named
// values. Paths and names compare without regard to case, as on the device;
// "HKLM\" stands for "HKEY_LOCAL_MACHINE\". Has its own lock.
class Registry : public DeviceComponent {
public:
    explicit Registry(Device& device);

    void createKey(const std::u16string& path);
    // Removes the key, its values and every key below it.
    void deleteKey(const std::u16string& path);
    bool hasKey(const std::u16string& path) const;
    // Creates the key if needed.
    void setValue(const std::u16string& keyPath, const std::u16string& name, RegistryValue value);
    void deleteValue(const std::u16string& keyPath, const std::u16string& name);
    std::optional<RegistryValue> value(const std::u16string& keyPath, const std::u16string& name) const;
    std::optional<std::u16string> stringValue(const std::u16string& keyPath, const std::u16string& name) const;
    std::optional<DWORD> dwordValue(const std::u16string& keyPath, const std::u16string& name) const;
    // Full paths of the keys directly below path, as they were written.
    std::vector<std::u16string> subKeys(const std::u16string& path) const;

    // The canonical spelling of a key path: root spelled out, no trailing
    // or doubled backslashes.
    static std::u16string normalizePath(const std::u16string& path);

private:
    struct Key {
        std::u16string path;  // as first written
        std::map<std::u16string, std::pair<std::u16string, RegistryValue>> values;  // folded name -> (name, value)
    };

    mutable std::mutex mutex_;
    std::map<std::u16string, Key> keys_;  // folded path -> key
};

}  // namespace ce
