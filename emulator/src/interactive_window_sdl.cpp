// The SDL front end: the only file that knows about SDL.
#include "interactive_window.h"
#include "scenario_runner.h"

#include "gdi/screen.h"
#include "device/device.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <thread>

namespace ceemu {

namespace {
constexpr int kScale = 2;
}

// SDL falls back to an invisible off-screen driver when there is no display;
// a window nobody can see is a missing display to the user.
bool displayAvailable() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

int runInteractive(Handheld& handheld, const std::vector<ScenarioLine>* script, std::string* error) {
    if (!displayAvailable()) {
        *error = "cannot open a window: no display (DISPLAY is not set); run with --headless";
        return kBadUsage;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        *error = std::string("cannot open a window (") + SDL_GetError() + "); run with --headless";
        return kBadUsage;
    }
    int width = handheld.screenWidth();
    int height = handheld.screenHeight();
    SDL_Window* window = SDL_CreateWindow("ceemu", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * kScale,
                                          height * kScale, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!window || !renderer) {
        *error = std::string("cannot open a window (") + SDL_GetError() + "); run with --headless";
        SDL_Quit();
        return kBadUsage;
    }
    SDL_Texture* texture = nullptr;
    auto makeTexture = [&] {
        if (texture) SDL_DestroyTexture(texture);
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
        SDL_SetWindowSize(window, width * kScale, height * kScale);
    };
    makeTexture();

    std::atomic<bool> scriptDone{script == nullptr};
    std::atomic<int> scriptResult{kScenarioPassed};
    std::thread scriptThread;
    if (script) {
        scriptThread = std::thread([&] {
            ScenarioRunner runner(handheld, std::cout, std::cerr);
            scriptResult = runner.run(*script);
            scriptDone = true;
            std::cout << "scenario ended; close the window to quit" << std::endl;
        });
    }

    // From here this thread only draws the screen and feeds the pen; it must
    // not count as a busy emulated thread when the scenario waits for idle.
    handheld.device().releaseCurrentThread();
    auto& screen = handheld.device().get<ce::Screen>();
    bool running = true;
    bool penDown = false;
    while (running) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) running = false;
            int x = 0, y = 0;
            if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
                x = event.button.x / kScale;
                y = event.button.y / kScale;
            } else if (event.type == SDL_MOUSEMOTION) {
                x = event.motion.x / kScale;
                y = event.motion.y / kScale;
            }
            if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT) {
                penDown = true;
                handheld.pen(PenStep::Kind::Down, x, y);
            } else if (event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT && penDown) {
                penDown = false;
                handheld.pen(PenStep::Kind::Up, x, y);
            } else if (event.type == SDL_MOUSEMOTION && penDown) {
                handheld.pen(PenStep::Kind::Move, x, y);
            }
        }
        if (screen.width() != width || screen.height() != height) {
            width = screen.width();
            height = screen.height();
            makeTexture();
        }
        auto pixels = screen.copyPixels();
        if (static_cast<int>(pixels.size()) == width * height)
            SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
        SDL_Delay(16);
    }
    if (scriptThread.joinable()) scriptThread.join();
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return scriptDone ? scriptResult.load() : kScenarioPassed;
}

}  // namespace ceemu
