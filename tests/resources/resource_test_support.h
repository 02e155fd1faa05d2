#pragma once

#include "device/device.h"

#include <windows.h>

#include <gtest/gtest.h>

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
void appendValue(std::vector<BYTE>& bytes, T value) {
    const BYTE* raw = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), raw, raw + sizeof value);
}
void appendText(std::vector<BYTE>& bytes, const std::u16string& text);  // with its NUL
void padTo(std::vector<BYTE>& bytes, std::size_t alignment);

}  // namespace resource_test
