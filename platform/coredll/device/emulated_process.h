#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ce {

class EmulatedThread;

// A simulated process: an id and the image it runs, so that callers can ask
// whether a window belongs to another process running the same executable.
// Fields are guarded by the device lock.
class EmulatedProcess {
public:
    EmulatedProcess(DWORD id, std::u16string imagePath) : id_(id), imagePath_(std::move(imagePath)) {}

    DWORD id() const { return id_; }
    const std::u16string& imagePath() const { return imagePath_; }

    HMODULE image = nullptr;        // the module the process runs, if any
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    std::vector<EmulatedThread*> threads;

private:
    DWORD id_;
    std::u16string imagePath_;
};

}  // namespace ce
