// Message maps: each class lists the messages it handles and points to its
// base class's map; dispatch walks from the most derived map to the root.
//
// Each entry carries a small function that unpacks the message parameters
// and calls the handler on the object, so handlers keep their usual typed
// signatures. Handlers are named without their class, as in
// ON_BN_CLICKED(IDC_OK, OnOK); they may be inherited from a base class.
#pragma once

#include <windows.h>

class CCmdTarget;

#define afx_msg

// Unpacks wParam/lParam, calls the handler on target and gives the result.
typedef LRESULT (*AFX_MSG_DISPATCH)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND for command entries
    UINT nCode;     // notification code of a command (0 for menu and button commands)
    UINT nID;       // first command or control id
    UINT nLastID;   // last command or control id
    AFX_MSG_DISPATCH pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                    \
        using ThisClass [[maybe_unused]] = theClass;                                     \
        using TheBaseClass = baseClass;                                                  \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                 \
    {0, 0, 0, 0, nullptr}                                                                 \
    }                                                                                     \
    ;                                                                                     \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
    return &messageMap;                                                                   \
    }

// --- entries ---

#define ON_COMMAND(id, memberFxn)                                                                \
    {WM_COMMAND, 0, (UINT)(id), (UINT)(id), [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass*>(target)->memberFxn();                                           \
         return 0;                                                                               \
     }},

#define ON_CONTROL(notifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, (UINT)(notifyCode), (UINT)(id), (UINT)(id), [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass*>(target)->memberFxn();                                                      \
         return 0;                                                                                          \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_MESSAGE(message, memberFxn)                                                              \
    {(UINT)(message), 0, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         return static_cast<ThisClass*>(target)->memberFxn(wParam, lParam);                        \
     }},

#define ON_WM_PAINT()                                                              \
    {WM_PAINT, 0, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT {        \
         static_cast<ThisClass*>(target)->OnPaint();                               \
         return 0;                                                                 \
     }},

#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN, 0, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT {    \
         static_cast<ThisClass*>(target)->OnLButtonDown(                                           \
             (UINT)wParam, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));                    \
         return 0;                                                                                 \
     }},

#define ON_WM_ACTIVATE()                                                                       \
    {WM_ACTIVATE, 0, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT {   \
         static_cast<ThisClass*>(target)->OnActivate(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), \
                                                     (BOOL)HIWORD(wParam));                   \
         return 0;                                                                             \
     }},

#define ON_WM_SETTINGCHANGE()                                                                      \
    {WM_SETTINGCHANGE, 0, 0, 0, [](CCmdTarget* target, WPARAM wParam, LPARAM lParam) -> LRESULT {  \
         static_cast<ThisClass*>(target)->OnSettingChange((UINT)wParam, (LPCTSTR)lParam);          \
         return 0;                                                                                 \
     }},
