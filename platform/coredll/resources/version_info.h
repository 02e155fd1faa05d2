#pragma once

#include <windows.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ce {

// A version resource (VS_VERSIONINFO): the fixed part (VS_FIXEDFILEINFO),
// the string tables of StringFileInfo by block key (u"040904b0"), and the
// language and code-page pairs of VarFileInfo's "Translation".
struct VersionInfo {
    DWORD structureVersion = 0;
    DWORD fileVersionMS = 0, fileVersionLS = 0;
    DWORD productVersionMS = 0, productVersionLS = 0;
    DWORD fileFlagsMask = 0, fileFlags = 0;
    DWORD fileOS = 0, fileType = 0, fileSubtype = 0;
    DWORD fileDateMS = 0, fileDateLS = 0;
    std::map<std::u16string, std::map<std::u16string, std::u16string>> strings;
    std::vector<std::pair<WORD, WORD>> translations;
};

// Parses a version resource; on a malformed one: nothing, and *error says
// what is wrong.
std::optional<VersionInfo> parseVersionResource(const void* data, std::size_t size, std::string* error);

}  // namespace ce
