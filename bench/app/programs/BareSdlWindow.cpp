// The baseline of the program's start-up and memory benchmarks: the least a
// program on SDL does to show a window. It creates one window where the
// program's main window goes, fills it, presents it once, and waits until
// it is closed (or for the seconds given).

#include <SDL.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
    // The window's pixels straight to X, as the program presents them, not
    // through a GPU renderer that SDL would otherwise load for the surface.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_Window* window = SDL_CreateWindow("Bare", 97, 99, 858, 595, SDL_WINDOW_BORDERLESS);
    if (!window)
        return 1;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0x2B, 0x2D, 0x31));
    SDL_UpdateWindowSurface(window);
    const Uint32 end = SDL_GetTicks() + Uint32(seconds) * 1000;
    for (bool running = true; running && (seconds == 0 || SDL_GetTicks() < end);) {
        SDL_Event event;
        while (SDL_WaitEventTimeout(&event, 50))
            if (event.type == SDL_QUIT || (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE))
                running = false;
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
