// The .res parser: the file the build compiled from test.rc, damaged files
// with a message naming the file and the fault, and every truncation.
#include "resource_test_support.h"
#include "resources/elf_section.h"
#include "resources/res_file.h"

#include <cstring>
#include <set>

using namespace resource_test;

namespace {

std::vector<BYTE> compiledRes() { return readFile(TEST_RES_FILE); }

const ce::ResourceEntry* findEntry(const std::vector<ce::ResourceEntry>& entries, const ce::ResourceName& type,
                                   const ce::ResourceName& name, WORD language) {
    for (const auto& entry : entries)
        if (entry.type == type && entry.name == name && entry.language == language) return &entry;
    return nullptr;
}

// A 32-byte header with ordinal type and name (the form most entries take).
std::vector<BYTE> ordinalHeader(DWORD dataSize, DWORD headerSize, WORD type, WORD name) {
    std::vector<BYTE> bytes;
    appendValue<DWORD>(bytes, dataSize);
    appendValue<DWORD>(bytes, headerSize);
    for (WORD word : {WORD{0xFFFF}, type, WORD{0xFFFF}, name}) appendValue<WORD>(bytes, word);
    appendValue<DWORD>(bytes, 0);          // DataVersion
    appendValue<WORD>(bytes, 0x1030);      // MemoryFlags
    appendValue<WORD>(bytes, 0x0409);      // LanguageId
    appendValue<DWORD>(bytes, 0);          // Version
    appendValue<DWORD>(bytes, 0);          // Characteristics
    return bytes;
}

std::vector<BYTE> concatenate(std::initializer_list<std::vector<BYTE>> parts) {
    std::vector<BYTE> bytes;
    for (const auto& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

}  // namespace

TEST(ResFileTest, ExecutableCarriesTheCompiledFileInItsResourceSection) {
    ce::ElfSection section = ce::readElfSection("/proc/self/exe", ".rsrc");
    ASSERT_EQ(section.status, ce::ElfSection::Status::Found) << section.error;
    EXPECT_EQ(section.bytes, compiledRes());
}

TEST(ResFileTest, EntriesOfTheCompiledScript) {
    std::vector<BYTE> bytes = compiledRes();
    std::string error;
    auto entries = ce::parseResFile(bytes.data(), bytes.size(), "test.res", &error);
    ASSERT_TRUE(entries) << error;

    using ce::ResourceName;
    const ce::ResourceEntry* dialog =
        findEntry(*entries, ResourceName::fromOrdinal(5), ResourceName::fromOrdinal(102), 0x0409);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->dataOffset % 4, 0u);
    // The classic template starts with its style.
    DWORD style = 0;
    std::memcpy(&style, bytes.data() + dialog->dataOffset, sizeof style);
    EXPECT_EQ(style, 0x90C000C0u);

    const ce::ResourceEntry* named =
        findEntry(*entries, ResourceName::fromOrdinal(10), ResourceName::fromText(u"sample"), 0x0409);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + named->dataOffset), named->dataSize), "named");

    // The same id in two languages gives two entries.
    EXPECT_NE(findEntry(*entries, ResourceName::fromOrdinal(10), ResourceName::fromOrdinal(7), 0x0409), nullptr);
    EXPECT_NE(findEntry(*entries, ResourceName::fromOrdinal(10), ResourceName::fromOrdinal(7), 0x0407), nullptr);
    // Icon file: one group, two images.
    int images = 0;
    for (const auto& entry : *entries) images += entry.type == ResourceName::fromOrdinal(3);
    EXPECT_EQ(images, 2 + 4);
}

TEST(ResFileTest, DamagedFilesNameTheFileAndTheFault) {
    const std::vector<BYTE> empty = ordinalHeader(0, 32, 0, 0);
    const std::vector<BYTE> data = {'a', 'b', 'c', 'd'};
    std::vector<BYTE> unterminatedName = concatenate({empty, ordinalHeader(0, 32, 10, 1)});
    // Type as a string that fills the whole header with no terminator.
    for (std::size_t at = 40; at < unterminatedName.size(); ++at) unterminatedName[at] = 'A';
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"zero-length file", {}, "demo.res: the file is empty"},
        {"header cut after 12 bytes", std::vector<BYTE>(empty.begin(), empty.begin() + 12),
         "demo.res: resource header at offset 0x0 runs past the end of the file"},
        {"second header cut short", concatenate({empty, std::vector<BYTE>(6, 0)}),
         "demo.res: resource header at offset 0x20 runs past the end of the file"},
        {"header size past the end", concatenate({empty, ordinalHeader(0, 0x120, 10, 1)}),
         "demo.res: resource header at offset 0x20 runs past the end of the file"},
        {"header size not DWORD-aligned", concatenate({empty, ordinalHeader(0, 30, 10, 1)}),
         "demo.res: resource header at offset 0x20 has a size (30) that is not a multiple of 4"},
        {"header smaller than its fields", concatenate({empty, ordinalHeader(0, 16, 10, 1)}),
         "demo.res: resource header at offset 0x20 is shorter than its names and fields"},
        {"name without terminator", unterminatedName,
         "demo.res: resource header at offset 0x20 is shorter than its names and fields"},
        {"data past the end", concatenate({empty, ordinalHeader(8, 32, 10, 1), data}),
         "demo.res: resource #10/#1 at offset 0x20 has 8 bytes of data, which run past the end of the file"},
        {"no empty first entry", concatenate({ordinalHeader(4, 32, 10, 1), data}),
         "demo.res: the file does not start with the empty 32-byte entry of a 32-bit resource file"},
    };
    for (const Case& test : cases) {
        std::string error;
        EXPECT_FALSE(ce::parseResFile(test.bytes.data(), test.bytes.size(), "demo.res", &error)) << test.what;
        EXPECT_EQ(error, test.message) << test.what;
    }
}

TEST(ResFileTest, LastEntryMayEndWithoutPadding) {
    std::vector<BYTE> bytes = concatenate({ordinalHeader(0, 32, 0, 0), ordinalHeader(3, 32, 10, 1), {'x', 'y', 'z'}});
    std::string error;
    auto entries = ce::parseResFile(bytes.data(), bytes.size(), "demo.res", &error);
    ASSERT_TRUE(entries) << error;
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ((*entries)[0].dataOffset, 64u);
    EXPECT_EQ((*entries)[0].dataSize, 3u);
    EXPECT_EQ((*entries)[0].memoryFlags, 0x1030);
}

// Cutting the file anywhere must give an error (never a crash, never a read
// past the end) unless the cut falls where an entry or its padding ends.
TEST(ResFileTest, EveryTruncationIsRejectedOrEndsOnAnEntry) {
    std::vector<BYTE> bytes = compiledRes();
    auto entries = ce::parseResFile(bytes.data(), bytes.size(), "test.res", nullptr);
    ASSERT_TRUE(entries);
    std::set<std::size_t> entryEnds = {32};
    for (const auto& entry : *entries) {
        // The padding after an entry may be cut anywhere.
        std::size_t end = entry.dataOffset + entry.dataSize;
        for (std::size_t padded = end; padded <= ((end + 3) & ~std::size_t{3}); ++padded) entryEnds.insert(padded);
    }
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::vector<BYTE> cut(bytes.begin(), bytes.begin() + length);  // own buffer, so ASan sees overreads
        std::string error;
        auto parsed = ce::parseResFile(cut.data(), cut.size(), "test.res", &error);
        EXPECT_EQ(parsed.has_value(), entryEnds.count(length) == 1) << "length " << length << ": " << error;
        if (!parsed) {
            EXPECT_EQ(error.rfind("test.res: ", 0), 0u) << error;
        }
    }
}

TEST(ResFileTest, CorruptingAnyByteNeverCrashes) {
    std::vector<BYTE> bytes = compiledRes();
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (BYTE value : {BYTE{0x00}, BYTE{0x7F}, BYTE{0xFF}}) {
            std::vector<BYTE> damaged = bytes;
            damaged[at] = value;
            std::string error;
            if (!ce::parseResFile(damaged.data(), damaged.size(), "test.res", &error)) {
                EXPECT_FALSE(error.empty()) << "offset " << at;
            }
        }
    }
}
