// The shell's folders, declared with the rest of the shell.
#pragma once

#include "shellapi.h"
