// The input-panel button: a small key that raises or lowers the input panel.
#include "aygshell/input_panel.h"
#include "aygshell/shell_painting.h"
#include "aygshell/shell_windows.h"

namespace ce::aygshell {

namespace {

constexpr COLORREF kButtonColour = RGB(64, 88, 136);
constexpr COLORREF kKeyboardColour = RGB(255, 255, 255);

// A keyboard outline; filled while the panel is raised.
void paintButton(HDC dc, const RECT& client) {
    paintLabelledArea(dc, client, kButtonColour, kKeyboardColour, nullptr);
    RECT keyboard = client;
    InflateRect(&keyboard, -8, -7);
    paintLabelledArea(dc, keyboard, kKeyboardColour, kKeyboardColour, nullptr);
    if (!InputPanel::current().raised()) {
        RECT inside = keyboard;
        InflateRect(&inside, -2, -2);
        paintLabelledArea(dc, inside, kButtonColour, kKeyboardColour, nullptr);
    }
}

}  // namespace

LRESULT CALLBACK InputPanelButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintCycle(button, paintButton);
        return 0;
    case WM_LBUTTONDOWN: {
        InputPanel& panel = InputPanel::current();
        panel.setRaised(!panel.raised());
        InvalidateRect(button, nullptr, TRUE);
        return 0;
    }
    default:
        return shellBarDefaultProcedure(button, message, wParam, lParam);
    }
}

}  // namespace ce::aygshell
