#include "device/device.h"

#include <algorithm>
#include <exception>
#include <sstream>
#include <stdexcept>

namespace ce {

namespace {

// The one active device of this host process, and a generation number so
// that a thread's cached record never refers to an earlier device.
std::mutex gRegistryMutex;
Device* gActive = nullptr;
std::uint64_t gActiveGeneration = 0;
std::uint64_t gNextGeneration = 1;
std::unique_ptr<Device> gDefaultDevice;

struct ThreadBinding {
    Device* device = nullptr;
    std::uint64_t generation = 0;
    EmulatedThread* thread = nullptr;
};

}  // namespace

// Marks an adopted host thread finished when the host thread ends.
struct AdoptedThreadExit {
    ThreadBinding binding;
    ~AdoptedThreadExit() {
        if (!binding.thread) return;
        std::lock_guard<std::mutex> registry(gRegistryMutex);
        if (gActive != binding.device || gActiveGeneration != binding.generation) return;
        std::lock_guard<std::mutex> lock(binding.device->mutex_);
        binding.device->threadFinishedLocked(*binding.thread);
    }
};

namespace {
thread_local ThreadBinding tBinding;
thread_local AdoptedThreadExit tAdoptedExit;
}  // namespace

Device::Device(DeviceOptions options) : options_(options), bootTime_(std::chrono::steady_clock::now()) {
    std::lock_guard<std::mutex> registry(gRegistryMutex);
    if (gActive) throw std::logic_error("an emulated device is already running in this process");
    generation_ = gNextGeneration++;
    gActive = this;
    gActiveGeneration = generation_;
}

Device::~Device() {
    shutdown();
    {
        std::lock_guard<std::recursive_mutex> guard(componentsMutex_);
        while (!components_.empty()) components_.pop_back();
    }
    std::lock_guard<std::mutex> registry(gRegistryMutex);
    if (gActive == this) {
        gActive = nullptr;
        gActiveGeneration = 0;
    }
}

void Device::shutdown() {
    std::vector<EmulatedThread*> toJoin;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        shuttingDown_ = true;
        for (auto& thread : threads_) {
            thread->wake.notify_all();
            if (thread->host.joinable()) toJoin.push_back(thread.get());
        }
        stateChanged_.notify_all();
    }
    for (auto* thread : toJoin)
        if (thread->host.get_id() != std::this_thread::get_id()) thread->host.join();
        else thread->host.detach();
}

Device& Device::current() {
    {
        std::lock_guard<std::mutex> registry(gRegistryMutex);
        if (gActive) return *gActive;
    }
    // Default device for plain programs: real time, torn down at exit.
    static std::mutex defaultMutex;
    std::lock_guard<std::mutex> creating(defaultMutex);
    {
        std::lock_guard<std::mutex> registry(gRegistryMutex);
        if (gActive) return *gActive;
    }
    gDefaultDevice = std::make_unique<Device>(DeviceOptions{240, 320, ClockMode::Realtime});
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit([] { gDefaultDevice.reset(); });
    }
    return *gDefaultDevice;
}

Device* Device::activeOrNull() {
    std::lock_guard<std::mutex> registry(gRegistryMutex);
    return gActive;
}

EmulatedThread& Device::currentThread() {
    std::lock_guard<std::mutex> lock(mutex_);
    return currentThreadLocked();
}

EmulatedThread& Device::currentThreadLocked() {
    if (tBinding.device == this && tBinding.generation == generation_ && tBinding.thread) return *tBinding.thread;
    auto& process = hostProcessLocked();
    threads_.push_back(std::make_unique<EmulatedThread>(nextThreadId_++, process));
    EmulatedThread& thread = *threads_.back();
    process.threads.push_back(&thread);
    tBinding = {this, generation_, &thread};
    tAdoptedExit.binding = tBinding;
    return thread;
}

void Device::releaseCurrentThread() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (tBinding.device != this || tBinding.generation != generation_ || !tBinding.thread) return;
    threadFinishedLocked(*tBinding.thread);
    tBinding = {};
    tAdoptedExit.binding = {};
}

EmulatedThread* Device::findThreadLocked(DWORD id) {
    for (auto& thread : threads_)
        if (thread->id() == id) return thread.get();
    return nullptr;
}

EmulatedProcess& Device::hostProcessLocked() {
    if (!hostProcess_) hostProcess_ = &createProcessLocked(u"\\Windows\\host.exe");
    return *hostProcess_;
}

EmulatedProcess& Device::createProcessLocked(std::u16string imagePath) {
    processes_.push_back(std::make_unique<EmulatedProcess>(nextProcessId_++, std::move(imagePath)));
    return *processes_.back();
}

EmulatedProcess* Device::findProcessLocked(DWORD id) {
    for (auto& process : processes_)
        if (process->id() == id) return process.get();
    return nullptr;
}

std::vector<EmulatedProcess*> Device::processesLocked() {
    std::vector<EmulatedProcess*> result;
    for (auto& process : processes_) result.push_back(process.get());
    return result;
}

std::vector<EmulatedThread*> Device::threadsLocked() {
    std::vector<EmulatedThread*> result;
    for (auto& thread : threads_) result.push_back(thread.get());
    return result;
}

EmulatedThread& Device::startThreadLocked(EmulatedProcess& process, std::function<DWORD()> body,
                                          std::function<void(EmulatedThread&)> onExit) {
    threads_.push_back(std::make_unique<EmulatedThread>(nextThreadId_++, process));
    EmulatedThread& thread = *threads_.back();
    process.threads.push_back(&thread);
    std::uint64_t generation = generation_;
    thread.host = std::thread([this, &thread, generation, body = std::move(body), onExit = std::move(onExit)] {
        tBinding = {this, generation, &thread};
        DWORD exitCode = 0;
        try {
            exitCode = body();
        } catch (const ThreadAbort&) {
            exitCode = 0;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        thread.exitCode = exitCode;
        threadFinishedLocked(thread);
        if (onExit) onExit(thread);
        tBinding = {};
    });
    return thread;
}

void Device::threadFinishedLocked(EmulatedThread& thread) {
    if (thread.finished) return;
    thread.finished = true;
    thread.blocked = false;
    thread.wakeAt.reset();
    auto& process = thread.process();
    bool anyAlive = std::any_of(process.threads.begin(), process.threads.end(),
                                [](EmulatedThread* t) { return !t->finished; });
    if (!anyAlive && !process.ended && &process != hostProcess_) {
        process.ended = true;
        if (process.exitCode == STILL_ACTIVE) process.exitCode = thread.exitCode;
        if (onProcessExit) onProcessExit(process);
    }
    stateChanged_.notify_all();
    advanceClockLocked(nullptr);
}

bool Device::block(std::unique_lock<std::mutex>& lock, bool idle, DWORD timeoutMs,
                   const std::function<bool()>& ready, const char* reason) {
    EmulatedThread& self = currentThreadLocked();
    std::optional<std::uint64_t> deadline;
    if (timeoutMs != INFINITE) deadline = nowLocked() + timeoutMs;
    auto realDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs == INFINITE ? 0 : timeoutMs);
    for (;;) {
        if (shuttingDown_) {
            self.blocked = false;
            // A wait reached while the abort already unwinds this thread (from
            // a destructor, say) just fails: a second exception would end
            // the whole host process.
            if (std::uncaught_exceptions() > 0) return false;
            throw ThreadAbort{};
        }
        if (ready()) {
            self.blocked = false;
            self.wakeAt.reset();
            return true;
        }
        if (deadline && nowLocked() >= *deadline) {
            self.blocked = false;
            self.wakeAt.reset();
            return false;
        }
        self.blocked = true;
        self.blockedIdle = idle;
        self.wakeAt = deadline;
        self.blockReason = reason;
        stateChanged_.notify_all();
        advanceClockLocked(nullptr);
        if (!self.blocked) continue;  // the clock moved to our own deadline
        if (deadline && options_.clock == ClockMode::Realtime)
            self.wake.wait_until(lock, realDeadline);
        else
            self.wake.wait(lock);
        self.blocked = false;
    }
}

void Device::wakeLocked(EmulatedThread& thread) {
    if (thread.blocked) {
        thread.blocked = false;
        thread.blockedIdle = false;
        stateChanged_.notify_all();
    }
    thread.wake.notify_all();
}

void Device::wakeAllLocked() {
    for (auto& thread : threads_) wakeLocked(*thread);
}

std::uint64_t Device::nowLocked() {
    if (options_.clock == ClockMode::Virtual) return virtualNow_;
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - bootTime_).count());
}

DWORD Device::tickCount() {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<DWORD>(nowLocked());
}

bool Device::allBlockedLocked(const EmulatedThread* except) const {
    for (auto& thread : threads_) {
        if (thread.get() == except || thread->finished) continue;
        if (!thread->blocked) return false;
    }
    return true;
}

bool Device::idleLocked(const EmulatedThread* except) const {
    for (auto& thread : threads_) {
        if (thread.get() == except || thread->finished) continue;
        if (!thread->blocked || !thread->blockedIdle || thread->wakeAt) return false;
    }
    return true;
}

// Virtual time: when nothing can run, jump to the earliest deadline and wake
// the threads waiting for it. Returns whether the clock moved.
bool Device::advanceClockLocked(const EmulatedThread* except) {
    if (options_.clock != ClockMode::Virtual || shuttingDown_) return false;
    if (!allBlockedLocked(except ? except : idleWaiter_)) return false;
    std::optional<std::uint64_t> earliest;
    for (auto& thread : threads_)
        if (!thread->finished && thread->blocked && thread->wakeAt)
            earliest = earliest ? std::min(*earliest, *thread->wakeAt) : *thread->wakeAt;
    if (!earliest) return false;
    virtualNow_ = std::max(virtualNow_, *earliest);
    for (auto& thread : threads_)
        if (!thread->finished && thread->blocked && thread->wakeAt && *thread->wakeAt <= virtualNow_)
            wakeLocked(*thread);
    return true;
}

bool Device::anyTimedWaitLocked() const {
    return std::any_of(threads_.begin(), threads_.end(),
                       [](const auto& thread) { return !thread->finished && thread->blocked && thread->wakeAt; });
}

std::string Device::busyReportLocked() const {
    std::ostringstream out;
    for (auto& thread : threads_) {
        if (thread->finished || thread.get() == idleWaiter_) continue;
        out << "thread " << thread->id() << ": ";
        if (!thread->blocked) out << "running";
        else out << "blocked in " << thread->blockReason << (thread->blockedIdle ? " (idle)" : "");
        out << "; ";
    }
    return out.str();
}

bool Device::waitForIdle(std::chrono::milliseconds realLimit, std::string* reason) {
    std::unique_lock<std::mutex> lock(mutex_);
    EmulatedThread* self = nullptr;
    if (tBinding.device == this && tBinding.generation == generation_) self = tBinding.thread;
    idleWaiter_ = self;
    auto limit = std::chrono::steady_clock::now() + realLimit;
    bool result = false;
    for (;;) {
        if (shuttingDown_) break;
        if (idleLocked(self)) {
            result = true;
            break;
        }
        if (allBlockedLocked(self) && !advanceClockLocked(self) && !anyTimedWaitLocked()) {
            // Everyone waits and no timer can release them: a deadlock.
            if (reason) *reason = "deadlock: " + busyReportLocked();
            break;
        }
        if (stateChanged_.wait_until(lock, limit) == std::cv_status::timeout && !idleLocked(self)) {
            if (reason) *reason = "still busy after " + std::to_string(realLimit.count()) + " ms: " + busyReportLocked();
            break;
        }
    }
    idleWaiter_ = nullptr;
    return result;
}

}  // namespace ce
