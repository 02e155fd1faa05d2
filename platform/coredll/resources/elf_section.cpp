#include "resources/elf_section.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace ce {
namespace {

constexpr std::size_t fileHeaderSize = 64;
constexpr std::size_t sectionHeaderSize = 64;
constexpr std::uint32_t noBitsSectionType = 8;       // SHT_NOBITS: occupies no file space
constexpr std::uint16_t extendedIndex = 0xFFFF;      // SHN_XINDEX
constexpr std::uint64_t sectionLimit = 1u << 20;     // far beyond any real file

template <class T>
T fieldAt(const std::vector<BYTE>& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

class ElfReader {
public:
    explicit ElfReader(const std::string& path) : path_(path), file_(path, std::ios::binary) {}

    ElfSection read(const std::string& sectionName) {
        if (!file_) return unreadable("cannot be opened");
        file_.seekg(0, std::ios::end);
        fileSize_ = static_cast<std::uint64_t>(file_.tellg());
        std::vector<BYTE> header;
        if (!readAt(0, fileHeaderSize, header)) return unreadable("is too short for an ELF file header");
        static const BYTE magic[] = {0x7F, 'E', 'L', 'F'};
        if (std::memcmp(header.data(), magic, sizeof magic) != 0) return unreadable("is not an ELF file");
        if (header[4] != 2 || header[5] != 1) return unreadable("is not a 64-bit little-endian ELF file");

        auto tableOffset = fieldAt<std::uint64_t>(header, 0x28);
        auto entrySize = fieldAt<std::uint16_t>(header, 0x3A);
        std::uint64_t count = fieldAt<std::uint16_t>(header, 0x3C);
        std::uint32_t namesIndex = fieldAt<std::uint16_t>(header, 0x3E);
        if (tableOffset == 0) return unreadable("has no section header table");
        if (entrySize < sectionHeaderSize) return unreadable("has section headers smaller than 64 bytes");

        // Large section counts and name-table indexes live in section 0.
        std::vector<BYTE> first;
        if (!readAt(tableOffset, sectionHeaderSize, first))
            return unreadable("has a section header table past the end of the file");
        if (count == 0) count = fieldAt<std::uint64_t>(first, 0x20);
        if (namesIndex == extendedIndex) namesIndex = fieldAt<std::uint32_t>(first, 0x28);
        if (count > sectionLimit) return unreadable("claims an implausible number of sections");
        if (namesIndex >= count) return unreadable("names a section-name table that does not exist");

        std::vector<BYTE> table;
        if (!readAt(tableOffset, count * entrySize, table))
            return unreadable("has a section header table past the end of the file");
        std::vector<BYTE> names;
        if (!sectionBytes(table, namesIndex * entrySize, names))
            return unreadable("has a section-name table past the end of the file");

        for (std::uint64_t index = 0; index < count; ++index) {
            std::size_t at = static_cast<std::size_t>(index * entrySize);
            auto nameOffset = fieldAt<std::uint32_t>(table, at);
            if (!nameIs(names, nameOffset, sectionName)) continue;
            ElfSection result;
            if (fieldAt<std::uint32_t>(table, at + 4) == noBitsSectionType)
                return unreadable("has a " + sectionName + " section with no contents");
            if (!sectionBytes(table, at, result.bytes))
                return unreadable("has a " + sectionName + " section that runs past the end of the file");
            result.status = ElfSection::Status::Found;
            return result;
        }
        ElfSection missing;
        missing.status = ElfSection::Status::Missing;
        missing.error = path_ + ": has no " + sectionName + " section";
        return missing;
    }

private:
    bool readAt(std::uint64_t offset, std::uint64_t size, std::vector<BYTE>& bytes) {
        if (offset > fileSize_ || size > fileSize_ - offset) return false;
        bytes.resize(static_cast<std::size_t>(size));
        file_.clear();
        file_.seekg(static_cast<std::streamoff>(offset));
        file_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
        return static_cast<std::uint64_t>(file_.gcount()) == size;
    }

    bool sectionBytes(const std::vector<BYTE>& table, std::size_t at, std::vector<BYTE>& bytes) {
        return readAt(fieldAt<std::uint64_t>(table, at + 0x18), fieldAt<std::uint64_t>(table, at + 0x20), bytes);
    }

    static bool nameIs(const std::vector<BYTE>& names, std::uint32_t offset, const std::string& wanted) {
        if (offset >= names.size() || names.size() - offset <= wanted.size()) return false;
        return std::memcmp(names.data() + offset, wanted.data(), wanted.size()) == 0 &&
               names[offset + wanted.size()] == 0;
    }

    ElfSection unreadable(const std::string& what) {
        ElfSection result;
        result.status = ElfSection::Status::Unreadable;
        result.error = path_ + ": " + what;
        return result;
    }

    std::string path_;
    std::ifstream file_;
    std::uint64_t fileSize_ = 0;
};

}  // namespace

ElfSection readElfSection(const std::string& path, const std::string& sectionName) {
    return ElfReader(path).read(sectionName);
}

}  // namespace ce
