#include "stream_interface.h"

DWORD StreamStub() {
    return 1;
}

// The other names of this body, generated from the module definition.
#include "stream_stub_aliases.inc"
