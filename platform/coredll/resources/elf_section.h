#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ce {

// A named section's bytes from an ELF64 little-endian file (a host program
// or shared object). The section headers are parsed here with every offset
// and size checked against the file, so a damaged file gives a message.
struct ElfSection {
    enum class Status { Found, Missing, Unreadable };
    Status status = Status::Unreadable;
    std::vector<BYTE> bytes;
    std::string error;  // names the file and the fault when not Found
};

ElfSection readElfSection(const std::string& path, const std::string& sectionName);

}  // namespace ce
