#pragma once

#include "device/emulated_thread.h"

#include <windows.h>

#include <deque>
#include <memory>
#include <vector>

namespace ce {

// A message sent from another thread, waiting in the receiver's queue until
// the receiver handles it and replies.
struct SentMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    EmulatedThread* sender = nullptr;
    LRESULT result = 0;
    bool replied = false;
};

// A posted message. Pen input arrives raw (screen point, no hit test yet)
// and is turned into mouse messages by the receiving thread when it gets to
// it, as the platform does with hardware input.
struct QueuedMessage {
    MSG message{};
    bool rawPen = false;
};

// The per-thread message queue and input state (active window, focus),
// created on first use. All fields are guarded by the device lock and
// changed only by the WindowManager.
class ThreadQueue : public ThreadExtension {
public:
    std::deque<QueuedMessage> posted;
    std::deque<std::shared_ptr<SentMessage>> incomingSends;
    // Sends from other threads being handled right now, innermost last.
    std::vector<std::shared_ptr<SentMessage>> handling;

    bool quitPending = false;
    int quitCode = 0;

    HWND active = nullptr;
    HWND focus = nullptr;

    // Time and screen position of the last message retrieved.
    DWORD messageTime = 0;
    POINT messagePosition{};

    bool threadEnded = false;
};

}  // namespace ce
