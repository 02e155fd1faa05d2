// Root of the framework's class tree.
#pragma once

#include <windows.h>

class CObject {
public:
    virtual ~CObject() = default;

protected:
    CObject() = default;

public:
    // Framework objects own platform handles; copying one would let two
    // objects claim the same window or device context.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
