#include "handheld.h"

#include "device/device.h"
#include "devicemanager/device_manager.h"
#include "gdi/screen.h"
#include "kernel/debug_output.h"
#include "kernel/module_registry.h"
#include "kernel/process_launcher.h"
#include "kernel/text_conversion.h"
#include "shell/pocket_pc_shell.h"
#include "shell/windows_mobile_shell.h"
#include "window/window_manager.h"

#include <algorithm>
#include <cctype>
#include <mutex>

#ifndef HUEPROBE_IMAGE
#define HUEPROBE_IMAGE ""
#endif
#ifndef DRIVER_DIRECTORY
#define DRIVER_DIRECTORY ""
#endif
#ifndef DRIVER_REGISTRY
#define DRIVER_REGISTRY ""
#endif

namespace ceemu {

namespace {

// Where the program lives on the emulated device.
const std::u16string kProgramPath = u"\\Windows\\Hueprobe.exe";

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class EmulatedHandheld : public Handheld {
public:
    explicit EmulatedHandheld(const HandheldOptions& options)
        : options_(options),
          device_(std::make_unique<ce::Device>(ce::DeviceOptions{
              options.screenWidth, options.screenHeight,
              options.realTime ? ce::ClockMode::Realtime : ce::ClockMode::Virtual})) {}

    ~EmulatedHandheld() override {
        // Programs cut off by switching the device off do not "exit".
        setProgramExitListener({});
        // Every emulated thread is stopped before the shells' records go.
        device_.reset();
    }

    bool boot(std::string* error) {
        if (!options_.debugLogFile.empty() &&
            !device_->get<ce::DebugOutput>().setSinkFile(options_.debugLogFile)) {
            *error = "cannot write the debug log '" + options_.debugLogFile + "'";
            return false;
        }
        device_->onProcessExit = [this](ce::EmulatedProcess& process) {
            std::function<void(int)> listener;
            {
                std::lock_guard<std::mutex> lock(listenerMutex_);
                // Known by its image, not by an id noted after the start: a
                // copy may end before start() has even returned.
                if (process.imagePath() != kProgramPath) return;
                listener = exitListener_;
            }
            if (listener) listener(static_cast<int>(process.exitCode));
        };
        if (options_.profile == Profile::PocketPc) {
            pocketPcShell_ = ce::shell::PocketPcShell::boot(*device_);
            if (!waitIdle(error)) return false;
            return startProgram("Hueprobe", error);
        }
        // The system makes the shell's ready event at boot, before any driver
        // loads, so that a driver can wait for the shell by name.
        CreateEventW(nullptr, TRUE, FALSE, u"SYSTEM/ShellInit");
        device_->get<ce::ModuleRegistry>().addSearchDirectory(DRIVER_DIRECTORY);
        auto& manager = device_->get<ce::DeviceManager>();
        if (!manager.loadRegistry(DRIVER_REGISTRY, error)) return false;
        manager.bootBuiltInDrivers();
        if (!waitIdle(error)) return false;
        ce::shell::BootOptions shellOptions;
        shellOptions.holdReadyEvent = options_.holdShell;
        windowsMobileShell_ = ce::shell::WindowsMobileShell::boot(*device_, shellOptions);
        return true;
    }

    ce::Device& device() override { return *device_; }
    Profile profile() const override { return options_.profile; }

    void pen(PenStep::Kind kind, int x, int y) override {
        auto& windows = device_->get<ce::WindowManager>();
        POINT point{x, y};
        switch (kind) {
        case PenStep::Kind::Down: windows.penDown(point); break;
        case PenStep::Kind::Move: windows.penMove(point); break;
        case PenStep::Kind::Up: windows.penUp(point); break;
        case PenStep::Kind::Tap:
            windows.penDown(point);
            windows.penUp(point);
            break;
        }
    }

    bool waitIdle(std::string* reason) override {
        return device_->waitForIdle(std::chrono::seconds(20), reason);
    }

    int screenWidth() override { return device_->get<ce::Screen>().width(); }
    int screenHeight() override { return device_->get<ce::Screen>().height(); }
    std::uint32_t pixel(int x, int y) override { return device_->get<ce::Screen>().pixel(x, y); }
    bool screenshot(const std::string& path, std::string* error) override {
        return device_->get<ce::Screen>().writePng(path, error);
    }

    std::vector<WindowLine> windows() override {
        HWND menuBar = windowsMobileShell_ ? windowsMobileShell_->menuBar() : nullptr;
        std::vector<WindowLine> lines;
        for (const auto& info : device_->get<ce::WindowManager>().snapshot()) {
            lines.push_back({info.window, info.depth, ce::toUtf8(info.className), ce::toUtf8(info.text), info.rect,
                             info.visible, info.enabled, info.isDesktop, info.window == menuBar});
        }
        return lines;
    }

    std::string debugOutput() override { return device_->get<ce::DebugOutput>().utf8(); }

    bool startProgram(const std::string& name, std::string* error) override {
        if (lowercase(name) != "hueprobe") {
            *error = "unknown program '" + name + "': this device has Hueprobe";
            return false;
        }
        if (options_.profile != Profile::PocketPc) {
            *error = "Hueprobe runs on the Pocket PC device (ceemu hueprobe)";
            return false;
        }
        auto& launcher = device_->get<ce::ProcessLauncher>();
        std::lock_guard<std::mutex> lock(startMutex_);
        if (launcher.start(HUEPROBE_IMAGE, kProgramPath, u"") == 0) {
            *error = "cannot start Hueprobe: " + launcher.lastFailure();
            return false;
        }
        return true;
    }

    void setProgramExitListener(std::function<void(int)> listener) override {
        std::lock_guard<std::mutex> lock(listenerMutex_);
        exitListener_ = std::move(listener);
    }

    IoctlResult ioctl(const std::string& deviceName, std::uint32_t code, std::uint32_t length) override {
        IoctlResult result{false, FALSE, 0, std::vector<unsigned char>(length, 0)};
        std::u16string name = ce::toUtf16(deviceName);
        HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            result.lastError = GetLastError();
            return result;
        }
        result.opened = true;
        unsigned char output[4] = {0, 0, 0, 0};
        DWORD returnedBytes = 0;
        SetLastError(0);
        result.returned = DeviceIoControl(file, code, length ? result.input.data() : nullptr, length, output,
                                          sizeof output, &returnedBytes, nullptr);
        result.lastError = GetLastError();
        CloseHandle(file);
        return result;
    }

    bool sendToDesktop(UINT message, WPARAM wParam, std::string* error) override {
        HWND desktop = GetDesktopWindow();
        if (!desktop) {
            *error = "this device has no desktop window yet";
            return false;
        }
        SendMessageW(desktop, message, wParam, 0);
        return true;
    }

    bool showWindow(HWND window, bool show) override { return ShowWindow(window, show ? SW_SHOW : SW_HIDE); }

    bool moveWindow(HWND window, const RECT& screenRect) override {
        POINT topLeft{screenRect.left, screenRect.top};
        HWND parent = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
        if (parent) ScreenToClient(parent, &topLeft);
        return MoveWindow(window, topLeft.x, topLeft.y, screenRect.right - screenRect.left,
                          screenRect.bottom - screenRect.top, TRUE);
    }

    void resizeScreen(int width, int height) override {
        device_->get<ce::Screen>().resize(width, height);
        for (const auto& line : windows())
            if (line.depth == 0) InvalidateRect(line.window, nullptr, TRUE);
    }

    bool unloadDevice(const std::string& deviceName, std::string* error) override {
        if (options_.profile != Profile::WindowsMobile) {
            *error = "this device has no stream drivers";
            return false;
        }
        return device_->get<ce::DeviceManager>().deactivate(ce::toUtf16(deviceName), error);
    }

    bool loadDevice(std::string* error) override {
        if (options_.profile != Profile::WindowsMobile) {
            *error = "this device has no stream drivers";
            return false;
        }
        return device_->get<ce::DeviceManager>().bootBuiltInDrivers(error);
    }

    bool signalShell(std::string* error) override {
        if (!windowsMobileShell_) {
            *error = "signal-shell needs the Windows Mobile device (ceemu dockfade)";
            return false;
        }
        windowsMobileShell_->signalReady();
        return true;
    }

private:
    HandheldOptions options_;
    std::unique_ptr<ce::Device> device_;
    std::unique_ptr<ce::shell::PocketPcShell> pocketPcShell_;
    std::unique_ptr<ce::shell::WindowsMobileShell> windowsMobileShell_;
    std::mutex startMutex_;
    std::mutex listenerMutex_;
    std::function<void(int)> exitListener_;
};

}  // namespace

std::unique_ptr<Handheld> Handheld::boot(const HandheldOptions& options, std::string* error) {
    auto handheld = std::make_unique<EmulatedHandheld>(options);
    if (!handheld->boot(error)) return nullptr;
    return handheld;
}

}  // namespace ceemu
