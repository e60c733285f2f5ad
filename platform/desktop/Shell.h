#pragma once
// Opening documents, web addresses and mail links with the desktop's
// preferred application.

#include "platform/WinTypes.h"

constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_NOASSOC = 31;

// Only the "open" verb (or none). The target goes to xdg-open as one
// argument, never through a shell. Returns a value above 32 on success,
// an SE_ERR_* code otherwise; never throws.
HINSTANCE ShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                       const char* directory, int showCommand);

// The program that ShellExecute starts; tests point it at a recorder.
void SetShellOpenCommand(const char* program);
