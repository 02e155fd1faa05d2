#include "devicemanager/registry.h"
#include "devicemanager/registry_file.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

TEST(RegistryFile, ReadsKeysStringsDwordsAndComments) {
    ce::Device device;
    ce::Registry registry(device);
    std::string error;
    const std::string text =
        "\xEF\xBB\xBFREGEDIT4\r\n"
        "\r\n"
        "; a comment\r\n"
        "[HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Sample]\r\n"
        "\"Prefix\"=\"SMP\"\r\n"
        "\"Quoted\"=\"say \\\"hi\\\" C:\\\\x\"  ; trailing comment\r\n"
        "\"Order\"=dword:0000001A\r\n"
        "\"Short\"=dword:7\r\n"
        "@=\"default\"\r\n"
        "[HKLM\\Drivers\\BuiltIn\\Other]\r\n"
        "\"Gone\"=\"x\"\r\n"
        "\"Gone\"=-\r\n";
    ASSERT_TRUE(ce::loadRegistryText(registry, text, "sample.reg", &error)) << error;

    const std::u16string key = u"HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Sample";
    EXPECT_EQ(registry.stringValue(key, u"prefix"), u"SMP") << "names ignore case";
    EXPECT_EQ(registry.stringValue(key, u"Quoted"), u"say \"hi\" C:\\x");
    EXPECT_EQ(registry.dwordValue(key, u"Order"), 0x1Au);
    EXPECT_EQ(registry.dwordValue(key, u"Short"), 7u);
    EXPECT_EQ(registry.stringValue(key, u""), u"default");
    EXPECT_FALSE(registry.dwordValue(key, u"Prefix")) << "a string is not a dword";
    EXPECT_FALSE(registry.value(u"HKLM\\Drivers\\BuiltIn\\Other", u"Gone"));
    EXPECT_EQ(registry.subKeys(u"hklm\\drivers\\builtin"),
              (std::vector<std::u16string>{u"HKEY_LOCAL_MACHINE\\Drivers\\BuiltIn\\Other", key}));
}

TEST(RegistryFile, DeletesAKeyAndEverythingBelowIt) {
    ce::Device device;
    ce::Registry registry(device);
    std::string error;
    ASSERT_TRUE(ce::loadRegistryText(registry,
                                     "REGEDIT4\n[HKLM\\A\\B\\C]\n\"v\"=\"1\"\n[HKLM\\A\\Bee]\n[-HKLM\\A\\B]\n",
                                     "delete.reg", &error))
        << error;
    EXPECT_FALSE(registry.hasKey(u"HKLM\\A\\B"));
    EXPECT_FALSE(registry.hasKey(u"HKLM\\A\\B\\C"));
    EXPECT_TRUE(registry.hasKey(u"HKLM\\A\\Bee")) << "a key whose name only begins alike stays";
}

struct MalformedCase {
    const char* text;
    const char* error;
};

// Names the case in test listings (a byte dump would show addresses).
void PrintTo(const MalformedCase& c, std::ostream* out) { *out << c.error; }

class MalformedRegistryFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRegistryFile, NamesFileAndLineAndAppliesNothing) {
    ce::Device device;
    ce::Registry registry(device);
    std::string error;
    EXPECT_FALSE(ce::loadRegistryText(registry, GetParam().text, "broken.reg", &error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_FALSE(registry.hasKey(u"HKLM\\Good")) << "lines before the fault are not applied";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedRegistryFile,
    ::testing::Values(
        MalformedCase{"", "broken.reg:1: the file is empty; it must begin with the line REGEDIT4"},
        MalformedCase{"Windows Registry Editor Version 5.00\n[HKLM\\Good]\n",
                      "broken.reg:1: the file must begin with the line REGEDIT4"},
        MalformedCase{"REGEDIT4\n\"Early\"=\"x\"\n", "broken.reg:2: a value comes before any key"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Order\"=dword:12345678A\n",
                      "broken.reg:3: a dword value has more than eight hex digits"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Order\"=dword:\n",
                      "broken.reg:3: a dword value needs hex digits after \"dword:\""},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Dll\"=\"Dockfade.dll\n",
                      "broken.reg:3: a quoted string has no closing quote"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Dll\"=\"a\\qb\"\n",
                      "broken.reg:3: unknown escape \\q in a quoted string"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Data\"=hex:01,02\n",
                      "broken.reg:3: a value must be a \"string\", dword:hex digits or - (only these types are read)"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Order\"=dword:10 20\n",
                      "broken.reg:3: unexpected \"20\" after the value"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\nPrefix=DKF\n",
                      "broken.reg:3: expected a key in [brackets], a \"name\"=value line or a ; comment"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good]\n\"Prefix\" \"DKF\"\n",
                      "broken.reg:3: expected \"=\" after the value name"},
        MalformedCase{"REGEDIT4\n[HKLM\\Good\n", "broken.reg:2: a key line must end with \"]\""},
        MalformedCase{"REGEDIT4\n[]\n", "broken.reg:2: a key line names no key"}));

TEST(RegistryFile, MissingFileIsNamed) {
    ce::Device device;
    ce::Registry registry(device);
    std::string error;
    EXPECT_FALSE(ce::loadRegistryFile(registry, "/nonexistent/driver.reg", &error));
    EXPECT_EQ(error, "/nonexistent/driver.reg: cannot open the registry file");
}

}  // namespace
