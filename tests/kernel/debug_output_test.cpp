// Debug output: captured byte for byte, whole strings from concurrent
// writers, UTF-8 views and the sink file.
#include "device/device.h"
#include "kernel/debug_output.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLinesPerThread = 200;

DWORD WINAPI writeNumberedLines(LPVOID parameter) {
    auto writer = static_cast<int>(reinterpret_cast<std::uintptr_t>(parameter));
    for (int line = 0; line < kLinesPerThread; ++line) {
        std::u16string text = u"writer ";
        for (char c : std::to_string(writer) + " line " + std::to_string(line)) text += static_cast<char16_t>(c);
        text += u"\r\n";
        OutputDebugStringW(text.c_str());
    }
    return 0;
}

TEST(DebugOutputTest, StringsFromSeveralThreadsStayWholeAndInOrder) {
    ce::Device device;
    HANDLE threads[4];
    for (int i = 0; i < 4; ++i)
        threads[i] =
            CreateThread(nullptr, 0, writeNumberedLines, reinterpret_cast<LPVOID>(std::uintptr_t(i)), 0, nullptr);
    for (HANDLE thread : threads) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    // Internal view: the captured output, as the emulator prints it.
    std::string text = device.get<ce::DebugOutput>().utf8();
    std::map<int, int> nextLine;
    std::size_t start = 0;
    int lines = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "unterminated tail: " << text.substr(start);
        std::istringstream line(text.substr(start, end - start));
        std::string word1, word2;
        int writer = -1, number = -1;
        line >> word1 >> writer >> word2 >> number;
        ASSERT_EQ(word1 + "/" + word2, "writer/line") << "torn string: " << text.substr(start, end - start);
        EXPECT_EQ(number, nextLine[writer]++) << "writer " << writer;
        ++lines;
        start = end + 2;
    }
    EXPECT_EQ(lines, 4 * kLinesPerThread);
}

TEST(DebugOutputTest, TextIsKeptExactlyAndMirroredToTheSinkAndListener) {
    ce::Device device;
    auto sink = std::filesystem::temp_directory_path() /
                ("kernel-debug-sink-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(&device)) + ".txt");
    std::filesystem::remove(sink);
    auto& output = device.get<ce::DebugOutput>();
    ASSERT_TRUE(output.setSinkFile(sink.string()));
    std::vector<std::u16string> heard;
    output.setListener([&](std::u16string_view text) { heard.emplace_back(text); });

    OutputDebugStringW(u"DKF:DLLMain+\r\n");
    OutputDebugStringW(nullptr);
    OutputDebugStringW(u"");
    OutputDebugStringW(u"Gr\u00fc\u00dfe \u20ac \U0001F600 no newline");
    OutputDebugStringW(u"\nbare LF\r\n");

    std::u16string expected = u"DKF:DLLMain+\r\nGr\u00fc\u00dfe \u20ac \U0001F600 no newline\nbare LF\r\n";
    std::string expectedUtf8 = "DKF:DLLMain+\r\nGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80 no newline\nbare LF\r\n";
    EXPECT_EQ(output.text(), expected);
    EXPECT_EQ(output.utf8(), expectedUtf8);
    ASSERT_EQ(heard.size(), 4u);  // the empty string is heard, NULL is not
    EXPECT_EQ(heard[0], u"DKF:DLLMain+\r\n");

    std::ifstream file(sink, std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, expectedUtf8);

    output.clear();
    EXPECT_TRUE(output.text().empty());
    output.setListener({});
    std::filesystem::remove(sink);
}

TEST(DebugOutputTest, UnwritableSinkIsReported) {
    ce::Device device;
    EXPECT_FALSE(device.get<ce::DebugOutput>().setSinkFile("/nonexistent-directory/sink.txt"));
    OutputDebugStringW(u"still captured\r\n");
    EXPECT_EQ(device.get<ce::DebugOutput>().text(), u"still captured\r\n");
}

}  // namespace
