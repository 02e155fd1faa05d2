#pragma once

#include "device/device.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace resource_test {

// Every test gets its own device, so resource caches and icon handles
// start empty and nothing leaks from one test to the next.
class ResourceTest : public ::testing::Test {
protected:
    ce::Device device{ce::DeviceOptions{}};
};

std::vector<BYTE> readFile(const std::string& path);
// Writes bytes to a fresh file in the test temporary folder; returns its path.
std::string writeTemporaryFile(const std::string& name, const std::vector<BYTE>& bytes);
// ASCII view of a UTF-16 text, so that failures print readably.
std::string narrow(const std::u16string& text);

// A resource of this test program through FindResource and LoadResource.
struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};
ResourceBytes ownResource(LPCWSTR type, LPCWSTR name);

template <class T>
void patch(std::vector<BYTE>& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// A minimal ELF64 file: the null section, the name table and ".rsrc".
// Layout: header 0-63, names 64-80, contents from 88, then the table.
struct SyntheticElf {
    std::string contents = "RESBYTES";
    std::uint64_t resourceOffset = 88;
    std::uint64_t resourceSize = 8;  // set to contents.size() for real .res contents
    std::uint32_t resourceType = 1;  // SHT_PROGBITS
    bool extendedCounts = false;     // count and name index kept in section 0

    std::vector<BYTE> build() const;
};

// A .res entry with ordinal type and name, in U.S. English, padded.
std::vector<BYTE> resEntry(WORD type, WORD name, const std::vector<BYTE>& data);

template <class T>
void appendValue(std::vector<BYTE>& bytes, T value) {
    const BYTE* raw = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), raw, raw + sizeof value);
}
void appendText(std::vector<BYTE>& bytes, const std::u16string& text);  // with its NUL
void padTo(std::vector<BYTE>& bytes, std::size_t alignment);

}  // namespace resource_test
