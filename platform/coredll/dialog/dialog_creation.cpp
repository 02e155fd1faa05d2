#include "dialog/dialog_creation.h"

#include "dialog/dialog_classes.h"
#include "dialog/dialog_focus.h"
#include "dialog/dialog_font.h"
#include "dialog/dialog_registry.h"
#include "dialog/dialog_units.h"

#include <cstdint>
#include <string>

namespace ce {
namespace {

void reportMalformed(const std::string& error) {
    std::u16string line;
    for (char c : error) line += static_cast<char16_t>(static_cast<unsigned char>(c));
    line += u"\r\n";
    OutputDebugStringW(line.c_str());
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
}

bool isChildDialog(const DialogTemplate& dialogTemplate) { return (dialogTemplate.style & WS_CHILD) != 0; }

// The window rectangle (in the coordinates CreateWindowEx takes) for the
// template's client size: a caption adds its height on top.
RECT dialogWindowRect(const DialogTemplate& dialogTemplate, HWND parent, const SIZE& baseUnits) {
    int width = horizontalDialogUnitsToPixels(dialogTemplate.cx, baseUnits);
    int height = verticalDialogUnitsToPixels(dialogTemplate.cy, baseUnits);
    if ((dialogTemplate.style & WS_CAPTION) == WS_CAPTION) height += GetSystemMetrics(SM_CYCAPTION);
    POINT position{horizontalDialogUnitsToPixels(dialogTemplate.x, baseUnits),
                   verticalDialogUnitsToPixels(dialogTemplate.y, baseUnits)};
    if (dialogTemplate.style & DS_CENTER) {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (isChildDialog(dialogTemplate) && parent) GetClientRect(parent, &area);
        position.x = area.left + (area.right - area.left - width) / 2;
        position.y = area.top + (area.bottom - area.top - height) / 2;
    } else if (!isChildDialog(dialogTemplate) && !(dialogTemplate.style & DS_ABSALIGN) && parent) {
        // Top-level dialogs are placed relative to the owner's client area.
        ClientToScreen(parent, &position);
    }
    return RECT{position.x, position.y, position.x + width, position.y + height};
}

// An ordinal text (an SS_ICON's icon id) travels as "#<number>", the
// resource-name form LoadIcon understands.
std::u16string controlText(const DialogItemTemplate& item) {
    if (!item.textOrdinal) return item.text;
    std::string digits = std::to_string(item.textOrdinal);
    return u"#" + std::u16string(digits.begin(), digits.end());
}

bool createControls(HWND dialog, HINSTANCE module, const DialogTemplate& dialogTemplate, HFONT font,
                    const SIZE& baseUnits) {
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        RECT units{item.x, item.y, item.x + item.cx, item.y + item.cy};
        RECT pixels = dialogRectToPixels(units, baseUnits);
        std::u16string text = controlText(item);
        const void* creationData = item.creationData.empty() ? nullptr : item.creationData.data();
        HWND control = CreateWindowExW(item.exStyle, item.windowClass.c_str(), text.c_str(), item.style | WS_CHILD,
                                       pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                                       dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), module,
                                       const_cast<void*>(creationData));
        if (!control) return false;
        if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

}  // namespace

HWND topLevelWindowOf(HWND window) {
    while (window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
    return window;
}

std::optional<DialogTemplate> loadDialogTemplate(HINSTANCE module, LPCWSTR name) {
    HRSRC resource = FindResourceW(module, name, RT_DIALOG);
    if (!resource) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(module, resource);
    if (!data || size == 0) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return std::nullopt;
    }
    std::string error;
    auto parsed = parseDialogTemplate(data, size, &error);
    if (!parsed) reportMalformed(error);
    return parsed;
}

std::optional<DialogTemplate> readDialogTemplate(LPCDLGTEMPLATEW data) {
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    std::string error;
    auto parsed = parseDialogTemplate(data, SIZE_MAX, &error);
    if (!parsed) reportMalformed(error);
    return parsed;
}

HWND createDialogFromTemplate(HINSTANCE module, const DialogTemplate& dialogTemplate, HWND parent, DLGPROC procedure,
                              LPARAM initParam, bool modal) {
    HFONT font = createTemplateFont(dialogTemplate);
    SIZE baseUnits = baseUnitsOfFont(font);
    // A top-level dialog is owned by the top-level window above the given one.
    if (!isChildDialog(dialogTemplate)) parent = topLevelWindowOf(parent);
    RECT window = dialogWindowRect(dialogTemplate, parent, baseUnits);
    const WCHAR* className = dialogTemplate.windowClass.empty() ? dialogClassName : dialogTemplate.windowClass.c_str();
    HWND dialog = CreateWindowExW(dialogTemplate.exStyle, className, dialogTemplate.caption.c_str(),
                                  dialogTemplate.style & ~WS_VISIBLE, window.left, window.top,
                                  window.right - window.left, window.bottom - window.top, parent, nullptr, module,
                                  nullptr);
    if (!dialog) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    DialogRegistry::current().update(dialog, [&](DialogState& state) {
        // Without DS_SETFONT, WM_GETFONT answers null: the system font is implied.
        state.font = font;
        state.ownsFont = font != nullptr;
        state.baseUnits = baseUnits;
        state.modal = modal;
    });
    SetWindowLongW(dialog, DWL_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    if (font) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!createControls(dialog, module, dialogTemplate, font, baseUnits)) {
        DWORD error = GetLastError();
        DestroyWindow(dialog);
        SetLastError(error);
        return nullptr;
    }
    HWND focus = firstTabStop(dialog);
    if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) && focus)
        setDialogFocus(dialog, focus);
    else
        saveDialogFocus(dialog);
    if (!IsWindow(dialog)) return nullptr;
    auto state = DialogRegistry::current().find(dialog);
    bool ended = state && state->ended;
    if ((dialogTemplate.style & WS_VISIBLE) && !(modal && ended) && !IsWindowVisible(dialog))
        ShowWindow(dialog, SW_SHOWNORMAL);
    return dialog;
}

}  // namespace ce

// CreateDialogIndirectParam: a modeless dialog from an in-memory template.
extern "C" HWND WINAPI CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate, HWND hWndParent,
                                                  DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    auto dialogTemplate = ce::readDialogTemplate(lpTemplate);
    if (!dialogTemplate) return nullptr;
    return ce::createDialogFromTemplate(hInstance, *dialogTemplate, hWndParent, lpDialogFunc, dwInitParam, false);
}

// CreateDialogParam: a modeless dialog from the module's RT_DIALOG resource.
extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                          DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    auto dialogTemplate = ce::loadDialogTemplate(hInstance, lpTemplateName);
    if (!dialogTemplate) return nullptr;
    return ce::createDialogFromTemplate(hInstance, *dialogTemplate, hWndParent, lpDialogFunc, dwInitParam, false);
}
