#include "dialog/dialog_classes.h"

#include "dialog/button.h"
#include "dialog/static.h"
#include "window/window_class.h"

namespace ce {
namespace {

void addGlobalClass(ClassTable& classes, const WCHAR* name, WNDPROC procedure, int extraBytes, UINT style) {
    WNDCLASSW windowClass{};
    windowClass.style = style | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = extraBytes;
    windowClass.lpszClassName = name;
    DWORD error = 0;
    classes.add(windowClass, kSystemProcessId, &error);
}

}  // namespace

void addSystemClasses(ClassTable& classes) {
    addGlobalClass(classes, dialogClassName, DefDlgProcW, DLGWINDOWEXTRA, 0);
    addGlobalClass(classes, buttonClassName, buttonProcedure, buttonExtraBytes, CS_DBLCLKS);
    addGlobalClass(classes, staticClassName, staticProcedure, staticExtraBytes, 0);
}

}  // namespace ce
