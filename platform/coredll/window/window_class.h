#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace ce {

// The owner recorded for the classes the system itself provides.
inline constexpr DWORD kSystemProcessId = 0;

// One registered window class.
struct WindowClass {
    std::u16string name;
    ATOM atom = 0;
    WNDCLASSW info{};  // lpszClassName and lpszMenuName point at our own copies
    std::u16string menuName;
    bool menuIsOrdinal = false;
    DWORD processId = 0;  // the process that registered it
    int windowCount = 0;
};

// The registered classes. Names compare without regard to case, as on the
// platform. A class belongs to the module instance that registered it;
// CS_GLOBALCLASS classes are found for every instance. Lock held throughout.
class ClassTable {
public:
    // Null and *error set when a class of that name exists for the instance.
    WindowClass* add(const WNDCLASSW& info, DWORD processId, DWORD* error);
    // lpClassName may be a name or an atom (MAKEINTATOM). Looks for the
    // instance's own class, then a global class, then one the calling
    // process registered under any instance.
    WindowClass* find(LPCWSTR className, HINSTANCE instance, DWORD processId) const;
    // Fails with *error set when unknown, still used by windows, or one of
    // the system's own classes.
    bool remove(LPCWSTR className, HINSTANCE instance, DWORD processId, DWORD* error);

private:
    WindowClass* findExact(LPCWSTR className, HINSTANCE instance) const;

    std::vector<std::unique_ptr<WindowClass>> classes_;
    ATOM nextAtom_ = 0xC000;
};

// Case-insensitive comparison of class names (ASCII letters fold).
bool sameClassName(const std::u16string& a, const std::u16string& b);
// A class name argument that is really an atom (high bits zero).
bool isAtomArgument(LPCWSTR className);

}  // namespace ce
