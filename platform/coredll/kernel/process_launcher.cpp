#include "kernel/process_launcher.h"

#include "kernel/debug_output.h"
#include "kernel/handle_table.h"
#include "kernel/module_registry.h"
#include "kernel/thread_exit.h"
#include "kernel/waitable_objects.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace ce {

using ProgramEntry = int(WINAPI*)(HINSTANCE, HINSTANCE, LPWSTR, int);

// How loading went on the new main thread, for the starting thread.
struct StartReport {
    bool done = false;
    std::string failure;
};

namespace {

// A private copy of the image in the temporary directory; empty on failure.
std::string copyImage(const std::string& hostImage, std::string& failure) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(hostImage, error)) {
        failure = "program image not found: " + hostImage;
        return {};
    }
    std::string pattern = (std::filesystem::temp_directory_path(error) / "handheld-image-XXXXXX").string();
    int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        failure = "cannot create a private copy of " + hostImage;
        return {};
    }
    close(descriptor);
    std::filesystem::copy_file(hostImage, pattern, std::filesystem::copy_options::overwrite_existing, error);
    if (error) {
        std::filesystem::remove(pattern, error);
        failure = "cannot copy " + hostImage + ": " + error.message();
        return {};
    }
    return pattern;
}

}  // namespace

// The kernel parts that unloading may reach are created first, so that they
// are destroyed after the launcher: static destructors of an image unloaded
// at teardown may still write debug output or close handles.
ProcessLauncher::ProcessLauncher(Device& device) : device_(device) {
    device.get<DebugOutput>();
    device.get<HandleTable>();
    device.get<ModuleRegistry>();
}

// Runs after every thread was joined, so no code of the copies runs any more.
ProcessLauncher::~ProcessLauncher() {
    for (const auto& copy : deferred_) unload(copy);
}

void ProcessLauncher::unload(const LoadedCopy& copy) {
    if (copy.library) dlclose(copy.library);
    std::error_code error;
    std::filesystem::remove(copy.copyPath, error);
}

std::string ProcessLauncher::lastFailure() const {
    std::lock_guard<std::mutex> lock(device_.mutex());
    return lastFailure_;
}

DWORD ProcessLauncher::start(const std::string& hostImage, std::u16string devicePath, std::u16string commandLine) {
    std::string failure;
    std::string copyPath = copyImage(hostImage, failure);
    std::unique_lock<std::mutex> lock(device_.mutex());
    if (copyPath.empty()) {
        lastFailure_ = failure;
        return 0;
    }
    EmulatedProcess& process = device_.createProcessLocked(std::move(devicePath));
    auto report = std::make_shared<StartReport>();
    device_.startThreadLocked(
        process,
        [this, &process, hostImage, copyPath, commandLine = std::move(commandLine), report]() mutable {
            return runMainThread(process, hostImage, copyPath, std::move(commandLine), *report);
        },
        [this](EmulatedThread&) { wakeWaitersOnThreadEnd(device_); });
    try {
        device_.block(lock, false, INFINITE, [&] { return report->done; }, "starting a process");
    } catch (const ThreadAbort&) {
        return 0;
    }
    if (!report->failure.empty()) {
        lastFailure_ = report->failure;
        return 0;
    }
    return process.id();
}

DWORD ProcessLauncher::runMainThread(EmulatedProcess& process, std::string hostImage, std::string copyPath,
                                     std::u16string commandLine, StartReport& report) {
    auto& registry = device_.get<ModuleRegistry>();
    HMODULE module;
    {
        // Registered before loading so that static initialisers already see
        // their process's image.
        std::lock_guard<std::mutex> lock(device_.mutex());
        module = registry.registerImageLocked(process.imagePath(), hostImage, nullptr);
        process.image = module;
    }
    LoadedCopy copy{dlopen(copyPath.c_str(), RTLD_NOW | RTLD_LOCAL), copyPath};
    auto entry = copy.library ? reinterpret_cast<ProgramEntry>(dlsym(copy.library, "WinMain")) : nullptr;
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        if (!entry) {
            const char* reason = copy.library ? nullptr : dlerror();
            report.failure = reason ? reason : hostImage + " exports no WinMain";
            registry.unregisterImageLocked(module);
            process.image = nullptr;
        } else {
            registry.findLocked(module)->library = copy.library;
        }
        report.done = true;
        device_.wakeAllLocked();
    }
    if (!entry) {
        unload(copy);
        return static_cast<DWORD>(-1);
    }
    DWORD exitCode = 0;
    try {
        exitCode = runExitableThreadBody([&] {
            return static_cast<DWORD>(entry(reinterpret_cast<HINSTANCE>(module), nullptr, commandLine.data(), SW_SHOW));
        });
    } catch (const ThreadAbort&) {
        std::lock_guard<std::mutex> lock(device_.mutex());
        deferred_.push_back(copy);
        throw;
    }
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        process.exitCode = exitCode;
        bool othersRunning = false;
        for (EmulatedThread* thread : process.threads)
            if (!thread->finished && thread != &device_.currentThreadLocked()) othersRunning = true;
        if (othersRunning) {
            deferred_.push_back(copy);
            return exitCode;
        }
        registry.unregisterImageLocked(module);
        process.image = nullptr;
    }
    unload(copy);
    return exitCode;
}

bool ProcessLauncher::waitForExit(DWORD processId, DWORD* exitCode) {
    auto endedLocked = [&](EmulatedProcess& process) {
        if (exitCode) *exitCode = process.exitCode;
        return process.ended;
    };
    {
        std::lock_guard<std::mutex> lock(device_.mutex());
        EmulatedProcess* process = device_.findProcessLocked(processId);
        if (!process) {
            lastFailure_ = "no process " + std::to_string(processId);
            return false;
        }
        if (endedLocked(*process)) return true;
    }
    // A process ends only by running, so once the whole device is idle (or
    // stuck) with the process still there, it will not end by itself.
    std::string reason;
    bool idle = device_.waitForIdle(std::chrono::seconds(20), &reason);
    std::lock_guard<std::mutex> lock(device_.mutex());
    EmulatedProcess* process = device_.findProcessLocked(processId);
    if (endedLocked(*process)) return true;
    lastFailure_ = "process " + std::to_string(processId) + " did not end: " +
                   (idle ? std::string("every thread waits with nothing left to do") : reason);
    return false;
}

HANDLE ProcessLauncher::openProcessHandle(DWORD processId) {
    std::lock_guard<std::mutex> lock(device_.mutex());
    EmulatedProcess* process = device_.findProcessLocked(processId);
    if (!process) return nullptr;
    return device_.get<HandleTable>().insertLocked(std::make_shared<ProcessObject>(*process));
}

}  // namespace ce
