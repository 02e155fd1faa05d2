#pragma once

#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace window_test {

// One message as a window procedure saw it. detail holds what identifies the
// message beyond wParam: the WINDOWPOS flags of WM_WINDOWPOSCHANGING/CHANGED,
// lParam of WM_SIZE and WM_MOVE, 0 otherwise.
struct Recorded {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM detail = 0;
    bool posted = false;
    bool operator==(const Recorded&) const = default;
};

// Logs what windows of the "Recorder" class receive; the window procedure
// then passes everything on to DefWindowProc. Messages delivered through
// dispatch() are marked posted; everything else was sent.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    static MessageRecorder& active();
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void name(HWND window, std::string label) { names_[window] = std::move(label); }
    std::string nameOf(HWND window) const;
    std::vector<Recorded> take();
    void clear() { take(); }

    // Dispatches one retrieved message, marking it posted.
    LRESULT dispatch(const MSG& message);

    // When set, WM_CREATE returns this and WM_NCCREATE FALSE is never given.
    LRESULT createResult = 0;

private:
    void record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    mutable std::mutex mutex_;
    std::vector<Recorded> log_;
    std::map<HWND, std::string> names_;
    const MSG* dispatching_ = nullptr;
};

std::string messageName(UINT message);

// Compares a recorded sequence with the expected table; on a difference it
// reports the first differing index and prints both sequences side by side.
void expectSequence(const MessageRecorder& recorder, const std::vector<Recorded>& expected,
                    const std::vector<Recorded>& actual, const char* what);

// Recorded messages with only the listed messages kept.
std::vector<Recorded> only(const std::vector<Recorded>& log, const std::vector<UINT>& messages);
std::vector<Recorded> except(const std::vector<Recorded>& log, const std::vector<UINT>& messages);

}  // namespace window_test
