#pragma once

#include "resources/res_file.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace ce {

// The resources of one module file: the .res image from its ".rsrc"
// section and its parsed entries. Loaded once; the bytes never move, so
// pointers into them stay valid for the module's life.
class ResourceModule {
public:
    enum class State { Loaded, NoResources, Malformed };

    // Reads and parses the ".rsrc" section of the ELF file at hostPath.
    static std::unique_ptr<ResourceModule> loadFile(const std::string& hostPath);
    // Parses a .res image held in memory; label names it in messages.
    static std::unique_ptr<ResourceModule> fromBytes(std::vector<BYTE> bytes, const std::string& label);

    State state() const { return state_; }
    // Why the module has no usable resources; empty when Loaded.
    const std::string& error() const { return error_; }
    const std::vector<ResourceEntry>& entries() const { return entries_; }

    bool hasType(const ResourceName& type) const;
    // The resource of that type and name, in U.S. English if present,
    // otherwise in the first language the file lists; null if none.
    const ResourceEntry* find(const ResourceName& type, const ResourceName& name) const;
    const BYTE* dataOf(const ResourceEntry& entry) const { return bytes_.data() + entry.dataOffset; }

private:
    ResourceModule() = default;
    void parse(const std::string& label);

    State state_ = State::NoResources;
    std::string error_;
    std::vector<BYTE> bytes_;
    std::vector<ResourceEntry> entries_;
};

}  // namespace ce
