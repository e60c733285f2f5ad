#pragma once
// Puts the window system on a real display through SDL2: each top-level
// window becomes a borderless native window, and native input comes back as
// messages. Call before creating any window; tests keep the headless backend.

// Throws std::runtime_error naming SDL's reason when video cannot start.
void UseSdlBackend();
