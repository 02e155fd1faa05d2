#include "devicemanager/registry.h"

namespace ce {

namespace {

std::u16string fold(std::u16string text) {
    for (auto& character : text)
        if (character >= u'a' && character <= u'z') character = static_cast<char16_t>(character - u'a' + u'A');
    return text;
}

bool startsWithFolded(const std::u16string& text, const std::u16string& prefix) {
    return text.size() >= prefix.size() && fold(text.substr(0, prefix.size())) == fold(prefix);
}

}  // namespace

Registry::Registry(Device& device) { (void)device; }

std::u16string Registry::normalizePath(const std::u16string& path) {
    std::u16string result;
    for (char16_t character : path) {
        if (character == u'\\' && (result.empty() || result.back() == u'\\')) continue;
        result.push_back(character);
    }
    while (!result.empty() && result.back() == u'\\') result.pop_back();
    const std::u16string shortRoot = u"HKLM";
    if (startsWithFolded(result, shortRoot) && (result.size() == 4 || result[4] == u'\\'))
        result = u"HKEY_LOCAL_MACHINE" + result.substr(4);
    return result;
}

void Registry::createKey(const std::u16string& path) {
    std::u16string normalized = normalizePath(path);
    std::lock_guard<std::mutex> lock(mutex_);
    // Every key above it exists too, as on the device.
    for (std::size_t end = normalized.find(u'\\'); ; end = normalized.find(u'\\', end + 1)) {
        std::u16string prefix = normalized.substr(0, end);
        auto& key = keys_[fold(prefix)];
        if (key.path.empty()) key.path = prefix;
        if (end == std::u16string::npos) break;
    }
}

void Registry::deleteKey(const std::u16string& path) {
    std::u16string folded = fold(normalizePath(path));
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto entry = keys_.begin(); entry != keys_.end();) {
        bool below = entry->first == folded ||
                     (entry->first.size() > folded.size() && entry->first.compare(0, folded.size(), folded) == 0 &&
                      entry->first[folded.size()] == u'\\');
        entry = below ? keys_.erase(entry) : std::next(entry);
    }
}

bool Registry::hasKey(const std::u16string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return keys_.count(fold(normalizePath(path))) != 0;
}

void Registry::setValue(const std::u16string& keyPath, const std::u16string& name, RegistryValue value) {
    createKey(keyPath);
    std::lock_guard<std::mutex> lock(mutex_);
    keys_[fold(normalizePath(keyPath))].values[fold(name)] = {name, std::move(value)};
}

void Registry::deleteValue(const std::u16string& keyPath, const std::u16string& name) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto key = keys_.find(fold(normalizePath(keyPath)));
    if (key != keys_.end()) key->second.values.erase(fold(name));
}

std::optional<RegistryValue> Registry::value(const std::u16string& keyPath, const std::u16string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto key = keys_.find(fold(normalizePath(keyPath)));
    if (key == keys_.end()) return std::nullopt;
    auto found = key->second.values.find(fold(name));
    if (found == key->second.values.end()) return std::nullopt;
    return found->second.second;
}

std::optional<std::u16string> Registry::stringValue(const std::u16string& keyPath, const std::u16string& name) const {
    auto found = value(keyPath, name);
    if (!found || !std::holds_alternative<std::u16string>(*found)) return std::nullopt;
    return std::get<std::u16string>(*found);
}

std::optional<DWORD> Registry::dwordValue(const std::u16string& keyPath, const std::u16string& name) const {
    auto found = value(keyPath, name);
    if (!found || !std::holds_alternative<DWORD>(*found)) return std::nullopt;
    return std::get<DWORD>(*found);
}

std::vector<std::u16string> Registry::subKeys(const std::u16string& path) const {
    std::u16string folded = fold(normalizePath(path)) + u'\\';
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::u16string> result;
    for (auto& [foldedPath, key] : keys_) {
        if (foldedPath.size() <= folded.size() || foldedPath.compare(0, folded.size(), folded) != 0) continue;
        if (foldedPath.find(u'\\', folded.size()) != std::u16string::npos) continue;
        result.push_back(key.path);
    }
    return result;
}

}  // namespace ce
