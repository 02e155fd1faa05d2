// Painting from several threads at once, as windows of different threads
// do, while the screen is read and a DC's clip changes.
#include "gdi_test_support.h"

#include <atomic>
#include <thread>

namespace {

using gdi_test::GdiTest;

TEST_F(GdiTest, ThreadsPaintTheirOwnAreasWithoutInterfering) {
    constexpr int kThreads = 3;
    constexpr int kRounds = 200;
    std::atomic<int> frames{0};
    screen().setFrameListener([&] { frames.fetch_add(1, std::memory_order_relaxed); });
    std::vector<HDC> dcs;
    for (int i = 0; i < kThreads; ++i)
        dcs.push_back(ce::gdi::createDeviceContext(*device, nullptr, POINT{i * 80, 0},
                                                   std::vector<RECT>{{i * 80, 0, i * 80 + 80, 320}}));
    std::vector<std::thread> painters;
    for (int i = 0; i < kThreads; ++i)
        painters.emplace_back([&, i] {
            // Objects are made and deleted on any thread too.
            HBRUSH brush = CreateSolidBrush(RGB(0, 0, i));
            EXPECT_TRUE(DeleteObject(brush));
            for (int round = 0; round < kRounds; ++round) {
                fillSolidRect(dcs[i], RECT{-100, 0, 300, 320}, RGB(i * 100, round & 0xFF, 0));
                RECT text{0, 0, 80, 20};
                DrawTextW(dcs[i], u"tap", -1, &text, DT_CENTER);
            }
            fillSolidRect(dcs[i], RECT{-100, 0, 300, 320}, RGB(i * 100, 0, 255));
        });
    // Meanwhile: read pixels and move one DC's clip about.
    for (int round = 0; round < kRounds; ++round) {
        screen().copyPixels();
        ce::gdi::setClip(dcs[0], std::vector<RECT>{{0, 0, 80, 320}});
    }
    for (auto& painter : painters) painter.join();
    for (int i = 0; i < kThreads; ++i)
        EXPECT_EQ(countPixels(RECT{i * 80, 0, i * 80 + 80, 320}, std::uint32_t(i * 100) << 16 | 0xFF), 80 * 320) << i;
    EXPECT_EQ(frames.load(), kThreads * (2 * kRounds + 1));
    screen().setFrameListener(nullptr);
    for (HDC dc : dcs) ce::gdi::releaseDeviceContext(dc);
}

}  // namespace
