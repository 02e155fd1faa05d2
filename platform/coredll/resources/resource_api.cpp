// FindResource, LoadResource, LockResource, SizeofResource and LoadString.
#include "kernel/module_registry.h"
#include "resources/resource_manager.h"
#include "resources/resource_report.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

using ce::ResourceManager;
using ce::ResourceName;

namespace {

ResourceManager& resources() { return ce::Device::current().get<ResourceManager>(); }

ResourceManager::Lookup findResource(HMODULE module, const ResourceName& type, const ResourceName& name) {
    std::string hostPath = ce::moduleHostPath(module);
    if (hostPath.empty()) {
        ResourceManager::Lookup unknown;
        unknown.error = ERROR_INVALID_HANDLE;
        return unknown;
    }
    auto lookup = resources().find(hostPath, type, name);
    ce::reportResourceProblem(lookup.report);
    return lookup;
}

// String index of a string-table block: sixteen counted strings, each a
// length word and that many characters. Nothing if the block is cut short.
std::optional<std::u16string_view> stringInBlock(const BYTE* data, std::size_t size, UINT index) {
    std::size_t offset = 0;
    for (UINT current = 0;; ++current) {
        WORD length = 0;
        if (size - offset < sizeof length) return std::nullopt;
        std::memcpy(&length, data + offset, sizeof length);
        offset += sizeof length;
        if (std::size_t{length} * sizeof(WCHAR) > size - offset) return std::nullopt;
        if (current == index) return std::u16string_view(reinterpret_cast<const WCHAR*>(data + offset), length);
        offset += std::size_t{length} * sizeof(WCHAR);
    }
}

}  // namespace

extern "C" {

// FindResourceW: name and type as MAKEINTRESOURCE ordinals, "#123" or names
// (case ignored); U.S. English is preferred, else the first language.
HRSRC WINAPI FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
    auto name = ResourceName::fromArgument(lpName);
    auto type = ResourceName::fromArgument(lpType);
    if (!name || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto lookup = findResource(hModule, *type, *name);
    if (!lookup.entry) {
        SetLastError(lookup.error);
        return nullptr;
    }
    return ResourceManager::handleOf(*lookup.entry);
}

// LoadResource: resources are never moved or discarded, so the "global"
// handle is the address of the bytes, as on Windows CE.
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    (void)hModule;  // the HRSRC already knows its module
    const ce::ResourceModule* module = nullptr;
    const ce::ResourceEntry* entry = resources().entryOf(hResInfo, &module);
    if (!entry) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<BYTE*>(module->dataOf(*entry));
}

// LockResource: the bytes themselves, valid for the module's life.
LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

// SizeofResource: the byte count of the resource; 0 for an unknown handle.
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    (void)hModule;
    const ce::ResourceEntry* entry = resources().entryOf(hResInfo);
    if (!entry) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return entry->dataSize;
}

// LoadStringW: string uID of the RT_STRING block (uID / 16) + 1. With
// cchBufferMax 0 the buffer receives a read-only pointer to the (not
// NUL-terminated) string and its length is returned. The device's
// "NULL buffer returns a pointer" form cannot fit a pointer into the int
// result on this 64-bit host, so a NULL buffer fails with
// ERROR_INVALID_PARAMETER.
int WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto lookup = findResource(hInstance, ResourceName::fromOrdinal(6),  // RT_STRING
                               ResourceName::fromOrdinal(static_cast<WORD>((uID >> 4) + 1)));
    if (!lookup.entry) {
        SetLastError(lookup.error);
        if (cchBufferMax > 0) lpBuffer[0] = 0;
        return 0;
    }
    auto found = stringInBlock(lookup.module->dataOf(*lookup.entry), lookup.entry->dataSize, uID & 15);
    if (!found) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        if (cchBufferMax > 0) lpBuffer[0] = 0;
        return 0;
    }
    int length = static_cast<int>(found->size());
    const WCHAR* text = found->data();
    if (cchBufferMax == 0) {
        std::memcpy(lpBuffer, &text, sizeof text);  // the caller passed the address of a pointer
        return length;
    }
    int copied = std::min<int>(length, cchBufferMax - 1);
    std::memcpy(lpBuffer, text, static_cast<std::size_t>(copied) * sizeof(WCHAR));
    lpBuffer[copied] = 0;
    return copied;
}

}  // extern "C"
