#include "window/non_client.h"
#include "window/window_manager.h"

#include <algorithm>
#include <cstring>

namespace ce {

namespace {

LRESULT setText(WindowManager& manager, HWND handle, LPCWSTR text) {
    std::unique_lock<std::mutex> lock(manager.device().mutex());
    Window* window = manager.requireLocked(handle);
    if (!window) return FALSE;
    window->text = text ? std::u16string(text) : std::u16string();
    // The caption shows the text, so it is drawn again.
    if (hasCaption(window->style)) {
        RECT caption = window->windowRect;
        caption.bottom = std::min(caption.top + kCaptionHeight, caption.bottom);
        manager.invalidateLocked(*window, Region(caption), false);
    }
    return TRUE;
}

LRESULT getText(WindowManager& manager, HWND handle, WPARAM capacity, LPWSTR buffer) {
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    if (!window || !buffer || capacity == 0) return 0;
    size_t count = std::min(window->text.size(), static_cast<size_t>(capacity) - 1);
    std::memcpy(buffer, window->text.data(), count * sizeof(WCHAR));
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

LRESULT textLength(WindowManager& manager, HWND handle) {
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    return window ? static_cast<LRESULT>(window->text.size()) : 0;
}

LRESULT exchangeIcon(WindowManager& manager, HWND handle, WPARAM kind, HICON icon, bool store) {
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    if (!window) return 0;
    HICON& slot = kind == ICON_BIG ? window->bigIcon : window->smallIcon;
    HICON previous = slot;
    if (store) slot = icon;
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT eraseBackground(WindowManager& manager, HWND handle, HDC dc) {
    HBRUSH brush = nullptr;
    RECT client{};
    {
        std::lock_guard<std::mutex> lock(manager.device().mutex());
        Window* window = manager.findLocked(handle);
        if (!window) return 0;
        brush = window->windowClass->info.hbrBackground;
        client = RECT{0, 0, window->clientRect.right - window->clientRect.left,
                      window->clientRect.bottom - window->clientRect.top};
    }
    if (!brush || !dc) return 0;
    // FillRect takes a real brush or a COLOR_ index + 1, as classes give it.
    FillRect(dc, &client, brush);
    return 1;
}

LRESULT hitTest(WindowManager& manager, HWND handle, LPARAM where) {
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    if (!window) return HTNOWHERE;
    POINT screen{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    return defaultHitTest(window->style, window->exStyle, window->windowRect, window->clientRect, screen);
}

LRESULT calculateClientArea(WindowManager& manager, HWND handle, RECT* rect) {
    if (!rect) return 0;
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    if (window) *rect = clientAreaFor(window->style, *rect);
    return 0;
}

HWND parentOfChild(WindowManager& manager, HWND handle) {
    std::lock_guard<std::mutex> lock(manager.device().mutex());
    Window* window = manager.findLocked(handle);
    if (!window || manager.isTopLevelLocked(*window)) return nullptr;
    return window->parent->handle;
}

void announceMoveAndSize(WindowManager& manager, HWND handle, const WINDOWPOS* position) {
    if (!position) return;
    RECT client{};
    POINT origin{};
    {
        std::lock_guard<std::mutex> lock(manager.device().mutex());
        Window* window = manager.findLocked(handle);
        if (!window) return;
        client = window->clientRect;
        origin = manager.positionOriginLocked(*window);
    }
    if (!(position->flags & SWP_NOMOVE))
        manager.send(handle, WM_MOVE, 0, MAKELPARAM(client.left - origin.x, client.top - origin.y));
    if (!(position->flags & SWP_NOSIZE))
        manager.send(handle, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(client.right - client.left, client.bottom - client.top));
}

}  // namespace

}  // namespace ce

// DefWindowProc: the platform's default handling of each message.
extern "C" LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    auto& manager = ce::WindowManager::current();
    switch (Msg) {
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) manager.send(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETTEXT:
        return ce::setText(manager, hWnd, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT:
        return ce::getText(manager, hWnd, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH:
        return ce::textLength(manager, hWnd);
    case WM_SETICON:
        return ce::exchangeIcon(manager, hWnd, wParam, reinterpret_cast<HICON>(lParam), true);
    case WM_GETICON:
        return ce::exchangeIcon(manager, hWnd, wParam, nullptr, false);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (manager.beginPaint(hWnd, &paint)) manager.endPaint(hWnd, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return ce::eraseBackground(manager, hWnd, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
        ce::paintCaption(hWnd);
        return 0;
    case WM_NCACTIVATE:
        return TRUE;
    case WM_NCHITTEST:
        return ce::hitTest(manager, hWnd, lParam);
    case WM_NCCALCSIZE:
        return ce::calculateClientArea(manager, hWnd, reinterpret_cast<RECT*>(lParam));
    case WM_NCCREATE:
        return TRUE;
    case WM_WINDOWPOSCHANGED:
        ce::announceMoveAndSize(manager, hWnd, reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) manager.setFocus(hWnd);
        return 0;
    case WM_MOUSEACTIVATE:
        // A child lets its parent decide first.
        if (HWND parent = ce::parentOfChild(manager, hWnd))
            if (LRESULT answer = manager.send(parent, WM_MOUSEACTIVATE, wParam, lParam)) return answer;
        return MA_ACTIVATE;
    default:
        return 0;
    }
}
