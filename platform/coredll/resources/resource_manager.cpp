#include "resources/resource_manager.h"

#include "resources/icon_group.h"
#include "resources/predefined_icons.h"

namespace ce {

ResourceManager::ResourceManager(Device&) {}
ResourceManager::~ResourceManager() = default;

ResourceModule& ResourceManager::moduleLocked(const std::string& hostPath) {
    auto& slot = modules_[hostPath];
    if (!slot) slot = ResourceModule::loadFile(hostPath);
    return *slot;
}

std::string ResourceManager::reportOnceLocked(const ResourceModule& module, const std::string& message) {
    return reported_[&module].insert(message).second ? message : std::string();
}

ResourceManager::Lookup ResourceManager::find(const std::string& hostPath, const ResourceName& type,
                                              const ResourceName& name) {
    std::lock_guard<std::mutex> guard(mutex_);
    return findLocked(hostPath, type, name);
}

ResourceManager::Lookup ResourceManager::findLocked(const std::string& hostPath, const ResourceName& type,
                                                    const ResourceName& name) {
    Lookup result;
    ResourceModule& module = moduleLocked(hostPath);
    result.module = &module;
    switch (module.state()) {
    case ResourceModule::State::Malformed:
        result.error = ERROR_RESOURCE_DATA_NOT_FOUND;
        result.report = reportOnceLocked(module, module.error());
        return result;
    case ResourceModule::State::NoResources:
        // A module without resources is normal; nothing to tell the user.
        result.error = ERROR_RESOURCE_DATA_NOT_FOUND;
        return result;
    case ResourceModule::State::Loaded: break;
    }
    result.entry = module.find(type, name);
    if (!result.entry) {
        result.error = module.hasType(type) ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
        return result;
    }
    moduleOfHandle_[handleOf(*result.entry)] = &module;
    return result;
}

const ResourceEntry* ResourceManager::entryOf(HRSRC handle, const ResourceModule** module) {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = moduleOfHandle_.find(handle);
    if (found == moduleOfHandle_.end()) return nullptr;
    if (module) *module = found->second;
    return reinterpret_cast<const ResourceEntry*>(handle);
}

ResourceManager::IconLoad ResourceManager::loadIcon(const std::string& hostPath, const ResourceName& name, int width,
                                                    int height) {
    std::lock_guard<std::mutex> guard(mutex_);
    IconLoad result;
    auto key = std::make_tuple(hostPath, name.describe(), width, height);
    if (auto shared = sharedIcons_.find(key); shared != sharedIcons_.end()) {
        result.icon = shared->second;
        return result;
    }
    Lookup groupLookup = findLocked(hostPath, ResourceName::fromOrdinal(14), name);  // RT_GROUP_ICON
    if (!groupLookup.entry) {
        result.error = groupLookup.error;
        result.report = groupLookup.report;
        return result;
    }
    const ResourceModule& module = *groupLookup.module;
    auto malformed = [&](const std::string& what) {
        result.error = ERROR_RESOURCE_DATA_NOT_FOUND;
        result.report = reportOnceLocked(module, what);
        return result;
    };
    std::string error;
    auto group = parseIconGroup(module.dataOf(*groupLookup.entry), groupLookup.entry->dataSize, &error);
    if (!group) return malformed(hostPath + ": icon " + name.describe() + ": " + error);
    const IconGroupEntry* chosen = chooseIconImage(*group, width, height);
    if (!chosen) return malformed(hostPath + ": icon " + name.describe() + " has no images");
    const ResourceEntry* imageEntry = module.find(ResourceName::fromOrdinal(3), ResourceName::fromOrdinal(chosen->id));
    if (!imageEntry)
        return malformed(hostPath + ": icon " + name.describe() + " names image #" + std::to_string(chosen->id) +
                         ", which the file does not hold");
    auto image = decodeIconImage(module.dataOf(*imageEntry), imageEntry->dataSize, &error);
    if (!image) return malformed(hostPath + ": icon image #" + std::to_string(chosen->id) + ": " + error);

    result.icon = addSharedIconLocked(std::move(key), std::move(*image));
    return result;
}

HICON ResourceManager::addSharedIconLocked(std::tuple<std::string, std::string, int, int> key, IconImage image) {
    HICON handle = reinterpret_cast<HICON>(nextIcon_);
    nextIcon_ += 4;
    icons_[handle] = std::make_unique<IconImage>(std::move(image));
    sharedIcons_[std::move(key)] = handle;
    return handle;
}

ResourceManager::IconLoad ResourceManager::loadPredefinedIcon(WORD id) {
    std::lock_guard<std::mutex> guard(mutex_);
    IconLoad result;
    auto key = std::make_tuple(std::string(), "#" + std::to_string(id), 0, 0);
    if (auto shared = sharedIcons_.find(key); shared != sharedIcons_.end()) {
        result.icon = shared->second;
        return result;
    }
    auto image = predefinedIconImage(id);
    if (!image) {
        result.error = ERROR_RESOURCE_NAME_NOT_FOUND;
        return result;
    }
    result.icon = addSharedIconLocked(std::move(key), std::move(*image));
    return result;
}

const IconImage* ResourceManager::iconImage(HICON icon) {
    std::lock_guard<std::mutex> guard(mutex_);
    auto found = icons_.find(icon);
    return found == icons_.end() ? nullptr : found->second.get();
}

}  // namespace ce
