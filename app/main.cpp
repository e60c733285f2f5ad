#include <cstdio>

int main()
{
    std::puts("Clatterbox (Brio): the platform layer, the component framework, the skin engine, the audio\n"
              "engine and the key panel are built, but the main window is not there yet, so the program\n"
              "is not usable yet. Run ./scripts/test to see what works.");
    return 0;
}
