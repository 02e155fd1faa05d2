#include <windows.h>

namespace {

// Case folding for lstrcmpiW: ASCII and the Latin-1 letters, which is what
// the platform's texts use; other characters compare as they are.
char16_t foldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

template <class Fold>
int compareWide(LPCWSTR first, LPCWSTR second, Fold fold) {
    // A null string sorts before every other, and equals another null.
    if (!first || !second) return first == second ? 0 : (first ? 1 : -1);
    for (;; ++first, ++second) {
        char16_t a = fold(*first), b = fold(*second);
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) return 0;
    }
}

}  // namespace

// lstrlenW: NULL counts as the empty string.
extern "C" int WINAPI lstrlenW(LPCWSTR lpString) {
    if (!lpString) return 0;
    int length = 0;
    while (lpString[length]) ++length;
    return length;
}

// lstrcpyW: no bounds check, like the real one; NULL arguments give NULL.
extern "C" LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2) {
    if (!lpString1 || !lpString2) return nullptr;
    LPWSTR out = lpString1;
    while ((*out++ = *lpString2++) != 0) {
    }
    return lpString1;
}

// lstrcmpW: compares by code unit, returning -1, 0 or 1.
extern "C" int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2) {
    return compareWide(lpString1, lpString2, [](char16_t c) { return c; });
}

// lstrcmpiW: as lstrcmpW, ignoring letter case.
extern "C" int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2) {
    return compareWide(lpString1, lpString2, foldCase);
}
