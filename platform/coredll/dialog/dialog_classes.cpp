#include "dialog/dialog_classes.h"

#include "dialog/button.h"
#include "dialog/dialog_registry.h"
#include "dialog/static.h"

namespace ce {
namespace {

void registerGlobalClass(const WCHAR* name, WNDPROC procedure, int extraBytes, UINT style) {
    WNDCLASSW windowClass{};
    windowClass.style = style | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = extraBytes;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

}  // namespace

void registerDialogClasses() {
    DialogRegistry& registry = DialogRegistry::current();
    std::call_once(registry.classesRegistered, [] {
        registerGlobalClass(dialogClassName, DefDlgProcW, DLGWINDOWEXTRA, 0);
        registerGlobalClass(buttonClassName, buttonProcedure, buttonExtraBytes, CS_DBLCLKS);
        registerGlobalClass(staticClassName, staticProcedure, staticExtraBytes, 0);
    });
}

}  // namespace ce
