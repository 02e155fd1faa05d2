#pragma once

#include "scenario.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ce {
class Device;
}

namespace ceemu {

// Which emulated handheld to boot and what runs on it.
enum class Profile {
    PocketPc,       // Pocket PC shell, then Hueprobe
    WindowsMobile,  // device manager loading Dockfade, then the Windows Mobile shell
};

struct HandheldOptions {
    Profile profile = Profile::PocketPc;
    int screenWidth = 240;
    int screenHeight = 320;
    bool holdShell = false;      // the shell keeps "SYSTEM/ShellInit" unset until signalShell()
    bool realTime = false;       // interactive runs follow the wall clock
    std::string debugLogFile;    // debug output as it is written, UTF-8
};

// One line of the window listing, in z-order, children under their parent.
struct WindowLine {
    HWND window;
    int depth;
    std::string className;
    std::string text;
    RECT rect;
    bool visible;
    bool enabled;
    bool desktop;
    bool menuBar;
};

struct IoctlResult {
    bool opened;
    BOOL returned;
    DWORD lastError;
    std::vector<unsigned char> input;
};

// An emulated handheld as the front ends and the scenario runner see it: the
// small interface between them and the emulated device.
class Handheld {
public:
    static std::unique_ptr<Handheld> boot(const HandheldOptions& options, std::string* error);
    virtual ~Handheld() = default;

    virtual ce::Device& device() = 0;
    virtual Profile profile() const = 0;

    // Input and observation
    virtual void pen(PenStep::Kind kind, int x, int y) = 0;
    virtual bool waitIdle(std::string* reason) = 0;
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
    virtual std::uint32_t pixel(int x, int y) = 0;  // 0xRRGGBB
    virtual bool screenshot(const std::string& path, std::string* error) = 0;
    virtual std::vector<WindowLine> windows() = 0;
    virtual std::string debugOutput() = 0;

    // Programs
    virtual bool startProgram(const std::string& name, std::string* error) = 0;
    // Called with the exit code whenever a started program's process ends.
    virtual void setProgramExitListener(std::function<void(int)> listener) = 0;

    // Acting as another thread of the device
    virtual IoctlResult ioctl(const std::string& device, std::uint32_t code, std::uint32_t length) = 0;
    virtual bool sendToDesktop(UINT message, WPARAM wParam, std::string* error) = 0;
    virtual bool showWindow(HWND window, bool show) = 0;
    virtual bool moveWindow(HWND window, const RECT& screenRect) = 0;
    virtual void resizeScreen(int width, int height) = 0;
    virtual bool unloadDevice(const std::string& device, std::string* error) = 0;
    virtual bool loadDevice(std::string* error) = 0;
    virtual bool signalShell(std::string* error) = 0;
};

// Finds a window by its position in the listing: "desktop/1/1" is the first
// child of the desktop's first child; a leading number picks a top-level
// window in z-order (1 is the topmost).
HWND findWindowByPath(const std::vector<WindowLine>& lines, const std::string& path, std::string* error);

}  // namespace ceemu
