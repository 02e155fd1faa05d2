#include "shell/windows_mobile_shell.h"

#include "desktop_panes.h"
#include "desktop_window.h"
#include "shell_thread.h"
#include "taskbar.h"
#include "windows_mobile_desktop.h"

#include <aygshell.h>
#include <aygshell/shell_geometry.h>
#include <aygshell/shell_windows.h>

namespace ce::shell {

using namespace ce::aygshell;

std::unique_ptr<WindowsMobileShell> WindowsMobileShell::boot(Device& device, BootOptions options) {
    std::unique_ptr<WindowsMobileShell> shell(new WindowsMobileShell(options));
    WindowsMobileShell* self = shell.get();
    shell->thread_ = std::make_unique<ShellThread>(
        device, u"\\Windows\\explorer.exe", [self] { self->createWindows(); }, [self] { self->destroyWindows(); });
    return shell;
}

WindowsMobileShell::WindowsMobileShell(BootOptions options) : options_(options) {}
WindowsMobileShell::~WindowsMobileShell() = default;

void WindowsMobileShell::signalReady() {
    // By name: the handle the shell holds belongs to the shell's process.
    HANDLE event = OpenEventW(EVENT_ALL_ACCESS, FALSE, kReadyEventName);
    SetEvent(event);
    CloseHandle(event);
}

void WindowsMobileShell::createWindows() {
    registerShellClasses();
    RECT below = workAreaBelowTaskbar();
    RECT workArea{below.left, below.top, below.right, menuBarRect().top};
    desktop_ = createDesktop(WindowsMobileDesktopProcedure, workArea);
    registerDesktopWindow(desktop_);
    taskbar_ = createTaskbar();

    SHMENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    bar.hwndParent = desktop_;
    SHCreateMenuBar(&bar);
    menuBar_ = bar.hwndMB;
    SetWindowTextW(menuBar_, u"Calendar\tContacts");
    inputPanelButton_ = inputPanelButtonOf(menuBar_);

    DesktopPanes panes = createDesktopPanes(desktop_);
    container_ = panes.container;
    contentPane_ = panes.contentPane;
    stripPane_ = panes.stripPane;

    ShowWindow(desktop_, SW_SHOW);
    SetForegroundWindow(desktop_);
    requestTaskbarRefresh();

    readyEvent_ = CreateEventW(nullptr, TRUE, FALSE, kReadyEventName);
    if (!options_.holdReadyEvent) SetEvent(readyEvent_);
}

void WindowsMobileShell::destroyWindows() {
    CloseHandle(readyEvent_);
    registerDesktopWindow(nullptr);
    DestroyWindow(menuBar_);
    DestroyWindow(taskbar_);
    DestroyWindow(desktop_);
}

}  // namespace ce::shell
