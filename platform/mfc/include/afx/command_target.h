// Base of every class that receives messages or commands through a map.
#pragma once

#include "afx/message_map.h"
#include "afx/object.h"

class CCmdTarget : public CObject {
public:
    // Runs the handler of the command (nID, nCode) if a map lists it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    // The handler entry for message (and, for WM_COMMAND, code and id),
    // searched from this class's map down to the root; NULL when none.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT nCode, UINT nID) const;

    // The root map has no base; hand-written rather than from the macros.
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
