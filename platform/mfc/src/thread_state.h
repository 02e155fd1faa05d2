// Framework state kept per thread: the message being handled (for Default)
// and the dialog whose window is being created (attached on its first
// message). Trivially destructible, so the image can be unloaded cleanly.
#pragma once

#include <windows.h>

class CWnd;
class CDialog;

struct AfxThreadState {
    MSG lastSentMessage;
    CDialog* dialogBeingCreated;
};

AfxThreadState& AfxGetThreadState();
