#pragma once
// Turns visual styles off for one scope, so a failing check cannot leave
// the classic look on for the tests that follow.

#include "platform/UxTheme.h"

struct ClassicLook {
    ClassicLook() { EnableTheming(FALSE); }
    ~ClassicLook() { EnableTheming(TRUE); }
    ClassicLook(const ClassicLook&) = delete;
    ClassicLook& operator=(const ClassicLook&) = delete;
};
