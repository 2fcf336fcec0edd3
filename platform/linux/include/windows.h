// The Windows API on this platform: the part of it the framework and the program use, with
// the system's names, types, values and behaviour. The one header to include, as on Windows.
#pragma once

#include "WinApi.h"
#include "WinBase.h"
#include "WinDef.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "oleauto.h"
