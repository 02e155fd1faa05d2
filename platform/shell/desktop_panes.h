#pragma once

#include <windows.h>

// The Windows Mobile desktop's inner windows: a container that fills the
// desktop's client area, holding a content pane above a strip at its bottom.
// The strip is the container's first child (top of the Z order).
namespace ce::shell {

inline constexpr const WCHAR* kContainerClass = u"ShellDesktopContainer";
inline constexpr const WCHAR* kContentPaneClass = u"ShellContentPane";
inline constexpr const WCHAR* kStripPaneClass = u"ShellStripPane";
constexpr int kStripHeight = 40;

struct DesktopPanes {
    HWND container = nullptr;
    HWND contentPane = nullptr;
    HWND stripPane = nullptr;
};

// Creates the container and its two panes inside desktop, laid out.
DesktopPanes createDesktopPanes(HWND desktop);

// Container over the desktop's whole client area, then its panes.
void layOutContainer(HWND desktop);
// Strip across the bottom of the container, content pane above it.
void layOutPanes(HWND container);

}  // namespace ce::shell
