// Costs of the kernel's hot paths: a wait on an object that is already
// signalled, a hand-over between two threads through auto-reset events, and
// one trace line written to the debug output.
#include "device/device.h"
#include "kernel/debug_output.h"

#include <benchmark/benchmark.h>
#include <windows.h>

namespace {

void WaitOnSetEvent(benchmark::State& state) {
    ce::Device device;
    HANDLE event = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    for (auto _ : state) benchmark::DoNotOptimize(WaitForSingleObject(event, INFINITE));
    CloseHandle(event);
}
BENCHMARK(WaitOnSetEvent);

struct PingPong {
    HANDLE ping;
    HANDLE pong;
};

DWORD WINAPI answerPings(LPVOID parameter) {
    auto* events = static_cast<PingPong*>(parameter);
    for (;;) {
        WaitForSingleObject(events->ping, INFINITE);
        SetEvent(events->pong);
    }
}

void EventHandOverBetweenThreads(benchmark::State& state) {
    ce::Device device;
    PingPong events{CreateEventW(nullptr, FALSE, FALSE, nullptr), CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    // The answering thread runs until the device's teardown aborts its wait.
    CloseHandle(CreateThread(nullptr, 0, answerPings, &events, 0, nullptr));
    for (auto _ : state) {
        SetEvent(events.ping);
        WaitForSingleObject(events.pong, INFINITE);
    }
}
BENCHMARK(EventHandOverBetweenThreads)->UseRealTime();

void DebugOutputTraceLine(benchmark::State& state) {
    ce::Device device;
    auto& output = device.get<ce::DebugOutput>();
    std::int64_t written = 0;
    for (auto _ : state) {
        OutputDebugStringW(u"DKF:IOCTL+\r\n");
        // Keeps memory flat on long runs; one clear per many lines costs little.
        if (++written % 100000 == 0) output.clear();
    }
}
BENCHMARK(DebugOutputTraceLine);

}  // namespace
