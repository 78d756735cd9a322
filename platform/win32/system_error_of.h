#pragma once
#include <windows.h>

#include "platform/system_error.h"

namespace morvane::win32 {

// The error with the system's own text for it, in the language the system gives it.
SystemError SystemErrorOf(DWORD code);

}  // namespace morvane::win32
