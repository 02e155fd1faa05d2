#pragma once

#include "device/device.h"

#include <fstream>
#include <functional>
#include <mutex>
#include <string>

namespace ce {

// Everything written with OutputDebugString, kept byte for byte in the order
// it arrived. Each string is appended whole, so lines from several threads
// never interleave inside one call. Has its own lock: writers may or may not
// hold the device lock.
class DebugOutput : public DeviceComponent {
public:
    explicit DebugOutput(Device& device);

    void write(std::u16string_view text);

    std::u16string text() const;
    // The same text as UTF-8, line endings kept as written.
    std::string utf8() const;
    void clear();

    // Also appends each string, as UTF-8, to this host file as it arrives
    // (flushed at once). Returns false when the file cannot be opened.
    bool setSinkFile(const std::string& path);
    // Called with each string after it was recorded, under this object's own
    // lock: it must neither write debug output nor take the device lock.
    void setListener(std::function<void(std::u16string_view)> listener);

private:
    mutable std::mutex mutex_;
    std::u16string text_;
    std::ofstream sink_;
    std::function<void(std::u16string_view)> listener_;
};

}  // namespace ce
