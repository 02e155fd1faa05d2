#include "handle_map.h"

#include <afxwin.h>

#include <map>
#include <memory>

namespace {

std::map<HWND, CWnd*>& PermanentWindows() {
    static std::map<HWND, CWnd*> windows;
    return windows;
}

// Temporaries are let go of their handles before they are freed, so that
// freeing them never consults the permanent map, whatever the order in which
// the image's statics go.
struct TemporaryTable {
    std::map<HWND, std::unique_ptr<CWnd>> windows;
    void clear() {
        for (auto& entry : windows) entry.second->m_hWnd = nullptr;
        windows.clear();
    }
    ~TemporaryTable() { clear(); }
};

TemporaryTable& Temporaries() {
    static TemporaryTable table;
    return table;
}

}  // namespace

void AfxMapWindow(HWND hWnd, CWnd* pWnd) { PermanentWindows()[hWnd] = pWnd; }

void AfxUnmapWindow(HWND hWnd) { PermanentWindows().erase(hWnd); }

CWnd* AfxLookupPermanentWindow(HWND hWnd) {
    auto found = PermanentWindows().find(hWnd);
    return found == PermanentWindows().end() ? nullptr : found->second;
}

CWnd* AfxTemporaryWindow(HWND hWnd) {
    auto& temporaries = Temporaries().windows;
    auto found = temporaries.find(hWnd);
    if (found != temporaries.end()) return found->second.get();
    auto object = std::make_unique<CWnd>();
    // Not in the permanent map: a temporary never owns or destroys its window.
    object->m_hWnd = hWnd;
    return temporaries.emplace(hWnd, std::move(object)).first->second.get();
}

void AfxDeleteTemporaryWindows() { Temporaries().clear(); }
