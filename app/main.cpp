#include <cstdio>

int main()
{
    std::puts("Clatterbox (Brio): the drawing layer is built, but the main window is not there yet,\n"
              "so the program is not usable yet. Run ./scripts/test to see what works.");
    return 0;
}
