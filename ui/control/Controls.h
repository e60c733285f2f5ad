#pragma once
// The control classes in one include.

#include "ui/stdctrls/ButtonControl.h"
#include "ui/control/Control.h"
#include "ui/control/ControlMessages.h"
#include "ui/control/GraphicControl.h"
#include "ui/control/WinControl.h"
