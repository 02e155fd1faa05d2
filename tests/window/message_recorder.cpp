#include "message_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace window_test {

namespace {

MessageRecorder* gActive = nullptr;

LPARAM detailOf(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        return static_cast<LPARAM>(reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
    case WM_SIZE:
    case WM_MOVE:
        return lParam;
    default:
        return 0;
    }
}

}  // namespace

MessageRecorder::MessageRecorder() { gActive = this; }
MessageRecorder::~MessageRecorder() { gActive = nullptr; }
MessageRecorder& MessageRecorder::active() { return *gActive; }

void MessageRecorder::record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard<std::mutex> lock(mutex_);
    bool posted = dispatching_ && dispatching_->hwnd == window && dispatching_->message == message;
    if (posted) dispatching_ = nullptr;
    // A DC handle differs from run to run; the message itself is what counts.
    if (message == WM_ERASEBKGND) wParam = 0;
    log_.push_back(Recorded{window, message, wParam, detailOf(message, lParam), posted});
}

LRESULT CALLBACK MessageRecorder::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageRecorder& recorder = active();
    recorder.record(window, message, wParam, lParam);
    if (message == WM_CREATE && recorder.createResult) return recorder.createResult;
    return DefWindowProc(window, message, wParam, lParam);
}

LRESULT MessageRecorder::dispatch(const MSG& message) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dispatching_ = &message;
    }
    LRESULT result = DispatchMessage(&message);
    std::lock_guard<std::mutex> lock(mutex_);
    dispatching_ = nullptr;
    return result;
}

std::vector<Recorded> MessageRecorder::take() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Recorded> taken;
    taken.swap(log_);
    return taken;
}

std::string MessageRecorder::nameOf(HWND window) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = names_.find(window);
    if (found != names_.end()) return found->second;
    std::ostringstream out;
    out << window;
    return out.str();
}

std::string messageName(UINT message) {
    static const std::map<UINT, const char*> names{
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_SETICON, "WM_SETICON"},
        {WM_GETICON, "WM_GETICON"},
    };
    auto found = names.find(message);
    if (found != names.end()) return found->second;
    std::ostringstream out;
    out << "0x" << std::hex << message;
    return out.str();
}

namespace {

std::string describe(const MessageRecorder& recorder, const Recorded& entry) {
    std::ostringstream out;
    out << recorder.nameOf(entry.window) << ' ' << messageName(entry.message) << " w=" << entry.wParam;
    if (entry.detail) out << " d=0x" << std::hex << entry.detail;
    if (entry.posted) out << " posted";
    return out.str();
}

}  // namespace

void expectSequence(const MessageRecorder& recorder, const std::vector<Recorded>& expected,
                    const std::vector<Recorded>& actual, const char* what) {
    size_t firstDifference = 0;
    while (firstDifference < expected.size() && firstDifference < actual.size() &&
           expected[firstDifference] == actual[firstDifference])
        ++firstDifference;
    if (firstDifference == expected.size() && firstDifference == actual.size()) return;
    std::ostringstream report;
    report << what << ": sequences differ at index " << firstDifference << "\n";
    report << std::left << std::setw(5) << "#" << std::setw(48) << "expected" << "actual\n";
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        std::string left = i < expected.size() ? describe(recorder, expected[i]) : "-";
        std::string right = i < actual.size() ? describe(recorder, actual[i]) : "-";
        report << (i == firstDifference ? "> " : "  ") << std::setw(3) << i << std::setw(48) << left << right << "\n";
    }
    ADD_FAILURE() << report.str();
}

std::vector<Recorded> except(const std::vector<Recorded>& log, const std::vector<UINT>& messages) {
    std::vector<Recorded> kept;
    for (const Recorded& entry : log)
        if (std::find(messages.begin(), messages.end(), entry.message) == messages.end()) kept.push_back(entry);
    return kept;
}

std::vector<Recorded> only(const std::vector<Recorded>& log, const std::vector<UINT>& messages) {
    std::vector<Recorded> kept;
    for (const Recorded& entry : log)
        if (std::find(messages.begin(), messages.end(), entry.message) != messages.end()) kept.push_back(entry);
    return kept;
}

}  // namespace window_test
