// Real displays show notification-area icons through the session bus, not
// through SDL: the tray is a StatusNotifierItem host of its own.

#include "platform/backends/sdl/SdlBackendImpl.h"

brio::TrayHost* SdlBackend::trayHost()
{
    if (!tray_)
        tray_ = std::make_unique<brio::StatusNotifierTray>();
    return tray_.get();
}
