#include "kernel/debug_output.h"

#include "kernel/text_conversion.h"

namespace ce {

DebugOutput::DebugOutput(Device&) {}

void DebugOutput::write(std::u16string_view text) {
    std::lock_guard<std::mutex> lock(mutex_);
    text_.append(text);
    if (sink_.is_open()) {
        sink_ << toUtf8(text);
        sink_.flush();
    }
    if (listener_) listener_(text);
}

std::u16string DebugOutput::text() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_;
}

std::string DebugOutput::utf8() const { return toUtf8(text()); }

void DebugOutput::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    text_.clear();
}

bool DebugOutput::setSinkFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (sink_.is_open()) sink_.close();
    sink_.open(path, std::ios::out | std::ios::app | std::ios::binary);
    return sink_.is_open();
}

void DebugOutput::setListener(std::function<void(std::u16string_view)> listener) {
    std::lock_guard<std::mutex> lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace ce

// OutputDebugStringW: NULL writes nothing; no line ending is added.
extern "C" void WINAPI OutputDebugStringW(LPCWSTR lpOutputString) {
    if (!lpOutputString) return;
    ce::Device::current().get<ce::DebugOutput>().write(lpOutputString);
}
