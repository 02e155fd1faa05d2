#include "resource_test_support.h"

#include <fstream>
#include <iterator>

namespace resource_test {

std::vector<BYTE> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string writeTemporaryFile(const std::string& name, const std::vector<BYTE>& bytes) {
    std::string path = ::testing::TempDir() + "resources_test_" + name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string narrow(const std::u16string& text) {
    std::string result;
    for (char16_t unit : text) result.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return result;
}

ResourceBytes ownResource(LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceW(nullptr, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

void appendText(std::vector<BYTE>& bytes, const std::u16string& text) {
    for (char16_t unit : text) appendValue<WORD>(bytes, unit);
    appendValue<WORD>(bytes, 0);
}

void padTo(std::vector<BYTE>& bytes, std::size_t alignment) {
    while (bytes.size() % alignment != 0) bytes.push_back(0);
}

}  // namespace resource_test
