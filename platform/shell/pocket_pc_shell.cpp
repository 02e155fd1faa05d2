#include "shell/pocket_pc_shell.h"

#include "desktop_window.h"
#include "pocket_pc_desktop.h"
#include "shell_thread.h"
#include "taskbar.h"

#include <aygshell/shell_geometry.h>
#include <aygshell/shell_windows.h>

namespace ce::shell {

using namespace ce::aygshell;

std::unique_ptr<PocketPcShell> PocketPcShell::boot(Device& device) {
    std::unique_ptr<PocketPcShell> shell(new PocketPcShell());
    PocketPcShell* self = shell.get();
    shell->thread_ = std::make_unique<ShellThread>(
        device, u"\\Windows\\explorer.exe", [self] { self->createWindows(); }, [self] { self->destroyWindows(); });
    return shell;
}

PocketPcShell::PocketPcShell() = default;
PocketPcShell::~PocketPcShell() = default;

void PocketPcShell::createWindows() {
    registerShellClasses();
    desktop_ = createDesktop(PocketPcDesktopProcedure, workAreaBelowTaskbar());
    registerDesktopWindow(desktop_);
    taskbar_ = createTaskbar();
    // One button for the whole screen, above every application's menu bar.
    RECT bar = menuBarRect();
    inputPanelButton_ = CreateWindowExW(WS_EX_TOPMOST, kInputPanelButtonClass, u"", WS_POPUP,
                                        bar.right - kInputPanelButtonWidth, bar.top, kInputPanelButtonWidth,
                                        kMenuBarHeight, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(inputPanelButton_, SW_SHOWNA);
    ShowWindow(desktop_, SW_SHOW);
    SetForegroundWindow(desktop_);
    requestTaskbarRefresh();
}

void PocketPcShell::destroyWindows() {
    registerDesktopWindow(nullptr);
    DestroyWindow(inputPanelButton_);
    DestroyWindow(taskbar_);
    DestroyWindow(desktop_);
}

}  // namespace ce::shell
