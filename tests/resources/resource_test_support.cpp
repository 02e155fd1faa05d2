#include "resource_test_support.h"

#include <algorithm>
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

std::vector<BYTE> SyntheticElf::build() const {
    std::size_t tableOffset = (88 + contents.size() + 7) & ~std::size_t{7};
    std::vector<BYTE> bytes(tableOffset + 3 * 64, 0);
    const BYTE magic[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
    std::memcpy(bytes.data(), magic, sizeof magic);
    patch<std::uint64_t>(bytes, 0x28, tableOffset);
    patch<std::uint16_t>(bytes, 0x3A, 64);                           // entry size
    patch<std::uint16_t>(bytes, 0x3C, extendedCounts ? 0 : 3);       // count
    patch<std::uint16_t>(bytes, 0x3E, extendedCounts ? 0xFFFF : 1);  // name table index
    const char names[] = "\0.shstrtab\0.rsrc";
    std::memcpy(bytes.data() + 64, names, sizeof names);
    std::memcpy(bytes.data() + 88, contents.data(), contents.size());
    auto header = [&](int index, std::uint32_t name, std::uint32_t type, std::uint64_t offset, std::uint64_t size,
                      std::uint32_t link) {
        std::size_t at = tableOffset + 64 * index;
        patch(bytes, at, name);
        patch(bytes, at + 4, type);
        patch(bytes, at + 0x18, offset);
        patch(bytes, at + 0x20, size);
        patch(bytes, at + 0x28, link);
    };
    header(0, 0, 0, 0, extendedCounts ? 3 : 0, extendedCounts ? 1 : 0);
    header(1, 1, 3, 64, sizeof names, 0);
    header(2, 11, resourceType, resourceOffset, resourceSize, 0);
    return bytes;
}

std::vector<BYTE> resEntry(WORD type, WORD name, const std::vector<BYTE>& data) {
    std::vector<BYTE> bytes;
    appendValue<DWORD>(bytes, static_cast<DWORD>(data.size()));
    appendValue<DWORD>(bytes, 32);
    for (WORD word : {WORD{0xFFFF}, type, WORD{0xFFFF}, name}) appendValue<WORD>(bytes, word);
    appendValue<DWORD>(bytes, 0);
    appendValue<WORD>(bytes, 0x1030);
    appendValue<WORD>(bytes, 0x0409);
    appendValue<DWORD>(bytes, 0);
    appendValue<DWORD>(bytes, 0);
    bytes.insert(bytes.end(), data.begin(), data.end());
    padTo(bytes, 4);
    return bytes;
}

void appendText(std::vector<BYTE>& bytes, const std::u16string& text) {
    for (char16_t unit : text) appendValue<WORD>(bytes, unit);
    appendValue<WORD>(bytes, 0);
}

void padTo(std::vector<BYTE>& bytes, std::size_t alignment) {
    while (bytes.size() % alignment != 0) bytes.push_back(0);
}

}  // namespace resource_test
