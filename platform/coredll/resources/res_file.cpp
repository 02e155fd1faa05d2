#include "resources/res_file.h"

#include "resources/byte_reader.h"

#include <cstdio>

namespace ce {
namespace {

constexpr std::size_t fixedHeaderSize = 8;   // DataSize, HeaderSize
constexpr std::size_t trailingHeaderSize = 16;  // DataVersion .. Characteristics
constexpr std::size_t emptyEntrySize = 32;

std::string hexOffset(std::size_t offset) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%zx", offset);
    return text;
}

// TYPE or NAME: 0xFFFF then an ordinal, or a NUL-terminated UTF-16 string.
bool readName(ByteReader& reader, ResourceName& name) {
    WORD first = 0;
    std::size_t start = reader.offset();
    if (!reader.readWord(first)) return false;
    if (first == 0xFFFF) {
        WORD ordinal = 0;
        if (!reader.readWord(ordinal)) return false;
        name = ResourceName::fromOrdinal(ordinal);
        return true;
    }
    reader.seek(start);
    std::u16string text;
    if (!reader.readString(text)) return false;
    name = ResourceName::fromText(std::move(text));
    return true;
}

class ResParser {
public:
    ResParser(const void* data, std::size_t size, const std::string& label, std::string* error)
        : base_(static_cast<const BYTE*>(data)), reader_(data, size), label_(label), error_(error) {}

    std::optional<std::vector<ResourceEntry>> parse() {
        if (reader_.size() == 0) return fail("the file is empty");
        std::vector<ResourceEntry> entries;
        bool first = true;
        while (reader_.remaining() > 0) {
            ResourceEntry entry;
            DWORD headerSize = 0;
            if (!readHeader(entry, headerSize)) return std::nullopt;
            if (first && !isEmptyEntry(entry, headerSize))
                return fail("the file does not start with the empty 32-byte entry of a 32-bit resource file");
            // The next header starts at the DWORD boundary after the data;
            // the file may end without padding after the last entry.
            reader_.seek(entry.dataOffset + entry.dataSize);
            if (!reader_.align(4)) reader_.seek(reader_.size());
            if (!first) entries.push_back(std::move(entry));
            first = false;
        }
        return entries;
    }

private:
    bool readHeader(ResourceEntry& entry, DWORD& headerSize) {
        std::size_t start = reader_.offset();
        DWORD dataSize = 0;
        if (!reader_.readDword(dataSize) || !reader_.readDword(headerSize))
            return failed("resource header at offset " + hexOffset(start) + " runs past the end of the file");
        if (headerSize > reader_.size() - start)
            return failed("resource header at offset " + hexOffset(start) + " runs past the end of the file");
        if (headerSize % 4 != 0)
            return failed("resource header at offset " + hexOffset(start) + " has a size (" +
                          std::to_string(headerSize) + ") that is not a multiple of 4");
        // The names and fields must lie inside the header's declared size.
        ByteReader header(base_ + start, headerSize);
        if (!header.skip(fixedHeaderSize) || !readName(header, entry.type) || !readName(header, entry.name) || !header.align(4) ||
            header.remaining() < trailingHeaderSize)
            return failed("resource header at offset " + hexOffset(start) + " is shorter than its names and fields");
        header.readDword(entry.dataVersion);
        header.readWord(entry.memoryFlags);
        header.readWord(entry.language);
        header.readDword(entry.version);
        header.readDword(entry.characteristics);
        entry.dataOffset = start + headerSize;
        entry.dataSize = dataSize;
        if (dataSize > reader_.size() - entry.dataOffset)
            return failed("resource " + entry.type.describe() + "/" + entry.name.describe() + " at offset " +
                          hexOffset(start) + " has " + std::to_string(dataSize) +
                          " bytes of data, which run past the end of the file");
        return true;
    }

    static bool isEmptyEntry(const ResourceEntry& entry, DWORD headerSize) {
        return entry.dataSize == 0 && headerSize == emptyEntrySize && entry.type == ResourceName::fromOrdinal(0) &&
               entry.name == ResourceName::fromOrdinal(0);
    }

    bool failed(const std::string& what) {
        if (error_) *error_ = label_ + ": " + what;
        return false;
    }
    std::nullopt_t fail(const std::string& what) {
        failed(what);
        return std::nullopt;
    }

    const BYTE* base_;
    ByteReader reader_;
    const std::string& label_;
    std::string* error_;
};

}  // namespace

std::optional<std::vector<ResourceEntry>> parseResFile(const void* data, std::size_t size,
                                                       const std::string& fileLabel, std::string* error) {
    return ResParser(data, size, fileLabel, error).parse();
}

}  // namespace ce
