// A tiny program image for the process tests. The command line picks what
// WinMain does: "return N", "exitthread N", "wait NAME" (wait for the named
// event, then return the run counter), "spawn NAME" (leave a thread waiting
// for the named event behind and return 5) or "describe" (report what the
// process sees of itself on the debug output).
#include <windows.h>

#include <string>

namespace {

// Counts runs of WinMain; each process must see its own copy.
int gRuns = 0;

struct LifetimeReport {
    LifetimeReport() { OutputDebugStringW(u"image constructed\r\n"); }
    ~LifetimeReport() { OutputDebugStringW(u"image destroyed\r\n"); }
} gLifetimeReport;

DWORD numberAfter(const std::u16string& line, std::size_t start) {
    DWORD value = 0;
    for (std::size_t i = start; i < line.size() && line[i] >= u'0' && line[i] <= u'9'; ++i)
        value = value * 10 + (line[i] - u'0');
    return value;
}

DWORD WINAPI waitForNamedEvent(LPVOID parameter) {
    HANDLE event = static_cast<HANDLE>(parameter);
    WaitForSingleObject(event, INFINITE);
    CloseHandle(event);
    return 77;
}

}  // namespace

extern "C" int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show) {
    ++gRuns;
    std::u16string line = commandLine;
    if (line.rfind(u"return ", 0) == 0) return static_cast<int>(numberAfter(line, 7));
    if (line.rfind(u"exitthread ", 0) == 0) ExitThread(numberAfter(line, 11));
    if (line.rfind(u"wait ", 0) == 0) {
        HANDLE event = OpenEventW(EVENT_ALL_ACCESS, FALSE, line.substr(5).c_str());
        WaitForSingleObject(event, INFINITE);
        CloseHandle(event);
        return gRuns;
    }
    if (line.rfind(u"spawn ", 0) == 0) {
        HANDLE event = OpenEventW(EVENT_ALL_ACCESS, FALSE, line.substr(6).c_str());
        CloseHandle(CreateThread(nullptr, 0, waitForNamedEvent, event, 0, nullptr));
        return 5;
    }
    if (line == u"describe") {
        WCHAR path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::u16string report = u"path " + std::u16string(path);
        report += GetModuleHandleW(nullptr) == instance ? u" own-instance" : u" other-instance";
        report += previous == nullptr ? u" no-previous" : u" previous";
        report += show == SW_SHOW ? u" show\r\n" : u" other-show\r\n";
        OutputDebugStringW(report.c_str());
        return 0;
    }
    return -1;
}
