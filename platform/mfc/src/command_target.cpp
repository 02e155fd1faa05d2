#include <afxwin.h>

namespace {

const AFX_MSGMAP_ENTRY rootEntries[] = {{0, 0, 0, 0, nullptr}};
const AFX_MSGMAP rootMap = {nullptr, &rootEntries[0]};

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() { return &rootMap; }

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nMessage != message) continue;
            if (message != WM_COMMAND) return entry;
            if (entry->nCode == nCode && entry->nID <= nID && nID <= entry->nLastID) return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, (UINT)nCode, nID);
    if (entry == nullptr) return FALSE;
    entry->pfn(this, MAKEWPARAM(nID, nCode), 0);
    return TRUE;
}
