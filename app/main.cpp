// Clatterbox: a soundboard for voice conversations. No arguments are read;
// everything comes from the INI files beside the program.

#include "app/uCommon.h"
#include "app/uMain.h"

#include "platform/backends/sdl/SdlBackend.h"
#include "platform/theme/ColorScheme.h"
#include "ui/forms/Application.h"

#include <cstdio>
#include <exception>

int main()
{
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
    Application->Run();
    return 0;
}
