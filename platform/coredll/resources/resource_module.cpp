#include "resources/resource_module.h"

#include "resources/elf_section.h"

#include <filesystem>

namespace ce {
namespace {

constexpr WORD englishUnitedStates = 0x0409;

// /proc/self/exe says little in a message; the file it points at says more.
std::string displayPath(const std::string& hostPath) {
    std::error_code ignored;
    auto resolved = std::filesystem::canonical(hostPath, ignored);
    return ignored ? hostPath : resolved.string();
}

}  // namespace

std::unique_ptr<ResourceModule> ResourceModule::loadFile(const std::string& hostPath) {
    std::unique_ptr<ResourceModule> module(new ResourceModule);
    std::string shownPath = displayPath(hostPath);
    ElfSection section = readElfSection(hostPath, ".rsrc");
    if (section.status != ElfSection::Status::Found) {
        module->state_ = section.status == ElfSection::Status::Missing ? State::NoResources : State::Malformed;
        module->error_ = section.error;
        return module;
    }
    module->bytes_ = std::move(section.bytes);
    module->parse(shownPath + " (.rsrc section)");
    return module;
}

std::unique_ptr<ResourceModule> ResourceModule::fromBytes(std::vector<BYTE> bytes, const std::string& label) {
    std::unique_ptr<ResourceModule> module(new ResourceModule);
    module->bytes_ = std::move(bytes);
    module->parse(label);
    return module;
}

void ResourceModule::parse(const std::string& label) {
    auto parsed = parseResFile(bytes_.data(), bytes_.size(), label, &error_);
    if (!parsed) {
        state_ = State::Malformed;
        return;
    }
    entries_ = std::move(*parsed);
    state_ = State::Loaded;
}

bool ResourceModule::hasType(const ResourceName& type) const {
    for (const ResourceEntry& entry : entries_)
        if (entry.type == type) return true;
    return false;
}

const ResourceEntry* ResourceModule::find(const ResourceName& type, const ResourceName& name) const {
    const ResourceEntry* first = nullptr;
    for (const ResourceEntry& entry : entries_) {
        if (entry.type != type || entry.name != name) continue;
        if (entry.language == englishUnitedStates) return &entry;
        if (!first) first = &entry;
    }
    return first;
}

}  // namespace ce
