// Reading the .rsrc section from module files: found, missing, and files
// too damaged to read, each with a message naming the file.
#include "resource_test_support.h"
#include "resources/elf_section.h"

#include <cstring>

using namespace resource_test;
using Status = ce::ElfSection::Status;

TEST(ElfSectionTest, LibraryWithoutResourcesHasNoSection) {
    ce::ElfSection section = ce::readElfSection(CORE_LIBRARY_FILE, ".rsrc");
    EXPECT_EQ(section.status, Status::Missing);
    EXPECT_EQ(section.error, std::string(CORE_LIBRARY_FILE) + ": has no .rsrc section");
    // A section that does exist is found by the same walk.
    EXPECT_EQ(ce::readElfSection(CORE_LIBRARY_FILE, ".text").status, Status::Found);
}

TEST(ElfSectionTest, UnreadableFilesSayWhy) {
    const std::vector<BYTE> program = readFile("/proc/self/exe");
    ASSERT_GT(program.size(), 64u);
    std::uint64_t tableOffset = 0;
    std::memcpy(&tableOffset, program.data() + 0x28, sizeof tableOffset);

    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
        const char* fault;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "is too short for an ELF file header"});
    cases.push_back({"text", std::vector<BYTE>(100, 'x'), "is not an ELF file"});
    {
        std::vector<BYTE> bytes = program;
        bytes[4] = 1;  // 32-bit class
        cases.push_back({"elf32", bytes, "is not a 64-bit little-endian ELF file"});
    }
    {
        std::vector<BYTE> bytes = program;
        patch<std::uint64_t>(bytes, 0x28, bytes.size() + 1000);
        cases.push_back({"table_past_end", bytes, "has a section header table past the end of the file"});
    }
    cases.push_back({"truncated", std::vector<BYTE>(program.begin(), program.begin() + tableOffset + 100),
                     "has a section header table past the end of the file"});
    {
        std::vector<BYTE> bytes = program;
        patch<std::uint16_t>(bytes, 0x3A, 40);
        cases.push_back({"small_entries", bytes, "has section headers smaller than 64 bytes"});
    }
    {
        std::vector<BYTE> bytes = program;
        patch<std::uint16_t>(bytes, 0x3E, 0x7000);
        cases.push_back({"names_index", bytes, "names a section-name table that does not exist"});
    }
    {
        std::vector<BYTE> bytes = program;
        patch<std::uint64_t>(bytes, 0x28, 0);
        cases.push_back({"no_table", bytes, "has no section header table"});
    }
    for (const Case& test : cases) {
        std::string path = writeTemporaryFile(test.name, test.bytes);
        ce::ElfSection section = ce::readElfSection(path, ".rsrc");
        EXPECT_EQ(section.status, Status::Unreadable) << test.name;
        EXPECT_EQ(section.error, path + ": " + test.fault) << test.name;
    }

    ce::ElfSection missingFile = ce::readElfSection("/nonexistent/module.so", ".rsrc");
    EXPECT_EQ(missingFile.status, Status::Unreadable);
    EXPECT_EQ(missingFile.error, "/nonexistent/module.so: cannot be opened");
}

TEST(ElfSectionTest, SectionBoundsAreChecked) {
    struct Case {
        const char* name;
        SyntheticElf file;
        Status status;
        const char* fault;  // empty when found
    };
    SyntheticElf plain, extended, pastEnd, huge, noBits;
    extended.extendedCounts = true;
    pastEnd.resourceOffset = 284;  // 8 bytes from 284 end past the 288-byte file
    huge.resourceSize = ~std::uint64_t{0} - 8;
    noBits.resourceType = 8;
    const Case cases[] = {
        {"plain", plain, Status::Found, ""},
        {"extended_counts", extended, Status::Found, ""},
        {"past_end", pastEnd, Status::Unreadable, "has a .rsrc section that runs past the end of the file"},
        {"huge", huge, Status::Unreadable, "has a .rsrc section that runs past the end of the file"},
        {"no_bits", noBits, Status::Unreadable, "has a .rsrc section with no contents"},
    };
    for (const Case& test : cases) {
        std::string path = writeTemporaryFile(test.name, test.file.build());
        ce::ElfSection section = ce::readElfSection(path, ".rsrc");
        EXPECT_EQ(section.status, test.status) << test.name;
        if (test.status == Status::Found) {
            EXPECT_EQ(std::string(section.bytes.begin(), section.bytes.end()), "RESBYTES") << test.name;
        } else {
            EXPECT_EQ(section.error, path + ": " + test.fault) << test.name;
        }
    }
}

// Every truncation of a small valid file is refused with a message.
TEST(ElfSectionTest, EveryTruncationIsRefused) {
    std::vector<BYTE> bytes = SyntheticElf{}.build();
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::string path = writeTemporaryFile("cut", std::vector<BYTE>(bytes.begin(), bytes.begin() + length));
        ce::ElfSection section = ce::readElfSection(path, ".rsrc");
        EXPECT_EQ(section.status, Status::Unreadable) << "length " << length;
        EXPECT_EQ(section.error.rfind(path + ": ", 0), 0u) << section.error;
    }
}
