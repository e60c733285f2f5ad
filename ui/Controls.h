#pragma once
// The control classes in one include.

#include "ui/ButtonControl.h"
#include "ui/Control.h"
#include "ui/ControlMessages.h"
#include "ui/GraphicControl.h"
#include "ui/WinControl.h"
