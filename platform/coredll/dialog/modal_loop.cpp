#include "dialog/modal_loop.h"

#include "dialog/dialog_creation.h"
#include "dialog/dialog_registry.h"

namespace ce {
namespace {

bool hasEnded(HWND dialog, int* result) {
    auto state = DialogRegistry::current().find(dialog);
    if (!state || !state->ended) return false;
    *result = state->result;
    return true;
}

bool isActive(HWND dialog) {
    HWND active = GetActiveWindow();
    return active && (active == dialog || IsChild(dialog, active));
}

}  // namespace

int runModalLoop(HWND dialog) {
    int result = -1;
    bool firstEmptyQueue = true;
    MSG message{};
    while (IsWindow(dialog) && !hasEnded(dialog, &result)) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (firstEmptyQueue) {
                firstEmptyQueue = false;
                if (!IsWindowVisible(dialog)) {
                    ShowWindow(dialog, SW_SHOWNORMAL);
                    UpdateWindow(dialog);
                }
                continue;
            }
            if (!GetMessageW(&message, nullptr, 0, 0)) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
        }
        if (message.message == WM_QUIT) {
            // The quit belongs to the outer loop: leave and hand it back.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return result;
}

int runModalDialog(HINSTANCE module, const DialogTemplate& dialogTemplate, HWND parent, DLGPROC procedure,
                   LPARAM initParam) {
    HWND owner = (dialogTemplate.style & WS_CHILD) ? nullptr : topLevelWindowOf(parent);
    bool disabledOwner = false;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner = true;
    }
    HWND dialog = createDialogFromTemplate(module, dialogTemplate, parent, procedure, initParam, true);
    if (!dialog) {
        if (disabledOwner) EnableWindow(owner, TRUE);
        return -1;
    }
    int result = runModalLoop(dialog);
    if (IsWindow(dialog)) {
        bool wasActive = isActive(dialog);
        if (disabledOwner) EnableWindow(owner, TRUE);
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (wasActive && owner && IsWindow(owner)) SetActiveWindow(owner);
        DestroyWindow(dialog);
    } else if (disabledOwner && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
    }
    return result;
}

}  // namespace ce

// DialogBoxParam: a modal run of the module's RT_DIALOG template; -1 when
// the template is missing or malformed.
extern "C" int WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    auto dialogTemplate = ce::loadDialogTemplate(hInstance, lpTemplateName);
    if (!dialogTemplate) return -1;
    return ce::runModalDialog(hInstance, *dialogTemplate, hWndParent, lpDialogFunc, dwInitParam);
}

// DialogBoxIndirectParam: a modal run of an in-memory template.
extern "C" int WINAPI DialogBoxIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW hDialogTemplate, HWND hWndParent,
                                              DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    auto dialogTemplate = ce::readDialogTemplate(hDialogTemplate);
    if (!dialogTemplate) return -1;
    return ce::runModalDialog(hInstance, *dialogTemplate, hWndParent, lpDialogFunc, dwInitParam);
}

// EndDialog: only records the result; the modal loop notices through the
// WM_NULL posted to the dialog, which also wakes it from another thread.
extern "C" BOOL WINAPI EndDialog(HWND hDlg, int nResult) {
    if (!IsWindow(hDlg) || !ce::DialogRegistry::current().find(hDlg)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    ce::DialogRegistry::current().update(hDlg, [nResult](ce::DialogState& state) {
        state.ended = true;
        state.result = nResult;
    });
    PostMessageW(hDlg, WM_NULL, 0, 0);
    return TRUE;
}
