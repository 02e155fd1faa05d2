#include "window/window_class.h"

#include <algorithm>

namespace ce {

namespace {

char16_t foldCase(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool matches(const WindowClass& windowClass, LPCWSTR className) {
    if (isAtomArgument(className))
        return windowClass.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className));
    return sameClassName(windowClass.name, className);
}

}  // namespace

bool sameClassName(const std::u16string& a, const std::u16string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return foldCase(x) == foldCase(y); });
}

bool isAtomArgument(LPCWSTR className) { return (reinterpret_cast<ULONG_PTR>(className) >> 16) == 0; }

WindowClass* ClassTable::add(const WNDCLASSW& info, DWORD processId, DWORD* error) {
    if (!info.lpszClassName || isAtomArgument(info.lpszClassName) || !info.lpszClassName[0]) {
        *error = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    if (findExact(info.lpszClassName, info.hInstance)) {
        *error = ERROR_CLASS_ALREADY_EXISTS;
        return nullptr;
    }
    auto windowClass = std::make_unique<WindowClass>();
    windowClass->name = info.lpszClassName;
    windowClass->atom = nextAtom_++;
    windowClass->info = info;
    windowClass->processId = processId;
    if (info.lpszMenuName && isAtomArgument(info.lpszMenuName)) {
        windowClass->menuIsOrdinal = true;
    } else if (info.lpszMenuName) {
        windowClass->menuName = info.lpszMenuName;
    }
    windowClass->info.lpszClassName = windowClass->name.c_str();
    if (!windowClass->menuIsOrdinal)
        windowClass->info.lpszMenuName = info.lpszMenuName ? windowClass->menuName.c_str() : nullptr;
    classes_.push_back(std::move(windowClass));
    return classes_.back().get();
}

WindowClass* ClassTable::findExact(LPCWSTR className, HINSTANCE instance) const {
    for (const auto& windowClass : classes_)
        if (windowClass->info.hInstance == instance && matches(*windowClass, className)) return windowClass.get();
    return nullptr;
}

WindowClass* ClassTable::find(LPCWSTR className, HINSTANCE instance, DWORD processId) const {
    if (!className) return nullptr;
    if (WindowClass* own = findExact(className, instance)) return own;
    for (const auto& windowClass : classes_)
        if ((windowClass->info.style & CS_GLOBALCLASS) && matches(*windowClass, className)) return windowClass.get();
    for (const auto& windowClass : classes_)
        if (windowClass->processId == processId && matches(*windowClass, className)) return windowClass.get();
    return nullptr;
}

bool ClassTable::remove(LPCWSTR className, HINSTANCE instance, DWORD processId, DWORD* error) {
    WindowClass* windowClass = findExact(className, instance);
    if (!windowClass) windowClass = find(className, instance, processId);
    if (!windowClass) {
        *error = ERROR_CLASS_DOES_NOT_EXIST;
        return false;
    }
    if (windowClass->processId == kSystemProcessId) {
        *error = ERROR_ACCESS_DENIED;
        return false;
    }
    if (windowClass->windowCount > 0) {
        *error = ERROR_CLASS_HAS_WINDOWS;
        return false;
    }
    classes_.erase(std::find_if(classes_.begin(), classes_.end(),
                                [&](const auto& entry) { return entry.get() == windowClass; }));
    return true;
}

}  // namespace ce
