// Clatterbox: a soundboard for voice conversations. No arguments are read;
// everything comes from the INI files beside the program.

#include "app/uCommon.h"
#include "app/uMain.h"

#include "platform/backends/sdl/SdlBackend.h"
#include "platform/desktop/TerminationSignals.h"
#include "platform/theme/ColorScheme.h"
#include "ui/forms/Application.h"

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <exception>

int main()
{
    // Decoded sounds are large buffers that come and go while keys are
    // assigned: keep every one of them out of the heap, so a freed one goes
    // back to the system instead of staying with the process (with glibc's
    // moving threshold, twenty ten-second sounds kept 30 MB too many).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // First, before any thread starts: Ctrl+C and SIGTERM close the window as
    // the user would, so that the settings are written and the microphone's
    // devices are removed.
    static std::atomic<HWND> mainWindow{nullptr};
    brio::HandleTerminationSignals([](int) {
        if (HWND window = mainWindow.load())
            PostMessage(window, WM_CLOSE, 0, 0);
    });
    try {
        UseSdlBackend();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brio: %s\n", error.what());
        return 1;
    }
    // Everything no skin paints in the dark look of the skin.
    brio::SelectColorScheme("Graphite");
    brio::InitAppPaths();
    Application->Initialize();
    Application->SetTitle("Brio");
    Application->CreateForm(frmBrio);
    mainWindow = frmBrio->Handle();
    Application->Run();
    // The forms go before the process does: with them the player closes its
    // output and removes what it made on the sound server.
    Application->DestroyComponents();
    return 0;
}
